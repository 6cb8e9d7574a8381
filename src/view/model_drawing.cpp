#include "view/model_drawing.h"

#include "util/format.h"
#include "util/rounding.h"
#include "view/force_diagram.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vek {
namespace {

constexpr std::string_view LabelFont = "Comic Sans MS";
constexpr std::int32_t LabelSize = 10;
constexpr std::int32_t Black = RgbColor(0, 0, 0);
constexpr std::int32_t White = RgbColor(255, 255, 255);
constexpr std::int32_t Yellow = RgbColor(255, 255, 0);
constexpr std::int32_t Grey = RgbColor(128, 128, 128);

// v + d, held within the pixel range so boxes around far-off pixels never overflow.
std::int32_t Shift(std::int32_t v, std::int32_t d)
{
    const std::int64_t sum = static_cast<std::int64_t>(v) + d;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// When a painter tells the canvas of a new pen or brush.
enum class Handover {
    // When a shape that uses it is drawn.
    WhenDrawn,
    // As soon as a layer names it.
    WhenNamed,
};

// The pen and brush of one redraw. Layers say which pen and brush their next shape needs;
// the canvas is told (at the time `handover` says) only when the pen or brush differs from
// the one the canvas has. Lines and texts do not use the brush.
class Painter
{
public:
    explicit Painter(Canvas& canvas, Handover handover = Handover::WhenDrawn)
        : canvas_(canvas), handover_(handover)
    {
    }

    void Pen(std::int32_t color, std::int32_t width)
    {
        pen_ = {color, width};
        if (handover_ == Handover::WhenNamed)
            ApplyPen();
    }
    void Brush(std::int32_t color, BrushStyle style)
    {
        brush_ = {color, style};
        if (handover_ == Handover::WhenNamed)
            ApplyBrush();
    }

    void Line(Point from, Point to)
    {
        ApplyPen();
        canvas_.Line(from, to);
    }
    void Ellipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom)
    {
        ApplyBrush();
        ApplyPen();
        canvas_.Ellipse(left, top, right, bottom);
    }
    // The ellipse in the box of half-size r around the pixel.
    void Circle(Point centre, std::int32_t r)
    {
        Ellipse(Shift(centre.X, -r), Shift(centre.Y, -r), Shift(centre.X, r), Shift(centre.Y, r));
    }
    void Rectangle(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom)
    {
        ApplyBrush();
        ApplyPen();
        canvas_.Rectangle(left, top, right, bottom);
    }
    void Polygon(const std::vector<Point>& points)
    {
        ApplyBrush();
        ApplyPen();
        canvas_.Polygon(points);
    }
    void Text(std::int32_t x, std::int32_t y, std::string_view text, std::int32_t size,
              std::int32_t background)
    {
        canvas_.Text(x, y, text, LabelFont, size, Black, background);
    }
    // A label of an element number, in the label size.
    void Number(std::int32_t x, std::int32_t y, std::int64_t number, std::int32_t background)
    {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
        Text(x, y, std::string_view(digits, static_cast<std::size_t>(end - digits)), LabelSize,
             background);
    }
    // Hands the wanted brush to the canvas now, whether or not a shape follows.
    void FlushBrush() { ApplyBrush(); }

private:
    struct PenState
    {
        std::int32_t Color, Width;
        bool operator==(const PenState&) const = default;
    };
    struct BrushState
    {
        std::int32_t Color;
        BrushStyle Style;
        bool operator==(const BrushState&) const = default;
    };

    void ApplyPen()
    {
        if (penKnown_ && pen_ == canvasPen_)
            return;
        canvas_.SetPen(pen_.Color, pen_.Width);
        canvasPen_ = pen_;
        penKnown_ = true;
    }
    void ApplyBrush()
    {
        if (brushKnown_ && brush_ == canvasBrush_)
            return;
        canvas_.SetBrush(brush_.Color, brush_.Style);
        canvasBrush_ = brush_;
        brushKnown_ = true;
    }

    Canvas& canvas_;
    Handover handover_;
    PenState pen_{Black, 1}, canvasPen_{Black, 1};
    BrushState brush_{White, BrushStyle::Solid}, canvasBrush_{White, BrushStyle::Solid};
    // What the canvas had before this redraw is not known.
    bool penKnown_ = false, brushKnown_ = false;
};

// The projected pixels of joints 1.. of the model, as many as both have.
std::span<const Point> JointPixels(const Model& model, const ProjectedModel& projected)
{
    const auto count = std::min(static_cast<std::size_t>(model.Joints.end() - model.Joints.begin()),
                                projected.Joints.size() - 1);
    return {projected.Joints.data() + 1, count};
}

// The projected pixel of joint i; false when the model has no joint i.
bool JointPixel(const Model& model, const ProjectedModel& projected, std::int64_t i, Point& pixel)
{
    if (!model.Joints.Contains(i))
        return false;
    pixel = projected.Joint(model, i);
    return true;
}

// The pixels of both ends; false when the frame names a joint outside the model. Every frame
// layer skips such a frame: its cached marks were projected from the zero record.
bool FrameEnds(const Model& model, const ProjectedModel& projected, const TFrameElem& frame,
               Point& i, Point& j)
{
    return JointPixel(model, projected, frame.NodeI, i) &&
           JointPixel(model, projected, frame.NodeJ, j);
}

bool FrameHasJoints(const Model& model, const TFrameElem& frame)
{
    return model.Joints.Contains(frame.NodeI) && model.Joints.Contains(frame.NodeJ);
}

// The four corner pixels; false when a corner lies outside the model (the shell is skipped).
bool ShellCorners(const Model& model, const ProjectedModel& projected, const TShellElem& shell,
                  std::vector<Point>& corners)
{
    corners.resize(4);
    return JointPixel(model, projected, shell.Node1, corners[0]) &&
           JointPixel(model, projected, shell.Node2, corners[1]) &&
           JointPixel(model, projected, shell.Node3, corners[2]) &&
           JointPixel(model, projected, shell.Node4, corners[3]);
}

// Shells of a shell-kind section are drawn; the others (and those of a section outside the
// table, whose zero record has Kind 0) are not.
bool IsDrawnShell(const Model& model, const TShellElem& shell)
{
    return model.ShellSections[shell.Section].Kind == ShellSectionKind::Shell;
}

// The eight corner pixels; false when a corner lies outside the model (the solid is skipped).
bool SolidCorners(const Model& model, const ProjectedModel& projected, const TSolidElem& solid,
                  Point (&corners)[8])
{
    const std::int32_t nodes[8] = {solid.Node1, solid.Node2, solid.Node3, solid.Node4,
                                   solid.Node5, solid.Node6, solid.Node7, solid.Node8};
    for (int c = 0; c < 8; ++c)
        if (!JointPixel(model, projected, nodes[c], corners[c]))
            return false;
    return true;
}

std::int32_t Average(std::int64_t sum, double count)
{
    return RoundHalfEvenToInt(static_cast<double>(sum) / count);
}

// A frame whose section is outside the table is drawn with the zero record: a black line.
const TFrameSection& SectionOf(const Model& model, const TFrameElem& frame)
{
    return model.FrameSections[frame.Section];
}

void DrawBackground(Canvas& canvas, Painter& painter)
{
    painter.Brush(White, BrushStyle::Solid);
    painter.Pen(Black, 1);
    painter.Rectangle(0, 0, canvas.Width(), canvas.Height());
    canvas.Text(8, 5, "VEK Program", LabelFont, 14, Black, NoBackground);
    canvas.Text(8, 32, "Pre- and post-processor for OpenSees", LabelFont, 8, Black, NoBackground);
    canvas.Text(8, 50, "Imports SAP2000 s2k models, writes OpenSees Tcl scripts", LabelFont, 8,
                Black, NoBackground);
}

void ShowNodes(Painter& painter, const Model& model, const ProjectedModel& projected)
{
    painter.Brush(RgbColor(0, 0, 255), BrushStyle::Solid);
    painter.Pen(Black, 0);
    for (const Point& pixel : JointPixels(model, projected))
        painter.Circle(pixel, 4);
}

// A supported joint is a square in the palette colour of its number of fixed directions.
void ShowSupports(Painter& painter, const Model& model, const ProjectedModel& projected)
{
    painter.Pen(Black, 0);
    const std::span<const Point> pixels = JointPixels(model, projected);
    const TJoint* joint = model.Joints.begin();
    for (const Point& pixel : pixels) {
        const std::array<std::int32_t, 7>& restraint = (joint++)->Restraint;
        std::int32_t fixed = 0;
        for (int d = 1; d <= 6; ++d)
            fixed += restraint[static_cast<std::size_t>(d)] != 0 ? 1 : 0;
        if (fixed == 0)
            continue;
        painter.Brush(model.Palette[static_cast<std::size_t>(fixed)], BrushStyle::Solid);
        painter.Rectangle(Shift(pixel.X, -5), Shift(pixel.Y, -5), Shift(pixel.X, 5),
                          Shift(pixel.Y, 5));
    }
}

// Release links are drawn by ShowReleases instead of a line.
void ShowFrames(Painter& painter, const Model& model, const ProjectedModel& projected,
                std::int32_t selectedFrame)
{
    Point i, j;
    for (const TFrameElem& frame : model.Frames) {
        const TFrameSection& section = SectionOf(model, frame);
        if (section.ElemType == ElementKind::ReleaseLink ||
            !FrameEnds(model, projected, frame, i, j))
            continue;
        painter.Pen(section.Color, 2);
        painter.Line(i, j);
    }
    if (selectedFrame != 0 && model.Frames.Contains(selectedFrame) &&
        FrameEnds(model, projected, model.Frames[selectedFrame], i, j)) {
        painter.Pen(Yellow, 5);
        painter.Line(i, j);
    }
}

void ShowNodeLabels(Painter& painter, const Model& model, const ProjectedModel& projected)
{
    std::int64_t k = 0;
    for (const Point& pixel : JointPixels(model, projected))
        painter.Number(pixel.X, pixel.Y, ++k, Yellow);
}

void ShowFrameLabels(Painter& painter, const Model& model, const ProjectedModel& projected)
{
    std::int64_t k = 0;
    Point i, j;
    for (const TFrameElem& frame : model.Frames) {
        ++k;
        if (!FrameEnds(model, projected, frame, i, j))
            continue;
        painter.Number(Average(static_cast<std::int64_t>(i.X) + j.X, 2.0),
                       Average(static_cast<std::int64_t>(i.Y) + j.Y, 2.0), k, RgbColor(0, 255, 0));
    }
}

void ShowFrameAxis(Painter& painter, const Model& model, const ProjectedModel& projected)
{
    std::int64_t k = 0;
    for (const TFrameElem& frame : model.Frames) {
        const FrameMarks& marks = projected.Frame(++k);
        if (!FrameHasJoints(model, frame))
            continue;
        painter.Pen(RgbColor(0, 128, 0), 1);
        painter.Line(marks.Mid, marks.Axis);
    }
}

// A diaphragm whose master is outside the model draws nothing; a slave outside it (or past
// the stored list) loses its line only.
void ShowDiaphragms(Painter& painter, const Model& model, const ProjectedModel& projected)
{
    Point master, slave;
    for (const TConstraint& constraint : model.Constraints) {
        if (!JointPixel(model, projected, constraint.Master, master))
            continue;
        const std::int64_t listed = static_cast<std::int64_t>(constraint.JointList.size()) - 1;
        const std::int64_t slaves = std::min<std::int64_t>(constraint.SlaveCount, listed);
        for (std::int64_t s = 1; s <= slaves; ++s) {
            if (!JointPixel(model, projected, constraint.JointList[static_cast<std::size_t>(s)],
                            slave))
                continue;
            painter.Pen(Grey, 1);
            painter.Line(master, slave);
        }
    }
}

void ShowHingeCircles(Painter& painter, const Model& model, const ProjectedModel& projected,
                      const Results& results, const ViewSettings& settings)
{
    std::int64_t k = 0;
    for (const TFrameElem& frame : model.Frames) {
        const FrameMarks& marks = projected.Frame(++k);
        if (!FrameHasJoints(model, frame))
            continue;
        const FrameResult result = EntryOf(results.Frames, k);
        painter.Pen(Black, 1);
        painter.Brush(
            ResultColor(model.Palette, result.ResultI, settings.ScaleMin, settings.ScaleMax),
            BrushStyle::Solid);
        painter.Circle(marks.HingeI, 5);
        painter.Brush(
            ResultColor(model.Palette, result.ResultJ, settings.ScaleMin, settings.ScaleMax),
            BrushStyle::Solid);
        painter.Circle(marks.HingeJ, 5);
    }
}

void ShowShells(Painter& painter, const Model& model, const ProjectedModel& projected,
                std::vector<Point>& corners)
{
    bool hatched = false;
    std::int32_t color = Black;
    for (const TShellElem& shell : model.Shells) {
        if (!IsDrawnShell(model, shell) || !ShellCorners(model, projected, shell, corners))
            continue;
        color = model.ShellSections[shell.Section].Color;
        painter.Pen(Black, 1);
        painter.Brush(color, BrushStyle::DiagonalCross);
        painter.Polygon(corners);
        hatched = true;
    }
    if (hatched) {
        painter.Brush(color, BrushStyle::Solid);
        painter.FlushBrush();
    }
}

void ShowShellLabels(Painter& painter, const Model& model, const ProjectedModel& projected,
                     std::vector<Point>& corners)
{
    std::int64_t k = 0;
    for (const TShellElem& shell : model.Shells) {
        ++k;
        if (!IsDrawnShell(model, shell) || !ShellCorners(model, projected, shell, corners))
            continue;
        std::int64_t sumX = 0, sumY = 0;
        for (const Point& p : corners) {
            sumX += p.X;
            sumY += p.Y;
        }
        painter.Number(Average(sumX, 4.0), Average(sumY, 4.0), k, Grey);
    }
}

// A release link is a circle at the middle of its ends, outlined in its section colour.
void ShowReleases(Painter& painter, const Model& model, const ProjectedModel& projected)
{
    Point i, j;
    for (const TFrameElem& frame : model.Frames) {
        const TFrameSection& section = SectionOf(model, frame);
        if (section.ElemType != ElementKind::ReleaseLink ||
            !FrameEnds(model, projected, frame, i, j))
            continue;
        const auto mx = static_cast<std::int32_t>((static_cast<std::int64_t>(i.X) + j.X) / 2);
        const auto my = static_cast<std::int32_t>((static_cast<std::int64_t>(i.Y) + j.Y) / 2);
        painter.Pen(section.Color, 2);
        painter.Brush(RgbColor(255, 0, 0), BrushStyle::Solid);
        painter.Circle({mx, my}, 5);
    }
}

void ShowSolids(Painter& painter, const Model& model, const ProjectedModel& projected)
{
    static constexpr int Edges[12][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {4, 5}, {5, 6},
                                         {6, 7}, {7, 4}, {0, 4}, {1, 5}, {2, 6}, {3, 7}};
    Point corners[8];
    for (const TSolidElem& solid : model.Solids) {
        if (!SolidCorners(model, projected, solid, corners))
            continue;
        painter.Pen(Black, 1);
        for (const auto& edge : Edges)
            painter.Line(corners[edge[0]], corners[edge[1]]);
    }
}

void ShowSolidLabels(Painter& painter, const Model& model, const ProjectedModel& projected)
{
    Point corners[8];
    std::int64_t k = 0;
    for (const TSolidElem& solid : model.Solids) {
        ++k;
        if (!SolidCorners(model, projected, solid, corners))
            continue;
        std::int64_t sumX = 0, sumY = 0;
        for (const Point& p : corners) {
            sumX += p.X;
            sumY += p.Y;
        }
        painter.Number(Average(sumX, 8.0), Average(sumY, 8.0), k, Grey);
    }
}

// Joint forces of the case in thousands and moments in millions, two lines at the joint; a
// force on a joint outside the model is skipped.
void ShowJointLoads(Painter& painter, const Model& model, const ProjectedModel& projected,
                    std::string_view caseName)
{
    const std::int32_t background = RgbColor(240, 240, 240);
    std::string text;
    Point at;
    for (const TLoad& load : model.Loads) {
        if (load.LoadType != LoadKind::JointForce || load.CaseName != caseName ||
            !JointPixel(model, projected, load.Target, at))
            continue;
        text.clear();
        AppendFormat(text, "%0.0f,%0.0f,%0.0f", {load.UX / 1000, load.UY / 1000, load.UZ / 1000});
        painter.Text(at.X, at.Y, text, LabelSize, background);
        text.clear();
        AppendFormat(text, "%0.0f,%0.0f,%0.0f",
                     {load.RX / 1000000, load.RY / 1000000, load.RZ / 1000000});
        painter.Text(at.X, Shift(at.Y, 15), text, LabelSize, background);
    }
}

// Distributed loads of the case at the middle of their frame; a load on a frame outside the
// model, or on a frame that is not drawn for a missing joint, is skipped.
void ShowFrameLoads(Painter& painter, const Model& model, const ProjectedModel& projected,
                    std::string_view caseName)
{
    std::string text;
    for (const TLoad& load : model.Loads) {
        if (load.LoadType != LoadKind::Distributed || load.CaseName != caseName ||
            !model.Frames.Contains(load.Target))
            continue;
        const TFrameElem& frame = model.Frames[load.Target];
        if (!FrameHasJoints(model, frame))
            continue;
        text.clear();
        AppendFormat(text, "%D,%0.2F", {load.Direction, load.Value()});
        const Point mid = projected.Frame(load.Target).Mid;
        painter.Text(mid.X, mid.Y, text, LabelSize, Yellow);
    }
}

// The places of the labels of one picture: cells of about a label's size, each of which takes
// one label; a label off the picture or on a taken cell is not written, so that a large model
// gets as many labels as can be read and no more.
class LabelCells
{
public:
    explicit LabelCells(AreaSize area)
        : columns_(std::max(area.W, 0) / CellW + 1), rows_(std::max(area.H, 0) / CellH + 1),
          area_(area), taken_(static_cast<std::size_t>(columns_) * rows_)
    {
    }
    // True, and the cell taken, when a label at the pixel can be written.
    bool Take(Point at)
    {
        if (at.X < 0 || at.Y < 0 || at.X >= area_.W || at.Y >= area_.H)
            return false;
        const std::size_t cell = static_cast<std::size_t>(at.Y / CellH) * columns_ +
                                 static_cast<std::size_t>(at.X / CellW);
        if (taken_[cell])
            return false;
        taken_[cell] = true;
        return true;
    }

private:
    static constexpr std::int32_t CellW = 64, CellH = 16;
    std::int32_t columns_, rows_;
    AreaSize area_;
    std::vector<bool> taken_;
};

// The force diagram of every frame that has one: from the frame at end I out to the value,
// along the values, and back to the frame at end J, red where the value is positive and blue
// where it is negative; with ShowValues the values of both ends beside them, where LabelCells
// has room for them.
void ShowForceDiagrams(Painter& painter, const Model& model, const ProjectedModel& projected,
                       const ForceDiagrams& forces, const Projection& projection, AreaSize area)
{
    LabelCells cells(forces.ShowValues ? area : AreaSize{});
    constexpr std::int32_t Positive = RgbColor(255, 0, 0);
    constexpr std::int32_t Negative = RgbColor(0, 0, 255);
    const auto count = std::min(static_cast<std::int64_t>(forces.Frames.size()) - 1,
                                static_cast<std::int64_t>(model.FrameCount()));
    std::array<DiagramPoint, 9> buffer;
    Point i, j;
    for (std::int64_t k = 1; k <= count; ++k) {
        const FrameDiagram& d = forces.Frames[static_cast<std::size_t>(k)];
        if (!d.Drawn || !FrameEnds(model, projected, model.Frames[k], i, j))
            continue;
        // The pixels one unit of the value moves along Dir.
        double ux = 0, uy = 0;
        projection.Offset(d.DirX * forces.Scale, d.DirY * forces.Scale, d.DirZ * forces.Scale, ux,
                          uy);
        const double dx = static_cast<double>(j.X) - i.X;
        const double dy = static_cast<double>(j.Y) - i.Y;
        const std::span<const DiagramPoint> points = DiagramPoints(d, buffer);
        Point last = i, first{};
        double lastValue = points[0].Value;
        for (std::size_t p = 0; p < points.size(); ++p) {
            const double t = d.Length > 0 ? points[p].S / d.Length : 0;
            const Point at{RoundHalfEvenToInt(i.X + t * dx + points[p].Value * ux),
                           RoundHalfEvenToInt(i.Y + t * dy + points[p].Value * uy)};
            painter.Pen(lastValue + points[p].Value >= 0 ? Positive : Negative, 1);
            painter.Line(last, at);
            if (p == 0)
                first = at;
            last = at;
            lastValue = points[p].Value;
        }
        painter.Line(last, j);
        if (forces.ShowValues && cells.Take(first))
            painter.Text(first.X, first.Y, FormatScientific(d.A, 3), LabelSize, NoBackground);
        if (forces.ShowValues && cells.Take(last))
            painter.Text(last.X, last.Y, FormatScientific(d.ValueJ, 3), LabelSize, NoBackground);
    }
}

// The name of the shown load case; nothing when the number names no case of the model.
bool ShownCaseName(const Model& model, const ViewSettings& settings, std::string_view& name)
{
    const std::int32_t c = settings.ShownLoadCase;
    if (c < 1 || c > model.LoadCaseCount || c > MaxLoadCases)
        return false;
    name = model.LoadCaseNames[static_cast<std::size_t>(c - 1)];
    return true;
}

} // namespace

// A result outside the scale takes the colour of the nearer end. When the scale has no
// length (ScaleMax == ScaleMin) or an end is not finite, the result is placed by comparison
// alone: below both ends red (entry 11), above both magenta (16), otherwise the middle step 3
// (entry 13). A NaN result is red.
std::int32_t ResultColor(const TPalette& palette, double value, double scaleMin, double scaleMax)
{
    if (std::isnan(value))
        return palette[11];
    // Halved terms give the same quotient as (value - min) / (max - min) but cannot
    // overflow for finite ends.
    const double step = (value / 2 - scaleMin / 2) / (scaleMax / 2 - scaleMin / 2) * 6;
    std::int32_t c;
    if (std::isnan(step)) {
        if (value < scaleMin && value < scaleMax)
            c = 1;
        else if (value > scaleMin && value > scaleMax)
            c = 6;
        else
            c = 3;
    } else {
        // An infinite step (an empty scale and a value off it) clamps to its end.
        c = static_cast<std::int32_t>(std::clamp(RoundHalfEven(step), 1.0, 6.0));
    }
    return palette[static_cast<std::size_t>(10 + c)];
}

void DrawBareModel(Canvas& canvas, const Model& model, const ProjectedModel& projected)
{
    Painter background(canvas);
    DrawBackground(canvas, background);
    // Each layer starts with a painter of its own, which knows nothing of the canvas's pen and
    // brush and hands them over as the layer names them.
    {
        Painter painter(canvas, Handover::WhenNamed);
        ShowNodes(painter, model, projected);
    }
    {
        Painter painter(canvas, Handover::WhenNamed);
        ShowSupports(painter, model, projected);
    }
    Painter painter(canvas, Handover::WhenNamed);
    ShowFrames(painter, model, projected, 0);
}

void RedrawModel(Canvas& canvas, const Model& model, const Results& results,
                 ProjectedModel& projected, const ViewSettings& settings, const ViewTransform& view)
{
    const AreaSize area{canvas.Width(), canvas.Height()};
    Painter painter(canvas);
    DrawBackground(canvas, painter);

    ProjectJoints(model, results, projected, view, area);
    // The frames' marks cost as much as all joints and frames together; they are worked out
    // only when a layer draws at them. The frame hit test works out its own.
    std::string_view caseName;
    const bool loadsShown = ShownCaseName(model, settings, caseName);
    if (settings.ShowFrameAxis || settings.ShowHingeCircles ||
        (loadsShown && settings.ShownLoadType == CodeNumber(LoadKind::Distributed)))
        ProjectFrameMarks(model, projected, view, area);

    // The corners of one shell at a time, one buffer for the whole picture.
    std::vector<Point> corners;
    corners.reserve(4);

    if (settings.ShowNodes)
        ShowNodes(painter, model, projected);
    if (settings.ShowSupports)
        ShowSupports(painter, model, projected);
    if (settings.ShowFrames)
        ShowFrames(painter, model, projected, settings.SelectedFrame);
    if (settings.ShowNodeLabels)
        ShowNodeLabels(painter, model, projected);
    if (settings.ShowFrameLabels)
        ShowFrameLabels(painter, model, projected);
    if (settings.ShowFrameAxis)
        ShowFrameAxis(painter, model, projected);
    if (settings.ShowDiaphragms)
        ShowDiaphragms(painter, model, projected);
    if (settings.ShowHingeCircles)
        ShowHingeCircles(painter, model, projected, results, settings);
    if (settings.ShowShells)
        ShowShells(painter, model, projected, corners);
    if (settings.ShowShellLabels)
        ShowShellLabels(painter, model, projected, corners);
    if (settings.ShowReleases)
        ShowReleases(painter, model, projected);
    if (settings.ShowSolids)
        ShowSolids(painter, model, projected);
    if (settings.ShowSolidLabels)
        ShowSolidLabels(painter, model, projected);

    if (results.Forces.Quantity != FrameQuantity::None)
        ShowForceDiagrams(painter, model, projected, results.Forces, Projection(view, area), area);

    if (loadsShown) {
        if (settings.ShownLoadType == CodeNumber(LoadKind::JointForce))
            ShowJointLoads(painter, model, projected, caseName);
        else if (settings.ShownLoadType == CodeNumber(LoadKind::Distributed))
            ShowFrameLoads(painter, model, projected, caseName);
    }
}

} // namespace vek
