#pragma once

#include "model/model.h"
#include "project/project_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace vek {

// The sections as the import left them, to tell the engineer's edits from the file's values.
struct EditBaseline
{
    Table<TFrameSection> FrameSections;
    Table<TShellSection> ShellSections;
    Table<TMaterial> Materials;
};

EditBaseline BaselineOf(const Model& model);

// The fields SetFrameSectionField sets, in the order edits apply them.
std::vector<std::string_view> FrameSectionFieldNames();

// A frame section field's value as text that SetFrameSectionField reads back to the same
// value: a code as its stored number, a count in decimal, a real in its shortest exact form.
// An unknown field raises VekError.
std::string FrameSectionFieldText(const TFrameSection& section, std::string_view field);

// The same for shell sections (ShellElemType).
std::vector<std::string_view> ShellSectionFieldNames();
std::string ShellSectionFieldText(const TShellSection& section, std::string_view field);

// The material fields: Name, Type (the type's number), E, G, Poisson and the nonlinear
// parameters by their OpenSees names (Fy, E0, b, ..., Ets).
std::vector<std::string_view> MaterialFieldNames();
std::string MaterialFieldText(const TMaterial& material, std::string_view field);
// Sets a material field from its text (Name as it is, numbers strictly); an unknown field, a
// bad number or a type outside the table raises VekError.
void SetMaterialField(TMaterial& material, std::string_view field, const std::string& text);

// Every editable field whose value differs from the baseline's section of the same name.
ProjectEdits EditsSince(const EditBaseline& baseline, const Model& model);

// Applies the edits to the sections and materials of their names, then adds the added
// materials; a material whose values do not fit its type raises. A section name the model lacks is
// left out and described in the returned warnings ("frame section \"B300\" is not in the s2k file:
// its edits are left out"). A field that does not apply raises VekError naming the section and
// the field; the model may then be partly edited, so callers apply the edits to a copy.
std::vector<std::string> ApplyEdits(Model& model, const ProjectEdits& edits);

} // namespace vek
