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

    std::size_t size() const { return starts_.size() - 1; }
    bool empty() const { return starts_.size() == 1; }

    std::string_view operator[](std::size_t i) const
    {
        const std::size_t begin = starts_[i];
        std::size_t end = starts_[i + 1];
        // Each line is stored with its break; the break is not part of the line.
        if (end > begin && buffer_[end - 1] == '\n')
            --end;
        if (end > begin && buffer_[end - 1] == '\r')
            --end;
        return std::string_view(buffer_.data() + begin, end - begin);
    }

    void clear();

    // Makes room for about this many lines of this many characters in all.
    void reserve(std::size_t lineCount, std::size_t characters);

    // Appends a line; a CR or LF inside it starts a new line there.
    void push_back(std::string_view line);

    // Appends the line that Format(templ, args) gives, written straight into the buffer.
    void AddFormatted(std::string_view templ, std::initializer_list<FormatArg> args);

    // The lines joined with CR LF after every line, as every text file of the program is written.
    std::string JoinCrLf() const;

private:
    // Records the lines of buffer_ from `begin` on, ending the last one with a break.
    void AddLinesFrom(std::size_t begin);
    // Ends the line appended to buffer_ at `begin`, splitting it where it holds a break.
    void EndAppendedLine(std::size_t begin, bool mayHoldBreaks);

    // The text with the line breaks, as read or as appended (an appended line gets LF).
    std::string buffer_;
    // Where each line starts in buffer_, and after the last line the end of the buffer: a
    // line is what lies between two starts, less its break. Eight bytes a line.
    std::vector<std::size_t> starts_ = std::vector<std::size_t>(1, 0);
};

// The words of a line: the runs of characters between blanks, tabs and other control
// characters ("  a\tb\r" gives "a", "b"). They point into the line.
std::vector<std::string_view> SplitWords(std::string_view line);

// Reads a whole file as 8-bit text. A file that cannot be opened raises
// VekError("Cannot open file \"<path>\". <reason>").
std::string ReadWholeFile(const std::string& path);

// Reads a whole file and splits it into lines.
TextLines LoadTextFile(const std::string& path);

// Writes the lines to the file, replacing it, each followed by CR LF, without building the
// whole text in memory first; raises VekError as WriteWholeFile does.
void WriteLinesCrLf(const std::string& path, const TextLines& lines);

// Writes the text to the file, replacing it; raises VekError with the same message as
// ReadWholeFile when the file cannot be created or written.
void WriteWholeFile(const std::string& path, std::string_view text);

} // namespace vek
