#include "s2k/s2k_reader.h"
#include "s2k/table_readers.h"
#include "util/checked_math.h"
#include "util/number_parse.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>

namespace vek {

using namespace s2k;

namespace {

// The direction of a member, all that its orientation depends on besides the angle.
struct MemberDirection
{
    double cx, cy;
    double cosPhi;
    bool upwards;

    bool operator==(const MemberDirection&) const = default;
};

MemberDirection DirectionOf(double dx, double dy, double dz)
{
    const double lxy = std::sqrt(dx * dx + dy * dy);
    MemberDirection d{-1, 0, 0, true};
    if (lxy > 0) {
        d.cx = CheckedDivide(dx, lxy);
        d.cy = CheckedDivide(dy, lxy);
    }
    const double length = std::sqrt(dx * dx + dy * dy + dz * dz);
    // Rounding can never push these past 1, but acos must not see a NaN.
    d.cx = std::clamp(d.cx, -1.0, 1.0);
    d.cosPhi = std::clamp(CheckedDivide(lxy, length), -1.0, 1.0);
    d.upwards = CheckedDivide(dz, length) >= 0;
    return d;
}

Vector3 OrientationOf(const MemberDirection& d, double angle)
{
    constexpr double pi = std::numbers::pi;
    const double theta = d.cy >= 0 ? std::acos(d.cx) : 2 * pi - std::acos(d.cx);
    const double phi = d.upwards ? std::acos(d.cosPhi) : 2 * pi - std::acos(d.cosPhi);
    const double w = angle * pi / 180;

    Vector3 v;
    v.X = -std::cos(w) * std::cos(phi - pi / 2) * std::cos(theta) -
          std::sin(w) * std::cos(theta + pi / 2);
    v.Y = -std::cos(w) * std::cos(phi - pi / 2) * std::sin(theta) -
          std::sin(w) * std::sin(theta + pi / 2);
    v.Z = -std::cos(w) * std::sin(phi - pi / 2);
    CheckedFinite(v.X);
    CheckedFinite(v.Y);
    CheckedFinite(v.Z);
    return v;
}

// Remembers the orientations of the last directions and angles met: a building has few of
// them, and each costs a dozen trigonometric calls.
class OrientationCache
{
public:
    Vector3 Get(const MemberDirection& d, double angle)
    {
        Entry& entry = entries_[Slot(d, angle)];
        if (!entry.used || !(entry.direction == d) || entry.angle != angle ||
            std::signbit(entry.angle) != std::signbit(angle)) {
            entry = {d, angle, OrientationOf(d, angle), true};
        }
        return entry.orientation;
    }

private:
    struct Entry
    {
        MemberDirection direction{};
        double angle = 0;
        Vector3 orientation;
        bool used = false;
    };

    static std::size_t Slot(const MemberDirection& d, double angle)
    {
        const std::size_t h = std::hash<double>()(d.cx) * 31 + std::hash<double>()(d.cy) * 17 +
                              std::hash<double>()(d.cosPhi) * 7 + std::hash<double>()(angle) +
                              (d.upwards ? 1 : 0);
        return h % slotCount;
    }

    static constexpr std::size_t slotCount = 61;
    std::array<Entry, slotCount> entries_{};
};

} // namespace

Vector3 FrameOrientation(double xi, double yi, double zi, double xj, double yj, double zj,
                         double angle)
{
    return OrientationOf(DirectionOf(xj - xi, yj - yi, zj - zi), angle);
}

namespace {

FrameRelease ReleaseOfLine(const TLineFields& f)
{
    FrameRelease release = FrameRelease::None;
    for (std::size_t k = 0; k < 20; ++k) {
        if (f[k] == "JREL")
            release = FrameRelease::EndJ;
        else if (f[k] == "IREL")
            release = FrameRelease::EndI;
    }
    return release;
}

} // namespace

void ReadFrames(Model& model)
{
    ReadFrames(model, FindTableBounds(model.FileLines, "FRAME"));
}

void ReadFrames(Model& model, const TableBounds& bounds, ImportReport* report)
{
    ResizeTable(model.Frames, LineCountedSize(bounds));
    const NameIndex sections(model.FrameSections);
    OrientationCache orientations;
    std::int32_t i = 0;
    ForEachDataLine(bounds, [&](std::int64_t n) {
        const TLineFields& f = SplitFileLine(model, n);
        ++i;
        const std::int32_t nodeI = StrToInt(f[2]);
        const std::int32_t nodeJ = StrToInt(f[3]);
        const std::int32_t integrationPoints = StrToInt(f[7]);
        const double angle = StrToFloat(f[9]);
        if (!model.Joints.Contains(nodeI) || !model.Joints.Contains(nodeJ)) {
            const std::int32_t missing = model.Joints.Contains(nodeI) ? nodeJ : nodeI;
            SkipLine(report, n, [&] { return MissingTarget("FRAME", "joint", missing); });
            return;
        }
        TFrameElem& frame = model.Frames.Edit(i);
        frame.NodeI = nodeI;
        frame.NodeJ = nodeJ;
        frame.SectionName = std::string(f[5]);
        frame.IntegrationPoints = integrationPoints;
        frame.Section = sections.Find(frame.SectionName);
        frame.Angle = angle;
        frame.Release = ReleaseOfLine(f);
        const TJoint& a = model.Joints[nodeI];
        const TJoint& b = model.Joints[nodeJ];
        const Vector3 vec = orientations.Get(DirectionOf(b.X - a.X, b.Y - a.Y, b.Z - a.Z), angle);
        frame.VecXZ1 = vec.X;
        frame.VecXZ2 = vec.Y;
        frame.VecXZ3 = vec.Z;
    });
}

void ReadShells(Model& model)
{
    ReadShells(model, FindTableBounds(model.FileLines, "SHELL"));
}

void ReadShells(Model& model, const TableBounds& bounds, ImportReport* report)
{
    ResizeTable(model.Shells, LineCountedSize(bounds));
    const NameIndex sections(model.ShellSections);
    std::int32_t i = 0;
    ForEachDataLine(bounds, [&](std::int64_t n) {
        const TLineFields& f = SplitFileLine(model, n);
        ++i;
        // The file gives the corners crosswise; they are stored in perimeter order.
        const std::int32_t corner[4] = {StrToInt(f[2]), StrToInt(f[3]), StrToInt(f[4]),
                                        StrToInt(f[5])};
        for (std::int32_t joint : corner)
            if (!model.Joints.Contains(joint)) {
                SkipLine(report, n, [&] { return MissingTarget("SHELL", "joint", joint); });
                return;
            }
        TShellElem& shell = model.Shells.Edit(i);
        shell.Node1 = corner[0];
        shell.Node2 = corner[1];
        shell.Node4 = corner[2];
        shell.Node3 = corner[3];
        shell.SectionName = std::string(f[7]);
        shell.Section = sections.Find(shell.SectionName);
    });

    std::int32_t shellElems = 0;
    for (const TShellElem& shell : model.Shells)
        if (model.ShellSections[shell.Section].Kind == ShellSectionKind::Shell)
            ++shellElems;
    model.ShellElemCount = shellElems;
}

void ReadSolids(Model& model)
{
    ReadSolids(model, FindTableBounds(model.FileLines, "SOLID"));
}

void ReadSolids(Model& model, const TableBounds& bounds, ImportReport* report)
{
    ResizeTable(model.Solids, LineCountedSize(bounds));
    std::int32_t i = 0;
    ForEachDataLine(bounds, [&](std::int64_t n) {
        const TLineFields& f = SplitFileLine(model, n);
        ++i;
        std::int32_t corner[8];
        for (std::size_t k = 0; k < 8; ++k)
            corner[k] = StrToInt(f[2 + k]);
        const std::int32_t sectionTag = StrToInt(f[11]);
        for (std::int32_t joint : corner)
            if (!model.Joints.Contains(joint)) {
                SkipLine(report, n, [&] { return MissingTarget("SOLID", "joint", joint); });
                return;
            }
        // Each face is given crosswise, like a shell, and stored in perimeter order.
        TSolidElem& solid = model.Solids.Edit(i);
        solid.Node1 = corner[0];
        solid.Node2 = corner[1];
        solid.Node4 = corner[2];
        solid.Node3 = corner[3];
        solid.Node5 = corner[4];
        solid.Node6 = corner[5];
        solid.Node8 = corner[6];
        solid.Node7 = corner[7];
        solid.SectionTag = sectionTag;
    });
}

} // namespace vek
