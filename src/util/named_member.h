#pragma once

#include "util/format.h"
#include "util/number_parse.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

namespace vek {

// Sets the member of `object` that `member`, a variant of pointers to its bool, 32-bit
// integer and double members, points at, from `value`: a flag as ParseFlag reads it, an
// integer through `readInteger(value)`, a real through StrToFloat. A text that does not read
// raises VekError and leaves the member as it was.
template <class Object, class... Members, class ReadInteger>
void SetMemberFromText(Object& object, const std::variant<Members...>& member,
                       std::string_view value, ReadInteger readInteger)
{
    std::visit(
        [&](auto pointer) {
            using Value = std::remove_reference_t<decltype(object.*pointer)>;
            if constexpr (std::is_same_v<Value, bool>)
                object.*pointer = ParseFlag(value);
            else if constexpr (std::is_same_v<Value, std::int32_t>)
                object.*pointer = readInteger(value);
            else
                object.*pointer = StrToFloat(value);
        },
        member);
}

// The value of a named member, of the member's own type.
using MemberValue = std::variant<bool, std::int32_t, double>;

// The value of the member of `object` that `member` points at.
template <class Object, class... Members>
MemberValue MemberValueOf(const Object& object, const std::variant<Members...>& member)
{
    return std::visit([&](auto pointer) { return MemberValue(object.*pointer); }, member);
}

// A value as text that SetMemberFromText reads back to the same value: a flag "true" or
// "false", an integer in decimal, a real in its shortest exact form (FormatShortest).
inline std::string MemberValueText(const MemberValue& value)
{
    if (const bool* flag = std::get_if<bool>(&value))
        return *flag ? "true" : "false";
    if (const std::int32_t* integer = std::get_if<std::int32_t>(&value))
        return FormatInt(*integer);
    return FormatShortest(std::get<double>(value));
}

} // namespace vek
