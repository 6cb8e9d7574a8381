#include "tcl/analysis_form.h"
#include "tcl/recorder_form.h"
#include "tcl/settings_names.h"
#include "tcl/solid_material_form.h"
#include "util/error.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace vek {
namespace {

Model TwoCaseModel()
{
    Model model;
    model.LoadCaseNames[0] = "DEAD";
    model.LoadCaseNames[1] = "LIVE";
    model.LoadCaseCount = 2;
    return model;
}

std::string StoreError(const AnalysisForm& form, Settings& settings)
{
    try {
        StoreAnalysisForm(form, settings);
    } catch (const VekError& error) {
        return error.what();
    }
    return "";
}

TEST(AnalysisForm, ShowsTheStartUpSettings)
{
    AnalysisForm form;
    LoadAnalysisForm(TwoCaseModel(), Settings(), form);
    EXPECT_EQ(form.LoadCases, (std::vector<std::string>{"DEAD", "LIVE"}));
    EXPECT_EQ(form.AnalysisType, 0);
    EXPECT_EQ(form.LoadControlCase, 0);
    EXPECT_EQ(form.DispControlCase, 0);
    EXPECT_EQ(form.LoadSteps, "100");
    EXPECT_EQ(form.LoadFactor, "1.00E+000");
    EXPECT_EQ(form.ControlNode, "1");
    EXPECT_EQ(form.ControlDisp, "1.00E-001");
    EXPECT_EQ(form.ControlDof, "1");
    EXPECT_EQ(form.AnalysisSteps, "100");
    EXPECT_EQ(form.NumIntegrationPoints, "3");
    EXPECT_EQ(form.RebarMaterialTag, "1");
    EXPECT_EQ(form.ModeCount, "12");
    EXPECT_FALSE(form.UseSectionAggregator);
    EXPECT_TRUE(form.GenPlateFiber);
    EXPECT_TRUE(form.GenNodeMass);
}

TEST(AnalysisForm, ModalNumberKeepsItsTextAndCasesOutsideTheListSelectNothing)
{
    Settings settings;
    settings.ModeCount = 30;
    settings.AnalysisType = 9;
    settings.LoadControlCase = 3;
    settings.DispControlCase = 2;
    AnalysisForm form;
    form.ModeCount = "7";
    LoadAnalysisForm(TwoCaseModel(), settings, form);
    EXPECT_EQ(form.ModeCount, "7");
    EXPECT_EQ(form.AnalysisType, -1);
    EXPECT_EQ(form.LoadControlCase, -1);
    EXPECT_EQ(form.DispControlCase, 1);

    LoadAnalysisForm(Model(), Settings(), form);
    EXPECT_TRUE(form.LoadCases.empty());
    EXPECT_EQ(form.LoadControlCase, -1);
    EXPECT_EQ(form.DispControlCase, -1);
}

TEST(AnalysisForm, StoresEveryControl)
{
    Settings settings;
    AnalysisForm form;
    LoadAnalysisForm(TwoCaseModel(), settings, form);
    form.AnalysisType = 2;
    form.LoadControlCase = 1;
    form.DispControlCase = 0;
    form.LoadSteps = "10";
    form.LoadFactor = "2.5";
    form.ControlNode = "7";
    form.ControlDisp = "-3e-2";
    form.ControlDof = "2";
    form.AnalysisSteps = "250";
    form.NumIntegrationPoints = "5";
    form.RebarMaterialTag = "4";
    form.ModeCount = "6";
    form.UseSectionAggregator = true;
    form.GenPlateFiber = false;
    form.GenNodeMass = false;
    EXPECT_EQ(StoreError(form, settings), "");

    EXPECT_EQ(settings.AnalysisType, 3);
    EXPECT_EQ(settings.LoadControlCase, 2);
    EXPECT_EQ(settings.DispControlCase, 1);
    EXPECT_EQ(settings.LoadSteps, 10);
    EXPECT_EQ(settings.LoadFactor, 2.5);
    EXPECT_EQ(settings.ControlNode, 7);
    EXPECT_EQ(settings.ControlDisp, -0.03);
    EXPECT_EQ(settings.ControlDof, 2);
    EXPECT_EQ(settings.AnalysisSteps, 250);
    EXPECT_EQ(settings.NumIntegrationPoints, 5);
    EXPECT_EQ(settings.RebarMaterialTag, 4);
    EXPECT_EQ(settings.ModeCount, 6);
    EXPECT_TRUE(settings.UseSectionAggregator);
    EXPECT_FALSE(settings.GenPlateFiber);
    EXPECT_FALSE(settings.GenNodeMass);
}

// The reading goes Load Steps, Load Factor, cases, type, Rebar, numIntgrPts, Analysis Step,
// Control Dof, Control Disp, Control Node, aggregator, Modal Number, plate fibres, masses.
TEST(AnalysisForm, TheFirstBadNumberStopsTheReading)
{
    Settings settings;
    AnalysisForm form;
    LoadAnalysisForm(TwoCaseModel(), settings, form);
    form.LoadSteps = "20";
    form.LoadFactor = "2";
    form.LoadControlCase = 1;
    form.AnalysisType = 3;
    form.RebarMaterialTag = "2";
    form.NumIntegrationPoints = "4";
    form.AnalysisSteps = "1O0";
    form.ControlDof = "x";
    form.ControlNode = "9";
    form.UseSectionAggregator = true;
    form.ModeCount = "3";
    form.GenPlateFiber = false;

    EXPECT_EQ(StoreError(form, settings), "'1O0' is not a valid integer value");
    EXPECT_EQ(settings.LoadSteps, 20);
    EXPECT_EQ(settings.LoadFactor, 2.0);
    EXPECT_EQ(settings.LoadControlCase, 2);
    EXPECT_EQ(settings.AnalysisType, 4);
    EXPECT_EQ(settings.RebarMaterialTag, 2);
    EXPECT_EQ(settings.NumIntegrationPoints, 4);
    // From here on the old values stay.
    EXPECT_EQ(settings.AnalysisSteps, 100);
    EXPECT_EQ(settings.ControlDof, 1);
    EXPECT_EQ(settings.ControlNode, 1);
    EXPECT_FALSE(settings.UseSectionAggregator);
    EXPECT_EQ(settings.ModeCount, 12);
    EXPECT_TRUE(settings.GenPlateFiber);

    form.AnalysisSteps = "100";
    EXPECT_EQ(StoreError(form, settings), "'x' is not a valid integer value");
    form.ControlDof = "3";
    form.ControlDisp = "0,5";
    EXPECT_EQ(StoreError(form, settings), "'0,5' is not a valid floating point value");
    EXPECT_EQ(settings.ControlDof, 3);
    EXPECT_EQ(settings.ControlNode, 1);

    Settings fresh;
    form.LoadSteps = "";
    EXPECT_EQ(StoreError(form, fresh), "'' is not a valid integer value");
    EXPECT_EQ(fresh.LoadFactor, 1.0);
}

// What can never run is refused, naming the setting and its range; the values read before it
// stay stored, the refused one and the later ones keep their old values.
TEST(AnalysisForm, IntegersNoScriptCanRunAreRefused)
{
    struct Case
    {
        std::string AnalysisForm::*Text;
        std::int32_t Settings::*Setting;
        const char* Value;
        const char* Message;
    };
    const Case cases[] = {
        {&AnalysisForm::LoadSteps, &Settings::LoadSteps, "-5",
         "LoadSteps must be 1 or more, not -5"},
        {&AnalysisForm::NumIntegrationPoints, &Settings::NumIntegrationPoints, "0",
         "NumIntegrationPoints must be 1 or more, not 0"},
        {&AnalysisForm::AnalysisSteps, &Settings::AnalysisSteps, "0",
         "AnalysisSteps must be 1 or more, not 0"},
        {&AnalysisForm::ModeCount, &Settings::ModeCount, "0", "ModeCount must be 1 or more, not 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Message);
        Settings settings;
        AnalysisForm form;
        LoadAnalysisForm(TwoCaseModel(), settings, form);
        form.AnalysisType = 1;
        form.GenPlateFiber = false;
        form.LoadSteps = form.NumIntegrationPoints = form.AnalysisSteps = form.ModeCount = "10";
        form.*c.Text = c.Value;
        EXPECT_EQ(StoreError(form, settings), c.Message);
        EXPECT_EQ(settings.*c.Setting, Settings().*c.Setting);
        EXPECT_EQ(settings.AnalysisType, c.Text == &AnalysisForm::LoadSteps ? 1 : 2);
        EXPECT_TRUE(settings.GenPlateFiber);
    }

    // The same ranges hold for the named settings; OpenSees' own limit of 10 integration
    // points is the pre-flight's warning.
    Settings settings;
    const std::pair<const char*, const char*> refused[] = {
        {"LoadSteps", "0"}, {"AnalysisType", "8"}, {"AnalysisType", "0"}};
    for (const auto& [name, value] : refused)
        EXPECT_THROW(SetSettingByName(settings, name, value), VekError) << name << value;
    try {
        SetSettingByName(settings, "AnalysisType", "9");
        ADD_FAILURE() << "no error";
    } catch (const VekError& error) {
        EXPECT_STREQ(error.what(), "AnalysisType must lie in 1..7, not 9");
    }
    EXPECT_EQ(settings.AnalysisType, 1);
    SetSettingByName(settings, "NumIntegrationPoints", "11");
    SetSettingByName(settings, "AnalysisType", "7");
    EXPECT_EQ(settings.NumIntegrationPoints, 11);
    EXPECT_EQ(settings.AnalysisType, 7);
}

TEST(AnalysisForm, AnUntouchedRealKeepsItsExactValue)
{
    Settings settings;
    settings.LoadFactor = 0.01234;
    settings.ControlDisp = 2.0 / 3.0;
    AnalysisForm form;
    LoadAnalysisForm(TwoCaseModel(), settings, form);
    EXPECT_EQ(form.LoadFactor, "1.23E-002");
    EXPECT_EQ(form.ControlDisp, "6.67E-001");
    EXPECT_EQ(StoreError(form, settings), "");
    EXPECT_EQ(settings.LoadFactor, 0.01234);
    EXPECT_EQ(settings.ControlDisp, 2.0 / 3.0);

    // A text typed in is read, even when a failed OK stored a value before.
    form.LoadFactor = "2";
    form.LoadSteps = "oops";
    EXPECT_NE(StoreError(form, settings), "");
    EXPECT_EQ(settings.LoadFactor, 0.01234);
    form.LoadSteps = "100";
    EXPECT_EQ(StoreError(form, settings), "");
    EXPECT_EQ(settings.LoadFactor, 2.0);
    form.LoadFactor = "1.23E-002";
    EXPECT_EQ(StoreError(form, settings), "");
    EXPECT_EQ(settings.LoadFactor, 0.0123);
}

TEST(AnalysisForm, ABoxWithoutSelectionKeepsItsSetting)
{
    Settings settings;
    settings.LoadControlCase = 2;
    settings.DispControlCase = 3;
    AnalysisForm form;
    LoadAnalysisForm(Model(), settings, form);
    EXPECT_EQ(StoreError(form, settings), "");
    EXPECT_EQ(settings.LoadControlCase, 2);
    EXPECT_EQ(settings.DispControlCase, 3);
    form.AnalysisType = -1;
    EXPECT_EQ(StoreError(form, settings), "");
    EXPECT_EQ(settings.AnalysisType, 1);
}

TEST(RecorderForm, FlagsInTheOrderOfTheBoxes)
{
    EXPECT_STREQ(RecorderFlagTable[3].Caption, "Force/Disp Beam Column Section  Stress-Strain");
    Settings settings;
    EXPECT_EQ(ReadRecorderFlags(settings), (RecorderFlagValues{true, false, false, false, false}));
    WriteRecorderFlags(settings, {false, true, false, true, true});
    EXPECT_FALSE(settings.RecordNodeDisp);
    EXPECT_TRUE(settings.RecordFrameForce);
    EXPECT_FALSE(settings.RecordSectionDeform);
    EXPECT_TRUE(settings.RecordSectionStressStrain);
    EXPECT_TRUE(settings.RecordModeShapes);
    EXPECT_EQ(ReadRecorderFlags(settings), (RecorderFlagValues{false, true, false, true, true}));
}

// Solids naming the tags 3, 1, 3 and 7; tags 1 and 3 have materials.
struct SolidModel
{
    SolidModel()
    {
        model.Solids.Reset(4);
        model.Solids.Edit(1).SectionTag = 3;
        model.Solids.Edit(2).SectionTag = 1;
        model.Solids.Edit(3).SectionTag = 3;
        model.Solids.Edit(4).SectionTag = 7;
        settings.SolidMaterials[1] = {30000, 0.2};
        settings.SolidMaterials[3] = {1.0 / 3.0, 0.25};
    }
    std::string StoreError(const std::vector<SolidMaterialRow>& rows)
    {
        try {
            StoreSolidMaterialRows(rows, settings);
        } catch (const VekError& error) {
            return error.what();
        }
        return "";
    }
    Model model;
    Settings settings;
};

TEST(SolidMaterialForm, OneRowPerDistinctTag)
{
    SolidModel m;
    const std::vector<SolidMaterialRow> rows = SolidMaterialRows(m.model, m.settings);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].Tag, 1);
    EXPECT_EQ(rows[0].E, "30000");
    EXPECT_EQ(rows[0].Poisson, "0.2");
    EXPECT_EQ(rows[1].Tag, 3);
    EXPECT_EQ(rows[1].E, "0.333333333333333");
    EXPECT_EQ(rows[2].Tag, 7);
    EXPECT_EQ(rows[2].E, "");
    EXPECT_EQ(rows[2].Poisson, "");

    EXPECT_TRUE(SolidMaterialRows(Model(), m.settings).empty());
}

TEST(SolidMaterialForm, StoresValidRowsAndKeepsUntouchedValuesExact)
{
    SolidModel m;
    std::vector<SolidMaterialRow> rows = SolidMaterialRows(m.model, m.settings);
    rows[0].Poisson = "-0.5";
    EXPECT_EQ(m.StoreError(rows), "");
    EXPECT_EQ(m.settings.SolidMaterials[1].E, 30000);
    EXPECT_EQ(m.settings.SolidMaterials[1].Poisson, -0.5);
    EXPECT_EQ(m.settings.SolidMaterials[3].E, 1.0 / 3.0);
    // An empty row leaves a tag without a material as it is.
    EXPECT_FALSE(m.settings.SolidMaterials.contains(7));

    rows[2].E = "2.1E5";
    rows[2].Poisson = "0.3";
    EXPECT_EQ(m.StoreError(rows), "");
    EXPECT_EQ(m.settings.SolidMaterials[7].E, 210000);
    EXPECT_EQ(m.settings.SolidMaterials[7].Poisson, 0.3);
}

TEST(SolidMaterialForm, ABadValueStoresNothing)
{
    const struct
    {
        std::string E, Poisson, message;
    } cases[] = {
        {"abc", "0.2", "'abc' is not a valid floating point value"},
        {"1000", "", "'' is not a valid floating point value"},
        {"0", "0.2", "The E of solid material 7 must be greater than 0"},
        {"-5", "0.2", "The E of solid material 7 must be greater than 0"},
        {"1000", "0.5", "The Poisson's ratio of solid material 7 must lie between -1 and 0.5"},
        {"1000", "-1", "The Poisson's ratio of solid material 7 must lie between -1 and 0.5"},
    };
    for (const auto& c : cases) {
        SolidModel m;
        std::vector<SolidMaterialRow> rows = SolidMaterialRows(m.model, m.settings);
        rows[0].E = "45000";
        rows[2].E = c.E;
        rows[2].Poisson = c.Poisson;
        EXPECT_EQ(m.StoreError(rows), c.message);
        EXPECT_EQ(m.settings.SolidMaterials[1].E, 30000) << c.message;
        EXPECT_FALSE(m.settings.SolidMaterials.contains(7)) << c.message;
    }

    // A tag that has a material needs both values.
    SolidModel m;
    std::vector<SolidMaterialRow> rows = SolidMaterialRows(m.model, m.settings);
    rows[1].E = "";
    rows[1].Poisson = "";
    EXPECT_EQ(m.StoreError(rows), "'' is not a valid floating point value");
    EXPECT_EQ(m.settings.SolidMaterials[3].Poisson, 0.25);
}

} // namespace
} // namespace vek
