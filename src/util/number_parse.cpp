#include "util/number_parse.h"

#include "util/error.h"

#include <charconv>
#include <string>
#include <system_error>

namespace vek {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

bool TryStrToInt(std::string_view text, std::int32_t& value)
{
    const char* p = text.data();
    const char* const end = p + text.size();
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    if (p == end)
        return false;
    // The magnitude of INT32_MIN is one more than INT32_MAX.
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t magnitude = 0;
    for (; p != end; ++p) {
        if (!IsDigit(*p))
            return false;
        magnitude = magnitude * 10 + (*p - '0');
        if (magnitude > limit)
            return false;
    }
    value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    return true;
}

bool TryStrToFloat(std::string_view text, double& value)
{
    const char* p = text.data();
    const char* const end = p + text.size();
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    const char* const unsignedStart = p;

    // Check the whole grammar here: from_chars would stop quietly at the first character it
    // does not want and would accept "inf", "nan" and the like.
    // On the way, note the decimal position of the first non-zero digit relative to the point
    // ("123" gives 3, "0.05" gives -1); with the exponent it tells overflow from underflow.
    int intDigits = 0;
    int fracDigits = 0;
    int leadPosition = 0;
    bool seenNonZero = false;
    while (p != end && IsDigit(*p)) {
        if (seenNonZero)
            ++leadPosition;
        else if (*p != '0') {
            seenNonZero = true;
            leadPosition = 1;
        }
        ++intDigits;
        ++p;
    }
    if (p != end && *p == '.') {
        ++p;
        while (p != end && IsDigit(*p)) {
            if (!seenNonZero) {
                if (*p != '0')
                    seenNonZero = true;
                else
                    --leadPosition;
            }
            ++fracDigits;
            ++p;
        }
    }
    if (intDigits + fracDigits == 0)
        return false;
    long long exponent = 0;
    if (p != end && (*p == 'e' || *p == 'E')) {
        ++p;
        bool negativeExponent = false;
        if (p != end && (*p == '+' || *p == '-')) {
            negativeExponent = *p == '-';
            ++p;
        }
        if (p == end || !IsDigit(*p))
            return false;
        for (; p != end && IsDigit(*p); ++p) {
            // Saturate: any exponent this large is far outside the range of a double.
            if (exponent < 1000000000LL)
                exponent = exponent * 10 + (*p - '0');
        }
        if (negativeExponent)
            exponent = -exponent;
    }
    if (p != end)
        return false;

    double magnitude = 0.0;
    const auto result = std::from_chars(unsignedStart, end, magnitude, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Both overflow and underflow land here; a positive decimal magnitude can only be the
        // former (the smallest denormal is near 1E-324, the largest double near 1E308).
        if (leadPosition + exponent > 0)
            return false;
        magnitude = 0.0;
    } else if (result.ec != std::errc() || result.ptr != end) {
        return false;
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

std::int32_t StrToInt(std::string_view text)
{
    std::int32_t value = 0;
    if (!TryStrToInt(text, value))
        throw VekError("'" + std::string(text) + "' is not a valid integer value");
    return value;
}

double StrToFloat(std::string_view text)
{
    double value = 0.0;
    if (!TryStrToFloat(text, value))
        throw VekError("'" + std::string(text) + "' is not a valid floating point value");
    return value;
}

} // namespace vek
