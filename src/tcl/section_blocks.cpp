#include "tcl/tcl_blocks.h"

#include "model/element_kinds.h"
#include "sections/material_parameters.h"
#include "util/error.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

namespace vek {

namespace {

// "uniaxialMaterial Type m p1 p2 ...", the parameters of the material's type in order; empty
// for a material without a type.
std::string UniaxialMaterialLine(const TMaterial& material, std::int64_t m)
{
    const MaterialTypeInfo* info = InfoOfMaterialType(material.MatType);
    if (info == nullptr)
        return {};
    std::string line = Format("uniaxialMaterial %s %d", {info->Name, m});
    for (const MaterialParameter& p : info->Parameters)
        AppendFormat(line, " %0.4E", {material.*p.Member});
    return line;
}

} // namespace

void WriteMaterials(TclContext& ctx)
{
    const Model& model = ctx.model;

    ctx.Line("puts \"material\"");
    for (std::int64_t m = 1; m <= model.MaterialCount(); ++m) {
        const std::string line = UniaxialMaterialLine(model.Materials[m], m);
        if (!line.empty())
            ctx.Line(line);
    }
    if (!ctx.settings.UseSectionAggregator)
        return;
    // The shear and torsion springs the aggregator adds to each section.
    for (std::int64_t s = 1; s <= model.FrameSectionCount(); ++s) {
        const SectionProperties& p = ctx.Sections[s].Properties;
        ctx.Line("uniaxialMaterial Elastic %d %0.4e", {200 + s, p.G * p.Asy});
        ctx.Line("uniaxialMaterial Elastic %d %0.4e", {300 + s, p.G * p.Asz});
        ctx.Line("uniaxialMaterial Elastic %d %0.4e", {400 + s, p.G * p.J});
    }
}

void WriteFiberSections(TclContext& ctx)
{
    const Model& model = ctx.model;

    for (std::int64_t s = 1; s <= model.FrameSectionCount(); ++s) {
        const TFrameSection& section = model.FrameSections[s];
        if (!InfoOf(section.ElemType).UsesFibers)
            continue;
        ctx.Line("##%S ", {section.Name});
        const PreparedSection& prepared = ctx.Sections[s];
        ctx.Line("section Fiber %D -GJ %0.4E {",
                 {s, prepared.Properties.G * prepared.Properties.J});
        const std::vector<TFiber>& fibers = prepared.Fibers.Fibers;
        for (std::size_t k = 1; k < fibers.size(); ++k) {
            const TFiber& fiber = fibers[k];
            ctx.Line("fiber %0.4E %0.4E %0.4E %D", {fiber.Y, fiber.Z, fiber.Area, fiber.MatTag});
        }
        ctx.Line("}");
    }
    if (!ctx.settings.UseSectionAggregator)
        return;
    // Shear springs on the beam-column sections; torsion is already in the fibre section.
    for (std::int64_t s = 1; s <= model.FrameSectionCount(); ++s) {
        const ElementKindInfo& kind = InfoOf(model.FrameSections[s].ElemType);
        if (!kind.UsesFibers || kind.IsTruss)
            continue;
        ctx.Line("section Aggregator %D %D Vy %D Vz -section %D", {1000 + s, 200 + s, 300 + s, s});
    }
}

void WritePlateFiberSections(TclContext& ctx)
{
    const Model& model = ctx.model;

    ctx.Line("");
    if (ctx.settings.GenPlateFiber) {
        // One nD material per elastic material that a shell section uses.
        const std::int32_t materialCount = std::max(model.MaterialCount(), 0);
        std::vector<bool> used(static_cast<std::size_t>(materialCount) + 1, false);
        for (std::int64_t k = 1; k <= model.ShellSectionCount(); ++k) {
            const TShellSection& section = model.ShellSections[k];
            if (section.Kind == ShellSectionKind::Shell &&
                model.Materials.Contains(section.Material))
                used[static_cast<std::size_t>(section.Material)] = true;
        }
        for (std::int64_t m = 1; m <= materialCount; ++m) {
            const TMaterial& material = model.Materials[m];
            if (used[static_cast<std::size_t>(m)] && material.MatType == MaterialType::Elastic) {
                ctx.Line("nDMaterial ElasticIsotropic %d %0.4E %0.4E",
                         {m, material.E, material.Poisson});
                ctx.NdMaterialTags.insert(m);
            }
        }
        for (std::int64_t k = 1; k <= model.ShellSectionCount(); ++k) {
            const TShellSection& section = model.ShellSections[k];
            if (section.Kind != ShellSectionKind::Shell)
                continue;
            ctx.Line("##%S ", {section.Name});
            ctx.Line("nDMaterial PlateFiber %d %D", {600 + k, section.Material});
            ctx.NdMaterialTags.insert(static_cast<std::int32_t>(600 + k));
            ctx.Line("section PlateFiber %d %d %0.2f", {700 + k, 600 + k, section.Thickness});
        }
        return;
    }
    for (std::int64_t k = 1; k <= model.ShellSectionCount(); ++k) {
        const TShellSection& section = model.ShellSections[k];
        if (section.Kind != ShellSectionKind::Shell)
            continue;
        const TMaterial& material = model.Materials[section.Material];
        ctx.Line("##%S ", {section.Name});
        ctx.Line("section ElasticMembranePlateSection %d %0.4E %0.4E %0.2f 0",
                 {700 + k, material.E, material.Poisson, section.Thickness});
    }
}

} // namespace vek
