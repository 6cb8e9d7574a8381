#pragma once

#include "convert/v14_converter.h"
#include "gui/error_boundary.h"

#include <QDialog>
#include <QString>

#include <functional>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vek {

// "Transfer Sap2000 V14 s2k file to Sap2000 V16": converts a SAP2000 V14 s2k file holding a
// solid model into the version 6 s2k layout that the import reads. Modeless; it keeps the last
// conversion, which "Save S2k" writes as often as asked.
class V14ConvertDialog : public QDialog
{
    Q_OBJECT

public:
    // Asks for a file: the path chosen, or an empty text when the user cancels.
    using FileChooser = std::function<QString(QWidget* parent)>;

    explicit V14ConvertDialog(QWidget* parent = nullptr);

    // By default the open and save file dialogs (no file-type filter, no added extension) and
    // a warning box titled "TAV"; tests put their own in.
    void SetOpenFileChooser(FileChooser chooser);
    void SetSaveFileChooser(FileChooser chooser);
    void SetMessageReporter(ErrorReporter reporter);

    const V14Converter& converter() const { return converter_; }

public slots:
    // "Open S2k": reads the chosen file and converts it at once.
    void OpenClicked();
    // "Save S2k": writes the converted lines, each followed by CR LF.
    void SaveClicked();

private:
    // An error they raise is reported and ends them.
    void OpenAndConvert(const QString& path);
    void Save(const QString& path);

    V14Converter converter_;
    FileChooser openChooser_;
    FileChooser saveChooser_;
    ErrorReporter reporter_;

    QGroupBox* useForGroup_ = nullptr;
    QPlainTextEdit* logText_ = nullptr;
    QPushButton* openButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
};

} // namespace vek
