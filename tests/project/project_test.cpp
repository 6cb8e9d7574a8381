#include "project/project.h"

#include "sections/section_fields.h"
#include "support/portal_project.h"
#include "tcl/settings_names.h"
#include "util/text_lines.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vek {
namespace {

namespace fs = std::filesystem;
using testing::PortalFolder;

// Saves the portal with its section E400 edited, LoadSteps 7 and the last script portal.tcl as
// p.vek in the folder.
void SaveEditedPortal(PortalFolder& folder)
{
    const EditBaseline baseline = BaselineOf(folder.PortalModel);
    TFrameSection& section = folder.PortalModel.FrameSections.Edit(1);
    SetFrameSectionField(section, "DivideFX", "8");
    SetFrameSectionField(section, "ElemType", "2");
    Settings settings;
    settings.LoadSteps = 7;
    SaveProject(folder.File("p.vek"),
                ProjectOf(folder.File("p.vek"), folder.S2kPath(), folder.S2k(), folder.PortalModel,
                          baseline, settings, ViewSettings(),
                          ScriptRecord{folder.File("portal.tcl"), settings, {}}));
}

TEST(Project, SavedEditsAndSettingsComeBackAfterTheFolderMoved)
{
    PortalFolder folder("project_reopen");
    SaveEditedPortal(folder);
    const std::string json = ReadWholeFile(folder.File("p.vek"));
    for (const char* line : {"\"path\": \"portal.s2k\"", "\"script\": \"portal.tcl\""})
        EXPECT_NE(json.find(line), std::string::npos) << line;
    const fs::path moved = folder.Path() / "moved";
    fs::create_directory(moved);
    fs::rename(folder.File("p.vek"), moved / "p.vek");
    fs::rename(folder.S2kPath(), moved / "portal.s2k");

    const OpenedProject opened = OpenProject((moved / "p.vek").string());
    const TFrameSection& section = opened.OpenedModel.FrameSections[1];
    EXPECT_EQ(section.Name, "E400");
    EXPECT_EQ(section.DivideFX, 8);
    EXPECT_EQ(section.ElemType, ElementKind::NonlinearBeamColumn);
    const ProjectEdits edits{{{"E400", {{"ElemType", "2"}, {"DivideFX", "8"}}}}, {}, {}, {}};
    EXPECT_EQ(EditsSince(opened.Baseline, opened.OpenedModel), edits);
    EXPECT_EQ(opened.ProjectSettings.LoadSteps, 7);
    ASSERT_TRUE(opened.LastScript);
    EXPECT_EQ(opened.LastScript->Script, (moved / "portal.tcl").string());
    EXPECT_EQ(opened.Counts[1], "2");
    EXPECT_TRUE(opened.Warnings.empty());
}

TEST(Project, AChangedS2kFileIsRefusedUnlessAccepted)
{
    PortalFolder folder("project_changed");
    SaveEditedPortal(folder);
    folder.Write("portal.s2k", ReadWholeFile(folder.S2kPath()) + "\n");
    EXPECT_THROW(OpenProject(folder.File("p.vek")), S2kChangedError);
    EXPECT_EQ(OpenProject(folder.File("p.vek"), {.AcceptChangedS2k = true})
                  .OpenedModel.FrameSections[1]
                  .DivideFX,
              8);
}

TEST(Project, WhatCannotBeUsedIsNamed)
{
    PortalFolder folder("project_named");
    const auto saveWithEdit = [&](const std::string& section, const std::string& value) {
        ProjectFile project;
        project.S2kPath = "portal.s2k";
        project.S2k = folder.S2k();
        project.Edits.FrameSections = {{section, {{"DivideFX", value}}}};
        SaveProject(folder.File("p.vek"), project);
    };
    const auto errorOf = [&] {
        try {
            OpenProject(folder.File("p.vek"));
        } catch (const VekError& error) {
            return std::string(error.what());
        }
        return std::string();
    };
    saveWithEdit("B300", "8");
    EXPECT_EQ(OpenProject(folder.File("p.vek")).Warnings,
              std::vector<std::string>{
                  "frame section \"B300\" is not in the s2k file: its edits are left out"});
    saveWithEdit("E400", "0");
    EXPECT_EQ(errorOf(), folder.File("p.vek") +
                             ": edits: frame section \"E400\": DivideFX: DivideFX must lie in "
                             "1..200, not 0");
    fs::remove(folder.S2kPath());
    EXPECT_EQ(errorOf(), folder.File("p.vek") + ": s2k/path: the s2k file " + folder.S2kPath() +
                             " is not there");
    fs::remove(folder.File("p.vek"));
    EXPECT_EQ(errorOf(), "Cannot open " + folder.File("p.vek") + ": No such file or directory");
}

} // namespace
} // namespace vek
