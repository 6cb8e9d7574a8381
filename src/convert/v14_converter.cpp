#include "convert/v14_converter.h"

#include "util/error.h"
#include "util/format.h"
#include "util/number_parse.h"

#include <cstdint>
#include <optional>

namespace vek {

namespace {

bool IsBlankLine(std::string_view line)
{
    for (char c : line)
        if (static_cast<unsigned char>(c) > 32)
            return false;
    return true;
}

std::string TableName(std::string_view name)
{
    return "\"" + std::string(name) + "\"";
}

// Runs `convert` on each row of the table with the row's fields in converter.V14Fields. An
// error raised for a row carries the row's line of the file.
template <class RowFunction>
void ForEachRow(V14Converter& converter, const V14TableRows& rows, RowFunction&& convert)
{
    for (std::int64_t n = rows.Start; n <= rows.End; ++n) {
        SplitV14Line(converter.SourceLines[static_cast<std::size_t>(n)], converter.V14Fields);
        try {
            convert(converter.V14Fields);
        } catch (VekError& error) {
            if (!error.hasLine())
                error.setLine(n);
            throw;
        }
    }
}

// The joint a restraint or force row names, or nullptr when the joint table has no such label.
// Labels are the joints' positions (ConvertJointRows checks it).
TConvJoint* JointLabelled(V14Converter& converter, std::int32_t label)
{
    return converter.ConvJoints.Contains(label) ? &converter.ConvJoints.Edit(label) : nullptr;
}

void ConvertJointRows(V14Converter& converter, const V14TableRows& rows)
{
    TextLines& out = converter.OutputLines;
    std::int32_t k = 0;
    ForEachRow(converter, rows, [&](const TV14Fields& f) {
        TConvJoint& joint = converter.ConvJoints.Edit(++k);
        joint.Id = StrToInt(f[1]);
        joint.X = StrToFloat(f[7]);
        joint.Y = StrToFloat(f[9]);
        joint.Z = StrToFloat(f[11]);
        if (joint.Id != k)
            throw VekError(Format("Joint label %D stands in row %D of table %S: the joints must "
                                  "be labelled 1..NJOINT in table order",
                                  {joint.Id, k, TableName(v14::JointTable)}));
        out.AddFormatted("  %D  X=%0.4E  Y=%0.4E  Z=%0.4E", {joint.Id, joint.X, joint.Y, joint.Z});
    });
}

void ReadRestraintRows(V14Converter& converter, const V14TableRows& rows)
{
    static constexpr std::size_t flagFields[] = {3, 5, 7, 9, 11, 13};
    ForEachRow(converter, rows, [&](const TV14Fields& f) {
        TConvJoint* joint = JointLabelled(converter, StrToInt(f[1]));
        if (!joint)
            return;
        for (std::size_t dof = 0; dof < 6; ++dof)
            if (f[flagFields[dof]] == "Yes")
                joint->Restraint[dof] = 1;
    });
}

void WriteRestraintLines(V14Converter& converter)
{
    static constexpr const char* dofNames[] = {"U1", ",U2", ",U3", ",R1", ",R2", ",R3"};
    TextLines& out = converter.OutputLines;
    for (std::int32_t k = 1; k <= converter.ConvJoints.Count; ++k) {
        TConvJoint& joint = converter.ConvJoints.Edit(k);
        joint.RestraintCount = 0;
        std::string dofs;
        for (std::size_t dof = 0; dof < 6; ++dof) {
            joint.RestraintCount += joint.Restraint[dof];
            if (joint.Restraint[dof])
                dofs += dofNames[dof];
        }
        if (joint.RestraintCount != 0)
            out.AddFormatted("  ADD=%D  DOF=%S", {k, dofs});
    }
}

void ReadForceRows(V14Converter& converter, const V14TableRows& rows)
{
    ForEachRow(converter, rows, [&](const TV14Fields& f) {
        TConvJoint* joint = JointLabelled(converter, StrToInt(f[1]));
        if (!joint)
            return;
        joint->UX = StrToFloat(f[7]);
        joint->UY = StrToFloat(f[9]);
        joint->UZ = StrToFloat(f[11]);
        joint->MX = StrToFloat(f[13]);
        joint->MY = StrToFloat(f[15]);
        joint->MZ = StrToFloat(f[17]);
    });
}

void WriteForceLines(V14Converter& converter)
{
    TextLines& out = converter.OutputLines;
    for (std::int32_t k = 1; k <= converter.ConvJoints.Count; ++k) {
        const TConvJoint& joint = converter.ConvJoints[k];
        const struct
        {
            const char* templ;
            double value;
        } components[] = {
            {"      ADD=%D  UX=%0.5E", joint.UX}, {"      ADD=%D  UY=%0.5E", joint.UY},
            {"      ADD=%D  UZ=%0.5E", joint.UZ}, {"      ADD=%D  MX=%0.5E", joint.MX},
            {"      ADD=%D  MY=%0.5E", joint.MY}, {"      ADD=%D  MZ=%0.5E", joint.MZ},
        };
        for (const auto& component : components)
            if (component.value != 0)
                out.AddFormatted(component.templ, {k, component.value});
    }
}

void ConvertSolidRows(V14Converter& converter, const V14TableRows& rows)
{
    static constexpr std::size_t jointFields[] = {3, 5, 7, 9, 11, 13, 15, 17};
    TextLines& out = converter.OutputLines;
    std::int32_t i = 0;
    ForEachRow(converter, rows, [&](const TV14Fields& f) {
        TConvSolid& solid = converter.ConvSolids.Edit(++i);
        solid.Id = StrToInt(f[1]);
        for (std::size_t k = 0; k < 8; ++k)
            solid.Joints[k] = StrToInt(f[jointFields[k]]);
        const auto& j = solid.Joints;
        out.AddFormatted("  %D  J=%D,%D,%D,%D,%D,%D,%D,%D  SEC=100",
                         {solid.Id, j[0], j[1], j[2], j[3], j[4], j[5], j[6], j[7]});
    });
}

// A table's row count as a table size; a count beyond the table's range cannot be a V14 file.
std::int32_t TableSize(const V14TableRows& rows)
{
    if (rows.Count() > INT32_MAX)
        throw VekError("Range check error");
    return static_cast<std::int32_t>(rows.Count());
}

} // namespace

V14TableRows LocateV14Table(const TextLines& lines, std::string_view name)
{
    const std::string header = "TABLE:  " + TableName(name);
    std::optional<std::int64_t> start;
    std::optional<std::int64_t> end;
    const std::size_t n = lines.size();
    for (std::size_t i = 0; i < n; ++i) {
        const std::string_view line = lines[i];
        if (line == header) {
            if (start)
                throw VekError("Table " + TableName(name) + " appears more than once");
            start = static_cast<std::int64_t>(i) + 1;
        } else if (start && !end && IsBlankLine(line)) {
            end = static_cast<std::int64_t>(i) - 1;
        }
    }
    if (!start)
        throw VekError("Table " + TableName(name) + " not found");
    if (!end)
        throw VekError("Table " + TableName(name) + " is not closed by a blank line");
    return {*start, *end};
}

std::vector<std::string> ConvertV14File(V14Converter& converter)
{
    const TextLines& source = converter.SourceLines;
    converter.ConvJoints.Reset(0);
    converter.ConvSolids.Reset(0);

    TextLines& out = converter.OutputLines;
    const V14TableRows joints = LocateV14Table(source, v14::JointTable);
    converter.ConvJoints.Reset(TableSize(joints));
    out.push_back("SYSTEM");
    out.push_back("  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=mm  FORCE=N");
    out.push_back("");
    out.push_back("JOINT");
    ConvertJointRows(converter, joints);
    out.push_back("");

    const V14TableRows restraints = LocateV14Table(source, v14::RestraintTable);
    out.push_back("RESTRAINT");
    ReadRestraintRows(converter, restraints);
    WriteRestraintLines(converter);
    out.push_back("");

    const V14TableRows forces = LocateV14Table(source, v14::ForceTable);
    out.push_back("LOAD");
    out.push_back("  NAME=PUSH");
    out.push_back("    TYPE=FORCE");
    ReadForceRows(converter, forces);
    WriteForceLines(converter);
    out.push_back("");

    const V14TableRows solids = LocateV14Table(source, v14::SolidTable);
    converter.ConvSolids.Reset(TableSize(solids));
    out.push_back("SOLID");
    ConvertSolidRows(converter, solids);

    out.push_back("");
    out.push_back("");
    out.push_back("END");
    return {"VEK import Sap2000 V14 S2k file", Format("NJOINT = %D", {converter.ConvJoints.Count}),
            Format("NSOLID = %D", {converter.ConvSolids.Count}), "Finish!!"};
}

} // namespace vek
