#include "convert/gui/v14_convert_dialog.h"

#include "util/error.h"
#include "gui/dialog_parts.h"

#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>
#include <new>
#include <string>

namespace vek {

namespace {

constexpr char ProgramName[] = "TAV";

QLabel* AddText(QWidget* parent, QVBoxLayout* layout, const QString& text, const QString& name)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAccessibleName(text);
    layout->addWidget(label);
    return label;
}

std::string LocalPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

V14ConvertDialog::V14ConvertDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Transfer Sap2000 V14 s2k file to Sap2000 V16"));
    setModal(false);

    useForGroup_ = new QGroupBox(QStringLiteral("Use For"), this);
    useForGroup_->setObjectName(QStringLiteral("GroupBox1"));
    useForGroup_->setAccessibleName(useForGroup_->title());
    auto* texts = new QVBoxLayout(useForGroup_);
    AddText(useForGroup_, texts, QStringLiteral("Transfer 3D Solid model buildt in Sap2000 V14"),
            QStringLiteral("Label1"));
    AddText(useForGroup_, texts,
            QStringLiteral("to Be Sap2000 V6 S2K Format Which can Import to VEK"),
            QStringLiteral("Label2"));

    logText_ = new QPlainTextEdit(this);
    logText_->setObjectName(QStringLiteral("Memo1"));
    logText_->setAccessibleName(QStringLiteral("Log"));
    logText_->setReadOnly(true);
    logText_->setLineWrapMode(QPlainTextEdit::NoWrap);
    logText_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    logText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    openButton_ = MakeButton(this, QStringLiteral("Open S2k"), QStringLiteral("Button1"));
    saveButton_ = MakeButton(this, QStringLiteral("Save S2k"), QStringLiteral("Button2"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(useForGroup_);
    layout->addWidget(logText_, 1);
    layout->addLayout(ButtonRow({openButton_, saveButton_}));
    resize(420, 320);

    openChooser_ = [](QWidget* owner) {
        return QFileDialog::getOpenFileName(owner, QStringLiteral("Open S2k"));
    };
    saveChooser_ = [](QWidget* owner) {
        return QFileDialog::getSaveFileName(owner, QStringLiteral("Save S2k"));
    };

    connect(openButton_, &QPushButton::clicked, this, &V14ConvertDialog::Button1Click);
    connect(saveButton_, &QPushButton::clicked, this, &V14ConvertDialog::Button2Click);
}

void V14ConvertDialog::SetOpenFileChooser(FileChooser chooser)
{
    openChooser_ = std::move(chooser);
}

void V14ConvertDialog::SetSaveFileChooser(FileChooser chooser)
{
    saveChooser_ = std::move(chooser);
}

void V14ConvertDialog::SetMessageReporter(MessageReporter reporter)
{
    reporter_ = std::move(reporter);
}

void V14ConvertDialog::ReportError(const QString& message)
{
    if (reporter_)
        reporter_(message);
    else
        QMessageBox::warning(this, QString::fromLatin1(ProgramName), message, QMessageBox::Ok);
}

void V14ConvertDialog::Button1Click()
{
    const QString path = openChooser_(this);
    if (!path.isEmpty())
        OpenAndConvert(path);
}

void V14ConvertDialog::Button2Click()
{
    const QString path = saveChooser_(this);
    if (!path.isEmpty())
        Save(path);
}

template <class Command> void V14ConvertDialog::Guarded(Command&& command)
{
    try {
        command();
    } catch (const VekError& error) {
        ReportError(QString::fromStdString(error.what()));
    } catch (const std::bad_alloc&) {
        ReportError(tr("Out of memory"));
    } catch (const std::exception& error) {
        ReportError(QString::fromLocal8Bit(error.what()));
    }
}

void V14ConvertDialog::OpenAndConvert(const QString& path)
{
    Guarded([&] {
        // A file that cannot be read leaves the output empty and the log as it was.
        converter_.OutputLines.clear();
        converter_.SourceLines = LoadTextFile(LocalPath(path));
        const std::vector<std::string> log = ConvertV14File(converter_);
        QStringList lines;
        for (const std::string& line : log)
            lines << QString::fromStdString(line);
        logText_->setPlainText(lines.join(QLatin1Char('\n')));
    });
}

void V14ConvertDialog::Save(const QString& path)
{
    Guarded([&] { WriteLinesCrLf(LocalPath(path), converter_.OutputLines); });
}

} // namespace vek
