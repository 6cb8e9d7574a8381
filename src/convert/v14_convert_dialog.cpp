#include "convert/v14_convert_dialog.h"

#include "util/error.h"
#include "view/dialog_parts.h"

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

TForm11::TForm11(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Transfer Sap2000 V14 s2k file to Sap2000 V16"));
    setModal(false);

    groupBox1_ = new QGroupBox(QStringLiteral("Use For"), this);
    groupBox1_->setObjectName(QStringLiteral("GroupBox1"));
    groupBox1_->setAccessibleName(groupBox1_->title());
    auto* texts = new QVBoxLayout(groupBox1_);
    AddText(groupBox1_, texts, QStringLiteral("Transfer 3D Solid model buildt in Sap2000 V14"),
            QStringLiteral("Label1"));
    AddText(groupBox1_, texts,
            QStringLiteral("to Be Sap2000 V6 S2K Format Which can Import to VEK"),
            QStringLiteral("Label2"));

    memo1_ = new QPlainTextEdit(this);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setAccessibleName(QStringLiteral("Log"));
    memo1_->setReadOnly(true);
    memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    button1_ = MakeButton(this, QStringLiteral("Open S2k"), QStringLiteral("Button1"));
    button2_ = MakeButton(this, QStringLiteral("Save S2k"), QStringLiteral("Button2"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(groupBox1_);
    layout->addWidget(memo1_, 1);
    layout->addLayout(ButtonRow({button1_, button2_}));
    resize(420, 320);

    openChooser_ = [](QWidget* owner) {
        return QFileDialog::getOpenFileName(owner, QStringLiteral("Open S2k"));
    };
    saveChooser_ = [](QWidget* owner) {
        return QFileDialog::getSaveFileName(owner, QStringLiteral("Save S2k"));
    };

    connect(button1_, &QPushButton::clicked, this, &TForm11::Button1Click);
    connect(button2_, &QPushButton::clicked, this, &TForm11::Button2Click);
}

void TForm11::SetOpenFileChooser(FileChooser chooser)
{
    openChooser_ = std::move(chooser);
}

void TForm11::SetSaveFileChooser(FileChooser chooser)
{
    saveChooser_ = std::move(chooser);
}

void TForm11::SetMessageReporter(MessageReporter reporter)
{
    reporter_ = std::move(reporter);
}

void TForm11::ReportError(const QString& message)
{
    if (reporter_)
        reporter_(message);
    else
        QMessageBox::warning(this, QString::fromLatin1(ProgramName), message, QMessageBox::Ok);
}

void TForm11::Button1Click()
{
    const QString path = openChooser_(this);
    if (!path.isEmpty())
        OpenAndConvert(path);
}

void TForm11::Button2Click()
{
    const QString path = saveChooser_(this);
    if (!path.isEmpty())
        Save(path);
}

template <class Command> void TForm11::Guarded(Command&& command)
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

void TForm11::OpenAndConvert(const QString& path)
{
    Guarded([&] {
        // A file that cannot be read leaves the output empty and the log as it was.
        converter_.OutputLines.clear();
        converter_.SourceLines = LoadTextFile(LocalPath(path));
        const std::vector<std::string> log = ConvertV14File(converter_);
        QStringList lines;
        for (const std::string& line : log)
            lines << QString::fromStdString(line);
        memo1_->setPlainText(lines.join(QLatin1Char('\n')));
    });
}

void TForm11::Save(const QString& path)
{
    Guarded([&] { WriteLinesCrLf(LocalPath(path), converter_.OutputLines); });
}

} // namespace vek
