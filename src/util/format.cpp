#include "util/format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace vek {

namespace {

// A finite double as decimal digits: value = 0 when count is 0, otherwise
// digits[0].digits[1]...digits[count-1] * 10^exponent, without trailing zeros.
struct Decimal
{
    char digits[24];
    int count = 0;
    int exponent = 0;
    bool negative = false;
};

// The shortest digits that read back as the same double.
Decimal Decompose(double value)
{
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0.0)
        return d;
    // Whole numbers below 10^15, most coordinates and counts of a model, have their digits
    // at hand.
    const double magnitude = std::fabs(value);
    if (magnitude < 1e15 && magnitude == std::floor(magnitude)) {
        std::uint64_t whole = static_cast<std::uint64_t>(magnitude);
        char reversed[24];
        int n = 0;
        while (whole > 0) {
            reversed[n++] = static_cast<char>('0' + whole % 10);
            whole /= 10;
        }
        d.exponent = n - 1;
        for (int k = 0; k < n; ++k)
            d.digits[k] = reversed[n - 1 - k];
        d.count = n;
        while (d.count > 0 && d.digits[d.count - 1] == '0')
            --d.count;
        return d;
    }
    char buf[32];
    const auto result =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific);
    const char* p = buf;
    const char* const end = result.ptr;
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.')
            d.digits[d.count++] = *p;
    }
    ++p; // 'e'
    const bool negativeExponent = *p == '-';
    ++p;
    int exponent = 0;
    std::from_chars(p, end, exponent);
    d.exponent = negativeExponent ? -exponent : exponent;
    while (d.count > 0 && d.digits[d.count - 1] == '0')
        --d.count;
    return d;
}

// Keeps the first `keep` digits, rounding to nearest with a 5 in the first dropped place
// rounding away from zero. keep = 0 rounds at the place just above the first digit.
void RoundDigits(Decimal& d, int keep)
{
    if (keep >= d.count)
        return;
    if (keep < 0) {
        d.count = 0;
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.count = keep;
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9')
            --i;
        if (i < 0) {
            d.digits[0] = '1';
            d.count = 1;
            ++d.exponent;
        } else {
            ++d.digits[i];
            d.count = i + 1;
        }
    } else {
        while (d.count > 0 && d.digits[d.count - 1] == '0')
            --d.count;
    }
}

// NaN and the infinities; returns false for a finite value.
bool AppendNonFinite(std::string& out, double value)
{
    if (std::isnan(value)) {
        out += "NAN";
        return true;
    }
    if (std::isinf(value)) {
        out += value < 0 ? "-INF" : "INF";
        return true;
    }
    return false;
}

// Appends the exponent's digits, zero-padded to at least `minDigits`.
char* WriteExponentDigits(char* p, int exponent, int minDigits)
{
    char digits[12];
    const auto result = std::to_chars(digits, digits + sizeof digits, exponent);
    for (int pad = minDigits - static_cast<int>(result.ptr - digits); pad > 0; --pad)
        *p++ = '0';
    return std::copy(digits, result.ptr, p);
}

void AppendScientific(std::string& out, double value, int digits)
{
    if (AppendNonFinite(out, value))
        return;
    digits = std::clamp(digits, 1, 18);
    Decimal d = Decompose(value);
    RoundDigits(d, digits);
    char buf[48];
    char* p = buf;
    if (d.count > 0 && d.negative)
        *p++ = '-';
    *p++ = d.count > 0 ? d.digits[0] : '0';
    if (digits > 1) {
        *p++ = '.';
        for (int i = 1; i < digits; ++i)
            *p++ = i < d.count ? d.digits[i] : '0';
    }
    const int exponent = d.count > 0 ? d.exponent : 0;
    *p++ = 'E';
    *p++ = exponent < 0 ? '-' : '+';
    p = WriteExponentDigits(p, exponent < 0 ? -exponent : exponent, 3);
    out.append(buf, p);
}

void AppendFixed(std::string& out, double value, int decimals)
{
    if (AppendNonFinite(out, value))
        return;
    decimals = std::clamp(decimals, 0, 18);
    // Below half a unit of the last place shown the value rounds to zero: the shortest
    // digits of a double below that bound are below it too. Noise such as -6E-17 is common.
    static constexpr double halfUnit[] = {5e-1,  5e-2,  5e-3,  5e-4,  5e-5,  5e-6,  5e-7,
                                          5e-8,  5e-9,  5e-10, 5e-11, 5e-12, 5e-13, 5e-14,
                                          5e-15, 5e-16, 5e-17, 5e-18, 5e-19};
    Decimal d;
    if (std::fabs(value) >= halfUnit[decimals]) {
        d = Decompose(value);
        RoundDigits(d, d.exponent + 1 + decimals);
    }
    // Digit i of d stands for the place 10^(exponent - i).
    const auto digitAt = [&d](int place) {
        const int i = d.exponent - place;
        return i >= 0 && i < d.count ? d.digits[i] : '0';
    };
    const int integerDigits = d.count == 0 || d.exponent < 0 ? 1 : d.exponent + 1;
    // Written into a buffer first, one append for the whole number; very large values,
    // whose integer part alone fills the buffer, take the string directly.
    char small[64];
    std::string large;
    const std::size_t length = 1 + static_cast<std::size_t>(integerDigits + 1 + decimals);
    char* const begin = length <= sizeof small ? small : (large.resize(length), large.data());
    char* p = begin;
    if (d.count > 0 && d.negative)
        *p++ = '-';
    if (d.count == 0 || d.exponent < 0) {
        *p++ = '0';
    } else {
        for (int place = d.exponent; place >= 0; --place)
            *p++ = digitAt(place);
    }
    if (decimals > 0) {
        *p++ = '.';
        for (int place = -1; place >= -decimals; --place)
            *p++ = digitAt(place);
    }
    out.append(begin, p);
}

void AppendGeneral(std::string& out, double value)
{
    if (AppendNonFinite(out, value))
        return;
    Decimal d = Decompose(value);
    RoundDigits(d, 15);
    if (d.count == 0) {
        out += '0';
        return;
    }
    char buf[48];
    char* p = buf;
    if (d.negative)
        *p++ = '-';
    if (d.exponent <= -5 || d.exponent >= 15) {
        *p++ = d.digits[0];
        if (d.count > 1) {
            *p++ = '.';
            p = std::copy(d.digits + 1, d.digits + d.count, p);
        }
        *p++ = 'E';
        if (d.exponent < 0)
            *p++ = '-';
        p = WriteExponentDigits(p, d.exponent < 0 ? -d.exponent : d.exponent, 1);
    } else if (d.exponent < 0) {
        *p++ = '0';
        *p++ = '.';
        p = std::fill_n(p, -d.exponent - 1, '0');
        p = std::copy(d.digits, d.digits + d.count, p);
    } else {
        const int intDigits = d.exponent + 1;
        const int shown = std::min(d.count, intDigits);
        p = std::copy(d.digits, d.digits + shown, p);
        p = std::fill_n(p, intDigits - shown, '0');
        if (d.count > intDigits) {
            *p++ = '.';
            p = std::copy(d.digits + intDigits, d.digits + d.count, p);
        }
    }
    out.append(buf, p);
}

template <typename T> void AppendInteger(std::string& out, T value)
{
    char buf[24];
    const auto result = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, result.ptr);
}

[[noreturn]] void ThrowTemplateError(std::string_view templ, const char* what)
{
    throw std::logic_error(std::string(what) + " in format \"" + std::string(templ) + "\"");
}

} // namespace

std::string FormatScientific(double value, int digits)
{
    std::string out;
    AppendScientific(out, value, digits);
    return out;
}

std::string FormatFixed(double value, int decimals)
{
    std::string out;
    AppendFixed(out, value, decimals);
    return out;
}

std::string FormatGeneral(double value)
{
    std::string out;
    AppendGeneral(out, value);
    return out;
}

std::string FormatShortest(double value)
{
    std::string out;
    if (AppendNonFinite(out, value))
        return out;
    if (value == 0)
        return "0";
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value);
    return std::string(text, end.ptr);
}

std::string FormatInt(std::int64_t value)
{
    std::string out;
    AppendInteger(out, value);
    return out;
}

std::string Format(std::string_view templ, std::initializer_list<FormatArg> args)
{
    std::string out;
    AppendFormat(out, templ, args);
    return out;
}

void AppendFormat(std::string& out, std::string_view templ, std::initializer_list<FormatArg> args)
{
    const FormatArg* arg = args.begin();
    std::size_t pos = 0;
    while (pos < templ.size()) {
        const std::size_t percent = templ.find('%', pos);
        if (percent == std::string_view::npos) {
            out.append(templ.substr(pos));
            break;
        }
        out.append(templ.substr(pos, percent - pos));
        pos = percent + 1;
        if (pos < templ.size() && templ[pos] == '%') {
            out += '%';
            ++pos;
            continue;
        }

        // [-][width][.precision]conversion
        bool leftJustify = false;
        if (pos < templ.size() && templ[pos] == '-') {
            leftJustify = true;
            ++pos;
        }
        const auto readNumber = [&]() {
            int number = 0;
            while (pos < templ.size() && templ[pos] >= '0' && templ[pos] <= '9') {
                number = std::min(number * 10 + (templ[pos] - '0'), 1000000);
                ++pos;
            }
            return number;
        };
        const int width = readNumber();
        int precision = -1;
        if (pos < templ.size() && templ[pos] == '.') {
            ++pos;
            precision = readNumber();
        }
        if (pos >= templ.size())
            ThrowTemplateError(templ, "Incomplete conversion");
        const char conversion = templ[pos++];
        if (arg == args.end())
            ThrowTemplateError(templ, "Missing value");
        const FormatArg& value = *arg++;

        const std::size_t start = out.size();
        switch (conversion) {
        case 'd':
        case 'D':
        case 'i':
        case 'I': {
            if (!value.isInteger())
                ThrowTemplateError(templ, "Non-integer value for an integer conversion");
            const bool negative =
                value.kind() == FormatArg::Kind::Signed && value.signedValue() < 0;
            if (negative)
                out += '-';
            const std::size_t digitsStart = out.size();
            if (value.kind() == FormatArg::Kind::Signed) {
                // Magnitude as unsigned, so that INT64_MIN has one.
                const std::uint64_t magnitude =
                    negative ? 0 - static_cast<std::uint64_t>(value.signedValue())
                             : static_cast<std::uint64_t>(value.signedValue());
                AppendInteger(out, magnitude);
            } else {
                AppendInteger(out, value.unsignedValue());
            }
            // A precision is the minimum number of digits.
            const int digitCount = static_cast<int>(out.size() - digitsStart);
            if (precision > digitCount)
                out.insert(digitsStart, static_cast<std::size_t>(precision - digitCount), '0');
            break;
        }
        case 's':
        case 'S': {
            if (value.kind() != FormatArg::Kind::Text)
                ThrowTemplateError(templ, "Non-text value for \"%s\"");
            // A precision is the maximum number of characters.
            std::string_view text = value.text();
            if (precision >= 0 && static_cast<std::size_t>(precision) < text.size())
                text = text.substr(0, static_cast<std::size_t>(precision));
            out.append(text);
            break;
        }
        case 'e':
        case 'E':
        case 'f':
        case 'F': {
            if (value.kind() == FormatArg::Kind::Text)
                ThrowTemplateError(templ, "Text value for a real conversion");
            if (conversion == 'e' || conversion == 'E')
                AppendScientific(out, value.realValue(), precision < 0 ? 15 : precision);
            else
                AppendFixed(out, value.realValue(), precision < 0 ? 2 : precision);
            break;
        }
        default:
            ThrowTemplateError(templ, "Unknown conversion");
        }

        const std::size_t length = out.size() - start;
        if (static_cast<std::size_t>(width) > length) {
            const std::size_t pad = static_cast<std::size_t>(width) - length;
            if (leftJustify)
                out.append(pad, ' ');
            else
                out.insert(start, pad, ' ');
        }
    }
    if (arg != args.end())
        ThrowTemplateError(templ, "Value without a conversion");
}

} // namespace vek
