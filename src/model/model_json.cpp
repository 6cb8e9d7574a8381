#include "model/model_json.h"

#include <nlohmann/json.hpp>

#include <string_view>

namespace vek {

namespace {

using Json = nlohmann::ordered_json;

// A code as the number the model stores.
template <class T> Json ValueOf(const T& value)
{
    if constexpr (std::is_enum_v<T>)
        return CodeNumber(value);
    else
        return value;
}

// The fields of one record, in the order given.
class RecordJson
{
public:
    template <class T> RecordJson& Member(std::string_view key, const T& value)
    {
        json_[std::string(key)] = ValueOf(value);
        return *this;
    }

    Json Take() { return std::move(json_); }

private:
    Json json_ = Json::object();
};

template <class Record, class WriteFields>
void AddTable(Json& json, std::string_view name, const Table<Record>& table,
              WriteFields writeFields)
{
    Json records = Json::array();
    for (const Record& record : table) {
        RecordJson fields;
        writeFields(fields, record);
        records.push_back(fields.Take());
    }
    json[std::string(name)] = std::move(records);
}

void AddCounts(Json& json, const Model& model)
{
    json["JointCount"] = model.JointCount();
    json["FrameCount"] = model.FrameCount();
    json["ShellCount"] = model.ShellCount();
    json["ShellElemCount"] = model.ShellElemCount;
    json["SolidCount"] = model.SolidCount();
    json["MaterialCount"] = model.MaterialCount();
    json["FrameSectionCount"] = model.FrameSectionCount();
    json["ShellSectionCount"] = model.ShellSectionCount();
    json["LoadCount"] = model.LoadCount();
    json["ConstraintCount"] = model.ConstraintCount();
    json["LoadCaseCount"] = model.LoadCaseCount;
    Json names = Json::array();
    for (std::int32_t c = 1; c <= model.LoadCaseCount; ++c)
        names.push_back(std::string(model.LoadCaseName(c)));
    json["LoadCaseNames"] = std::move(names);
    json["LengthUnit"] = model.LengthUnit;
    json["ForceUnit"] = model.ForceUnit;
}

void AddElementTables(Json& json, const Model& model)
{
    AddTable(json, "Joints", model.Joints, [](RecordJson& r, const TJoint& j) {
        r.Member("X", j.X).Member("Y", j.Y).Member("Z", j.Z);
        Json restraint = Json::array();
        for (std::size_t k = 1; k <= 6; ++k)
            restraint.push_back(j.Restraint[k]);
        r.Member("Restraint", restraint);
        r.Member("MassU1", j.MassU1).Member("MassU2", j.MassU2).Member("MassU3", j.MassU3);
        r.Member("MassR1", j.MassR1).Member("MassR2", j.MassR2).Member("MassR3", j.MassR3);
        r.Member("LinkedJoint", j.LinkedJoint);
    });
    AddTable(json, "Frames", model.Frames, [](RecordJson& r, const TFrameElem& f) {
        r.Member("SectionName", f.SectionName).Member("Section", f.Section);
        r.Member("NodeI", f.NodeI).Member("NodeJ", f.NodeJ).Member("Angle", f.Angle);
        r.Member("VecXZ1", f.VecXZ1).Member("VecXZ2", f.VecXZ2).Member("VecXZ3", f.VecXZ3);
        r.Member("IntegrationPoints", f.IntegrationPoints).Member("Release", f.Release);
    });
    AddTable(json, "Shells", model.Shells, [](RecordJson& r, const TShellElem& s) {
        r.Member("SectionName", s.SectionName).Member("Section", s.Section);
        r.Member("Node1", s.Node1).Member("Node2", s.Node2);
        r.Member("Node3", s.Node3).Member("Node4", s.Node4);
    });
    AddTable(json, "Solids", model.Solids, [](RecordJson& r, const TSolidElem& s) {
        r.Member("SectionTag", s.SectionTag);
        const std::int32_t nodes[] = {s.Node1, s.Node2, s.Node3, s.Node4,
                                      s.Node5, s.Node6, s.Node7, s.Node8};
        for (std::size_t k = 0; k < 8; ++k)
            r.Member("Node" + std::to_string(k + 1), nodes[k]);
    });
}

void AddSectionTables(Json& json, const Model& model)
{
    AddTable(json, "FrameSections", model.FrameSections, [](RecordJson& r, const TFrameSection& s) {
        r.Member("Shape", s.Shape).Member("ElemType", s.ElemType);
        r.Member("T1", s.T1).Member("T2", s.T2).Member("T3", s.T3);
        r.Member("T4", s.T4).Member("T5", s.T5).Member("T6", s.T6);
        r.Member("Material", s.Material).Member("Name", s.Name);
        r.Member("Color", s.Color);
        r.Member("DivideFX", s.DivideFX).Member("DivideFY", s.DivideFY);
        r.Member("BarNumNX", s.BarNumNX).Member("BarNumNY", s.BarNumNY);
        r.Member("Cover", s.Cover);
        r.Member("XBarTop", s.XBarTop).Member("YBarBot", s.YBarBot);
        r.Member("SectionKind", s.SectionKind).Member("GeomTransf", s.GeomTransf);
        r.Member("HingeLengthI", s.HingeLengthI);
        r.Member("HingeLengthJ", s.HingeLengthJ);
    });
    AddTable(json, "ShellSections", model.ShellSections, [](RecordJson& r, const TShellSection& s) {
        r.Member("Thickness", s.Thickness).Member("Kind", s.Kind);
        r.Member("Material", s.Material).Member("Name", s.Name);
        r.Member("Color", s.Color).Member("ShellElemType", s.ShellElemType);
    });
    AddTable(json, "Materials", model.Materials, [](RecordJson& r, const TMaterial& m) {
        r.Member("Name", m.Name).Member("MatType", m.MatType);
        r.Member("E", m.E).Member("Poisson", m.Poisson).Member("G", m.G);
        r.Member("Fy", m.Fy).Member("E0", m.E0).Member("B", m.B);
        r.Member("R0", m.R0).Member("CR1", m.CR1).Member("CR2", m.CR2);
        r.Member("Fpc", m.Fpc).Member("Epsc0", m.Epsc0).Member("Fpcu", m.Fpcu);
        r.Member("EpsU", m.EpsU).Member("Lambda", m.Lambda).Member("Ft", m.Ft);
        r.Member("Ets", m.Ets);
    });
}

void AddLoadTables(Json& json, const Model& model)
{
    AddTable(json, "Loads", model.Loads, [](RecordJson& r, const TLoad& l) {
        r.Member("Target", l.Target).Member("LoadType", l.LoadType);
        r.Member("CaseName", l.CaseName).Member("Direction", l.Direction);
        r.Member("UX", l.UX).Member("UY", l.UY).Member("UZ", l.UZ);
        r.Member("RX", l.RX).Member("RY", l.RY).Member("RZ", l.RZ);
    });
    AddTable(json, "Constraints", model.Constraints, [](RecordJson& r, const TConstraint& c) {
        r.Member("SlaveCount", c.SlaveCount);
        Json joints = Json::array();
        for (std::size_t k = 1; k < c.JointList.size(); ++k)
            joints.push_back(c.JointList[k]);
        r.Member("JointList", joints).Member("Master", c.Master);
    });
}

} // namespace

std::string ModelToJson(const Model& model)
{
    Json json = Json::object();
    AddCounts(json, model);
    AddElementTables(json, model);
    AddSectionTables(json, model);
    AddLoadTables(json, model);
    // ASCII only; a name that is not valid UTF-8 (an s2k file in a local code page) has each
    // bad byte replaced by U+FFFD instead of stopping the dump.
    return json.dump(-1, ' ', true, Json::error_handler_t::replace) + '\n';
}

} // namespace vek
