#include "gui/model_view.h"
#include "gui/qpainter_canvas.h"
#include "gui/two_band_painting.h"
#include "model/model.h"
#include "post/animation.h"
#include "post/gui/animation_dialog.h"
#include "s2k/s2k_import.h"
#include "view/view_transform.h"

#include <QImage>
#include <QRect>
#include <QTest>

#include <cmath>
#include <functional>
#include <set>
#include <utility>

using namespace vek;

namespace {

constexpr QRgb White = 0xFFFFFFFF;
constexpr std::int32_t Red = RgbColor(255, 0, 0);
constexpr std::int32_t Blue = RgbColor(0, 0, 255);
constexpr std::int32_t Green = RgbColor(0, 160, 0);

QImage Blank(QRgb fill = White)
{
    QImage image = NewModelImage(QSize(60, 40));
    image.fill(fill);
    return image;
}

// The smallest rectangle holding every pixel that is not `background`.
QRect Painted(const QImage& image, QRgb background = White)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

// The same drawing on a 32-bit image, which the canvas writes into itself, and on a 24-bit one,
// which it leaves to QPainter.
using Drawing = std::function<void(Canvas&)>;

std::pair<QImage, QImage> DirectAndQPainter(const Drawing& draw)
{
    QImage direct(QSize(120, 80), QImage::Format_RGB32),
        painted(QSize(120, 80), QImage::Format_RGB888);
    for (QImage* image : {&direct, &painted}) {
        image->fill(Qt::white);
        QPainterCanvas canvas(*image);
        draw(canvas);
    }
    return {direct, painted.convertToFormat(QImage::Format_RGB32)};
}

int PaintedCount(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != White ? 1 : 0;
    return count;
}

int DifferentCount(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return count;
}

// The painted pixels of `a` with no pixel of the same colour in `b` within one pixel.
int UnmatchedCount(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb colour = a.pixel(x, y);
            if (colour == White)
                continue;
            bool matched = false;
            for (int dy = -1; dy <= 1 && !matched; ++dy)
                for (int dx = -1; dx <= 1 && !matched; ++dx)
                    matched = b.valid(x + dx, y + dy) && b.pixel(x + dx, y + dy) == colour;
            count += matched ? 0 : 1;
        }
    return count;
}

std::set<QRgb> Colours(const QImage& image, const QRect& area)
{
    std::set<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

} // namespace

class QPainterCanvasTest : public QObject
{
    Q_OBJECT

private slots:
    void coloursAreBlueGreenRed();
    void linesUseThePenWidth();
    void boxesWithoutPenFillExactlyTheirPixels();
    void outlinesAndClearBrushes();
    void diagonalCrossKeepsTheBackground();
    void polygonsAreFilled();
    void textStandsBelowAndRightOfItsCorner();
    void textBackgroundFillsTheCell();
    void directPixelsMatchQPainter_data();
    void directPixelsMatchQPainter();
    void farAwayShapesAreClipped();
    void twoBandsMatchOneCanvas();
    void animationOnTwoThreadsMatchesOneThread();
};

void QPainterCanvasTest::coloursAreBlueGreenRed()
{
    QCOMPARE(ToQColor(RgbColor(10, 20, 30)), QColor(10, 20, 30));
    QImage image = Blank();
    {
        QPainterCanvas canvas(image);
        QCOMPARE(canvas.Width(), 60);
        QCOMPARE(canvas.Height(), 40);
        canvas.SetPen(Red, 1);
        canvas.Line({5, 5}, {20, 5});
        canvas.SetPen(Blue, 1);
        canvas.Line({5, 10}, {20, 10});
    }
    QCOMPARE(image.pixel(10, 5), qRgb(255, 0, 0));
    QCOMPARE(image.pixel(10, 10), qRgb(0, 0, 255));
}

void QPainterCanvasTest::linesUseThePenWidth()
{
    QImage thin = Blank(), wide = Blank(), none = Blank();
    {
        QPainterCanvas canvas(thin);
        canvas.SetPen(Red, 1);
        canvas.Line({10, 20}, {50, 20});
    }
    {
        QPainterCanvas canvas(wide);
        canvas.SetPen(Red, 4);
        canvas.Line({10, 20}, {50, 20});
    }
    {
        QPainterCanvas canvas(none);
        canvas.SetPen(Red, 0);
        canvas.Line({10, 20}, {50, 20});
    }
    QCOMPARE(Painted(thin).height(), 1);
    QCOMPARE(Painted(wide).height(), 4);
    QVERIFY(Painted(none).isNull());
    // No antialiasing: only the pen colour appears.
    QCOMPARE(Colours(wide, Painted(wide)), std::set<QRgb>({qRgb(255, 0, 0)}));
}

void QPainterCanvasTest::boxesWithoutPenFillExactlyTheirPixels()
{
    QImage rect = Blank(), ellipse = Blank();
    {
        QPainterCanvas canvas(rect);
        canvas.SetPen(Red, 0);
        canvas.SetBrush(Blue, BrushStyle::Solid);
        canvas.Rectangle(10, 5, 20, 12);
    }
    QCOMPARE(Painted(rect), QRect(10, 5, 10, 7));
    QCOMPARE(Colours(rect, QRect(10, 5, 10, 7)), std::set<QRgb>({qRgb(0, 0, 255)}));
    {
        QPainterCanvas canvas(ellipse);
        canvas.SetPen(Red, 0);
        canvas.SetBrush(Blue, BrushStyle::Solid);
        canvas.Ellipse(10, 10, 18, 18);
    }
    QCOMPARE(Painted(ellipse), QRect(10, 10, 8, 8));
    QCOMPARE(ellipse.pixel(14, 14), qRgb(0, 0, 255));
    // The corners of the box lie outside the ellipse.
    QCOMPARE(ellipse.pixel(10, 10), White);
    QCOMPARE(ellipse.pixel(17, 17), White);
}

void QPainterCanvasTest::outlinesAndClearBrushes()
{
    QImage image = Blank();
    {
        QPainterCanvas canvas(image);
        canvas.SetPen(Red, 1);
        canvas.SetBrush(Blue, BrushStyle::Clear);
        canvas.Rectangle(10, 10, 30, 30);
    }
    QCOMPARE(image.pixel(10, 20), qRgb(255, 0, 0));
    QCOMPARE(image.pixel(20, 10), qRgb(255, 0, 0));
    QCOMPARE(image.pixel(20, 20), White);
    QVERIFY(Painted(image).contains(QRect(10, 10, 20, 20)));
    QVERIFY(Painted(image).width() <= 21);
}

void QPainterCanvasTest::diagonalCrossKeepsTheBackground()
{
    const QRgb green = qRgb(0, 160, 0);
    QImage image = Blank(green);
    {
        QPainterCanvas canvas(image);
        canvas.SetPen(Red, 0);
        canvas.SetBrush(Blue, BrushStyle::DiagonalCross);
        canvas.Rectangle(0, 0, 40, 40);
    }
    const std::set<QRgb> colours = Colours(image, QRect(0, 0, 40, 40));
    QCOMPARE(colours, std::set<QRgb>({green, qRgb(0, 0, 255)}));
    QCOMPARE(image.pixel(50, 20), green);
}

void QPainterCanvasTest::polygonsAreFilled()
{
    QImage image = Blank();
    {
        QPainterCanvas canvas(image);
        canvas.SetPen(Red, 0);
        canvas.SetBrush(Green, BrushStyle::Solid);
        canvas.Polygon({{10, 5}, {40, 5}, {40, 35}});
        canvas.Polygon({{45, 5}, {55, 5}, {55, 15}, {45, 15}});
    }
    QCOMPARE(image.pixel(35, 10), qRgb(0, 160, 0));
    QCOMPARE(image.pixel(15, 30), White);
    QCOMPARE(image.pixel(50, 10), qRgb(0, 160, 0));
}

void QPainterCanvasTest::textStandsBelowAndRightOfItsCorner()
{
    QImage image = NewModelImage(QSize(200, 60));
    {
        QPainterCanvas canvas(image);
        canvas.SetPen(Red, 1);
        // "Comic Sans MS" need not be installed: another font stands in.
        canvas.Text(20, 10, "VEK Program", "Comic Sans MS", 14, RgbColor(0, 0, 0), NoBackground);
        // The pen is the one set before the text.
        canvas.Line({0, 55}, {199, 55});
    }
    const QRect text = Painted(image.copy(0, 0, 200, 50));
    QVERIFY(!text.isNull());
    QVERIFY2(text.left() >= 20 && text.left() <= 23, qPrintable(QString::number(text.left())));
    // The ascent places the tops of the capitals just below y.
    QVERIFY2(text.top() >= 10 && text.top() <= 16, qPrintable(QString::number(text.top())));
    // 14 points at 96 dots per inch: capitals of 12 to 16 pixels.
    QVERIFY2(text.height() >= 12 && text.height() <= 24,
             qPrintable(QString::number(text.height())));
    QCOMPARE(image.pixel(100, 55), qRgb(255, 0, 0));
}

void QPainterCanvasTest::textBackgroundFillsTheCell()
{
    QImage opaque = NewModelImage(QSize(120, 40)), clear = NewModelImage(QSize(120, 40));
    {
        QPainterCanvas canvas(opaque);
        canvas.Text(10, 10, "123", "Comic Sans MS", 10, RgbColor(0, 0, 0), Green);
    }
    {
        QPainterCanvas canvas(clear);
        canvas.Text(10, 10, "123", "Comic Sans MS", 10, RgbColor(0, 0, 0), NoBackground);
    }
    // The cell starts at the corner and holds the whole text.
    QCOMPARE(opaque.pixel(10, 10), qRgb(0, 160, 0));
    QCOMPARE(opaque.pixel(9, 10), White);
    QCOMPARE(opaque.pixel(10, 9), White);
    const QRect cell = Painted(opaque);
    QVERIFY(cell.contains(Painted(clear)));
    QVERIFY(Colours(opaque, cell).count(qRgb(0, 160, 0)) == 1);
    QCOMPARE(Colours(clear, Painted(clear)).count(qRgb(0, 160, 0)), std::size_t(0));
    QCOMPARE(clear.pixel(10, 10), White);
}

void QPainterCanvasTest::directPixelsMatchQPainter_data()
{
    QTest::addColumn<Drawing>("draw");
    // Share of the painted pixels that may differ from QPainter's; for lines and outlines,
    // that may lie more than a pixel away from a pixel of QPainter's of the same colour.
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<bool>("edges");
    const auto hatched = [](Canvas& canvas, int pen) {
        canvas.SetPen(RgbColor(0, 0, 0), pen);
        canvas.SetBrush(Red, BrushStyle::DiagonalCross);
    };
    QTest::newRow("hatched quadrilateral") << Drawing([=](Canvas& c) {
        hatched(c, 0);
        c.Polygon({{10, 12}, {90, 5}, {110, 60}, {30, 70}});
    }) << 0.0 << false;
    QTest::newRow("solid concave polygon") << Drawing([](Canvas& c) {
        c.SetPen(0, 0);
        c.SetBrush(Blue, BrushStyle::Solid);
        c.Polygon({{10, 10}, {100, 10}, {60, 40}, {100, 70}, {10, 70}, {40, 40}});
    }) << 0.03 << false;
    QTest::newRow("crossed polygon, odd-even") << Drawing([](Canvas& c) {
        c.SetPen(0, 0);
        c.SetBrush(Blue, BrushStyle::Solid);
        c.Polygon({{10, 10}, {110, 70}, {110, 10}, {10, 70}});
    }) << 0.01 << false;
    QTest::newRow("outlined hatched shell") << Drawing([=](Canvas& c) {
        hatched(c, 1);
        c.Polygon({{20, 20}, {100, 25}, {95, 60}, {25, 55}});
    }) << 0.02 << true;
    QTest::newRow("thin lines") << Drawing([](Canvas& c) {
        c.SetPen(Green, 1);
        c.Line({5, 5}, {115, 75});
        c.Line({5, 70}, {115, 60});
        c.Line({60, 2}, {62, 78});
        c.Line({-50, 40}, {200, 45});
    }) << 0.0 << true;
    QTest::newRow("frame lines") << Drawing([](Canvas& c) {
        c.SetPen(Green, 2);
        c.Line({5, 5}, {115, 75});
        c.Line({5, 70}, {115, 60});
        c.Line({60, 2}, {62, 78});
        c.Line({20, 10}, {20, 70});
        c.Line({10, 40}, {110, 40});
        c.Line({30, 30}, {34, 50});
        c.Line({90, 20}, {90, 20});
        c.Line({-50, 40}, {200, 45});
        c.Line({-2'000'000'000, 0}, {2'000'000'000, 80});
    }) << 0.01 << true;
    QTest::newRow("upright and level frame lines") << Drawing([](Canvas& c) {
        c.SetPen(Green, 2);
        c.Line({20, 10}, {20, 70});
        c.Line({40, 70}, {40, 10});
        c.Line({10, 40}, {110, 40});
        c.Line({100, 50}, {60, 50});
        c.Line({90, 20}, {90, 20});
        c.Line({0, 79}, {119, 79});
        c.Line({-30, 5}, {200, 5});
        c.SetPen(Blue, 5);
        c.Line({70, 5}, {70, 30});
        c.Line({75, 60}, {115, 60});
    }) << 0.0 << false;
    QTest::newRow("selected frame") << Drawing([](Canvas& c) {
        c.SetPen(RgbColor(255, 255, 0), 5);
        c.Line({10, 20}, {100, 60});
        c.Line({10, 70}, {100, 70});
    }) << 0.01 << true;
    QTest::newRow("boxes") << Drawing([](Canvas& c) {
        c.SetPen(0, 0);
        c.SetBrush(Blue, BrushStyle::Solid);
        c.Rectangle(5, 5, 15, 15);
        c.SetPen(Green, 1);
        c.Rectangle(20, 5, 40, 30);
        c.SetBrush(Red, BrushStyle::DiagonalCross);
        c.Rectangle(45, 10, 100, 60);
        c.SetBrush(Red, BrushStyle::Clear);
        c.Rectangle(10, 40, 30, 70);
        c.Rectangle(50, 65, 51, 66);
        c.Rectangle(-20, -20, 200, 200);
    }) << 0.0 << false;
    QTest::newRow("nodes") << Drawing([](Canvas& c) {
        c.SetPen(0, 0);
        c.SetBrush(Blue, BrushStyle::Solid);
        for (int k = 0; k < 10; ++k)
            c.Ellipse(5 + 11 * k, 30, 13 + 11 * k, 38);
        c.Ellipse(20, 50, 100, 75);
    }) << 0.0 << false;
    QTest::newRow("release circles") << Drawing([](Canvas& c) {
        c.SetPen(Green, 2);
        c.SetBrush(Red, BrushStyle::Solid);
        c.Ellipse(10, 10, 20, 20);
        c.Ellipse(40, 20, 100, 70);
    }) << 0.02 << true;
}

// The shapes the canvas writes into the pixels itself are QPainter's shapes: the same hatch
// in the same place, the same fill rule, nearly the same edges.
void QPainterCanvasTest::directPixelsMatchQPainter()
{
    QFETCH(Drawing, draw);
    QFETCH(double, tolerance);
    QFETCH(bool, edges);
    const auto [direct, painted] = DirectAndQPainter(draw);
    const int count = PaintedCount(painted);
    QVERIFY(count > 20);
    const int different = edges ? UnmatchedCount(direct, painted) + UnmatchedCount(painted, direct)
                                : DifferentCount(direct, painted);
    QVERIFY2(different <= tolerance * count + 2,
             qPrintable(QStringLiteral("%1 of %2 pixels differ").arg(different).arg(count)));
    QVERIFY2(std::abs(PaintedCount(direct) - count) <= std::max(tolerance, 0.01) * count + 2,
             qPrintable(QStringLiteral("%1 against %2").arg(PaintedCount(direct)).arg(count)));
}

// Pixels of a model far off the area (a deformation scale gone wild) cost no more than the
// image's own pixels, and the part over the image is drawn.
void QPainterCanvasTest::farAwayShapesAreClipped()
{
    constexpr std::int32_t Far = 2'000'000'000;
    QImage image = Blank();
    {
        QPainterCanvas canvas(image);
        canvas.SetPen(Red, 1);
        canvas.Line({-Far, -Far}, {Far, Far});
        canvas.Line({-Far, 20}, {Far, 20});
        canvas.SetPen(Red, 0);
        canvas.SetBrush(Blue, BrushStyle::Solid);
        canvas.Polygon({{-Far, -Far}, {Far, -Far}, {Far, 30}, {-Far, 30}});
        canvas.Ellipse(-Far, -Far, Far, Far);
        canvas.SetPen(Green, 2);
        canvas.Ellipse(-Far, -Far, Far, Far);
        canvas.Ellipse(Far - 10, Far - 10, Far, Far);
        // Nearly level over the image once clipped, and a steep one of the same kind.
        canvas.Line({-Far, 5}, {Far, 6});
        canvas.Line({40, -Far}, {41, Far});
    }
    QCOMPARE(image.pixel(10, 35), qRgb(0, 0, 255));
    QCOMPARE(image.pixel(50, 10), qRgb(0, 0, 255));
    const QRgb green = ToQColor(Green).rgb();
    QCOMPARE(image.pixel(20, 5), green);
    QCOMPARE(image.pixel(40, 30), green);
    QCOMPARE(image.pixel(20, 8), qRgb(0, 0, 255));
    QCOMPARE(image.pixel(44, 30), qRgb(0, 0, 255));
}

// A picture as the model view paints one: the background first, over all of it, then text
// and the shapes the canvas writes itself, some of them across the middle row; text near the
// middle makes the lower half be painted again on the calling thread.
void DrawScene(Canvas& canvas, int textRow)
{
    canvas.SetPen(0, 1);
    canvas.SetBrush(RgbColor(255, 255, 255), BrushStyle::Solid);
    canvas.Rectangle(0, 0, canvas.Width(), canvas.Height());
    canvas.Text(4, 2, "VEK", "DejaVu Sans", 10, 0, NoBackground);
    canvas.Text(4, textRow, "across", "DejaVu Sans", 8, Red, Blue);
    for (int k = 0; k < 40; ++k) {
        canvas.SetPen(k % 2 == 0 ? Red : Green, 1 + k % 4);
        canvas.Line({k * 3, 0}, {canvas.Width() - k, canvas.Height() - 1 - k % 7});
        canvas.SetPen(Blue, k % 3 == 0 ? 1 : 0);
        canvas.SetBrush(Green, k % 2 == 0 ? BrushStyle::Solid : BrushStyle::DiagonalCross);
        canvas.Ellipse(k * 4, canvas.Height() / 2 - 6, k * 4 + 9, canvas.Height() / 2 + 5);
        canvas.Polygon(
            {{k * 5, k}, {k * 5 + 12, canvas.Height() / 2}, {k * 5, canvas.Height() - k}});
    }
}

void QPainterCanvasTest::twoBandsMatchOneCanvas()
{
    TwoBandPainting twoBands;
    for (const int height : {1, 2, 3, 41, 80, 300})
        for (const int textRow : {height / 2 - 5, height - 20}) {
            QImage expected(QSize(150, height), QImage::Format_RGB32), banded = expected;
            expected.fill(Qt::black);
            {
                QPainterCanvas canvas(expected);
                DrawScene(canvas, textRow);
            }
            // Several times: the helper takes its half at once, comes late, or not at all, and
            // the halves meet at different rows.
            for (int k = 0; k < 10; ++k) {
                if (k % 2 == 0)
                    twoBands.Prepare();
                banded.fill(Qt::black);
                twoBands.Paint(banded, [textRow](Canvas& canvas) { DrawScene(canvas, textRow); });
                QCOMPARE(DifferentCount(banded, expected), 0);
            }
        }
    // Other images are painted by QPainter alone.
    QImage expected(QSize(60, 40), QImage::Format_RGB888), banded = expected;
    {
        QPainterCanvas canvas(expected);
        DrawScene(canvas, 10);
    }
    twoBands.Paint(banded, [](Canvas& canvas) { DrawScene(canvas, 10); });
    QCOMPARE(banded, expected);
}

void QPainterCanvasTest::animationOnTwoThreadsMatchesOneThread()
{
    Model model;
    LoadS2kFile(model, VEK_EXAMPLES_DIR "/building.s2k");
    ReadS2kModel(model);
    QVERIFY(model.FrameCount() > 0);
    constexpr std::int32_t Steps = 6;
    AnimationData animation;
    ResizeAnimationSteps(model, animation, Steps);
    for (std::int64_t j = 1; j <= model.JointCount(); ++j) {
        JointSteps& joint = animation.Joints[static_cast<std::size_t>(j)];
        for (std::int32_t step = 1; step <= Steps; ++step)
            joint.AnimDispX[static_cast<std::size_t>(step)] =
                model.Joints[j].Z * std::sin(step) / 20;
    }
    TwoBandPainting twoBands;
    for (const QSize size : {QSize(640, 400), QSize(300, 90)})
        for (const auto& [plan, tilt] : {std::pair{0.0, 0.0}, std::pair{30.0, -65.0}}) {
            ViewTransform view;
            view.PlanAngle = plan;
            view.TiltAngle = tilt;
            ProjectedModel pixels;
            ZoomAll(model, Results(), pixels, view, AreaSize{size.width(), size.height()});
            view.DeformScale = 1;
            for (std::int32_t step = 1; step <= Steps; ++step) {
                QImage expected = NewModelImage(size), banded = NewModelImage(size);
                PaintAnimationStep(expected, model, animation, pixels, view, step);
                PaintAnimationStep(banded, model, animation, pixels, view, step, &twoBands);
                QCOMPARE(DifferentCount(banded, expected), 0);
            }
        }
}

QTEST_MAIN(QPainterCanvasTest)
#include "qpainter_canvas_test.moc"
