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
    // The digits as one integer, exact while there are at most 15 of them.
    std::uint64_t mantissa = 0;
    while (p != end && IsDigit(*p)) {
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p - '0');
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
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p - '0');
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

    // Most numbers of a model file are short decimals: an integer of at most 15 digits and a
    // power of ten up to 22 are both exact doubles, so one multiplication or division gives
    // the correctly rounded value, the same as the general conversion.
    static constexpr double powersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                             1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const long long scale = exponent - fracDigits;
    if (intDigits + fracDigits <= 15 && scale >= -22 && scale <= 22) {
        double magnitude = static_cast<double>(mantissa);
        if (scale < 0)
            magnitude /= powersOfTen[-scale];
        else
            magnitude *= powersOfTen[scale];
        value = negative ? -magnitude : magnitude;
        return true;
    }

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

namespace {

// The text a conversion message quotes: whole, unless it is too long to read in a message
// box; then its start and "...".
std::string QuotedText(std::string_view text)
{
    constexpr std::size_t MaxQuoted = 200;
    if (text.size() <= MaxQuoted)
        return std::string(text);
    return std::string(text.substr(0, MaxQuoted)) + "...";
}

} // namespace

std::int32_t StrToInt(std::string_view text)
{
    std::int32_t value = 0;
    if (!TryStrToInt(text, value))
        throw VekError("'" + QuotedText(text) + "' is not a valid integer value");
    return value;
}

double StrToFloat(std::string_view text)
{
    double value = 0.0;
    if (!TryStrToFloat(text, value))
        throw VekError("'" + QuotedText(text) + "' is not a valid floating point value");
    return value;
}

bool ParseFlag(std::string_view text)
{
    if (text == "1" || text == "true" || text == "-1")
        return true;
    if (text == "0" || text == "false")
        return false;
    throw VekError("'" + std::string(text) + "' is not a valid flag (use 1, 0, true or false)");
}

} // namespace vek
