#include "building_generator.h"

#include "s2k/s2k_import.h"
#include "util/text_lines.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string_view>

namespace vek::bench {

namespace {

// Foundation block under the base joint of grid line (1, 1): 2 x 2 bricks in plan, 2 deep.
constexpr std::int32_t BrickPlan = 800;
constexpr std::int32_t BrickDepth = 500;
constexpr std::int64_t BlockJoints = 3 * 3 * 3 - 1; // the top centre is the column's joint
constexpr std::int32_t SolidMaterialTag = 1;

// The pinned steel beams start this far from the column joints.
constexpr std::int32_t LinkOffset = 300;

// Tonnes per square metre of floor for the diaphragm masses, in tenths.
constexpr std::int64_t FloorMassTenths = 10;
constexpr std::int64_t RoofMassTenths = 8;

// Appends text and numbers to one growing string, without streams.
class Writer
{
public:
    explicit Writer(std::size_t reserve) { out_.reserve(reserve); }

    Writer& operator<<(std::string_view text)
    {
        out_.append(text);
        return *this;
    }

    Writer& operator<<(std::int64_t value)
    {
        std::array<char, 24> digits;
        const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
        out_.append(digits.data(), static_cast<std::size_t>(result.ptr - digits.data()));
        return *this;
    }

    Writer& operator<<(std::int32_t value) { return *this << static_cast<std::int64_t>(value); }

    // A value given in tenths, written as plain decimal ("165", "132.5").
    Writer& Tenths(std::int64_t tenths)
    {
        *this << tenths / 10;
        if (tenths % 10 != 0)
            *this << "." << tenths % 10;
        return *this;
    }

    // Half of an integer, written as plain decimal ("8250", "2750.5").
    Writer& Half(std::int64_t twice) { return Tenths(twice * 5); }

    std::string Take() { return std::move(out_); }

private:
    std::string out_;
};

// Joint and frame numbering of one building; every number follows from the grid.
class Building
{
public:
    explicit Building(const BuildingConfig& c)
        : c_(c), nx_(c.BaysX + 1), ny_(c.BaysY + 1), plan_(std::int64_t{nx_} * ny_),
          floorJoints_(plan_ + 2 * std::int64_t{c.BaysY} + 1)
    {
    }

    const BuildingConfig& Config() const { return c_; }

    std::int64_t JointCount() const { return plan_ + BlockJoints + c_.Storeys * floorJoints_; }

    // Grid joint (i, j) of level k (0 the base).
    std::int64_t Grid(std::int32_t k, std::int32_t i, std::int32_t j) const
    {
        const std::int64_t inPlan = std::int64_t{j} * nx_ + i + 1;
        return k == 0 ? inPlan : FloorStart(k) + inPlan;
    }

    // Block joint (i, j, l), i and j 0..2 across the block, l 0..2 upwards.
    std::int64_t Block(std::int32_t i, std::int32_t j, std::int32_t l) const
    {
        if (i == 1 && j == 1 && l == 2)
            return Grid(0, 1, 1);
        std::int64_t index = (std::int64_t{l} * 3 + j) * 3 + i;
        if (l == 2 && (j > 1 || (j == 1 && i > 1)))
            --index;
        return plan_ + 1 + index;
    }

    // The steel beam ends of bay j of grid line x = BaysX on floor k.
    std::int64_t SteelStart(std::int32_t k, std::int32_t j) const
    {
        return FloorStart(k) + plan_ + 1 + 2 * std::int64_t{j};
    }
    std::int64_t SteelEnd(std::int32_t k, std::int32_t j) const { return SteelStart(k, j) + 1; }

    std::int64_t Master(std::int32_t k) const { return FloorStart(k) + floorJoints_; }

    double LevelZ(std::int32_t k) const
    {
        return k == 0 ? 0 : c_.GroundStoreyHeight + double(k - 1) * c_.StoreyHeight;
    }

    // Frames of one storey, in the order they are written.
    std::int64_t Columns() const { return plan_; }
    std::int64_t BeamsX() const { return std::int64_t{c_.BaysX} * ny_; }
    std::int64_t BeamsY() const { return std::int64_t{c_.BaysX} * c_.BaysY; }
    std::int64_t SteelGroups() const { return c_.BaysY; }
    std::int64_t StoreyFrames() const
    {
        return Columns() + BeamsX() + BeamsY() + 3 * SteelGroups() + 2;
    }
    std::int64_t FrameCount() const { return c_.Storeys * StoreyFrames(); }
    std::int64_t FirstFrame(std::int32_t k) const { return (k - 1) * StoreyFrames() + 1; }

    std::int64_t LoadCount() const
    {
        const std::int64_t beams = BeamsX() + BeamsY() + SteelGroups();
        const std::int64_t perimeter = 2 * (std::int64_t{c_.BaysX} + c_.BaysY);
        const std::int64_t interior = std::int64_t{c_.BaysX - 1} * (c_.BaysY - 1);
        return c_.Storeys * (2 * beams + perimeter + interior);
    }

private:
    std::int64_t FloorStart(std::int32_t k) const
    {
        return plan_ + BlockJoints + (k - 1) * floorJoints_;
    }

    BuildingConfig c_;
    std::int32_t nx_, ny_;
    std::int64_t plan_;
    std::int64_t floorJoints_;
};

void CheckConfig(const Building& b)
{
    const BuildingConfig& c = b.Config();
    if (c.BaysX < 1 || c.BaysY < 1 || c.Storeys < 1)
        throw std::invalid_argument("a building needs at least one bay each way and one storey");
    if (c.BayX <= 2 * LinkOffset || c.BayY <= 2 * LinkOffset || c.GroundStoreyHeight <= 0 ||
        c.StoreyHeight <= 0)
        throw std::invalid_argument("bays must be wider than the links, storeys taller than 0");
    // Generous bounds on the grid keep every product below in 64 bits.
    constexpr std::int64_t maxLabel = std::numeric_limits<std::int32_t>::max();
    if (std::int64_t{c.BaysX} * c.BaysY > maxLabel ||
        std::int64_t{c.BaysX} * c.Storeys > maxLabel ||
        std::int64_t{c.BaysY} * c.Storeys > maxLabel)
        throw std::invalid_argument("building too large for 32-bit labels");
    if (b.JointCount() > maxLabel || b.FrameCount() > maxLabel || b.LoadCount() > maxLabel)
        throw std::invalid_argument("building too large for 32-bit labels");
}

void WriteCoordinate(Writer& w, double value)
{
    // Every coordinate is a whole number of mm or half of one (the diaphragm masters).
    const double twice = value * 2;
    w.Half(static_cast<std::int64_t>(std::llround(twice)));
}

void WriteJoint(Writer& w, std::int64_t& label, double x, double y, double z)
{
    w << "  " << ++label << "  X=";
    WriteCoordinate(w, x);
    w << "  Y=";
    WriteCoordinate(w, y);
    w << "  Z=";
    WriteCoordinate(w, z);
    w << "\n";
}

void WriteJoints(Writer& w, const Building& b)
{
    const BuildingConfig& c = b.Config();
    std::int64_t label = 0;
    w << "JOINT\n";
    auto gridLevel = [&](std::int32_t k) {
        const double z = b.LevelZ(k);
        for (std::int32_t j = 0; j <= c.BaysY; ++j)
            for (std::int32_t i = 0; i <= c.BaysX; ++i)
                WriteJoint(w, label, double(i) * c.BayX, double(j) * c.BayY, z);
    };
    gridLevel(0);
    for (std::int32_t l = 0; l <= 2; ++l)
        for (std::int32_t j = 0; j <= 2; ++j)
            for (std::int32_t i = 0; i <= 2; ++i) {
                if (b.Block(i, j, l) == b.Grid(0, 1, 1))
                    continue;
                WriteJoint(w, label, c.BayX + double(i - 1) * BrickPlan,
                           c.BayY + double(j - 1) * BrickPlan, double(l - 2) * BrickDepth);
            }
    const double lengthX = double(c.BaysX) * c.BayX;
    const double lengthY = double(c.BaysY) * c.BayY;
    for (std::int32_t k = 1; k <= c.Storeys; ++k) {
        gridLevel(k);
        const double z = b.LevelZ(k);
        for (std::int32_t j = 0; j < c.BaysY; ++j) {
            WriteJoint(w, label, lengthX, double(j) * c.BayY + LinkOffset, z);
            WriteJoint(w, label, lengthX, double(j + 1) * c.BayY - LinkOffset, z);
        }
        WriteJoint(w, label, lengthX / 2, lengthY / 2, z);
    }
    w << "\n";
}

void WriteRestraints(Writer& w, const Building& b)
{
    const BuildingConfig& c = b.Config();
    w << "RESTRAINT\n";
    for (std::int32_t j = 0; j <= c.BaysY; ++j)
        for (std::int32_t i = 0; i <= c.BaysX; ++i)
            if (!(i == 1 && j == 1))
                w << "  ADD=" << b.Grid(0, i, j) << "  DOF=U1,U2,U3,R1,R2,R3\n";
    for (std::int32_t j = 0; j <= 2; ++j)
        for (std::int32_t i = 0; i <= 2; ++i)
            w << "  ADD=" << b.Block(i, j, 0) << "  DOF=U1,U2,U3\n";
    w << "\n";
}

void WriteConstraints(Writer& w, const Building& b)
{
    const BuildingConfig& c = b.Config();
    w << "CONSTRAINT\n";
    for (std::int32_t k = 1; k <= c.Storeys; ++k) {
        w << "  NAME=" << k << "  TYPE=DIAPH  AXIS=Z\n";
        for (std::int32_t j = 0; j <= c.BaysY; ++j)
            for (std::int32_t i = 0; i <= c.BaysX; ++i)
                w << "    ADD=" << b.Grid(k, i, j) << "\n";
        w << "    ADD=" << b.Master(k) << "\n";
    }
    w << "\n";
}

void WriteMasses(Writer& w, const Building& b)
{
    const BuildingConfig& c = b.Config();
    const std::int64_t areaMm2 = std::int64_t{c.BaysX} * c.BayX * (std::int64_t{c.BaysY} * c.BayY);
    // Tenths of a tonne, rounded: area in m2 times tenths of a tonne per m2.
    auto massTenths = [&](std::int64_t perM2) {
        const double tenths = double(areaMm2) * double(perM2) / 1e6;
        return static_cast<std::int64_t>(std::llround(tenths));
    };
    w << "MASS\n";
    for (std::int32_t k = 1; k <= c.Storeys; ++k) {
        const std::int64_t m = massTenths(k == c.Storeys ? RoofMassTenths : FloorMassTenths);
        w << "  ADD=" << b.Master(k) << "  U1=";
        w.Tenths(m) << "  U2=";
        w.Tenths(m) << "  U3=0\n";
    }
    w << "\n";
}

void WriteProperties(Writer& w)
{
    w << "MATERIAL\n"
         "  NAME=C30  IDES=C\n"
         "    T=0  E=30000  U=0.2\n"
         "  NAME=S355  IDES=S\n"
         "    T=0  E=200000  U=0.3\n"
         "\n"
         "FRAME SECTION\n"
         "  NAME=NC500  MAT=C30  SH=R  T=500,500\n"
         "  NAME=NB400  MAT=S355  SH=B  T=400,400,20,20\n"
         "  NAME=DBX  MAT=C30  SH=R  T=600,300\n"
         "  NAME=HBY  MAT=C30  SH=R  T=550,300\n"
         "  NAME=EROOF  MAT=C30  SH=R  T=500,300\n"
         "  NAME=EI400  MAT=S355  SH=I  T=400,180,13.5,8.6,180,13.5\n"
         "  NAME=TP219  MAT=S355  SH=P  T=219.1,10\n"
         "  NAME=RLINK  MAT=S355  SH=R  T=300,300\n"
         "\n"
         "SHELL SECTION\n"
         "  NAME=SLAB200  MAT=C30   TYPE=Shell,Thin  TH=200\n"
         "  NAME=ROOF150  MAT=C30   TYPE=Shell,Thin  TH=150\n"
         "\n";
}

void WriteFrame(Writer& w, std::int64_t& label, std::int64_t i, std::int64_t j,
                std::string_view section, std::int32_t segments,
                std::string_view release = std::string_view())
{
    w << "  " << ++label << "  J=" << i << "," << j << "  SEC=" << section << "  NSEG=" << segments
      << "  ANG=0";
    if (!release.empty())
        w << "  " << release;
    w << "\n";
}

void WriteFrames(Writer& w, const Building& b)
{
    const BuildingConfig& c = b.Config();
    std::int64_t label = 0;
    w << "FRAME\n";
    for (std::int32_t k = 1; k <= c.Storeys; ++k) {
        const bool roof = k == c.Storeys;
        for (std::int32_t j = 0; j <= c.BaysY; ++j)
            for (std::int32_t i = 0; i <= c.BaysX; ++i) {
                const bool corner = (i == 0 || i == c.BaysX) && (j == 0 || j == c.BaysY);
                WriteFrame(w, label, b.Grid(k - 1, i, j), b.Grid(k, i, j),
                           corner ? "NB400" : "NC500", 5);
            }
        for (std::int32_t j = 0; j <= c.BaysY; ++j)
            for (std::int32_t i = 0; i < c.BaysX; ++i)
                WriteFrame(w, label, b.Grid(k, i, j), b.Grid(k, i + 1, j), roof ? "EROOF" : "DBX",
                           4);
        for (std::int32_t i = 0; i < c.BaysX; ++i)
            for (std::int32_t j = 0; j < c.BaysY; ++j)
                WriteFrame(w, label, b.Grid(k, i, j), b.Grid(k, i, j + 1), roof ? "EROOF" : "HBY",
                           4);
        // Pinned steel beams: each end joint is linked to its column joint, the release on
        // the column's side.
        for (std::int32_t j = 0; j < c.BaysY; ++j) {
            WriteFrame(w, label, b.SteelStart(k, j), b.Grid(k, c.BaysX, j), "RLINK", 1,
                       "JREL=R2,R3");
            WriteFrame(w, label, b.SteelStart(k, j), b.SteelEnd(k, j), "EI400", 4);
            WriteFrame(w, label, b.Grid(k, c.BaysX, j + 1), b.SteelEnd(k, j), "RLINK", 1,
                       "IREL=R2,R3");
        }
        // One diagonal per storey in the middle bay of each long facade, alternating.
        const std::int32_t bay = c.BaysX / 2;
        for (std::int32_t j : {0, c.BaysY}) {
            const std::int32_t from = k % 2 == 1 ? bay : bay + 1;
            const std::int32_t to = k % 2 == 1 ? bay + 1 : bay;
            WriteFrame(w, label, b.Grid(k - 1, from, j), b.Grid(k, to, j), "TP219", 1);
        }
    }
    w << "\n";
}

void WriteShells(Writer& w, const Building& b)
{
    const BuildingConfig& c = b.Config();
    std::int64_t label = 0;
    w << "SHELL\n";
    for (std::int32_t k = 1; k <= c.Storeys; ++k) {
        const std::string_view section = k == c.Storeys ? "ROOF150" : "SLAB200";
        for (std::int32_t j = 0; j < c.BaysY; ++j)
            for (std::int32_t i = 0; i < c.BaysX; ++i)
                w << "  " << ++label << "  J=" << b.Grid(k, i, j) << "," << b.Grid(k, i + 1, j)
                  << "," << b.Grid(k, i, j + 1) << "," << b.Grid(k, i + 1, j + 1)
                  << "  SEC=" << section << "\n";
    }
    w << "\n";
}

void WriteSolids(Writer& w, const Building& b)
{
    std::int64_t label = 0;
    w << "SOLID\n";
    for (std::int32_t l = 0; l < 2; ++l)
        for (std::int32_t j = 0; j < 2; ++j)
            for (std::int32_t i = 0; i < 2; ++i) {
                w << "  " << ++label << "  J=";
                for (std::int32_t top = 0; top < 2; ++top)
                    w << (top ? "," : "") << b.Block(i, j, l + top) << ","
                      << b.Block(i + 1, j, l + top) << "," << b.Block(i, j + 1, l + top) << ","
                      << b.Block(i + 1, j + 1, l + top);
                w << "  SEC=" << SolidMaterialTag << "\n";
            }
    w << "\n";
}

struct CaseLoads
{
    std::string_view name;
    // Joint forces on the perimeter (facade) or on the interior joints, in N.
    bool onPerimeter;
    std::string_view floorForce, roofForce;
    // Line loads on every beam, in N/mm.
    std::string_view floorLine, roofLine;
};

void WriteCase(Writer& w, const Building& b, const CaseLoads& loads)
{
    const BuildingConfig& c = b.Config();
    w << "  NAME=" << loads.name << "\n    TYPE=FORCE\n";
    for (std::int32_t k = 1; k <= c.Storeys; ++k) {
        const std::string_view force = k == c.Storeys ? loads.roofForce : loads.floorForce;
        for (std::int32_t j = 0; j <= c.BaysY; ++j)
            for (std::int32_t i = 0; i <= c.BaysX; ++i) {
                const bool edge = i == 0 || i == c.BaysX || j == 0 || j == c.BaysY;
                if (edge == loads.onPerimeter)
                    w << "      ADD=" << b.Grid(k, i, j) << "  UZ=" << force << "\n";
            }
    }
    w << "    TYPE=DISTRIBUTED\n";
    for (std::int32_t k = 1; k <= c.Storeys; ++k) {
        const std::string_view line = k == c.Storeys ? loads.roofLine : loads.floorLine;
        auto beam = [&](std::int64_t frame) {
            w << "      ADD=" << frame << "  RD=0,1  UZ=" << line << "," << line << "\n";
        };
        const std::int64_t first = b.FirstFrame(k) + b.Columns();
        for (std::int64_t f = first; f < first + b.BeamsX() + b.BeamsY(); ++f)
            beam(f);
        const std::int64_t steel = first + b.BeamsX() + b.BeamsY();
        for (std::int64_t g = 0; g < b.SteelGroups(); ++g)
            beam(steel + 3 * g + 1);
    }
}

void WriteLoads(Writer& w, const Building& b)
{
    w << "LOAD\n";
    WriteCase(w, b, {"DEAD", true, "-15000", "-5000", "-20", "-16"});
    WriteCase(w, b, {"LIVE", false, "-10000", "-5000", "-7.5", "-2.5"});
    w << "\n";
}

} // namespace

BuildingConfig ExampleBuilding()
{
    return BuildingConfig{};
}

BuildingConfig BuildingForJoints(std::int64_t targetJoints)
{
    const double target = double(std::max<std::int64_t>(targetJoints, 1));
    BuildingConfig config;
    const auto side = std::max<std::int64_t>(std::llround(std::cbrt(target)) - 1, 1);
    config.Storeys = static_cast<std::int32_t>(side);
    config.BaysY = static_cast<std::int32_t>(side);
    // The joint count is linear in BaysX; take the nearest.
    const double fixed = double(BlockJoints) + double(side) * double(2 * side + 1);
    const double perLine = double(side + 1) * double(side + 1);
    const auto lines = std::llround((target - fixed) / perLine);
    config.BaysX = static_cast<std::int32_t>(std::max<std::int64_t>(lines - 1, 1));
    return config;
}

std::string BuildingText(const BuildingConfig& config)
{
    const Building b(config);
    CheckConfig(b);
    // Some 450 bytes a joint for large buildings; small ones have a fixed part.
    Writer w(static_cast<std::size_t>(b.JointCount()) * 480 + 4096);
    w << "SYSTEM\n  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=mm  FORCE=N\n\n";
    WriteJoints(w, b);
    WriteRestraints(w, b);
    WriteConstraints(w, b);
    WriteMasses(w, b);
    WriteProperties(w);
    WriteFrames(w, b);
    WriteShells(w, b);
    WriteSolids(w, b);
    WriteLoads(w, b);
    w << "END\n";
    return w.Take();
}

void WriteBuildingFile(const BuildingConfig& config, const std::string& path)
{
    WriteWholeFile(path, BuildingText(config));
}

void ImportBuildingWithFrames(Model& model, std::int64_t frames)
{
    std::int64_t joints = frames / 2;
    for (;;) {
        model = Model();
        model.FileLines = TextLines::FromText(BuildingText(BuildingForJoints(joints)));
        ReadS2kModel(model);
        if (model.FrameCount() >= frames)
            return;
        joints = joints * frames / std::max<std::int64_t>(model.FrameCount(), 1) + joints / 20 + 1;
    }
}

} // namespace vek::bench
