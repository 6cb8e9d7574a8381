#include "s2k/s2k_import.h"

#include "s2k/table_readers.h"
#include "util/format.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

namespace vek {

void ResetModelCounts(Model& model)
{
    model.Joints.Count = 0;
    model.Frames.Count = 0;
    model.ShellElemCount = 0;
    model.Solids.Count = 0;
    model.Materials.Count = 0;
    model.FrameSections.Count = 0;
    model.ShellSections.Count = 0;
}

void LinkRigidPairs(Model& model)
{
    for (const TFrameElem& frame : model.Frames) {
        if (model.FrameSections[frame.Section].ElemType != ElementKind::ReleaseLink)
            continue;
        if (frame.Release == FrameRelease::EndJ && model.Joints.Contains(frame.NodeI))
            model.Joints.Edit(frame.NodeI).LinkedJoint = frame.NodeJ;
        else if (frame.Release == FrameRelease::EndI && model.Joints.Contains(frame.NodeJ))
            model.Joints.Edit(frame.NodeJ).LinkedJoint = frame.NodeI;
    }
}

ModelCountTexts ShowModelCounts(const Model& model)
{
    auto text = [](std::int32_t count) { return std::to_string(std::max(count, 0)); };
    return {text(model.JointCount()),       text(model.FrameCount()),
            text(model.ShellElemCount),     text(model.SolidCount()),
            text(model.MaterialCount()),    text(model.FrameSectionCount()),
            text(model.ShellSectionCount())};
}

std::vector<std::string> ImportReport::Warnings(const std::string& fileName) const
{
    std::vector<std::string> warnings;
    if (NoTableFound)
        warnings.push_back("no SAP2000 version 6 table found in " + fileName);
    if (SkippedCount > 0) {
        std::string text =
            Format("%d %s skipped", {SkippedCount, SkippedCount == 1 ? "line" : "lines"});
        const char* separator = ": ";
        for (const SkippedLine& skipped : Skipped) {
            AppendFormat(text, "%sline %d: %s", {separator, skipped.Line + 1, skipped.What});
            separator = "; ";
        }
        if (SkippedCount > static_cast<std::int64_t>(Skipped.size()))
            text += "; ...";
        warnings.push_back(std::move(text));
    }
    return warnings;
}

void ReadSystemUnits(Model& model)
{
    model.LengthUnit.clear();
    model.ForceUnit.clear();
    const TextLines& lines = model.FileLines;
    std::size_t i = 0;
    while (i < lines.size() && TrimControl(lines[i]) != "SYSTEM")
        ++i;
    for (++i; i < lines.size() && !IsBlankLine(lines[i]); ++i) {
        std::string_view rest = lines[i];
        while (!rest.empty()) {
            const std::size_t start = rest.find_first_not_of(" \t");
            if (start == std::string_view::npos)
                break;
            rest.remove_prefix(start);
            const std::size_t end = std::min(rest.find_first_of(" \t"), rest.size());
            const std::string_view word = TrimControl(rest.substr(0, end));
            rest.remove_prefix(end);
            if (word.starts_with("LENGTH="))
                model.LengthUnit = std::string(word.substr(7));
            else if (word.starts_with("FORCE="))
                model.ForceUnit = std::string(word.substr(6));
        }
    }
}

ModelCountTexts ReadS2kModel(Model& model)
{
    ImportReport report;
    return ReadS2kModel(model, report);
}

ModelCountTexts ReadS2kModel(Model& model, ImportReport& report)
{
    report = ImportReport();
    ResetModelCounts(model);
    const std::initializer_list<std::string_view> keywords = {
        "JOINT",         "CONSTRAINT", "RESTRAINT", "MASS",  "MATERIAL", "FRAME SECTION",
        "SHELL SECTION", "FRAME",      "SHELL",     "SOLID", "LOAD"};
    const TableIndex tables(model.FileLines, keywords);
    report.NoTableFound = std::none_of(keywords.begin(), keywords.end(), [&](std::string_view k) {
        return tables.Bounds(k).header > 0;
    });
    ReadJoints(model, tables.Bounds("JOINT"));
    ReadConstraints(model, tables.Bounds("CONSTRAINT"), &report);
    ReadRestraints(model, tables.Bounds("RESTRAINT"), &report);
    ReadMasses(model, tables.Bounds("MASS"), &report);
    ReadMaterials(model, tables.Bounds("MATERIAL"));
    ReadFrameSections(model, tables.Bounds("FRAME SECTION"));
    ReadShellSections(model, tables.Bounds("SHELL SECTION"), &report);
    ReadFrames(model, tables.Bounds("FRAME"), &report);
    ReadShells(model, tables.Bounds("SHELL"), &report);
    ReadSolids(model, tables.Bounds("SOLID"), &report);
    ReadLoads(model, tables.Bounds("LOAD"), &report);
    LinkRigidPairs(model);
    ReadSystemUnits(model);
    return ShowModelCounts(model);
}

void LoadS2kFile(Model& model, const std::string& path)
{
    model.FileLines = LoadTextFile(path);
}

} // namespace vek
