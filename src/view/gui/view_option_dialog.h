#pragma once

#include "view/view_options.h"
#include "view/view_settings.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QPushButton;

namespace vek {

// "View Option": which objects the model view draws. Modeless; the check boxes take the
// view flags each time the dialog is shown, and OK writes them back.
class ViewOptionDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ViewOptionDialog(ViewSettings& settings, QWidget* parent = nullptr);

signals:
    void redrawRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void okClicked();

    ViewSettings& settings_;
    std::array<QCheckBox*, ViewFlagCount> boxes_{};
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace vek
