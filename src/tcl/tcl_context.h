#pragma once

#include "model/model.h"
#include "tcl/prepared_sections.h"
#include "tcl/settings.h"
#include "tcl/solid_joints.h"
#include "util/format.h"
#include "util/text_lines.h"

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vek {

// What every block writer of the script works with: the model, the settings, the script's
// lines and the warnings for the engineer.
struct TclContext
{
    const Model& model;
    const Settings& settings;
    TextLines& TclLines;
    std::vector<std::string>& Warnings;

    // Set by the blocks that write "rigidDiaphragm" or "equalDOF" lines: multi-point
    // constraints, which need the Transformation constraint handler.
    bool HasMultiPointConstraints = false;

    // The solid and shared joints of the model, classified by the driver before any block.
    SolidJoints JointClasses{};

    // The properties and fibres of the frame sections, prepared by the driver before any
    // block.
    PreparedSections Sections{};

    // The tags of the nD materials written so far.
    std::set<std::int32_t> NdMaterialTags{};

    void Line(std::string_view line) { TclLines.push_back(line); }

    void Line(std::string_view templ, std::initializer_list<FormatArg> args)
    {
        TclLines.AddFormatted(templ, args);
    }

    void Warn(std::string text) { Warnings.push_back(std::move(text)); }
};

} // namespace vek
