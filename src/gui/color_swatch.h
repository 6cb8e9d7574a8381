#pragma once

#include <QFrame>

#include <cstdint>

namespace vek {

// A patch filled with a colour (0x00BBGGRR) that reports clicks, and Space or Enter when it
// has the focus.
class ColorSwatch : public QFrame
{
    Q_OBJECT

public:
    explicit ColorSwatch(QWidget* parent = nullptr);

    std::int32_t color() const { return color_; }
    void setColor(std::int32_t color);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::int32_t color_ = 0;
};

} // namespace vek
