#pragma once

#include "util/number_parse.h"

#include <cstdint>
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

} // namespace vek
