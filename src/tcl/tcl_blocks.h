#pragma once

#include "tcl/tcl_context.h"

namespace vek {

// The blocks of the script, in the order the driver appends them.

// wipe, the model builder.
void WriteModelHeader(TclContext& ctx);
// Nodes, rigid diaphragms, masses and fixities.
void WriteNodeBlock(TclContext& ctx);
// The equalDOF pairs of release links.
void WriteEqualDofBlock(TclContext& ctx);
// Uniaxial materials and the aggregator's spring materials.
void WriteMaterials(TclContext& ctx);
// Fibre sections, then section aggregators.
void WriteFiberSections(TclContext& ctx);
// The empty line, then the materials and sections of shell sections.
void WritePlateFiberSections(TclContext& ctx);
// Geometric transformations, then frame elements.
void WriteFrameElements(TclContext& ctx);
// Shell elements.
void WriteShellElements(TclContext& ctx);
// Solid elements.
void WriteSolidElements(TclContext& ctx);
// Recorders.
void WriteRecorders(TclContext& ctx);
// Load patterns and analysis commands of the chosen analysis type.
void WriteAnalysisBlock(TclContext& ctx);

// The pattern of load case c (1-based), tagged `tag`. A case outside 1..LoadCaseCount
// writes nothing and warns.
void WriteLoadPattern(TclContext& ctx, std::int32_t c, std::int32_t tag);
inline void WriteLoadPattern(TclContext& ctx, std::int32_t c)
{
    WriteLoadPattern(ctx, c, c);
}

} // namespace vek
