#include "post/recorder_line.h"

#include "util/number_parse.h"

namespace vek {

namespace {

// Blanks and control characters are trimmed from both ends of a field.
bool IsTrimmed(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsTrimmed(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsTrimmed(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

void SplitRecorderLine(std::string_view line, RecorderFields& fields)
{
    fields.clear();
    // The line is read with one blank after it. The scan for blanks looks at the first
    // character twice, so a line that starts with a blank (or is empty, which leaves just the
    // added blank) has one more empty field in front.
    if (line.empty() || line.front() == ' ')
        fields.push_back(std::string_view());
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i < line.size() && line[i] != ' ')
            continue;
        fields.push_back(Trimmed(line.substr(start, i - start)));
        start = i + 1;
    }
}

double RecorderValue(const RecorderFields& fields, std::size_t i)
{
    return StrToFloat(i < fields.size() ? fields[i] : std::string_view());
}

} // namespace vek
