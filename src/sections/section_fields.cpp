#include "sections/section_fields.h"

#include "util/error.h"
#include "util/format.h"
#include "util/number_parse.h"

#include <algorithm>
#include <string>

namespace vek {

namespace {

std::int32_t ChoiceValue(std::string_view field, std::string_view value, std::int32_t first,
                         std::int32_t last)
{
    const std::int32_t choice = StrToInt(value);
    if (choice < first || choice > last)
        throw VekError(std::string(field) + " must lie in " + std::to_string(first) + ".." +
                       std::to_string(last) + ", not " + std::to_string(choice));
    return choice;
}

// A code given by its stored number, first..last.
template <class Code>
Code CodeValue(std::string_view field, std::string_view value, Code first, Code last)
{
    return static_cast<Code>(ChoiceValue(field, value, CodeNumber(first), CodeNumber(last)));
}

// The most fibre divisions and bars a section may have in one direction: 200 by 200 cells
// already make 40000 fibres in one section.
constexpr std::int32_t MaxCount = 200;

double NotNegative(std::string_view field, std::string_view value)
{
    const double x = StrToFloat(value);
    if (x < 0)
        throw VekError(std::string(field) + " must be 0 or more, not " + FormatGeneral(x));
    return x;
}

// The bars of a rectangle sit at Cover from its faces, so the cover can be at most half its
// smaller side. The other shapes place no bars, and a cover means nothing to them.
double CoverValue(const TFrameSection& section, std::string_view value)
{
    if (section.Shape != SectionShape::Rectangle)
        return NotNegative("Cover", value);
    const double cover = StrToFloat(value);
    const double most = std::max(std::min(section.T1, section.T2) / 2, 0.0);
    if (cover < 0 || cover > most)
        throw VekError("Cover must lie in 0.." + FormatGeneral(most) +
                       " (half the smaller side of the section), not " + FormatGeneral(cover));
    return cover;
}

[[noreturn]] void UnknownField(std::string_view field)
{
    throw VekError("Unknown section field '" + std::string(field) + "'");
}

} // namespace

void SetFrameSectionField(TFrameSection& section, std::string_view field, std::string_view value)
{
    struct CountField
    {
        std::string_view name;
        std::int32_t TFrameSection::*member;
        std::int32_t least;
    };
    struct RealField
    {
        std::string_view name;
        double TFrameSection::*member;
    };
    static constexpr CountField counts[] = {{"DivideFX", &TFrameSection::DivideFX, 1},
                                            {"DivideFY", &TFrameSection::DivideFY, 1},
                                            {"BarNumNX", &TFrameSection::BarNumNX, 0},
                                            {"BarNumNY", &TFrameSection::BarNumNY, 0}};
    static constexpr RealField reals[] = {{"XBarTop", &TFrameSection::XBarTop},
                                          {"YBarBot", &TFrameSection::YBarBot},
                                          {"HingeLengthI", &TFrameSection::HingeLengthI},
                                          {"HingeLengthJ", &TFrameSection::HingeLengthJ}};
    if (field == "ElemType") {
        section.ElemType =
            CodeValue(field, value, ElementKind::ElasticBeamColumn, ElementKind::ReleaseLink);
        return;
    }
    if (field == "SectionKind") {
        section.SectionKind =
            CodeValue(field, value, FrameSectionKind::Beam, FrameSectionKind::Column);
        return;
    }
    if (field == "GeomTransf") {
        section.GeomTransf =
            CodeValue(field, value, Transformation::Linear, Transformation::Corotational);
        return;
    }
    if (field == "Cover") {
        section.Cover = CoverValue(section, value);
        return;
    }
    for (const CountField& f : counts)
        if (f.name == field) {
            section.*f.member = ChoiceValue(field, value, f.least, MaxCount);
            return;
        }
    for (const RealField& f : reals)
        if (f.name == field) {
            section.*f.member = NotNegative(field, value);
            return;
        }
    UnknownField(field);
}

void SetShellSectionField(TShellSection& section, std::string_view field, std::string_view value)
{
    if (field != "ShellElemType")
        UnknownField(field);
    section.ShellElemType = CodeValue(field, value, ShellElement::MITC4, ShellElement::DKGQ);
}

} // namespace vek
