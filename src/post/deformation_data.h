#pragma once

#include "model/model.h"
#include "model/results.h"
#include "tcl/settings.h"
#include "view/view_settings.h"
#include "view/view_transform.h"

#include <cstdint>
#include <string_view>

namespace vek {

// The value of a section's deformations that the section load reads: the position of the
// value among the section's deformations (axial strain, curvature about z, curvature about y).
enum SectionValueKind : std::int32_t {
    AxialStrain = 1,
    CurvatureKz = 2,
    CurvatureKy = 3,
};

// How many values the recorder "section `section` deformation" writes for frame `frame`, as
// OpenSees does for the element the script writes with these settings: none for an elastic
// beam-column, a release link or a frame without an element; 4 for the fibre section (axial
// strain, curvature z, curvature y, twist) and 6 when the aggregator adds the two shear
// strains. Force- and displacement-based elements have NumIntegrationPoints sections; a beam
// with hinges has 6, its hinges 1 and 6 and the elastic interior 2 to 5 (4 values each); a
// truss has its one plain fibre section.
std::int32_t SectionDeformationCount(const Model& model, const Settings& settings,
                                     std::int64_t frame, std::int64_t section);

// The joints' DispX, DispY, DispZ at load step `step` (the line number in the files, from 1)
// from the node displacement files node<k>.out in `folder`.
void LoadNodeDeformData(const Model& model, Results& results, std::string_view folder,
                        std::int32_t step);

// The joints' DispX, DispY, DispZ from the eigenvector files eigen<mode>_node<k>.out (their
// first line).
void LoadModeShape(const Model& model, Results& results, std::string_view folder,
                   std::int32_t mode);

// The frames' ResultI and ResultJ at load step `step`: the value `kind` of the first section
// (ele<k>_secs.out) and of the last integration section (ele<k>_secn.out). A frame whose
// element records nothing gets 0. Then, when the model has frames, ScaleMax and ScaleMin
// become the largest and smallest of the results, and the function returns true; without
// frames the scale stays as it was and it returns false. The settings are those the script
// was written with.
bool LoadSecDeformData(const Model& model, const Settings& settings, Results& results,
                       ViewSettings& view, std::string_view folder, std::int32_t step,
                       std::int32_t kind);

// The OK of the deformation shape: ScaleMax, ScaleMin and DeformScale from their texts, in
// this order. A text that is not a number raises the conversion message, the values before it
// being stored already.
void ApplyDeformationScales(ViewSettings& settings, ViewTransform& view, std::string_view maxText,
                            std::string_view minText, std::string_view scaleText);

} // namespace vek
