#pragma once

#include "model/model.h"
#include "view/mouse_modes.h"
#include "view/view_settings.h"
#include "view/view_transform.h"

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QWidget>

namespace vek {

// A picture of the model view of the given size, in the format and resolution the view
// paints in (96 dots per inch, so that fonts have the same pixel size everywhere).
QImage NewModelImage(QSize size);

// Paints the whole model view into the image: RedrawModel on a QPainterCanvas.
void PaintModel(QImage& image, const Model& model, const Results& results,
                ProjectedModel& projected, const ViewSettings& settings, const ViewTransform& view);

// The drawing area of the main window (modelView): it shows the picture the main window last
// painted into it, and reports its mouse events and size changes. It never reads the model
// itself, so it can be painted while the model is being rebuilt.
class ModelView : public QWidget
{
    Q_OBJECT

public:
    explicit ModelView(QWidget* parent = nullptr);

    // The picture, of the size of the widget.
    QImage& Picture() { return picture_; }
    const QImage& Picture() const { return picture_; }
    AreaSize Area() const { return AreaSize{picture_.width(), picture_.height()}; }

signals:
    // The picture has a new size and holds the old picture at its top-left corner.
    void areaResized();
    void mousePressed(vek::MouseButton button, QPoint pixel);
    void mouseMoved(QPoint pixel);
    void mouseReleased(QPoint pixel);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage picture_;
};

} // namespace vek
