#include "model/model_json.h"

#include "util/format.h"

#include "util/format.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace vek {

namespace {

// Writes one JSON object member by member, keeping track of the separating commas.
class JsonWriter
{
public:
    explicit JsonWriter(std::string& out) : out_(out) {}

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }

    void Key(std::string_view key)
    {
        Separate();
        String(key);
        out_ += ':';
        afterKey_ = true;
    }

    void Int(std::int64_t value)
    {
        Separate();
        char buf[24];
        const auto result = std::to_chars(buf, buf + sizeof buf, value);
        out_.append(buf, result.ptr);
    }

    void Real(double value)
    {
        Separate();
        if (!std::isfinite(value)) {
            out_ += "null";
            return;
        }
        out_ += FormatShortest(value);
    }

    void Text(std::string_view text)
    {
        Separate();
        String(text);
    }

    template <class T> void Member(std::string_view key, const T& value)
    {
        Key(key);
        if constexpr (std::is_floating_point_v<T>)
            Real(value);
        else if constexpr (std::is_integral_v<T>)
            Int(value);
        else if constexpr (std::is_enum_v<T>)
            Int(CodeNumber(value));
        else
            Text(value);
    }

private:
    void Open(char bracket)
    {
        Separate();
        out_ += bracket;
        first_ = true;
    }

    void Close(char bracket)
    {
        out_ += bracket;
        first_ = false;
    }

    void Separate()
    {
        if (afterKey_) {
            afterKey_ = false;
            return;
        }
        if (!first_)
            out_ += ',';
        first_ = false;
    }

    void String(std::string_view text)
    {
        out_ += '"';
        for (char ch : text) {
            const auto c = static_cast<unsigned char>(ch);
            if (c == '"' || c == '\\') {
                out_ += '\\';
                out_ += ch;
            } else if (c < 0x20 || c >= 0x7f) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out_ += buf;
            } else {
                out_ += ch;
            }
        }
        out_ += '"';
    }

    std::string& out_;
    bool first_ = true;
    bool afterKey_ = false;
};

template <class Record, class WriteFields>
void WriteTable(JsonWriter& json, std::string_view name, const Table<Record>& table,
                WriteFields writeFields)
{
    json.Key(name);
    json.BeginArray();
    for (const Record& record : table) {
        json.BeginObject();
        writeFields(record);
        json.EndObject();
    }
    json.EndArray();
}

} // namespace

std::string ModelToJson(const Model& model)
{
    std::string out;
    JsonWriter json(out);
    json.BeginObject();
    json.Member("JointCount", model.JointCount());
    json.Member("FrameCount", model.FrameCount());
    json.Member("ShellCount", model.ShellCount());
    json.Member("ShellElemCount", model.ShellElemCount);
    json.Member("SolidCount", model.SolidCount());
    json.Member("MaterialCount", model.MaterialCount());
    json.Member("FrameSectionCount", model.FrameSectionCount());
    json.Member("ShellSectionCount", model.ShellSectionCount());
    json.Member("LoadCount", model.LoadCount());
    json.Member("ConstraintCount", model.ConstraintCount());
    json.Member("LoadCaseCount", model.LoadCaseCount);

    json.Key("LoadCaseNames");
    json.BeginArray();
    for (std::int32_t c = 1; c <= model.LoadCaseCount; ++c)
        json.Text(model.LoadCaseName(c));
    json.EndArray();

    WriteTable(json, "Joints", model.Joints, [&](const TJoint& j) {
        json.Member("X", j.X);
        json.Member("Y", j.Y);
        json.Member("Z", j.Z);
        json.Key("Restraint");
        json.BeginArray();
        for (std::size_t k = 1; k <= 6; ++k)
            json.Int(j.Restraint[k]);
        json.EndArray();
        json.Member("MassU1", j.MassU1);
        json.Member("MassU2", j.MassU2);
        json.Member("MassU3", j.MassU3);
        json.Member("MassR1", j.MassR1);
        json.Member("MassR2", j.MassR2);
        json.Member("MassR3", j.MassR3);
        json.Member("LinkedJoint", j.LinkedJoint);
    });
    WriteTable(json, "Frames", model.Frames, [&](const TFrameElem& f) {
        json.Member("SectionName", f.SectionName);
        json.Member("Section", f.Section);
        json.Member("NodeI", f.NodeI);
        json.Member("NodeJ", f.NodeJ);
        json.Member("Angle", f.Angle);
        json.Member("VecXZ1", f.VecXZ1);
        json.Member("VecXZ2", f.VecXZ2);
        json.Member("VecXZ3", f.VecXZ3);
        json.Member("IntegrationPoints", f.IntegrationPoints);
        json.Member("Release", f.Release);
    });
    WriteTable(json, "Shells", model.Shells, [&](const TShellElem& s) {
        json.Member("SectionName", s.SectionName);
        json.Member("Section", s.Section);
        json.Member("Node1", s.Node1);
        json.Member("Node2", s.Node2);
        json.Member("Node3", s.Node3);
        json.Member("Node4", s.Node4);
    });
    WriteTable(json, "Solids", model.Solids, [&](const TSolidElem& s) {
        json.Member("SectionTag", s.SectionTag);
        const std::int32_t nodes[] = {s.Node1, s.Node2, s.Node3, s.Node4,
                                      s.Node5, s.Node6, s.Node7, s.Node8};
        for (std::size_t k = 0; k < 8; ++k)
            json.Member("Node" + std::to_string(k + 1), nodes[k]);
    });
    WriteTable(json, "FrameSections", model.FrameSections, [&](const TFrameSection& s) {
        json.Member("Shape", s.Shape);
        json.Member("ElemType", s.ElemType);
        json.Member("T1", s.T1);
        json.Member("T2", s.T2);
        json.Member("T3", s.T3);
        json.Member("T4", s.T4);
        json.Member("T5", s.T5);
        json.Member("T6", s.T6);
        json.Member("Material", s.Material);
        json.Member("Name", s.Name);
        json.Member("Color", s.Color);
        json.Member("DivideFX", s.DivideFX);
        json.Member("DivideFY", s.DivideFY);
        json.Member("BarNumNX", s.BarNumNX);
        json.Member("BarNumNY", s.BarNumNY);
        json.Member("Cover", s.Cover);
        json.Member("XBarTop", s.XBarTop);
        json.Member("YBarBot", s.YBarBot);
        json.Member("SectionKind", s.SectionKind);
        json.Member("GeomTransf", s.GeomTransf);
        json.Member("HingeLengthI", s.HingeLengthI);
        json.Member("HingeLengthJ", s.HingeLengthJ);
    });
    WriteTable(json, "ShellSections", model.ShellSections, [&](const TShellSection& s) {
        json.Member("Thickness", s.Thickness);
        json.Member("Kind", s.Kind);
        json.Member("Material", s.Material);
        json.Member("Name", s.Name);
        json.Member("Color", s.Color);
        json.Member("ShellElemType", s.ShellElemType);
    });
    WriteTable(json, "Materials", model.Materials, [&](const TMaterial& m) {
        json.Member("Name", m.Name);
        json.Member("MatType", m.MatType);
        json.Member("E", m.E);
        json.Member("Poisson", m.Poisson);
        json.Member("G", m.G);
    });
    WriteTable(json, "Loads", model.Loads, [&](const TLoad& l) {
        json.Member("Target", l.Target);
        json.Member("LoadType", l.LoadType);
        json.Member("CaseName", l.CaseName);
        json.Member("Direction", l.Direction);
        json.Member("UX", l.UX);
        json.Member("UY", l.UY);
        json.Member("UZ", l.UZ);
        json.Member("RX", l.RX);
        json.Member("RY", l.RY);
        json.Member("RZ", l.RZ);
    });
    WriteTable(json, "Constraints", model.Constraints, [&](const TConstraint& c) {
        json.Member("SlaveCount", c.SlaveCount);
        json.Key("JointList");
        json.BeginArray();
        for (std::size_t k = 1; k < c.JointList.size(); ++k)
            json.Int(c.JointList[k]);
        json.EndArray();
        json.Member("Master", c.Master);
    });
    json.EndObject();
    out += '\n';
    return out;
}

} // namespace vek
