#include "sections/fiber_builder.h"

#include "util/error.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>
#include <string>

namespace vek {
namespace {

// No section may ask for more fibres than this; a larger count is a mistake in the model,
// and honouring it would make the program allocate gigabytes.
constexpr std::int64_t MaxFibersPerSection = 1000000;

constexpr double Pi = std::numbers::pi;

// The divisions and bar numbers of a section, negative values read as 0.
struct Counts
{
    std::int32_t FX, FY, NX, NY;
};

Counts CountsOf(const TFrameSection& section)
{
    return {std::max(section.DivideFX, 0), std::max(section.DivideFY, 0),
            std::max(section.BarNumNX, 0), std::max(section.BarNumNY, 0)};
}

bool IsBeam(const TFrameSection& section)
{
    return section.SectionKind == FrameSectionKind::Beam;
}

// The number of fibres the shape of the section makes.
std::int64_t FiberCountOf(const TFrameSection& section, const Counts& n)
{
    const std::int64_t fx = n.FX, fy = n.FY, nx = n.NX, ny = n.NY;
    switch (section.Shape) {
    case SectionShape::Rectangle:
        return IsBeam(section) ? fx * fy + nx + ny : fx * fy + 2 * nx + 2 * ny;
    case SectionShape::I:
        return 2 * fx + fy;
    case SectionShape::Box:
        return 2 * fx + 2 * fy;
    case SectionShape::Pipe:
        return fx;
    default:
        return 0;
    }
}

// Writes the fibres in order from entry 1 on.
class FiberWriter
{
public:
    explicit FiberWriter(std::vector<TFiber>& fibers) : fibers_(fibers) {}

    void Put(double y, double z, double area, std::int32_t mat)
    {
        ++next_;
        fibers_[next_] = {y, z, area, mat};
    }

private:
    std::vector<TFiber>& fibers_;
    std::size_t next_ = 0;
};

// Y of bar i of a row of count bars spread between bar centres at -half and +half. A row of
// one bar has no spacing; its bar sits at the centre.
double RowBarY(std::int32_t i, std::int32_t count, double half, double width)
{
    if (count == 1)
        return 0;
    return -half + (i - 1) * width / (count - 1);
}

void BuildRectangle(const TFrameSection& s, const Counts& n, std::int32_t rebar, FiberWriter& out)
{
    const double T1 = s.T1, T2 = s.T2, c = s.Cover;
    const std::int32_t mat = s.Material;

    for (std::int32_t j = 1; j <= n.FY; ++j)
        for (std::int32_t k = 1; k <= n.FX; ++k)
            out.Put(-T2 / 2 + (k - 0.5) * T2 / n.FX, -T1 / 2 + (j - 0.5) * T1 / n.FY,
                    (T2 / n.FX) * (T1 / n.FY), mat);

    const double halfY = T2 / 2 - c, halfZ = T1 / 2 - c;
    const double widthY = T2 - 2 * c, widthZ = T1 - 2 * c;

    if (IsBeam(s)) {
        for (std::int32_t i = 1; i <= n.NX; ++i)
            out.Put(RowBarY(i, n.NX, halfY, widthY), +halfZ, s.XBarTop / n.NX, rebar);
        for (std::int32_t i = 1; i <= n.NY; ++i)
            out.Put(RowBarY(i, n.NY, halfY, widthY), -halfZ, s.YBarBot / n.NY, rebar);
        return;
    }

    if (n.NX != 0) {
        for (std::int32_t i = 1; i <= n.NX; ++i)
            out.Put(RowBarY(i, n.NX, halfY, widthY), -halfZ, s.XBarTop / n.NX, rebar);
        for (std::int32_t i = 1; i <= n.NX; ++i)
            out.Put(RowBarY(i, n.NX, halfY, widthY), +halfZ, s.XBarTop / n.NX, rebar);
    }
    if (n.NY != 0) {
        for (std::int32_t i = 1; i <= n.NY; ++i)
            out.Put(-halfY, -halfZ + i * widthZ / (n.NY + 1), s.YBarBot / n.NY, rebar);
        for (std::int32_t i = 1; i <= n.NY; ++i)
            out.Put(+halfY, -halfZ + i * widthZ / (n.NY + 1), s.YBarBot / n.NY, rebar);
    }
}

// The two flanges, bottom then top, each of FX cells across the full width T2.
void BuildFlanges(const TFrameSection& s, const Counts& n, FiberWriter& out)
{
    const double T1 = s.T1, T2 = s.T2, T3 = s.T3;
    for (std::int32_t k = 1; k <= n.FX; ++k)
        out.Put(-T2 / 2 + (k - 0.5) * T2 / n.FX, -(T1 / 2 - T3 / 2), T2 * T3 / n.FX, s.Material);
    for (std::int32_t k = 1; k <= n.FX; ++k)
        out.Put(-T2 / 2 + (k - 0.5) * T2 / n.FX, +(T1 / 2 - T3 / 2), T2 * T3 / n.FX, s.Material);
}

// A web of FY cells, bottom to top, between the flanges, its centre line at y.
void BuildWeb(const TFrameSection& s, const Counts& n, double y, FiberWriter& out)
{
    const double T1 = s.T1, T3 = s.T3, T4 = s.T4;
    for (std::int32_t j = 1; j <= n.FY; ++j)
        out.Put(y, -T1 / 2 + T3 + (j - 0.5) * (T1 - 2 * T3) / n.FY, (T1 - 2 * T3) * T4 / n.FY,
                s.Material);
}

void BuildPipe(const TFrameSection& s, const Counts& n, FiberWriter& out)
{
    const double T1 = s.T1, T2 = s.T2;
    const double r = T1 / 2 - T2 / 2;
    for (std::int32_t k = 1; k <= n.FX; ++k) {
        const double theta = (k - 1) * 360.0 / n.FX * Pi / 180;
        out.Put(r * std::cos(theta), r * std::sin(theta),
                Pi / 4 * (T1 * T1 - (T1 - 2 * T2) * (T1 - 2 * T2)) / n.FX, s.Material);
    }
}

} // namespace

FiberList BuildFiberList(const TFrameSection& section, std::int32_t rebarMaterialTag)
{
    const Counts n = CountsOf(section);
    const std::int64_t count = FiberCountOf(section, n);
    if (count > MaxFibersPerSection)
        throw VekError("Frame section \"" + section.Name + "\" asks for " + std::to_string(count) +
                       " fibres; at most " + std::to_string(MaxFibersPerSection) +
                       " are possible.");

    FiberList list;
    list.Fibers.resize(static_cast<std::size_t>(count) + 1);
    FiberWriter out(list.Fibers);
    switch (section.Shape) {
    case SectionShape::Rectangle:
        BuildRectangle(section, n, rebarMaterialTag, out);
        break;
    case SectionShape::I:
        BuildFlanges(section, n, out);
        BuildWeb(section, n, 0, out);
        break;
    case SectionShape::Box:
        BuildFlanges(section, n, out);
        BuildWeb(section, n, -(section.T2 / 2 - section.T4 / 2), out);
        BuildWeb(section, n, +(section.T2 / 2 - section.T4 / 2), out);
        break;
    case SectionShape::Pipe:
        BuildPipe(section, n, out);
        break;
    default:
        break;
    }
    return list;
}

} // namespace vek
