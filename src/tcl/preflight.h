#pragma once

#include "tcl/tcl_context.h"

namespace vek {

// Warns, one warning per problem, about settings and model data with which OpenSees will stop
// on the written script: more modes than the free mass allows, a displacement control that
// cannot act, negative masses, rotations that no element stiffens, fibre sections without
// fibres, and ground motions imposed on nodes that are not supports; and about values that are
// legal but will not give what they mean: integration points outside the 1..10 that OpenSees
// 3.8 builds, a rectangle's cover that leaves no core between its bars, hinge lengths longer
// together than their frame, bars of a Rebar Material Tag that names no material, fibre sections
// of an elastic material in a model with nonlinear ones, and nonlinear materials that only
// elastic elements use. The script itself is left as it is. Runs after every block is
// written, when the fibre lists are built.
void AddPreflightWarnings(TclContext& ctx);

} // namespace vek
