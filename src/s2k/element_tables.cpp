#include "s2k/s2k_reader.h"
#include "s2k/table_readers.h"
#include "util/checked_math.h"
#include "util/number_parse.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vek {

using namespace s2k;

Vector3 FrameOrientation(double xi, double yi, double zi, double xj, double yj, double zj,
                         double angle)
{
    constexpr double pi = std::numbers::pi;
    const double dx = xj - xi;
    const double dy = yj - yi;
    const double dz = zj - zi;
    const double lxy = std::sqrt(dx * dx + dy * dy);
    double cx = -1;
    double cy = 0;
    if (lxy > 0) {
        cx = CheckedDivide(dx, lxy);
        cy = CheckedDivide(dy, lxy);
    }
    const double length = std::sqrt(dx * dx + dy * dy + dz * dz);
    // Rounding can never push these past 1, but acos must not see a NaN.
    const double cosTheta = std::clamp(cx, -1.0, 1.0);
    const double theta = cy >= 0 ? std::acos(cosTheta) : 2 * pi - std::acos(cosTheta);
    const double cosPhi = std::clamp(CheckedDivide(lxy, length), -1.0, 1.0);
    const double phi =
        CheckedDivide(dz, length) >= 0 ? std::acos(cosPhi) : 2 * pi - std::acos(cosPhi);
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

namespace {

std::int32_t ReleaseOfLine(const TLineFields& f)
{
    std::int32_t release = 0;
    for (std::size_t k = 0; k < 20; ++k) {
        if (f[k] == "JREL")
            release = 2;
        else if (f[k] == "IREL")
            release = 1;
    }
    return release;
}

} // namespace

void ReadFrames(Model& model)
{
    const TableBounds bounds = FindTableBounds(model.FileLines, "FRAME");
    ResizeTable(model.Frames, LineCountedSize(bounds));
    const NameIndex sections(model.FrameSections);
    std::int32_t i = 0;
    ForEachDataLine(bounds, [&](std::int64_t n) {
        const TLineFields& f = SplitFileLine(model, n);
        ++i;
        const std::int32_t nodeI = StrToInt(f[2]);
        const std::int32_t nodeJ = StrToInt(f[3]);
        const std::int32_t integrationPoints = StrToInt(f[7]);
        const double angle = StrToFloat(f[9]);
        if (!model.Joints.Contains(nodeI) || !model.Joints.Contains(nodeJ))
            return;
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
        const Vector3 vec = FrameOrientation(a.X, a.Y, a.Z, b.X, b.Y, b.Z, angle);
        frame.VecXZ1 = vec.X;
        frame.VecXZ2 = vec.Y;
        frame.VecXZ3 = vec.Z;
    });
}

void ReadShells(Model& model)
{
    const TableBounds bounds = FindTableBounds(model.FileLines, "SHELL");
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
            if (!model.Joints.Contains(joint))
                return;
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
        if (model.ShellSections[shell.Section].Kind == 1)
            ++shellElems;
    model.ShellElemCount = shellElems;
}

void ReadSolids(Model& model)
{
    const TableBounds bounds = FindTableBounds(model.FileLines, "SOLID");
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
            if (!model.Joints.Contains(joint))
                return;
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
