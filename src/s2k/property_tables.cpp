#include "s2k/s2k_reader.h"
#include "s2k/table_readers.h"
#include "util/checked_math.h"
#include "util/number_parse.h"

#include <string>

namespace vek {

using namespace s2k;

void ReadMaterials(Model& model)
{
    ReadMaterials(model, FindTableBounds(model.FileLines, "MATERIAL"));
}

void ReadMaterials(Model& model, const TableBounds& bounds)
{
    // Every material takes two lines: a head line and a property line.
    ResizeTable(model.Materials, LineCountedSize(bounds) / 2);
    std::int32_t m = 0;
    ForEachDataLine(bounds, [&](std::int64_t n) {
        const TLineFields& head = SplitFileLine(model, n);
        if (head[0] == "NAME") {
            ++m;
            if (model.Materials.Contains(m)) {
                TMaterial& material = model.Materials.Edit(m);
                material.Name = std::string(head[1]);
                material.MatType = MaterialType::Elastic;
            }
        }
        // The line after this one; for the last data line, the blank line ending the table.
        const TLineFields& props = SplitFileLine(model, n + 1);
        const bool hasE = props[3] == "E";
        const bool hasU = props[5] == "U";
        const double e = hasE ? StrToFloat(props[4]) : 0;
        const double u = hasU ? StrToFloat(props[6]) : 0;
        if (!model.Materials.Contains(m))
            return;
        TMaterial& material = model.Materials.Edit(m);
        if (hasE)
            material.E = e;
        if (hasU)
            material.Poisson = u;
        material.G = CheckedDivide(material.E / 2, material.Poisson + 1);
    });
}

namespace {

ElementKind ElemTypeOfName(std::string_view name)
{
    if (name.empty())
        return ElementKind::ElasticBeamColumn;
    switch (name.front()) {
    case 'E':
        return ElementKind::ElasticBeamColumn;
    case 'N':
        return ElementKind::NonlinearBeamColumn;
    case 'D':
        return ElementKind::DispBeamColumn;
    case 'H':
        return ElementKind::BeamWithHinge;
    case 'T':
        return ElementKind::Truss;
    case 'C':
        return ElementKind::CorotTruss;
    case 'R':
        return ElementKind::ReleaseLink;
    default:
        return ElementKind::ElasticBeamColumn;
    }
}

void SetNonlinearDefaults(TFrameSection& section)
{
    section.DivideFX = 5;
    section.DivideFY = 5;
    section.BarNumNX = 5;
    section.BarNumNY = 5;
    section.Cover = 35.0;
    section.XBarTop = 1000.0;
    section.YBarBot = 1000.0;
    section.SectionKind = FrameSectionKind::Column;
    section.GeomTransf = Transformation::Linear;
}

// Reads the dimensions of the section's shape from fields 7 onwards; other shapes keep 0.
void ReadShape(TFrameSection& section, const TLineFields& f)
{
    int dimensions = 0;
    const std::string_view shape = f[5];
    if (shape == "R") {
        section.Shape = SectionShape::Rectangle;
        dimensions = 2;
    } else if (shape == "I") {
        section.Shape = SectionShape::I;
        dimensions = 6;
    } else if (shape == "B") {
        section.Shape = SectionShape::Box;
        dimensions = 4;
    } else if (shape == "P") {
        section.Shape = SectionShape::Pipe;
        dimensions = 2;
    } else {
        return;
    }
    double* t[] = {&section.T1, &section.T2, &section.T3, &section.T4, &section.T5, &section.T6};
    for (int k = 0; k < dimensions; ++k)
        *t[k] = StrToFloat(f[7 + static_cast<std::size_t>(k)]);
    if (section.Shape == SectionShape::Pipe)
        section.DivideFX = 20;
    section.HingeLengthI = section.T1;
    section.HingeLengthJ = section.T1;
}

} // namespace

void ReadFrameSections(Model& model)
{
    ReadFrameSections(model, FindTableBounds(model.FileLines, "FRAME SECTION"));
}

void ReadFrameSections(Model& model, const TableBounds& bounds)
{
    ResizeTable(model.FrameSections, LineCountedSize(bounds));
    const NameIndex materials(model.Materials);
    std::int32_t i = 0;
    ForEachDataLine(bounds, [&](std::int64_t n) {
        const TLineFields& f = SplitFileLine(model, n);
        TFrameSection& section = model.FrameSections.Edit(++i);
        section.Name = std::string(f[1]);
        section.Color = SectionColor(model.Palette, i);
        section.ElemType = ElemTypeOfName(section.Name);
        SetNonlinearDefaults(section);
        section.Material = materials.Find(f[3]);
        ReadShape(section, f);
    });
}

void ReadShellSections(Model& model)
{
    ReadShellSections(model, FindTableBounds(model.FileLines, "SHELL SECTION"));
}

void ReadShellSections(Model& model, const TableBounds& bounds, ImportReport* report)
{
    ResizeTable(model.ShellSections, LineCountedSize(bounds));
    const NameIndex materials(model.Materials);
    std::int32_t k = 0;
    ForEachDataLine(bounds, [&](std::int64_t n) {
        const TLineFields& f = SplitFileLine(model, n);
        if (f[6] != "Shell") {
            SkipLine(report, n, [&] {
                const std::string name = f[1].empty() ? "line" : ShownName(f[1]);
                return "SHELL SECTION " + name + " is not read as a TYPE=Shell section";
            });
            return;
        }
        TShellSection& section = model.ShellSections.Edit(++k);
        section.Name = std::string(f[1]);
        section.Material = materials.Find(f[3]);
        section.Color = SectionColor(model.Palette, k);
        section.Kind = ShellSectionKind::Shell;
        section.Thickness = StrToFloat(f[9]);
        section.ShellElemType = ShellElement::MITC4;
    });
}

} // namespace vek
