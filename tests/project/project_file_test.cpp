#include "project/project_edits.h"
#include "project/project_file.h"
#include "sections/section_fields.h"
#include "util/error.h"

#include <gtest/gtest.h>

#include <string>

namespace vek {
namespace {

ProjectFile EditedProject()
{
    ProjectFile project;
    project.S2kPath = "models/portal.s2k";
    project.S2k = {812, "0123456789abcdef"};
    project.Edits.FrameSections = {{"E400", {{"ElemType", "2"}, {"DivideFX", "8"}}},
                                   {"B 300", {{"Cover", "37.5"}, {"HingeLengthI", "0.1"}}}};
    // An 8-bit (GBK) name, not UTF-8, is kept byte for byte.
    project.Edits.ShellSections = {{"W200", {{"ShellElemType", "1"}}},
                                   {"\xb0\xe5", {{"ShellElemType", "0"}}}};
    project.Edits.Materials = {{"C30", {{"Name", "C30 new"}, {"Type", "5"}, {"fpc", "-30"}}}};
    project.Edits.AddedMaterials = {{"Bars", {{"Name", "Bars"}, {"Type", "4"}, {"Fy", "400"}}}};
    project.ProjectSettings.RecordFrameForce = true;
    project.ProjectSettings.LoadSteps = 7;
    project.ProjectSettings.LoadFactor = 0.1 + 0.2;
    project.ProjectSettings.SolidMaterials = {{5, {2.1e5, 0.3}}};
    project.View.ShowNodeLabels = true;
    project.View.ShownLoadCase = 2;
    ScriptRecord script{"portal.tcl", project.ProjectSettings, {{"E400", ElementKind::Truss}}};
    script.ScriptSettings.AnalysisType = Modal;
    project.LastScript = script;
    return project;
}

TEST(ProjectFile, TheJsonTextReadsBackToTheSameProject)
{
    const ProjectFile project = EditedProject();
    const std::string json = ProjectToJson(project);
    for (const char* line : {"\"format\": \"VEK project\",", "\"DivideFX\": 8", "\"Cover\": 37.5",
                             "\"RecordFrameForce\": true,", "\"LoadFactor\": 0.30000000000000004,",
                             "\"bytes\": \"b0e5\""})
        EXPECT_NE(json.find(line), std::string::npos) << line;
    EXPECT_EQ(ProjectFromJson(json, "p.vek"), project);
    ProjectFile plain;
    EXPECT_EQ(ProjectFromJson(ProjectToJson(plain), "p.vek"), plain);
}

TEST(ProjectFile, BadTextIsRefusedNamingTheFileAndTheField)
{
    const std::string good = ProjectToJson(EditedProject());
    struct Case
    {
        std::string from, to; // the text replaced; from "" gives `to` as the whole file
        std::string message;  // the start of the message
    };
    const Case cases[] = {
        {"", good.substr(0, 60), "P.vek: not a readable JSON text (byte 61)"},
        {"", "VEK project", "P.vek: not a readable JSON text (byte 1)"},
        {"", "[1]", "P.vek: must be an object"},
        {"VEK project", "VEK drawing", "P.vek: format: not a VEK project file"},
        {"\"version\": 1", "\"version\": 2",
         "P.vek was written by a later VEK (project version 2); this VEK reads version 1"},
        {"\"hash\"", "\"Hash\"", "P.vek: s2k/hash: missing"},
        {"\"size\": 812", "\"size\": -1", "P.vek: s2k/size: must be 0 or more"},
        {"\"LoadSteps\": 7", "\"LoadSteps\": \"7\"",
         "P.vek: settings/LoadSteps: must be an integer"},
        {"\"LoadSteps\": 7", "\"LoadSteps\": 0",
         "P.vek: settings/LoadSteps: LoadSteps must be 1 or more, not 0"},
        {"\"LoadSteps\"", "\"LoadStep\"", "P.vek: settings/LoadStep: Unknown setting 'LoadStep'"},
        {"\"ShowNodeLabels\": true", "\"ShowNodeLabels\": 1",
         "P.vek: view/ShowNodeLabels: must be true or false"},
        {"\"DivideFX\": 8", "\"DivideFX\": \"8\"",
         "P.vek: edits/frameSections/0/fields/DivideFX: must be a number"},
        {"\"DivideFX\"", "\"Divide\"", "P.vek: edits/frameSections/0/fields/Divide: not a section"},
        {"\"Poisson\": 0.3", "\"Poisson\": null", "P.vek: solidMaterials/0/Poisson: must be a"},
        {"\"elemType\": 5", "\"elemType\": 9",
         "P.vek: lastScript/sectionKinds/0/elemType: must be 7"},
    };
    for (const Case& c : cases) {
        std::string text = c.to;
        if (!c.from.empty()) {
            text = good;
            ASSERT_NE(text.find(c.from), std::string::npos) << c.from;
            text.replace(text.find(c.from), c.from.size(), c.to);
        }
        try {
            ProjectFromJson(text, "P.vek");
            ADD_FAILURE() << "no error for " << c.to;
        } catch (const VekError& error) {
            EXPECT_EQ(std::string(error.what()).substr(0, c.message.size()), c.message);
        }
    }
}

TEST(ProjectFile, ScriptRecordsHaveTheirOwnFormat)
{
    const ScriptRecord record = *EditedProject().LastScript;
    const std::string json = ScriptRecordToJson(record);
    EXPECT_TRUE(json.starts_with("{\n  \"format\": \"VEK script settings\",\n  \"version\": 1,"));
    EXPECT_EQ(ScriptRecordFromJson(json, "a.tcl.vek.json"), record);
    EXPECT_THROW(ScriptRecordFromJson(ProjectToJson(EditedProject()), "a.tcl.vek.json"), VekError);
}

TEST(ProjectEdits, EveryFieldTextReadsBackToTheSameValue)
{
    TFrameSection section;
    section.Shape = SectionShape::Rectangle;
    section.T1 = section.T2 = 400;
    section.ElemType = ElementKind::DispBeamColumn;
    section.SectionKind = FrameSectionKind::Column;
    section.GeomTransf = Transformation::PDelta;
    section.DivideFX = 9;
    section.DivideFY = 11;
    section.BarNumNX = 3;
    section.BarNumNY = 4;
    section.Cover = 1.0 / 3;
    section.XBarTop = 314.159;
    section.YBarBot = 1e-7;
    section.HingeLengthI = 0.1 + 0.2;
    section.HingeLengthJ = 600;
    for (const std::string_view field : FrameSectionFieldNames()) {
        TFrameSection copy;
        copy.Shape = section.Shape;
        copy.T1 = copy.T2 = 400;
        SetFrameSectionField(copy, field, FrameSectionFieldText(section, field));
        EXPECT_EQ(FrameSectionFieldText(copy, field), FrameSectionFieldText(section, field));
        EXPECT_NE(FrameSectionFieldText(copy, field), FrameSectionFieldText(TFrameSection(), field))
            << field;
    }
    EXPECT_THROW(FrameSectionFieldText(section, "Colour"), VekError);
}

// Materials of the import are found by the name it gave them, however renamed; added ones
// come back after them with every field.
TEST(ProjectEdits, MaterialEditsAndAddedMaterialsComeBack)
{
    Model imported;
    imported.Materials.Reset(2);
    imported.Materials.Edit(1) = {"C30", MaterialType::Elastic, 30000, 0.2, 12500};
    imported.Materials.Edit(2) = {"S", MaterialType::Elastic, 200000, 0.3, 80000};
    const EditBaseline baseline = BaselineOf(imported);
    Model edited = imported;
    TMaterial& concrete = edited.Materials.Edit(1);
    concrete.Name = "S";
    concrete.MatType = MaterialType::Concrete01;
    concrete.Fpc = -30;
    edited.Materials.Edit(2).Name = "C30";
    edited.Materials.Append() = {"Bars", MaterialType::Steel01, 2e5, 0.3, 8e4, 400, 2e5, 0.01};

    const ProjectEdits edits = EditsSince(baseline, edited);
    ASSERT_EQ(edits.Materials.size(), 2u);
    EXPECT_EQ(edits.Materials[0].Fields.front(),
              (std::pair<std::string, std::string>("Name", "S")));
    Model opened = imported;
    EXPECT_TRUE(ApplyEdits(opened, edits).empty());
    ASSERT_EQ(opened.MaterialCount(), 3);
    for (std::int32_t i = 1; i <= 3; ++i)
        for (const std::string_view field : MaterialFieldNames())
            EXPECT_EQ(MaterialFieldText(opened.Materials[i], field),
                      MaterialFieldText(edited.Materials[i], field))
                << i << " " << field;

    ProjectEdits bad = edits;
    bad.AddedMaterials[0].Fields.emplace_back("Fy", "-1");
    EXPECT_THROW(ApplyEdits(opened, bad), VekError);
}

} // namespace
} // namespace vek
