#include "gui/model_view.h"

#include "gui/qpainter_canvas.h"
#include "view/model_drawing.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include <optional>

namespace vek {

namespace {

constexpr int DotsPerMeter96Dpi = 3780;

std::optional<MouseButton> ToMouseButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return std::nullopt;
    }
}

} // namespace

QImage NewModelImage(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(DotsPerMeter96Dpi);
    image.setDotsPerMeterY(DotsPerMeter96Dpi);
    image.fill(Qt::white);
    return image;
}

void PaintModel(QImage& image, const Model& model, const Results& results,
                ProjectedModel& projected, const ViewSettings& settings, const ViewTransform& view)
{
    if (image.isNull())
        return;
    QPainterCanvas canvas(image);
    RedrawModel(canvas, model, results, projected, settings, view);
}

ModelView::ModelView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("modelView"));
    setAccessibleName(tr("Model view"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
}

void ModelView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), picture_, event->rect());
}

void ModelView::resizeEvent(QResizeEvent* event)
{
    QImage picture = NewModelImage(event->size());
    if (!picture_.isNull() && !picture.isNull()) {
        QPainter painter(&picture);
        painter.drawImage(0, 0, picture_);
    }
    picture_ = std::move(picture);
    emit areaResized();
}

void ModelView::mousePressEvent(QMouseEvent* event)
{
    if (const std::optional<MouseButton> button = ToMouseButton(event->button()))
        emit mousePressed(*button, event->position().toPoint());
}

void ModelView::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event->position().toPoint());
}

void ModelView::mouseReleaseEvent(QMouseEvent* event)
{
    if (ToMouseButton(event->button()))
        emit mouseReleased(event->position().toPoint());
}

} // namespace vek
