#pragma once

#include "gui/editor_dialog.h"
#include "model/model.h"
#include "sections/frame_section_form.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vek {

class ColorSwatch;

// "Frame Section (Nonlinear)": the frame sections one at a time, with the picture of their
// fibre layout. OK writes the element type, the fibre and bar settings, the hinge lengths,
// the colour and the transformation of the selected section and redraws the picture; OK and
// Close ask the main window to redraw, since frames are drawn in their section's colour and
// element type. The
// lists are refilled from the model each time the dialog is shown.
class FrameSectionDialog : public EditorDialog
{
    Q_OBJECT

public:
    explicit FrameSectionDialog(Model& model, QWidget* parent = nullptr);

    // Asks for a new colour, given the current one (0x00BBGGRR); nothing when the choice is
    // cancelled. By default a colour dialog.
    using ColorChooser = std::function<std::optional<std::int32_t>(std::int32_t current)>;
    void setColorChooser(ColorChooser chooser);

    // The section picture as last drawn.
    const QImage& picture() const { return picture_; }

signals:
    void redrawRequested();

public slots:
    // Close, Esc and the window's close button all end here.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showSection(int index);
    void drawSection(int index);
    void chooseColor();
    void okClicked();
    FrameSectionForm enteredForm() const;

    Model& model_;
    ColorChooser colorChooser_;
    QImage picture_;

    QListWidget* list_ = nullptr;
    QLabel* image_ = nullptr;
    ColorSwatch* swatch_ = nullptr;
    QComboBox* frameType_ = nullptr;
    QComboBox* sectionName_ = nullptr;
    QComboBox* shape_ = nullptr;
    QComboBox* material_ = nullptr;
    std::array<QLineEdit*, 6> dimensions_{};
    QComboBox* geomTransf_ = nullptr;
    QLineEdit* xBarTop_ = nullptr;
    QLineEdit* yBarBot_ = nullptr;
    QComboBox* sectionKind_ = nullptr;
    QLineEdit* divideFX_ = nullptr;
    QLineEdit* divideFY_ = nullptr;
    QLineEdit* barNumNX_ = nullptr;
    QLineEdit* barNumNY_ = nullptr;
    QLineEdit* cover_ = nullptr;
    QLineEdit* hingeLengthI_ = nullptr;
    QLineEdit* hingeLengthJ_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace vek
