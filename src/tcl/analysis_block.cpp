#include "tcl/tcl_blocks.h"

#include "util/checked_math.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace vek {

namespace {

// The fixed parts of the dynamic analyses, line by line. Blanks at the ends of lines belong
// to them: scripts written before keep their exact text.

// clang-format off

// Modal analysis; the first line takes the number of modes.
constexpr std::string_view modalTable[] = {
    "set numModes %D",
    "set lambda [eigen  $numModes]",
    R"(set period "Periods.txt")",
    R"(set Periods [open $period "w"])",
    R"(puts $Periods " $lambda")",
    "close $Periods",
    "record",
    // Periods, frequencies, participation factors and mass ratios (OpenSees 3.8).
    "modalProperties -file ModalProperties.txt",
};

// Rayleigh damping of 5% from the first two modes.
constexpr std::string_view dampingTable[] = {
    " ",
    "set xDamp 0.05;",
    "set nEigenI 1;",
    "set nEigenJ 2;",
    "set lambdaN [eigen [expr $nEigenJ]];",
    "set lambdaI [lindex $lambdaN [expr $nEigenI-1]];",
    "set lambdaJ [lindex $lambdaN [expr $nEigenJ-1]];",
    "set omegaI [expr pow($lambdaI,0.5)]; ",
    "set omegaJ [expr pow($lambdaJ,0.5)];",
    "set alphaM [expr $xDamp*(2*$omegaI*$omegaJ)/($omegaI+$omegaJ)]; ",
    "set betaKcurr [expr 2.*$xDamp/($omegaI+$omegaJ)];   ",
    "rayleigh $alphaM $betaKcurr 0 0  ",
    "  ",
};

// A uniform ground acceleration in X read from GMX.txt.
constexpr std::string_view uniformExcitationTable[] = {
    "set IDloadTag 1001;",
    R"(set iGMfile "GMX.txt";)",
    R"(set iGMdirection "1"; )",
    R"(set iGMfact "0.1";  )",
    "set dt 0.02;   ",
    "foreach GMdirection $iGMdirection GMfile $iGMfile GMfact $iGMfact { ",
    "incr IDloadTag; ",
    "set GMfatt [expr 1*$iGMfact];  ",
    "timeSeries Path $IDloadTag -dt $dt -filePath $iGMfile -factor  $GMfatt;",
    "pattern UniformExcitation  $IDloadTag  $GMdirection -accel  $IDloadTag; ",
    "}  ",
    "  ",
};

// The transient solution after a uniform excitation.
constexpr std::string_view transientTable[] = {
    "constraints Transformation; ",
    "numberer Plain;  ",
    "system UmfPack; ",
    "test EnergyIncr 1.0e-4 200; ",
    "algorithm Newton ",
    "integrator Newmark 0.5 0.25 ",
    "analysis Transient",
    "analyze 1000 0.02",
};

// Two ground displacement records imposed on supports 1, 3 and 2, 4.
constexpr std::string_view multipleSupportTable[] = {
    R"(set iGMfile "DM1X.txt"; )",
    R"(set iGMfact "1";)",
    "set dt 0.02;",
    "timeSeries Path 2001 -dt $dt -filePath $iGMfile -factor  $iGMfact;",
    "  ",
    R"(set iGMfile "DM1X.txt";)",
    R"(set iGMfact "1";)",
    "set dt 0.02; ",
    "timeSeries Path 2002 -dt $dt -filePath $iGMfile -factor  $iGMfact;",
    "  ",
    "pattern MultiSupport  1   { ",
    "    groundMotion 1 Plain -disp 2001",
    "    imposedMotion 1 1 1  ",
    "    imposedMotion 3 1 1  ",
    " }",
    "pattern MultiSupport  2   {",
    "    groundMotion 2 Plain -disp 2002",
    "    imposedMotion 2 1 2 ",
    "    imposedMotion 4 1 2 ",
    " }",
    "  ",
};

// The transient solution after a multiple-support excitation.
constexpr std::string_view multipleSupportTransientTable[] = {
    "constraints Transformation;",
    "numberer Plain; ",
    "system UmfPack;  ",
    "test EnergyIncr 1.0e-4 200; ",
    "algorithm Newton ",
    "integrator Newmark 0.5 0.25",
    "analysis Transient",
    "analyze 1000 0.02 ",
};

// clang-format on

void WriteTable(TclContext& ctx, std::span<const std::string_view> table)
{
    for (std::string_view line : table)
        ctx.Line(line);
}

void WriteModalTable(TclContext& ctx)
{
    ctx.Line(modalTable[0], {ctx.settings.ModeCount});
    WriteTable(ctx, std::span(modalTable).subspan(1));
}

void WriteStaticHeader(TclContext& ctx)
{
    ctx.Line("puts \"analysis\"");
    // rigidDiaphragm and equalDOF need the Transformation handler, and with rigid diaphragms
    // OpenSees needs a sparse solver (older scripts wrote "system BandGeneral").
    ctx.Line(ctx.HasMultiPointConstraints ? "constraints Transformation" : "constraints Plain");
    ctx.Line("numberer Plain");
    ctx.Line("system UmfPack");
    ctx.Line("test EnergyIncr 1.0e-6 200");
    ctx.Line("algorithm Newton");
}

void WriteLoadControlStage(TclContext& ctx)
{
    const Settings& settings = ctx.settings;
    ctx.Line("integrator LoadControl %0.4E",
             {CheckedDivide(settings.LoadFactor, settings.LoadSteps)});
    ctx.Line("analysis Static");
    ctx.Line("analyze %d", {settings.LoadSteps});
}

void WriteDisplacementControlStage(TclContext& ctx)
{
    const Settings& settings = ctx.settings;
    ctx.Line("integrator DisplacementControl %d %d %0.4E",
             {settings.ControlNode, settings.ControlDof, settings.ControlDisp});
    ctx.Line("analysis Static");
    ctx.Line("analyze %d", {settings.AnalysisSteps});
}

// The gravity loads held constant for what follows.
void WriteGravityStage(TclContext& ctx)
{
    ctx.Line("puts \"gravity\"");
    WriteLoadPattern(ctx, ctx.settings.LoadControlCase);
    WriteStaticHeader(ctx);
    WriteLoadControlStage(ctx);
    ctx.Line("loadConst -time 0.0");
}

} // namespace

void WriteAnalysisBlock(TclContext& ctx)
{
    const Settings& settings = ctx.settings;

    switch (settings.AnalysisType) {
    case SingleLoadControl:
        ctx.Line("puts \"loading\"");
        WriteLoadPattern(ctx, settings.LoadControlCase);
        WriteStaticHeader(ctx);
        WriteLoadControlStage(ctx);
        break;
    case SingleDisplacementControl:
        ctx.Line("puts \"loading\"");
        WriteLoadPattern(ctx, settings.DispControlCase);
        WriteStaticHeader(ctx);
        WriteDisplacementControlStage(ctx);
        break;
    case GravityPushover: {
        WriteGravityStage(ctx);
        ctx.Line("puts \"pushover\"");
        // The pushover pattern needs a tag of its own when it loads the gravity case again.
        // Only an existing case writes a pattern, so only then is the tag moved.
        const std::int32_t c = settings.DispControlCase;
        const bool existing = c >= 1 && c <= ctx.model.LoadCaseCount;
        WriteLoadPattern(ctx, c, existing && c == settings.LoadControlCase ? c + 10 : c);
        WriteStaticHeader(ctx);
        WriteDisplacementControlStage(ctx);
        break;
    }
    case Modal:
        WriteModalTable(ctx);
        break;
    case TimeHistory:
        WriteTable(ctx, dampingTable);
        WriteTable(ctx, uniformExcitationTable);
        WriteTable(ctx, transientTable);
        break;
    case GravityTimeHistory:
        WriteGravityStage(ctx);
        WriteTable(ctx, dampingTable);
        WriteTable(ctx, uniformExcitationTable);
        WriteTable(ctx, transientTable);
        break;
    case MultipleSupportExcitation:
        WriteTable(ctx, dampingTable);
        WriteTable(ctx, multipleSupportTable);
        WriteTable(ctx, multipleSupportTransientTable);
        break;
    default:
        break;
    }
}

} // namespace vek
