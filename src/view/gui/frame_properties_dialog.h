#pragma once

#include "model/model.h"
#include "view/view_settings.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace vek {

// "Frame Properties": the properties of the selected frame. Modeless; shows SelectedFrame
// each time it is shown. However it is closed, it clears SelectedFrame and asks for a redraw.
class FramePropertiesDialog : public QDialog
{
    Q_OBJECT

public:
    FramePropertiesDialog(const Model& model, ViewSettings& settings, QWidget* parent = nullptr);

signals:
    void redrawRequested();

public slots:
    // OK, Esc and the window's close button all end here.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refresh();

    const Model& model_;
    ViewSettings& settings_;
    QLineEdit* frameLabel_ = nullptr;
    QPushButton* refresh_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace vek
