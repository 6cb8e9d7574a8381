#include "model/model.h"

namespace vek {

TPalette InitialPalette()
{
    return {0,
            RgbColor(255, 0, 0),
            RgbColor(0, 0, 255),
            RgbColor(0, 0, 0),
            RgbColor(0, 94, 31),
            RgbColor(98, 1, 96),
            RgbColor(255, 0, 255),
            RgbColor(99, 99, 99),
            RgbColor(96, 56, 17),
            RgbColor(0, 53, 98),
            RgbColor(237, 27, 35),
            RgbColor(255, 0, 0),
            RgbColor(255, 255, 0),
            RgbColor(0, 255, 0),
            RgbColor(0, 255, 255),
            RgbColor(0, 0, 255),
            RgbColor(255, 0, 255)};
}

std::int32_t SectionColor(const TPalette& palette, std::int64_t i)
{
    const std::int64_t entry = i % 20;
    if (entry >= 1 && entry <= 16)
        return palette[static_cast<std::size_t>(entry)];
    return RgbColor(0, 0, 0);
}

std::string_view Model::LoadCaseName(std::int64_t c) const
{
    if (c < 1 || c > LoadCaseCount || c > MaxLoadCases)
        return {};
    return LoadCaseNames[static_cast<std::size_t>(c - 1)];
}

} // namespace vek
