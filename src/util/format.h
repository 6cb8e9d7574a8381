#pragma once

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>

namespace vek {

// Number formats of every text the program writes. The decimal separator is a point.
//
// Rounding to the shown digits starts from the shortest decimal form that reads back as the
// same double and rounds it to nearest, a 5 in the first dropped place rounding away from
// zero: 0.35 with one decimal gives "0.4", 2.5 with none gives "3". A value that rounds to
// zero is written without a minus sign.

// "%0.<digits>E": scientific with `digits` significant digits and at least three exponent
// digits: FormatScientific(200000, 4) gives "2.000E+005", FormatScientific(0, 4) "0.000E+000".
// `digits` is taken within 1..18. NaN and infinities, here and in the other formats, are
// written "NAN", "INF" and "-INF".
std::string FormatScientific(double value, int digits);

// "%0.<decimals>F": fixed point, FormatFixed(0.5, 3) gives "0.500", FormatFixed(2.5, 0) "3".
// `decimals` is taken within 0..18; all digits of the integer part are written, never an
// exponent.
std::string FormatFixed(double value, int decimals);

// The general format of the dialogs: up to 15 significant digits, trailing zeros dropped,
// scientific when the decimal exponent is -5 or less or 15 or more ("1E-5", "1E15", "0.0001").
std::string FormatGeneral(double value);

// The shortest text that reads back as the same double, for the numbers no template fixes
// (CSV files, messages): 0.1 gives "0.1", -0.0794602 "-0.0794602", 1E21 "1e+21". Negative zero
// is written "0".
std::string FormatShortest(double value);

// "%d": decimal integer.
std::string FormatInt(std::int64_t value);

// Integers a FormatArg takes: every integral type except bool and the character types.
template <typename T>
concept FormatInteger = std::integral<T> && !std::same_as<T, bool> && !std::same_as<T, char> &&
                        !std::same_as<T, wchar_t> && !std::same_as<T, char8_t> &&
                        !std::same_as<T, char16_t> && !std::same_as<T, char32_t>;

// One value substituted into a template: an integer of any width, a real or a text. It is
// built implicitly, so Format("node %D %0.4E", {index, x}) takes int, size_t, double and
// std::string alike. A text is referenced, not copied: it must outlive the Format call, which
// temporaries in the argument list do. A char is not taken as a number (write it as a text).
class FormatArg
{
public:
    enum class Kind { Signed, Unsigned, Real, Text };

    template <FormatInteger T> FormatArg(T value)
    {
        if constexpr (std::is_signed_v<T>) {
            kind_ = Kind::Signed;
            signed_ = value;
        } else {
            kind_ = Kind::Unsigned;
            unsigned_ = value;
        }
    }
    template <std::floating_point T>
    FormatArg(T value) : kind_(Kind::Real), real_(static_cast<double>(value))
    {
    }
    FormatArg(std::string_view text) : kind_(Kind::Text), text_(text) {}
    FormatArg(const char* text) : kind_(Kind::Text), text_(text ? text : "") {}
    FormatArg(const std::string& text) : kind_(Kind::Text), text_(text) {}

    Kind kind() const { return kind_; }
    bool isInteger() const { return kind_ == Kind::Signed || kind_ == Kind::Unsigned; }
    std::int64_t signedValue() const { return signed_; }
    std::uint64_t unsignedValue() const { return unsigned_; }
    // The value of a real or an integer as a double.
    double realValue() const
    {
        switch (kind_) {
        case Kind::Signed:
            return static_cast<double>(signed_);
        case Kind::Unsigned:
            return static_cast<double>(unsigned_);
        default:
            return real_;
        }
    }
    std::string_view text() const { return text_; }

private:
    Kind kind_;
    union {
        std::int64_t signed_ = 0;
        std::uint64_t unsigned_;
        double real_;
    };
    std::string_view text_;
};

// Substitutes the values into a template such as "node %D %0.4E %0.4E %0.4E". Conversions
// (letter case does not matter): "%d" or "%i", "%s", "%0.<n>E", "%0.<n>F", and "%%" for a
// percent sign. A conversion may also carry "-", a width and a precision ("%-8s", "%6d",
// "%.3d"): the width pads with blanks (on the left, or on the right after "-"); the precision
// is the number of digits for E and F (15 and 2 when absent), the least number of digits for
// d and the most characters for s. An integer value given for a real conversion is converted
// to double. A conversion without a value, a value without a conversion, a string for a
// number conversion or a number for "%s" is a programming error and raises std::logic_error.
std::string Format(std::string_view templ, std::initializer_list<FormatArg> args);

// Format appended to `out`, for writers that build long texts.
void AppendFormat(std::string& out, std::string_view templ, std::initializer_list<FormatArg> args);

} // namespace vek
