#include "convert/v14_line.h"

namespace vek {

namespace {

bool IsBlank(char c)
{
    return c == ' ';
}

bool IsSeparator(char c)
{
    return c == '=' || c == ',' || c == '"';
}

bool IsControlOrBlank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

std::string_view Trimmed(std::string_view text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsControlOrBlank(text[first]))
        ++first;
    while (last > first && IsControlOrBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

// The cut positions of a line: character positions counted from 1, a field lying strictly
// between two consecutive cuts. One cut more than there are fields.
class Cuts
{
public:
    static constexpr std::size_t Capacity = V14FieldCount + 1;

    bool full() const { return count_ == Capacity; }
    bool empty() const { return count_ == 0; }
    std::size_t size() const { return count_; }
    std::size_t last() const { return positions_[count_ - 1]; }
    std::size_t operator[](std::size_t i) const { return positions_[i]; }

    void record(std::size_t position)
    {
        if (!full())
            positions_[count_++] = position;
    }

private:
    std::array<std::size_t, Capacity> positions_{};
    std::size_t count_ = 0;
};

} // namespace

void SplitV14Line(std::string_view line, TV14Fields& fields)
{
    fields = TV14Fields{};
    const std::size_t length = line.size();
    // Character q (from 1) of the line.
    auto at = [&](std::size_t q) { return line[q - 1]; };

    Cuts cuts;
    // Position 0 looks at the first character, as position 1 does.
    for (std::size_t p = 0; p <= length && !cuts.full(); ++p) {
        const std::size_t q = p > 1 ? p : 1;
        const bool threeBlanks =
            q + 2 <= length && IsBlank(at(q)) && IsBlank(at(q + 1)) && IsBlank(at(q + 2));
        if (threeBlanks && (cuts.empty() || cuts.last() + 1 != p))
            cuts.record(p);
        if (q <= length && IsSeparator(at(q)))
            cuts.record(p);
        if (p == length)
            cuts.record(length + 1);
    }

    for (std::size_t k = 0; k + 1 < cuts.size(); ++k) {
        // The characters a + 1 .. b - 1, counted from 1.
        const std::size_t a = cuts[k];
        const std::size_t b = cuts[k + 1];
        if (a >= length || b <= a + 1)
            continue;
        fields[k] = Trimmed(line.substr(a, b - a - 1));
    }
}

} // namespace vek
