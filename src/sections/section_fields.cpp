#include "sections/section_fields.h"

#include "util/error.h"
#include "util/number_parse.h"

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

[[noreturn]] void UnknownField(std::string_view field)
{
    throw VekError("Unknown section field '" + std::string(field) + "'");
}

} // namespace

void SetFrameSectionField(TFrameSection& section, std::string_view field, std::string_view value)
{
    struct IntField
    {
        std::string_view name;
        std::int32_t TFrameSection::*member;
    };
    struct RealField
    {
        std::string_view name;
        double TFrameSection::*member;
    };
    static constexpr IntField counts[] = {{"DivideFX", &TFrameSection::DivideFX},
                                          {"DivideFY", &TFrameSection::DivideFY},
                                          {"BarNumNX", &TFrameSection::BarNumNX},
                                          {"BarNumNY", &TFrameSection::BarNumNY}};
    static constexpr RealField reals[] = {{"Cover", &TFrameSection::Cover},
                                          {"XBarTop", &TFrameSection::XBarTop},
                                          {"YBarBot", &TFrameSection::YBarBot},
                                          {"HingeLengthI", &TFrameSection::HingeLengthI},
                                          {"HingeLengthJ", &TFrameSection::HingeLengthJ}};
    if (field == "ElemType") {
        section.ElemType = ChoiceValue(field, value, ElemElasticBeamColumn, ElemReleaseLink);
        return;
    }
    if (field == "SectionKind") {
        section.SectionKind = ChoiceValue(field, value, 1, 2);
        return;
    }
    if (field == "GeomTransf") {
        section.GeomTransf = ChoiceValue(field, value, 1, 3);
        return;
    }
    for (const IntField& f : counts)
        if (f.name == field) {
            section.*f.member = StrToInt(value);
            return;
        }
    for (const RealField& f : reals)
        if (f.name == field) {
            section.*f.member = StrToFloat(value);
            return;
        }
    UnknownField(field);
}

void SetShellSectionField(TShellSection& section, std::string_view field, std::string_view value)
{
    if (field != "ShellElemType")
        UnknownField(field);
    section.ShellElemType = ChoiceValue(field, value, 0, 1);
}

} // namespace vek
