#pragma once

#include "model/model.h"
#include "project/project_file.h"

#include <string>
#include <vector>

namespace vek {

// The sections as the import left them, to tell the engineer's edits from the file's values.
struct EditBaseline
{
    Table<TFrameSection> FrameSections;
    Table<TShellSection> ShellSections;
};

EditBaseline BaselineOf(const Model& model);

// Every editable field whose value differs from the baseline's section of the same name.
ProjectEdits EditsSince(const EditBaseline& baseline, const Model& model);

// Applies the edits to the sections of their names. A section name the model lacks is left
// out and described in the returned warnings ("frame section \"B300\" is not in the s2k file:
// its edits are left out"). A field that does not apply raises VekError naming the section and
// the field; the model may then be partly edited, so callers apply the edits to a copy.
std::vector<std::string> ApplyEdits(Model& model, const ProjectEdits& edits);

} // namespace vek
