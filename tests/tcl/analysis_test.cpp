#include "support/s2k_test_support.h"
#include "tcl/tcl_blocks.h"
#include "util/error.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace vek {
namespace {

using testing::LinesOf;
using Lines = std::vector<std::string>;

struct Output
{
    Lines lines;
    std::vector<std::string> warnings;
};

Output RunBlock(const std::function<void(TclContext&)>& block, Model& model,
                const Settings& settings, bool multiPoint = false)
{
    TextLines lines;
    Output out;
    TclContext ctx{model, settings, lines, out.warnings};
    ctx.HasMultiPointConstraints = multiPoint;
    block(ctx);
    out.lines = LinesOf(lines);
    return out;
}

Lines Join(std::initializer_list<Lines> parts)
{
    Lines all;
    for (const Lines& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

void AddLoad(Model& model, std::int32_t l, std::int32_t target, LoadKind type,
             const std::string& caseName, std::int32_t direction, double ux, double uz = 0)
{
    TLoad& load = model.Loads.Edit(l);
    load.Target = target;
    load.LoadType = type;
    load.CaseName = caseName;
    load.Direction = direction;
    load.UX = ux;
    load.UZ = uz;
}

// Cases DEAD and LIVE: a joint force on joint 2 in DEAD, joint 5 and frame 8 in LIVE.
Model TwoCaseModel()
{
    Model model;
    model.LoadCaseNames[0] = "DEAD";
    model.LoadCaseNames[1] = "LIVE";
    model.LoadCaseCount = 2;
    model.Loads.Reset(3);
    AddLoad(model, 1, 2, LoadKind::JointForce, "DEAD", 0, 0, -2000);
    AddLoad(model, 2, 5, LoadKind::JointForce, "LIVE", 0, 0, 10000);
    AddLoad(model, 3, 8, LoadKind::Distributed, "LIVE", 3, 12.5);
    return model;
}

const Lines deadPattern = {
    "## Load Case = DEAD",
    "pattern Plain 1 Linear {",
    "load 2 0.000E+000 0.000E+000 -2.000E+003 0.000E+000 0.000E+000 0.000E+000",
    "}",
};

Lines LivePattern(const std::string& tag)
{
    return {
        "## Load Case = LIVE",
        "pattern Plain " + tag + " Linear {",
        "load 5 0.000E+000 0.000E+000 1.000E+004 0.000E+000 0.000E+000 0.000E+000",
        "eleLoad -ele 8 -type -beamUniform -1.250E+001 0 0",
        "}",
    };
}

Lines StaticHeader(const std::string& constraints = "Plain")
{
    return {
        "puts \"analysis\"", "constraints " + constraints, "numberer Plain",
        "system UmfPack",    "test EnergyIncr 1.0e-6 200", "algorithm Newton",
    };
}

const Lines loadControl = {
    "integrator LoadControl 2.500E-001",
    "analysis Static",
    "analyze 8",
};

const Lines dispControl = {
    "integrator DisplacementControl 7 2 5.000E-002",
    "analysis Static",
    "analyze 40",
};

const Lines modalLines = {
    "set numModes 3",
    "set lambda [eigen  $numModes]",
    "set period \"Periods.txt\"",
    "set Periods [open $period \"w\"]",
    "puts $Periods \" $lambda\"",
    "close $Periods",
    "record",
    "modalProperties -file ModalProperties.txt",
};

const Lines dampingLines = {
    " ",
    "set xDamp 0.05;",
    "set nEigenI 1;",
    "set nEigenJ 2;",
    "set lambdaN [eigen [expr $nEigenJ]];",
    "set lambdaI [lindex $lambdaN [expr $nEigenI-1]];",
    "set lambdaJ [lindex $lambdaN [expr $nEigenJ-1]];",
    "set omegaI [expr pow($lambdaI,0.5)];" + std::string(1, ' '),
    "set omegaJ [expr pow($lambdaJ,0.5)];",
    "set alphaM [expr $xDamp*(2*$omegaI*$omegaJ)/($omegaI+$omegaJ)];" + std::string(1, ' '),
    "set betaKcurr [expr 2.*$xDamp/($omegaI+$omegaJ)];" + std::string(3, ' '),
    "rayleigh $alphaM $betaKcurr 0 0" + std::string(2, ' '),
    std::string(2, ' '),
};

const Lines uniformExcitationLines = {
    "set IDloadTag 1001;",
    "set iGMfile \"GMX.txt\";",
    "set iGMdirection \"1\";" + std::string(1, ' '),
    "set iGMfact \"0.1\";" + std::string(2, ' '),
    "set dt 0.02;" + std::string(3, ' '),
    "foreach GMdirection $iGMdirection GMfile $iGMfile GMfact $iGMfact {" + std::string(1, ' '),
    "incr IDloadTag;" + std::string(1, ' '),
    "set GMfatt [expr 1*$iGMfact];" + std::string(2, ' '),
    "timeSeries Path $IDloadTag -dt $dt -filePath $iGMfile -factor" + std::string(2, ' ') +
        "$GMfatt;",
    "pattern UniformExcitation" + std::string(2, ' ') + "$IDloadTag" + std::string(2, ' ') +
        "$GMdirection -accel" + std::string(2, ' ') + "$IDloadTag;" + std::string(1, ' '),
    "}" + std::string(2, ' '),
    std::string(2, ' '),
};

const Lines transientLines = {
    "constraints Transformation;" + std::string(1, ' '),
    "numberer Plain;" + std::string(2, ' '),
    "system UmfPack;" + std::string(1, ' '),
    "test EnergyIncr 1.0e-4 200;" + std::string(1, ' '),
    "algorithm Newton" + std::string(1, ' '),
    "integrator Newmark 0.5 0.25" + std::string(1, ' '),
    "analysis Transient",
    "analyze 1000 0.02",
};

const Lines multipleSupportLines = {
    "set iGMfile \"DM1X.txt\";" + std::string(1, ' '),
    "set iGMfact \"1\";",
    "set dt 0.02;",
    "timeSeries Path 2001 -dt $dt -filePath $iGMfile -factor" + std::string(2, ' ') + "$iGMfact;",
    std::string(2, ' '),
    "set iGMfile \"DM1X.txt\";",
    "set iGMfact \"1\";",
    "set dt 0.02;" + std::string(1, ' '),
    "timeSeries Path 2002 -dt $dt -filePath $iGMfile -factor" + std::string(2, ' ') + "$iGMfact;",
    std::string(2, ' '),
    "pattern MultiSupport" + std::string(2, ' ') + "1" + std::string(3, ' ') + "{ ",
    std::string(4, ' ') + "groundMotion 1 Plain -disp 2001",
    std::string(4, ' ') + "imposedMotion 1 1 1" + std::string(2, ' '),
    std::string(4, ' ') + "imposedMotion 3 1 1" + std::string(2, ' '),
    " }",
    "pattern MultiSupport" + std::string(2, ' ') + "2" + std::string(3, ' ') + "{",
    std::string(4, ' ') + "groundMotion 2 Plain -disp 2002",
    std::string(4, ' ') + "imposedMotion 2 1 2" + std::string(1, ' '),
    std::string(4, ' ') + "imposedMotion 4 1 2" + std::string(1, ' '),
    " }",
    std::string(2, ' '),
};

const Lines multipleSupportTransientLines = {
    "constraints Transformation;",
    "numberer Plain;" + std::string(1, ' '),
    "system UmfPack;" + std::string(2, ' '),
    "test EnergyIncr 1.0e-4 200;" + std::string(1, ' '),
    "algorithm Newton" + std::string(1, ' '),
    "integrator Newmark 0.5 0.25",
    "analysis Transient",
    "analyze 1000 0.02" + std::string(1, ' '),
};

// Gravity in DEAD (case 1), the pushover in LIVE (case 2) unless a test changes it.
Settings AnalysisSettings(std::int32_t type)
{
    Settings settings;
    settings.AnalysisType = type;
    settings.LoadControlCase = 1;
    settings.DispControlCase = 2;
    settings.LoadFactor = 2;
    settings.LoadSteps = 8;
    settings.ControlNode = 7;
    settings.ControlDof = 2;
    settings.ControlDisp = 0.05;
    settings.AnalysisSteps = 40;
    settings.ModeCount = 3;
    return settings;
}

Output RunAnalysis(const Settings& settings, bool multiPoint = false)
{
    Model model = TwoCaseModel();
    return RunBlock(WriteAnalysisBlock, model, settings, multiPoint);
}

TEST(LoadPattern, JointForcesAndDistributedLoadsOfTheCase)
{
    Model model = TwoCaseModel();
    model.Loads.Reset(9);
    AddLoad(model, 1, 5, LoadKind::JointForce, "LIVE", 0, 0, 10000);
    model.Loads.Edit(1).RX = -0.5;
    AddLoad(model, 2, 8, LoadKind::Distributed, "LIVE", 3, 12.5);
    AddLoad(model, 3, 3, LoadKind::JointForce, "DEAD", 0, 7); // another case
    AddLoad(model, 4, 4, LoadKind::JointForce, "live", 0, 7); // letter case differs
    AddLoad(model, 5, 9, LoadKind::Distributed, "LIVE", 1, 1.5);
    AddLoad(model, 6, 10, LoadKind::Distributed, "LIVE", 2, -2.5);
    AddLoad(model, 7, 11, LoadKind::Distributed, "LIVE", 3, -5);   // sign reversed to positive
    AddLoad(model, 8, 12, LoadKind::Distributed, "LIVE", 4, 1);    // no such direction
    AddLoad(model, 9, 13, static_cast<LoadKind>(3), "LIVE", 1, 1); // no such load type
    const Output out = RunBlock([](TclContext& ctx) { WriteLoadPattern(ctx, 2, 12); }, model, {});
    EXPECT_EQ(out.lines, (Lines{
                             "## Load Case = LIVE",
                             "pattern Plain 12 Linear {",
                             "load 5 0.000E+000 0.000E+000 1.000E+004 -5.000E-001 0.000E+000 "
                             "0.000E+000",
                             "eleLoad -ele 8 -type -beamUniform -1.250E+001 0 0",
                             "eleLoad -ele 9 -type -beamUniform 0 0 1.500E+000",
                             "eleLoad -ele 10 -type -beamUniform 0 -2.500E+000 0",
                             "eleLoad -ele 11 -type -beamUniform 5.000E+000 0 0",
                             "}",
                         }));
    EXPECT_TRUE(out.warnings.empty());

    // The default tag is the case number; a case without loads is an empty pattern.
    model.Loads.Reset(0);
    EXPECT_EQ(RunBlock([](TclContext& ctx) { WriteLoadPattern(ctx, 1); }, model, {}).lines,
              (Lines{"## Load Case = DEAD", "pattern Plain 1 Linear {", "}"}));
}

TEST(LoadPattern, CaseOutsideTheListWritesNothingAndWarns)
{
    Model model = TwoCaseModel();
    // A name left in the list beyond LoadCaseCount is not a case.
    model.LoadCaseNames[2] = "OLD";
    AddLoad(model, 1, 2, LoadKind::JointForce, "OLD", 0, 1);
    for (std::int32_t c : {0, 3, -1}) {
        const Output out = RunBlock([c](TclContext& ctx) { WriteLoadPattern(ctx, c); }, model, {});
        EXPECT_EQ(out.lines, Lines{}) << c;
        ASSERT_EQ(out.warnings.size(), 1u) << c;
        EXPECT_NE(out.warnings[0].find("(case " + std::to_string(c) + " of 2)"), std::string::npos)
            << out.warnings[0];
    }
}

TEST(Recorders, EveryFamilyInRangesOfAHundred)
{
    Model model;
    model.Joints.Reset(250);
    model.Frames.Reset(120);
    Settings settings;
    settings.RecordNodeDisp = true;
    settings.RecordFrameForce = true;
    settings.RecordSectionDeform = true;
    settings.RecordModeShapes = true;
    settings.AnalysisType = 4;
    settings.NumIntegrationPoints = 3;
    settings.ModeCount = 1;
    const Output out = RunBlock(WriteRecorders, model, settings);
    EXPECT_EQ(
        out.lines,
        (Lines{
            "puts \"recorder\"",
            "recorder Node -file node0.out -time -nodeRange 1 100 -dof 1 2 3 disp",
            "recorder Node -file node1.out -time -nodeRange 101 200 -dof 1 2 3 disp",
            "recorder Node -file node2.out -time -nodeRange 201 250 -dof 1 2 3 disp",
            "recorder Element -file ele1.out -time -eleRange 1 100 localForce",
            "recorder Element -file ele0.out -time -eleRange 101 120 localForce",
            "recorder Element -file ele1_secs.out -time -eleRange 1 100 section 1 deformation",
            "recorder Element -file ele0_secs.out -time -eleRange 101 120 section 1 "
            "deformation",
            "recorder Element -file ele1_secn.out -time -eleRange 1 100 section 3 deformation",
            "recorder Element -file ele0_secn.out -time -eleRange 101 120 section 3 "
            "deformation",
            "recorder Node -file eigen1_node0.out -time -nodeRange 1 100 -dof 1 2 3 \"eigen "
            "1\"",
            "recorder Node -file eigen1_node1.out -time -nodeRange 101 200 -dof 1 2 3 "
            "\"eigen 1\"",
            "recorder Node -file eigen1_node2.out -time -nodeRange 201 250 -dof 1 2 3 "
            "\"eigen 1\"",
        }));
    EXPECT_TRUE(out.warnings.empty());
}

TEST(Recorders, WholeHundredsAndSmallCounts)
{
    Model model;
    model.Joints.Reset(100);
    model.Frames.Reset(200);
    Settings settings;
    settings.RecordFrameForce = true;
    settings.RecordModeShapes = true;
    settings.AnalysisType = 4;
    settings.ModeCount = 2;
    EXPECT_EQ(
        RunBlock(WriteRecorders, model, settings).lines,
        (Lines{
            "puts \"recorder\"",
            "recorder Node -file node0.out -time -nodeRange 1 100 -dof 1 2 3 disp",
            "recorder Element -file ele1.out -time -eleRange 1 100 localForce",
            "recorder Element -file ele2.out -time -eleRange 101 200 localForce",
            "recorder Node -file eigen1_node0.out -time -nodeRange 1 100 -dof 1 2 3 \"eigen 1\"",
            "recorder Node -file eigen2_node0.out -time -nodeRange 1 100 -dof 1 2 3 \"eigen 2\"",
        }));

    // An absent frame table counts as no frames: no element recorder (an empty range would
    // make OpenSees record elements twice); no modes, no mode lines.
    model.Joints.Reset(37);
    model.Frames.Reset(-1);
    settings.RecordSectionDeform = true;
    settings.NumIntegrationPoints = 5;
    settings.ModeCount = 0;
    EXPECT_EQ(RunBlock(WriteRecorders, model, settings).lines,
              (Lines{
                  "puts \"recorder\"",
                  "recorder Node -file node0.out -time -nodeRange 1 37 -dof 1 2 3 disp",
              }));

    settings.RecordNodeDisp = false;
    settings.RecordFrameForce = false;
    settings.RecordSectionDeform = false;
    settings.RecordModeShapes = false;
    EXPECT_EQ(RunBlock(WriteRecorders, model, settings).lines, Lines{"puts \"recorder\""});
}

TEST(Recorders, ModeShapesOnlyInAModalAnalysis)
{
    Model model;
    model.Joints.Reset(3);
    Settings settings;
    settings.RecordModeShapes = true;
    settings.ModeCount = 2;
    for (std::int32_t type : {1, 3, 5, 7}) {
        settings.AnalysisType = type;
        const Output out = RunBlock(WriteRecorders, model, settings);
        EXPECT_EQ(out.lines,
                  (Lines{"puts \"recorder\"",
                         "recorder Node -file node0.out -time -nodeRange 1 3 -dof 1 2 3 disp"}))
            << type;
        ASSERT_EQ(out.warnings.size(), 1u) << type;
        EXPECT_NE(out.warnings[0].find("Analysis Type 4"), std::string::npos);
    }
}

TEST(AnalysisBlock, StaticAnalyses)
{
    const Lines gravity = Join(
        {{"puts \"gravity\""}, deadPattern, StaticHeader(), loadControl, {"loadConst -time 0.0"}});

    EXPECT_EQ(RunAnalysis(AnalysisSettings(1)).lines,
              Join({{"puts \"loading\""}, deadPattern, StaticHeader(), loadControl}));
    // Diaphragms or equalDOF pairs earlier in the script change the constraint handler.
    EXPECT_EQ(
        RunAnalysis(AnalysisSettings(1), true).lines,
        Join({{"puts \"loading\""}, deadPattern, StaticHeader("Transformation"), loadControl}));
    EXPECT_EQ(RunAnalysis(AnalysisSettings(2)).lines,
              Join({{"puts \"loading\""}, LivePattern("2"), StaticHeader(), dispControl}));
    EXPECT_EQ(
        RunAnalysis(AnalysisSettings(3)).lines,
        Join({gravity, {"puts \"pushover\""}, LivePattern("2"), StaticHeader(), dispControl}));

    // Gravity and pushover in one case: the second pattern is tagged 10 higher.
    Settings same = AnalysisSettings(3);
    same.LoadControlCase = 2;
    same.DispControlCase = 2;
    EXPECT_EQ(RunAnalysis(same, true).lines, Join({{"puts \"gravity\""},
                                                   LivePattern("2"),
                                                   StaticHeader("Transformation"),
                                                   loadControl,
                                                   {"loadConst -time 0.0", "puts \"pushover\""},
                                                   LivePattern("12"),
                                                   StaticHeader("Transformation"),
                                                   dispControl}));
}

TEST(AnalysisBlock, ModalAndDynamicAnalyses)
{
    const Lines gravity = Join(
        {{"puts \"gravity\""}, deadPattern, StaticHeader(), loadControl, {"loadConst -time 0.0"}});

    EXPECT_EQ(RunAnalysis(AnalysisSettings(4)).lines, modalLines);
    EXPECT_EQ(RunAnalysis(AnalysisSettings(5)).lines,
              Join({dampingLines, uniformExcitationLines, transientLines}));
    EXPECT_EQ(RunAnalysis(AnalysisSettings(6)).lines,
              Join({gravity, dampingLines, uniformExcitationLines, transientLines}));
    EXPECT_EQ(RunAnalysis(AnalysisSettings(7)).lines,
              Join({dampingLines, multipleSupportLines, multipleSupportTransientLines}));
    for (std::int32_t type : {0, 8, -1})
        EXPECT_EQ(RunAnalysis(AnalysisSettings(type)).lines, Lines{}) << type;
}

TEST(AnalysisBlock, MissingCaseAndZeroLoadSteps)
{
    // No case chosen: the analysis is still written, without its pattern.
    Settings settings = AnalysisSettings(1);
    settings.LoadControlCase = 0;
    Output out = RunAnalysis(settings);
    EXPECT_EQ(out.lines, Join({{"puts \"loading\""}, StaticHeader(), loadControl}));
    EXPECT_EQ(out.warnings.size(), 1u);

    // Equal cases beyond the list warn twice and tag nothing.
    settings = AnalysisSettings(3);
    settings.LoadControlCase = 5;
    settings.DispControlCase = 5;
    out = RunAnalysis(settings);
    EXPECT_EQ(out.lines, Join({{"puts \"gravity\""},
                               StaticHeader(),
                               loadControl,
                               {"loadConst -time 0.0", "puts \"pushover\""},
                               StaticHeader(),
                               dispControl}));
    EXPECT_EQ(out.warnings.size(), 2u);

    const auto errorOf = [](double factor, std::int32_t type) {
        Settings zero = AnalysisSettings(type);
        zero.LoadFactor = factor;
        zero.LoadSteps = 0;
        try {
            RunAnalysis(zero);
        } catch (const VekError& error) {
            return std::string(error.what());
        }
        return std::string();
    };
    EXPECT_EQ(errorOf(2, 1), "Floating point division by zero");
    EXPECT_EQ(errorOf(0, 6), "Invalid floating point operation");
    // A displacement-controlled analysis does not use the load steps.
    EXPECT_EQ(errorOf(2, 2), "");
}

} // namespace
} // namespace vek
