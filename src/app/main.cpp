// vek: the VEK main window, or a picture of a model's view without any window.
//
//   vek [FILE.s2k | FILE.vek]
//   vek --picture OUT.png [--size WxH] [--view XY|XZ|YZ | --angles PLAN,TILT] FILE.s2k

#include "app/main_window.h"
#include "cli/cli_support.h"
#include "gui/error_boundary.h"
#include "gui/model_view.h"
#include "model/model.h"
#include "tcl/settings.h"
#include "tcl/solid_materials.h"
#include "util/error.h"
#include "view/view_settings.h"
#include "view/view_transform.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTimer>

#include <cstring>
#include <iostream>
#include <optional>

namespace {

using namespace vek;

constexpr const char* Usage =
    "Usage: vek [FILE.s2k | FILE.vek]\n"
    "       vek --picture OUT.png [--size WxH] [--view XY|XZ|YZ | --angles PLAN,TILT] FILE.s2k\n"
    "\n"
    "Without --picture, opens the VEK window and imports FILE.s2k or opens the project\n"
    "FILE.vek when one is given.\n"
    "With --picture, imports FILE.s2k, fits the model into a model view of WxH pixels\n"
    "(default 1069x639) as Zoom All does, and writes the view as a PNG file, without\n"
    "opening a window. --view chooses a preset view, --angles the plan and tilt angles in\n"
    "degrees; without either the view has the angles the window starts with.\n"
    "Errors go to the standard error: exit code 1 for a file that cannot be read, imported\n"
    "or written, 2 for bad arguments.\n";

constexpr int MaxPictureSide = 16384;

struct PictureOptions
{
    QString Output;
    QString Input;
    QSize Size{1069, 639};
    std::optional<PresetView> Preset;
    std::optional<std::pair<double, double>> Angles;
};

struct CommandLine
{
    std::optional<PictureOptions> Picture;
    // The s2k file the window imports, or the project it opens, at start.
    QString File;
};

std::optional<QSize> ParseSize(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    if (parts.size() != 2)
        return std::nullopt;
    bool okW = false, okH = false;
    const int w = parts[0].toInt(&okW), h = parts[1].toInt(&okH);
    if (!okW || !okH || w < 1 || h < 1 || w > MaxPictureSide || h > MaxPictureSide)
        return std::nullopt;
    return QSize(w, h);
}

std::optional<PresetView> ParseView(const QString& text)
{
    if (text == QLatin1String("XY"))
        return PresetView::XY;
    if (text == QLatin1String("XZ"))
        return PresetView::XZ;
    if (text == QLatin1String("YZ"))
        return PresetView::YZ;
    return std::nullopt;
}

std::optional<std::pair<double, double>> ParseAngles(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 2)
        return std::nullopt;
    bool okPlan = false, okTilt = false;
    const double plan = parts[0].toDouble(&okPlan), tilt = parts[1].toDouble(&okTilt);
    if (!okPlan || !okTilt || !qIsFinite(plan) || !qIsFinite(tilt))
        return std::nullopt;
    return std::pair(plan, tilt);
}

// The arguments after the program name; nullopt (with a message on the standard error) when
// they are not understood.
std::optional<CommandLine> ParseArguments(QStringList args)
{
    const auto bad = [](const QString& message) -> std::optional<CommandLine> {
        std::cerr << "vek: " << message.toStdString() << "\n\n" << Usage;
        return std::nullopt;
    };

    CommandLine line;
    if (!args.contains(QLatin1String("--picture"))) {
        if (args.size() > 1)
            return bad(QStringLiteral("give at most one s2k or project file"));
        if (!args.isEmpty() && args[0].startsWith(QLatin1String("--")))
            return bad(QStringLiteral("unknown option ") + args[0]);
        if (!args.isEmpty())
            line.File = args[0];
        return line;
    }

    PictureOptions picture;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(QLatin1String("--"))) {
            if (!picture.Input.isEmpty())
                return bad(QStringLiteral("give one s2k file"));
            picture.Input = arg;
            continue;
        }
        if (i + 1 >= args.size())
            return bad(arg + QStringLiteral(" needs a value"));
        const QString& value = args[++i];
        if (arg == QLatin1String("--picture")) {
            picture.Output = value;
        } else if (arg == QLatin1String("--size")) {
            const std::optional<QSize> size = ParseSize(value);
            if (!size)
                return bad(QStringLiteral("--size takes WxH, each 1..%1").arg(MaxPictureSide));
            picture.Size = *size;
        } else if (arg == QLatin1String("--view")) {
            picture.Preset = ParseView(value);
            if (!picture.Preset)
                return bad(QStringLiteral("--view takes XY, XZ or YZ"));
        } else if (arg == QLatin1String("--angles")) {
            picture.Angles = ParseAngles(value);
            if (!picture.Angles)
                return bad(QStringLiteral("--angles takes PLAN,TILT in degrees"));
        } else {
            return bad(QStringLiteral("unknown option ") + arg);
        }
    }
    if (picture.Input.isEmpty())
        return bad(QStringLiteral("--picture needs an s2k file"));
    if (picture.Preset && picture.Angles)
        return bad(QStringLiteral("give --view or --angles, not both"));
    line.Picture = picture;
    return line;
}

// The model view of the window after importing the file and Zoom All, at the given size.
int WritePicture(const PictureOptions& options)
{
    Model model;
    Settings settings;
    ViewSettings viewSettings;
    ViewTransform view;
    ProjectedModel projected;
    const std::string input = QFile::encodeName(options.Input).toStdString();
    if (!ImportForCli(model, input, std::cerr))
        return 1;
    try {
        InitSolidMaterials(model, settings);
        QImage picture = NewModelImage(options.Size);
        if (picture.isNull())
            throw VekError("Not enough memory for a picture of this size");
        // As in the window: the import fits the model in the start-up angles, then the view
        // command turns it and fits it again.
        const AreaSize area{picture.width(), picture.height()};
        ZoomAll(model, Results(), projected, view, area);
        if (options.Preset || options.Angles) {
            if (options.Preset)
                SetPresetView(view, *options.Preset);
            if (options.Angles) {
                view.PlanAngle = options.Angles->first;
                view.TiltAngle = options.Angles->second;
            }
            ZoomAll(model, Results(), projected, view, area);
        }
        PaintModel(picture, model, Results(), projected, viewSettings, view);
        if (!picture.save(options.Output, "PNG"))
            throw VekError("Cannot write file \"" + options.Output.toStdString() + "\"");
    } catch (const VekError& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}

// A project file is told by its extension, ".vek"; any other file is imported as an s2k file.
bool IsProjectFile(const QString& path)
{
    return path.endsWith(QLatin1String(".vek"), Qt::CaseInsensitive);
}

// Qt's own options (-platform, -style, ...) have one dash; QApplication takes them out.
bool HasQtOptions(const QStringList& args)
{
    for (const QString& arg : args)
        if (arg.startsWith(QLatin1Char('-')) && !arg.startsWith(QLatin1String("--")) &&
            arg != QLatin1String("-h"))
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QStringList rawArgs;
    for (int i = 1; i < argc; ++i)
        rawArgs.append(QString::fromLocal8Bit(argv[i]));
    if (rawArgs.contains(QLatin1String("--help")) || rawArgs.contains(QLatin1String("-h"))) {
        std::cout << Usage;
        return 0;
    }
    // Bad arguments are told before any connection to a display is tried.
    const bool qtOptions = HasQtOptions(rawArgs);
    std::optional<CommandLine> line;
    if (!qtOptions) {
        line = ParseArguments(rawArgs);
        if (!line)
            return 2;
    }
    // A picture needs no display.
    if (rawArgs.contains(QLatin1String("--picture")) &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(ProgramTitle());
    // Where the window keeps its place, its size and the recent projects.
    QApplication::setOrganizationName(QStringLiteral("VEK"));
    if (qtOptions) {
        QStringList args = QApplication::arguments();
        args.removeFirst();
        line = ParseArguments(args);
        if (!line)
            return 2;
    }
    if (line->Picture)
        return WritePicture(*line->Picture);

    MainWindow window;
    window.show();
    if (!line->File.isEmpty()) {
        const QString file = line->File;
        QTimer::singleShot(0, &window, [&window, file] {
            if (IsProjectFile(file))
                window.OpenProjectFile(file);
            else
                window.ImportS2kFile(file);
        });
    }
    return app.exec();
}
