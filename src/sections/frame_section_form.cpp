#include "sections/frame_section_form.h"

#include "sections/section_fields.h"
#include "util/format.h"

#include <string_view>

namespace vek {
namespace {

// The list position of a code numbered from 1, or -1 when the list has no item for it.
std::int32_t ItemOf(std::int64_t code, std::size_t items)
{
    return code >= 1 && code <= static_cast<std::int64_t>(items)
               ? static_cast<std::int32_t>(code - 1)
               : -1;
}

// Sets a choice field from a list position; no item chosen leaves the field as it is.
void SetChoice(TFrameSection& section, std::string_view field, std::int32_t item, std::size_t items)
{
    if (item >= 0 && static_cast<std::size_t>(item) < items)
        SetFrameSectionField(section, field, std::to_string(item + 1));
}

// Sets a number field from its text. A text that is still the one the form showed leaves the
// field as it is: the range check is for the values entered, and an untouched value must not
// stop the OK (a model in metres keeps the cover of 35 that the import gives every section).
void SetNumber(TFrameSection& section, std::string_view field, const std::string& text,
               const std::string& shown)
{
    if (text != shown)
        SetFrameSectionField(section, field, text);
}

} // namespace

std::vector<std::string> FrameSectionNames(const Model& model)
{
    std::vector<std::string> names;
    for (const TFrameSection& section : model.FrameSections)
        names.push_back(section.Name);
    return names;
}

FrameSectionForm FrameSectionFormOf(const Model& model, std::int64_t index)
{
    const TFrameSection& s = model.FrameSections[index];
    FrameSectionForm form;
    form.FrameType = ItemOf(CodeNumber(s.ElemType), FrameTypeItems.size());
    form.SectionName =
        model.FrameSections.Contains(index) ? static_cast<std::int32_t>(index - 1) : -1;
    form.Shape = ItemOf(CodeNumber(s.Shape), SectionShapeItems.size());
    form.Material = model.Materials.Contains(s.Material) ? s.Material - 1 : -1;
    form.Dimensions = {FormatGeneral(s.T1), FormatGeneral(s.T2), FormatGeneral(s.T3),
                       FormatGeneral(s.T4), FormatGeneral(s.T5), FormatGeneral(s.T6)};
    form.GeomTransf = ItemOf(CodeNumber(s.GeomTransf), GeomTransfItems.size());
    form.XBarTop = FormatGeneral(s.XBarTop);
    form.YBarBot = FormatGeneral(s.YBarBot);
    form.SectionKind = ItemOf(CodeNumber(s.SectionKind), SectionKindItems.size());
    form.DivideFX = FormatInt(s.DivideFX);
    form.DivideFY = FormatInt(s.DivideFY);
    form.BarNumNX = FormatInt(s.BarNumNX);
    form.BarNumNY = FormatInt(s.BarNumNY);
    form.Cover = FormatGeneral(s.Cover);
    form.HingeLengthI = FormatGeneral(s.HingeLengthI);
    form.HingeLengthJ = FormatGeneral(s.HingeLengthJ);
    form.Color = s.Color;
    return form;
}

bool ApplyFrameSectionForm(Model& model, std::int64_t index, const FrameSectionForm& form)
{
    if (!model.FrameSections.Contains(index))
        return false;
    const FrameSectionForm shown = FrameSectionFormOf(model, index);
    TFrameSection& s = model.FrameSections.Edit(index);
    SetChoice(s, "ElemType", form.FrameType, FrameTypeItems.size());
    SetChoice(s, "SectionKind", form.SectionKind, SectionKindItems.size());
    SetNumber(s, "DivideFX", form.DivideFX, shown.DivideFX);
    SetNumber(s, "DivideFY", form.DivideFY, shown.DivideFY);
    SetNumber(s, "BarNumNX", form.BarNumNX, shown.BarNumNX);
    SetNumber(s, "BarNumNY", form.BarNumNY, shown.BarNumNY);
    SetNumber(s, "XBarTop", form.XBarTop, shown.XBarTop);
    SetNumber(s, "YBarBot", form.YBarBot, shown.YBarBot);
    SetNumber(s, "Cover", form.Cover, shown.Cover);
    SetNumber(s, "HingeLengthI", form.HingeLengthI, shown.HingeLengthI);
    SetNumber(s, "HingeLengthJ", form.HingeLengthJ, shown.HingeLengthJ);
    s.Color = form.Color;
    SetChoice(s, "GeomTransf", form.GeomTransf, GeomTransfItems.size());
    return true;
}

} // namespace vek
