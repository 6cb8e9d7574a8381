#include "s2k/s2k_import.h"

#include "s2k/table_readers.h"

#include <algorithm>

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
        if (model.FrameSections[frame.Section].ElemType != ElemReleaseLink)
            continue;
        if (frame.Release == 2 && model.Joints.Contains(frame.NodeI))
            model.Joints.Edit(frame.NodeI).LinkedJoint = frame.NodeJ;
        else if (frame.Release == 1 && model.Joints.Contains(frame.NodeJ))
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

ModelCountTexts ReadS2kModel(Model& model)
{
    ResetModelCounts(model);
    const TableIndex tables(model.FileLines,
                            {"JOINT", "CONSTRAINT", "RESTRAINT", "MASS", "MATERIAL",
                             "FRAME SECTION", "SHELL SECTION", "FRAME", "SHELL", "SOLID", "LOAD"});
    ReadJoints(model, tables.Bounds("JOINT"));
    ReadConstraints(model, tables.Bounds("CONSTRAINT"));
    ReadRestraints(model, tables.Bounds("RESTRAINT"));
    ReadMasses(model, tables.Bounds("MASS"));
    ReadMaterials(model, tables.Bounds("MATERIAL"));
    ReadFrameSections(model, tables.Bounds("FRAME SECTION"));
    ReadShellSections(model, tables.Bounds("SHELL SECTION"));
    ReadFrames(model, tables.Bounds("FRAME"));
    ReadShells(model, tables.Bounds("SHELL"));
    ReadSolids(model, tables.Bounds("SOLID"));
    ReadLoads(model, tables.Bounds("LOAD"));
    LinkRigidPairs(model);
    return ShowModelCounts(model);
}

void LoadS2kFile(Model& model, const std::string& path)
{
    model.FileLines = LoadTextFile(path);
}

} // namespace vek
