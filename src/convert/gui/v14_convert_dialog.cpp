#include "convert/gui/v14_convert_dialog.h"

#include "gui/file_choice.h"
#include "gui/form_rows.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>

namespace vek {

V14ConvertDialog::V14ConvertDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Transfer Sap2000 V14 s2k file to Sap2000 V16"));
    setModal(false);

    useForGroup_ = MakeGroup(this, QStringLiteral("Use For"), QStringLiteral("useForGroup"));
    auto* texts = new QVBoxLayout(useForGroup_);
    texts->addWidget(MakeLabel(useForGroup_,
                               QStringLiteral("Transfer 3D Solid model buildt in Sap2000 V14"),
                               QStringLiteral("sourceLabel")));
    texts->addWidget(MakeLabel(
        useForGroup_, QStringLiteral("to Be Sap2000 V6 S2K Format Which can Import to VEK"),
        QStringLiteral("targetLabel")));

    logText_ = new QPlainTextEdit(this);
    logText_->setObjectName(QStringLiteral("logText"));
    logText_->setAccessibleName(QStringLiteral("Log"));
    logText_->setReadOnly(true);
    logText_->setLineWrapMode(QPlainTextEdit::NoWrap);
    logText_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    logText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    openButton_ = MakeButton(this, QStringLiteral("Open S2k"), QStringLiteral("openButton"));
    saveButton_ = MakeButton(this, QStringLiteral("Save S2k"), QStringLiteral("saveButton"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(useForGroup_);
    layout->addWidget(logText_, 1);
    layout->addLayout(ButtonRow({openButton_, saveButton_}));
    resize(420, 320);

    openChooser_ = [](QWidget* owner) { return ChooseOpenFile(owner, QStringLiteral("Open S2k")); };
    saveChooser_ = [](QWidget* owner) {
        return QFileDialog::getSaveFileName(owner, QStringLiteral("Save S2k"));
    };

    connect(openButton_, &QPushButton::clicked, this, &V14ConvertDialog::OpenClicked);
    connect(saveButton_, &QPushButton::clicked, this, &V14ConvertDialog::SaveClicked);
}

void V14ConvertDialog::SetOpenFileChooser(FileChooser chooser)
{
    openChooser_ = std::move(chooser);
}

void V14ConvertDialog::SetSaveFileChooser(FileChooser chooser)
{
    saveChooser_ = std::move(chooser);
}

void V14ConvertDialog::SetMessageReporter(ErrorReporter reporter)
{
    reporter_ = std::move(reporter);
}

void V14ConvertDialog::OpenClicked()
{
    const QString path = openChooser_(this);
    if (!path.isEmpty())
        OpenAndConvert(path);
}

void V14ConvertDialog::SaveClicked()
{
    const QString path = saveChooser_(this);
    if (!path.isEmpty())
        Save(path);
}

void V14ConvertDialog::OpenAndConvert(const QString& path)
{
    RunGuarded(this, reporter_, [&] {
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
    RunGuarded(this, reporter_, [&] { WriteLinesCrLf(LocalPath(path), converter_.OutputLines); });
}

} // namespace vek
