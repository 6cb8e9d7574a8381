#include "tcl/gui/tcl_file_dialog.h"

#include "gui/file_choice.h"
#include "gui/form_rows.h"
#include "project/script_record.h"
#include "tcl/tcl_generator.h"
#include "util/error.h"

#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringDecoder>
#include <QTextDocument>
#include <QVBoxLayout>

#include <filesystem>

namespace vek {

namespace {

constexpr char InitialText[] = "OpenSEES Tcl File";

// The lines joined by LF, as a text area holds them. A last line that is empty needs a break
// of its own, or reading the text back would lose it.
std::string JoinLf(const TextLines& lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += '\n';
        text += lines[i];
    }
    if (!lines.empty() && lines[lines.size() - 1].empty())
        text += '\n';
    return text;
}

// The path with ".tcl" after a file name that has no extension.
std::string WithTclExtension(std::string path)
{
    if (!path.empty() && !std::filesystem::path(path).has_extension())
        path += ".tcl";
    return path;
}

// Whether every glyph of the font is as wide as every other, as the eye sees it: fontconfig
// does not declare every such font monospaced (Noto Sans Mono), and not every font it calls
// monospaced is.
bool HasOneGlyphWidth(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QStringLiteral("iiii"));
    return width > 0 && width == metrics.horizontalAdvance(QStringLiteral("MMMM")) &&
           width == metrics.horizontalAdvance(QStringLiteral("1.0E"));
}

// The script's columns line up: the system's fixed font where its glyphs have one width,
// otherwise the first typewriter font that has.
QFont ScriptFont()
{
    const QFont system = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (HasOneGlyphWidth(system))
        return system;
    for (const char* family : {"monospace", "DejaVu Sans Mono", "Liberation Mono", "Courier"}) {
        QFont font(QString::fromLatin1(family), system.pointSize());
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
        if (HasOneGlyphWidth(font))
            return font;
    }
    return system;
}

} // namespace

TclFileDialog::TclFileDialog(Model& model, const Settings& settings, QWidget* parent)
    : QDialog(parent), model_(model), settings_(settings)
{
    setWindowTitle(QStringLiteral("OpenSEES Tcl File"));
    setAccessibleName(windowTitle());
    setModal(false);
    resize(700, 560);

    titleLabel_ =
        MakeLabel(this, QStringLiteral("OpenSEES tcl File"), QStringLiteral("titleLabel"));

    scriptText_ = new QPlainTextEdit(this);
    scriptText_->setObjectName(QStringLiteral("scriptText"));
    scriptText_->setAccessibleName(titleLabel_->text());
    scriptText_->setLineWrapMode(QPlainTextEdit::NoWrap);
    scriptText_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scriptText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scriptText_->setFont(ScriptFont());
    QPalette green = scriptText_->palette();
    green.setColor(QPalette::Text, QColor(0, 128, 0));
    scriptText_->setPalette(green);
    scriptText_->setPlainText(QString::fromLatin1(InitialText));
    titleLabel_->setBuddy(scriptText_);

    generate_ = MakeButton(this, QStringLiteral("Generate"), QStringLiteral("generateButton"));
    save_ = MakeButton(this, QStringLiteral("Save"), QStringLiteral("saveButton"));
    close_ = MakeButton(this, QStringLiteral("Close"), QStringLiteral("closeButton"));
    for (QPushButton* button : {generate_, save_, close_})
        button->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titleLabel_);
    layout->addWidget(scriptText_, 1);
    layout->addLayout(ButtonRow({generate_, save_, close_}));

    connect(generate_, &QPushButton::clicked, this, &TclFileDialog::Generate);
    connect(save_, &QPushButton::clicked, this, qOverload<>(&TclFileDialog::Save));
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
}

void TclFileDialog::SetMessageReporter(ErrorReporter reporter)
{
    reporter_ = std::move(reporter);
}

void TclFileDialog::Generate()
{
    std::vector<std::string> warnings;
    if (RunGuarded(this, reporter_, [&] {
            GenerateTclScript(model_, settings_, tclLines_, warnings);
            ShowScript();
        })) {
        lastWarnings_ = warnings;
        ReportWarnings(warnings);
    }
}

void TclFileDialog::ShowScript()
{
    const std::string text = JoinLf(tclLines_);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString shown = utf8.decode(QByteArrayView(text.data(), qsizetype(text.size())));
    utf8_ = !utf8.hasError();
    if (!utf8_)
        shown = QString::fromLatin1(text.data(), qsizetype(text.size()));
    // The whole text at once: a script of a big model has hundreds of thousands of lines.
    scriptText_->setPlainText(shown);
}

void TclFileDialog::ReportWarnings(const std::vector<std::string>& warnings)
{
    if (warnings.empty())
        return;
    QString message = tr("The script is generated, but OpenSees may stop on it:");
    for (const std::string& warning : warnings)
        message += QStringLiteral("\n\n") + QString::fromStdString(warning);
    ReportMessage(this, reporter_, message);
}

std::string TclFileDialog::ScriptText() const
{
    // The raw text keeps non-breaking blanks; only the breaks between blocks are turned into LF.
    QString text = scriptText_->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    if (utf8_)
        return text.toStdString();
    for (const QChar c : text)
        if (c.unicode() > 0xFF)
            throw VekError("The script holds the character \"" + QString(c).toStdString() +
                           "\", which its 8-bit text (Latin-1) cannot hold.");
    const QByteArray bytes = text.toLatin1();
    return bytes.toStdString();
}

void TclFileDialog::Save()
{
    QFileDialog chooser(this, tr("Save"));
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setNameFilter(QStringLiteral("OpenSEES tcl(*.tcl)"));
    chooser.setDefaultSuffix(QStringLiteral("tcl"));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return;
    Save(chooser.selectedFiles().constFirst());
}

void TclFileDialog::Save(const QString& path)
{
    std::string script;
    const bool saved = RunGuarded(this, reporter_, [&] {
        const TextLines lines = TextLines::FromText(ScriptText());
        script = WithTclExtension(LocalPath(path));
        WriteLinesCrLf(script, lines);
        ScriptRecord record =
            RecordOfScript(model_, settings_, std::filesystem::path(script).filename().string());
        SaveScriptRecord(script, record);
        lastRecord_ = std::move(record);
    });
    if (saved)
        emit scriptSaved(QFile::decodeName(QByteArray::fromStdString(script)));
}

} // namespace vek
