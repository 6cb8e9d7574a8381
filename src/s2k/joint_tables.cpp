#include "s2k/s2k_reader.h"
#include "s2k/table_readers.h"
#include "util/format.h"
#include "util/number_parse.h"
#include "util/rounding.h"

#include <algorithm>
#include <string>
#include <vector>

namespace vek {

using namespace s2k;

void ReadJoints(Model& model)
{
    ReadJoints(model, FindTableBounds(model.FileLines, "JOINT"));
}

void ReadJoints(Model& model, const TableBounds& bounds)
{
    ResizeTable(model.Joints, LineCountedSize(bounds));
    std::int32_t i = 0;
    ForEachDataLine(bounds, [&](std::int64_t n) {
        const TLineFields& f = SplitFileLine(model, n);
        TJoint& joint = model.Joints.Edit(++i);
        joint.X = RoundToTenth(StrToFloat(f[2]));
        joint.Y = RoundToTenth(StrToFloat(f[4]));
        joint.Z = RoundToTenth(StrToFloat(f[6]));
    });
}

void ReadRestraints(Model& model)
{
    ReadRestraints(model, FindTableBounds(model.FileLines, "RESTRAINT"));
}

void ReadRestraints(Model& model, const TableBounds& bounds, ImportReport* report)
{
    static constexpr std::string_view dofNames[] = {"U1", "U2", "U3", "R1", "R2", "R3"};
    ForEachDataLine(bounds, [&](std::int64_t n) {
        const TLineFields& f = SplitFileLine(model, n);
        if (f[0] != "ADD") {
            SkipLine(report, n, [] { return std::string("RESTRAINT line is not ADD=joint"); });
            return;
        }
        const std::int32_t j = StrToInt(f[1]);
        if (!model.Joints.Contains(j)) {
            SkipLine(report, n, [&] { return MissingTarget("RESTRAINT", "joint", j); });
            return;
        }
        TJoint& joint = model.Joints.Edit(j);
        for (std::size_t k = 3; k <= 8; ++k)
            for (std::size_t dof = 0; dof < 6; ++dof)
                if (f[k] == dofNames[dof])
                    joint.Restraint[dof + 1] = 1;
    });
}

void ReadConstraints(Model& model)
{
    ReadConstraints(model, FindTableBounds(model.FileLines, "CONSTRAINT"));
}

namespace {

// What a line of the CONSTRAINT table says: a head line names a constraint, a joint line
// adds a joint to the current one.
struct ConstraintLine
{
    bool isHead;
    std::int32_t number;
    std::int64_t line;
};

} // namespace

void ReadConstraints(Model& model, const TableBounds& bounds, ImportReport* report)
{
    Table<TConstraint>& constraints = model.Constraints;

    // Each line is split once; the table is built from what the lines say.
    std::vector<ConstraintLine> lines;
    lines.reserve(
        static_cast<std::size_t>(std::max<std::int64_t>(bounds.end - bounds.header - 1, 0)));
    std::int32_t count = 0;
    try {
        ForEachDataLine(bounds, [&](std::int64_t n) {
            const TLineFields& f = SplitFileLine(model, n);
            const bool isHead = f[0] == "NAME";
            if (isHead) {
                ++count;
                lines.push_back({true, StrToInt(f[1]), n});
            }
            if (f[1] == "ADD")
                lines.push_back({false, StrToInt(f[2]), n});
            else if (!isHead)
                SkipLine(report, n, [] {
                    return std::string("CONSTRAINT line is neither NAME=number nor ADD=joint "
                                       "indented by four spaces");
                });
        });
    } catch (const VekError&) {
        // The table still gets one empty record for each head line.
        count = 0;
        ForEachDataLine(bounds, [&](std::int64_t n) {
            if (SplitFileLine(model, n)[0] == "NAME")
                ++count;
        });
        constraints.Reset(count);
        throw;
    }
    constraints.Reset(count);

    // A joint line counts when its constraint and its joint exist.
    std::vector<std::int32_t> jointCounter(static_cast<std::size_t>(count) + 1, 0);
    std::int32_t c = 0;
    bool named = false;
    for (const ConstraintLine& line : lines) {
        if (line.isHead) {
            c = line.number;
            named = true;
            if (!constraints.Contains(c))
                SkipLine(report, line.line, [&] {
                    return Format("CONSTRAINT names constraint %d, which the model does not "
                                  "have (its constraints are numbered 1 to %d)",
                                  {c, count});
                });
        } else if (!constraints.Contains(c)) {
            SkipLine(report, line.line, [&] {
                return named ? Format("CONSTRAINT adds joint %d to constraint %d, which the "
                                      "model does not have",
                                      {line.number, c})
                             : Format("CONSTRAINT adds joint %d before any NAME=number line",
                                      {line.number});
            });
        } else if (!model.Joints.Contains(line.number)) {
            SkipLine(report, line.line,
                     [&] { return MissingTarget("CONSTRAINT", "joint", line.number); });
        } else {
            ++jointCounter[static_cast<std::size_t>(c)];
        }
    }

    for (std::int32_t k = 1; k <= count; ++k)
        constraints.Edit(k).JointList.assign(jointCounter[static_cast<std::size_t>(k)] + 1, 0);

    c = 0;
    std::size_t position = 0;
    for (const ConstraintLine& line : lines) {
        if (line.isHead) {
            c = line.number;
            position = 0;
            continue;
        }
        if (!constraints.Contains(c) || !model.Joints.Contains(line.number))
            continue;
        std::vector<std::int32_t>& list = constraints.Edit(c).JointList;
        if (position + 1 < list.size())
            list[++position] = line.number;
    }

    for (std::int32_t k = 1; k <= count; ++k) {
        TConstraint& constraint = constraints.Edit(k);
        const std::int32_t counter = jointCounter[static_cast<std::size_t>(k)];
        constraint.Master = constraint.JointList[static_cast<std::size_t>(counter)];
        constraint.SlaveCount = counter - 1;
    }
}

void ReadMasses(Model& model)
{
    ReadMasses(model, FindTableBounds(model.FileLines, "MASS"));
}

void ReadMasses(Model& model, const TableBounds& bounds, ImportReport* report)
{
    ForEachDataLine(bounds, [&](std::int64_t n) {
        const TLineFields& f = SplitFileLine(model, n);
        const std::int32_t j = StrToInt(f[1]);
        const bool hasU1 = f[2] == "U1";
        const bool hasU2 = f[4] == "U2";
        const bool hasU3 = f[6] == "U3";
        const double u1 = hasU1 ? StrToFloat(f[3]) : 0;
        const double u2 = hasU2 ? StrToFloat(f[5]) : 0;
        const double u3 = hasU3 ? StrToFloat(f[7]) : 0;
        if (!model.Joints.Contains(j)) {
            SkipLine(report, n, [&] { return MissingTarget("MASS", "joint", j); });
            return;
        }
        TJoint& joint = model.Joints.Edit(j);
        if (hasU1)
            joint.MassU1 = u1;
        if (hasU2)
            joint.MassU2 = u2;
        if (hasU3)
            joint.MassU3 = u3;
    });
}

} // namespace vek
