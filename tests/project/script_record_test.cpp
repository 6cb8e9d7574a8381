#include "project/script_record.h"

#include "support/portal_project.h"
#include "util/error.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vek {
namespace {

namespace fs = std::filesystem;
using testing::PortalFolder;

TEST(ScriptRecord, TheNewestRecordOfTheFolderIsFoundAndApplied)
{
    PortalFolder folder("project_records");
    EXPECT_EQ(FindScriptRecord(folder.Path().string()), std::nullopt);

    Settings settings;
    settings.AnalysisType = Modal;
    settings.SolidMaterials[3] = {1000, 0.25};
    Model& model = folder.PortalModel;
    model.FrameSections.Edit(1).ElemType = ElementKind::DispBeamColumn;
    const ScriptRecord newer = RecordOfScript(model, settings, "b.tcl");
    EXPECT_EQ(newer.SectionKinds, (std::vector<std::pair<std::string, ElementKind>>{
                                      {"E400", ElementKind::DispBeamColumn}}));
    SaveScriptRecord(folder.File("b.tcl"), newer);
    SaveScriptRecord(folder.File("a.tcl"), RecordOfScript(model, Settings(), "a.tcl"));
    EXPECT_TRUE(fs::exists(folder.File("b.tcl.vek.json")));
    const auto now = fs::last_write_time(folder.File("a.tcl.vek.json"));
    fs::last_write_time(folder.File("a.tcl.vek.json"), now - std::chrono::hours(1));
    fs::last_write_time(folder.File("b.tcl.vek.json"), now);
    EXPECT_EQ(FindScriptRecord(folder.Path().string()), newer);

    model.FrameSections.Edit(1).ElemType = ElementKind::Truss;
    Settings changed;
    ApplyScriptRecord(newer, model, changed);
    EXPECT_EQ(model.FrameSections[1].ElemType, ElementKind::DispBeamColumn);
    EXPECT_EQ(changed, settings);

    folder.Write("c.tcl.vek.json", "{");
    try {
        FindScriptRecord(folder.Path().string());
        ADD_FAILURE() << "no error";
    } catch (const VekError& error) {
        EXPECT_EQ(std::string(error.what()).find(folder.File("c.tcl.vek.json")), 0u);
    }
}

} // namespace
} // namespace vek
