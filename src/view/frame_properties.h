#pragma once

#include "model/model.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vek {

inline constexpr std::size_t FramePropertyCount = 7;

// The captions of the rows of the Frame Properties grid.
inline constexpr std::array<const char*, FramePropertyCount> FramePropertyCaptions{
    "Label", "Node i", "Node j", "Angle", "Section", "Element Type", "Material"};

using FramePropertyValues = std::array<std::string, FramePropertyCount>;

// The values beside FramePropertyCaptions for frame `frame`: its number, end nodes, angle,
// section name, the section's element type and the section material's name. A frame outside
// the model reads as zeros and empty names, so does an unresolved section or material.
FramePropertyValues FramePropertyRows(const Model& model, int frame);

// FramePropertyRows of the frame whose number is `text`; nothing when it is not an integer.
std::optional<FramePropertyValues> FramePropertyRowsOfText(const Model& model,
                                                           std::string_view text);

} // namespace vek
