#include "tcl/tcl_blocks.h"

#include "model/element_kinds.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace vek {

namespace {

// The OpenSees transformation of a section's GeomTransf; anything but P-Delta and
// corotational is linear.
const char* TransformationName(Transformation geomTransf)
{
    switch (geomTransf) {
    case Transformation::PDelta:
        return "PDelta";
    case Transformation::Corotational:
        return "Corotational";
    default:
        return "Linear";
    }
}

} // namespace

// The part of an element line that depends on the section alone, written once per section:
// a building has many frames of few sections, and each part holds six reals.
class SectionText
{
public:
    explicit SectionText(const TclContext& ctx)
        : texts_(static_cast<std::size_t>(std::max(ctx.model.FrameSectionCount(), 0)) + 1)
    {
        const Model& model = ctx.model;
        for (std::int64_t s = 1; s <= model.FrameSectionCount(); ++s) {
            const TFrameSection& section = model.FrameSections[s];
            const TMaterial& material = model.Materials[section.Material];
            const SectionProperties& p = ctx.Sections[s].Properties;
            const std::int64_t tag = ctx.settings.UseSectionAggregator ? 1000 + s : s;
            std::string& text = texts_[static_cast<std::size_t>(s)];
            if (section.ElemType == ElementKind::ElasticBeamColumn)
                text = Format("%0.4E %0.4E %0.4E %0.4E %0.4E %0.4E",
                              {p.A, material.E, material.G, p.J, p.Iy, p.Iz});
            else if (section.ElemType == ElementKind::BeamWithHinge)
                text = Format("%d %0.0f %d %0.0f %0.4E %0.4E %0.4E %0.4E %0.4E %0.4E",
                              {tag, section.HingeLengthI, tag, section.HingeLengthJ, material.E,
                               p.A, p.Iz, p.Iy, material.G, p.J});
        }
    }

    const std::string& Of(std::int64_t s) const { return texts_[static_cast<std::size_t>(s)]; }

private:
    std::vector<std::string> texts_;
};

void WriteFrameElements(TclContext& ctx)
{
    const Model& model = ctx.model;
    const bool aggregated = ctx.settings.UseSectionAggregator;
    const std::int32_t points = ctx.settings.NumIntegrationPoints;

    ctx.Line("puts \"transformation\"");
    for (std::int64_t i = 1; i <= model.FrameCount(); ++i) {
        const TFrameElem& frame = model.Frames[i];
        if (!model.FrameSections.Contains(frame.Section))
            continue;
        const TFrameSection& section = model.FrameSections[frame.Section];
        if (!InfoOf(section.ElemType).NeedsTransformation)
            continue;
        ctx.Line("geomTransf %s %D %0.3F %0.3F %0.3F ", {TransformationName(section.GeomTransf), i,
                                                         frame.VecXZ1, frame.VecXZ2, frame.VecXZ3});
    }

    ctx.Line("puts \"element\"");
    const SectionText sectionText(ctx);
    std::int64_t firstMissing = 0;
    std::int64_t missingCount = 0;
    for (std::int64_t i = 1; i <= model.FrameCount(); ++i) {
        const TFrameElem& frame = model.Frames[i];
        const std::int64_t s = frame.Section;
        if (!model.FrameSections.Contains(s)) {
            if (missingCount++ == 0)
                firstMissing = i;
            continue;
        }
        const TFrameSection& section = model.FrameSections[s];
        const std::int64_t sectionTag = aggregated ? 1000 + s : s;
        switch (section.ElemType) {
        case ElementKind::ElasticBeamColumn:
            ctx.Line("element elasticBeamColumn %D %D %D %s %D",
                     {i, frame.NodeI, frame.NodeJ, sectionText.Of(s), i});
            break;
        case ElementKind::Truss:
            ctx.Line("element trussSection %d %d %d %d", {i, frame.NodeI, frame.NodeJ, s});
            break;
        case ElementKind::CorotTruss:
            ctx.Line("element corotTrussSection %d %d %d %d", {i, frame.NodeI, frame.NodeJ, s});
            break;
        case ElementKind::NonlinearBeamColumn:
            ctx.Line("element nonlinearBeamColumn %d %d %d %d %d %d",
                     {i, frame.NodeI, frame.NodeJ, points, sectionTag, i});
            break;
        case ElementKind::DispBeamColumn:
            ctx.Line("element dispBeamColumn %d %d %d %d %d %d",
                     {i, frame.NodeI, frame.NodeJ, points, sectionTag, i});
            break;
        case ElementKind::BeamWithHinge:
            ctx.Line("element beamWithHinges %d %d %d %s %D ",
                     {i, frame.NodeI, frame.NodeJ, sectionText.Of(s), i});
            break;
        case ElementKind::ReleaseLink:
            ctx.Line("element zeroLength %d %d %d -mat %D %D %D -dir 4 5 6",
                     {i, frame.NodeI, frame.NodeJ, section.Material, section.Material,
                      section.Material});
            break;
        default:
            break;
        }
    }
    if (missingCount > 0) {
        const std::string leftOut =
            missingCount == 1 ? "1 frame without a section was"
                              : std::to_string(missingCount) + " frames without a section were";
        ctx.Warn("Frame " + std::to_string(firstMissing) + " names the section \"" +
                 model.Frames[firstMissing].SectionName + "\", which is not in the model; " +
                 leftOut + " left out of the script.");
    }
}

void WriteShellElements(TclContext& ctx)
{
    const Model& model = ctx.model;
    // A model without a FRAME table numbers its shells from 1.
    const std::int64_t frameCount = std::max(model.FrameCount(), 0);

    ctx.Line("puts \"shell element\"");
    for (std::int64_t i = 1; i <= model.ShellCount(); ++i) {
        const TShellElem& shell = model.Shells[i];
        const std::int64_t k = shell.Section;
        const TShellSection& section = model.ShellSections[k];
        if (section.Kind != ShellSectionKind::Shell)
            continue;
        const char* templ = nullptr;
        if (section.ShellElemType == ShellElement::MITC4)
            templ = "element ShellMITC4 %D %D %D %D %D %D";
        else if (section.ShellElemType == ShellElement::DKGQ)
            templ = "element ShellDKGQ %D %D %D %D %D %D";
        else
            continue;
        ctx.Line(templ,
                 {frameCount + i, shell.Node1, shell.Node2, shell.Node3, shell.Node4, 700 + k});
    }
}

void WriteSolidElements(TclContext& ctx)
{
    const Model& model = ctx.model;
    const SolidJoints& joints = ctx.JointClasses;

    ctx.Line("puts \"SOLID element\"");
    if (model.SolidCount() < 1)
        return;
    ctx.Line("model basic -ndm 3 -ndf 3");

    // One nD material per tag the solids name, in order of first use, unless a shell section
    // already wrote one of that tag.
    std::set<std::int32_t> seen;
    for (const TSolidElem& solid : model.Solids) {
        const std::int32_t t = solid.SectionTag;
        if (!seen.insert(t).second || ctx.NdMaterialTags.contains(t))
            continue;
        const auto material = ctx.settings.SolidMaterials.find(t);
        if (material == ctx.settings.SolidMaterials.end()) {
            const std::string tag = std::to_string(t);
            ctx.Warn("Solid material " + tag +
                     " has no E and Poisson's ratio: set them with --solid-material " + tag +
                     ":E=...,Poisson=... (or the Solid Material dialog); OpenSees will stop at "
                     "its first brick.");
            continue;
        }
        ctx.Line("nDMaterial ElasticIsotropic %d %0.4E %0.4E",
                 {t, material->second.E, material->second.Poisson});
        ctx.NdMaterialTags.insert(t);
    }

    // Bricks are numbered after the frames and the shells; a shared joint gives its twin.
    const std::int64_t first = std::max<std::int64_t>(model.FrameCount(), 0) +
                               std::max<std::int64_t>(model.ShellCount(), 0);
    for (std::int64_t i = 1; i <= model.SolidCount(); ++i) {
        const TSolidElem& solid = model.Solids[i];
        auto node = [&](std::int32_t joint) { return joints.SolidNode(joint); };
        ctx.Line("element stdBrick %D %D %D %D %D %D %D %D %D %D",
                 {first + i, node(solid.Node1), node(solid.Node2), node(solid.Node3),
                  node(solid.Node4), node(solid.Node5), node(solid.Node6), node(solid.Node7),
                  node(solid.Node8), solid.SectionTag});
    }
    ctx.Line("model basic -ndm 3 -ndf 6");
}

} // namespace vek
