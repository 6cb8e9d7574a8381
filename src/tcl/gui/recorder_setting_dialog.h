#pragma once

#include "tcl/recorder_form.h"
#include "tcl/settings.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QPushButton;

namespace vek {

// "Recorder Setting": which recorders the script writes. Modeless; the check boxes take the
// recorder settings each time the dialog is shown, and OK stores them.
class RecorderSettingDialog : public QDialog
{
    Q_OBJECT

public:
    explicit RecorderSettingDialog(Settings& settings, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void okClicked();

    Settings& settings_;
    std::array<QCheckBox*, RecorderFlagCount> boxes_{};
    QPushButton* ok_ = nullptr;
};

} // namespace vek
