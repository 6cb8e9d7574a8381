#pragma once

#include "util/format.h"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vek {

// The lines of a text, held as one buffer and the positions of the lines in it, so that a
// file of millions of lines costs little more than its own size. Lines are numbered from 0;
// the line breaks are not part of the lines.
class TextLines
{
public:
    TextLines() = default;

    // Splits a whole text at CR LF, LF or CR. A break at the very end of the text adds no
    // empty line; an empty text has no lines.
    static TextLines FromText(std::string text);

    std::size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }

    std::string_view operator[](std::size_t i) const
    {
        return std::string_view(buffer_.data() + lines_[i].begin, lines_[i].length);
    }

    void clear();
    void push_back(std::string_view line);

    // Appends the line that Format(templ, args) gives, written straight into the buffer.
    void AddFormatted(std::string_view templ, std::initializer_list<FormatArg> args);

    // The lines joined with CR LF after every line, as every text file of the program is written.
    std::string JoinCrLf() const;

private:
    struct Span
    {
        std::size_t begin;
        std::size_t length;
    };

    std::string buffer_;
    std::vector<Span> lines_;
};

// Reads a whole file as 8-bit text. A file that cannot be opened raises
// VekError("Cannot open file \"<path>\". <reason>").
std::string ReadWholeFile(const std::string& path);

// Reads a whole file and splits it into lines.
TextLines LoadTextFile(const std::string& path);

// Writes the text to the file, replacing it; raises VekError with the same message as
// ReadWholeFile when the file cannot be created or written.
void WriteWholeFile(const std::string& path, std::string_view text);

} // namespace vek
