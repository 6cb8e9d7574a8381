#include "sections/shell_section_form.h"

#include "sections/section_fields.h"
#include "util/format.h"

namespace vek {

std::vector<std::string> ShellSectionNames(const Model& model)
{
    std::vector<std::string> names;
    for (const TShellSection& section : model.ShellSections)
        names.push_back(section.Name);
    return names;
}

ShellSectionForm ShellSectionFormOf(const Model& model, std::int64_t index)
{
    const TShellSection& s = model.ShellSections[index];
    ShellSectionForm form;
    form.Name = s.Name;
    form.Thickness = FormatFixed(s.Thickness, 0);
    form.Material = model.Materials[s.Material].Name;
    const std::int32_t code = CodeNumber(s.ShellElemType);
    form.ElemType =
        code >= 0 && code < static_cast<std::int32_t>(ShellElemTypeItems.size()) ? code : -1;
    return form;
}

bool ModifyShellSection(Model& model, std::int64_t index, std::int32_t item)
{
    if (!model.ShellSections.Contains(index) || item < 0)
        return false;
    SetShellSectionField(model.ShellSections.Edit(index), "ShellElemType", std::to_string(item));
    return true;
}

} // namespace vek
