#include "util/text_lines.h"

#include "util/error.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace vek {

TextLines TextLines::FromText(std::string text)
{
    TextLines result;
    result.buffer_ = std::move(text);
    // A typical s2k line is some 30 to 50 characters long.
    result.starts_.reserve(result.buffer_.size() / 40 + 2);
    result.AddLinesFrom(0);
    return result;
}

void TextLines::AddLinesFrom(std::size_t begin)
{
    const char* data = buffer_.data();
    const std::size_t n = buffer_.size();
    // Positions of the next CR and the next LF at or after begin, each searched once.
    auto find = [&](char c, std::size_t from) {
        const void* hit = std::memchr(data + from, c, n - from);
        return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - data) : n;
    };
    std::size_t nextCr = find('\r', begin);
    std::size_t nextLf = find('\n', begin);
    while (true) {
        if (nextCr < begin)
            nextCr = find('\r', begin);
        if (nextLf < begin)
            nextLf = find('\n', begin);
        const std::size_t pos = std::min(nextCr, nextLf);
        if (pos >= n)
            break;
        begin = pos + 1;
        if (data[pos] == '\r' && begin < n && data[begin] == '\n')
            ++begin;
        starts_.push_back(begin);
    }
    // A last line without a break.
    if (begin < n)
        starts_.push_back(n);
}

void TextLines::reserve(std::size_t lineCount, std::size_t characters)
{
    starts_.reserve(lineCount + 1);
    buffer_.reserve(characters + lineCount);
}

void TextLines::clear()
{
    buffer_.clear();
    starts_.assign(1, 0);
}

namespace {

bool HasLineBreak(std::string_view text)
{
    return std::memchr(text.data(), '\n', text.size()) ||
           std::memchr(text.data(), '\r', text.size());
}

} // namespace

void TextLines::EndAppendedLine(std::size_t begin, bool mayHoldBreaks)
{
    const bool plain = !mayHoldBreaks || !HasLineBreak(std::string_view(buffer_).substr(begin));
    buffer_ += '\n';
    if (plain)
        starts_.push_back(buffer_.size());
    else
        AddLinesFrom(begin);
}

void TextLines::push_back(std::string_view line)
{
    const std::size_t begin = buffer_.size();
    buffer_.append(line);
    EndAppendedLine(begin, true);
}

void TextLines::AddFormatted(std::string_view templ, std::initializer_list<FormatArg> args)
{
    const std::size_t begin = buffer_.size();
    AppendFormat(buffer_, templ, args);
    // Only a text value can bring a break in: templates and numbers hold none.
    bool breaks = false;
    for (const FormatArg& arg : args)
        if (arg.kind() == FormatArg::Kind::Text)
            for (char c : arg.text())
                breaks = breaks || c == '\n' || c == '\r';
    EndAppendedLine(begin, breaks);
}

std::string TextLines::JoinCrLf() const
{
    std::string out;
    out.reserve(buffer_.size() + 2 * size());
    for (std::size_t i = 0; i < size(); ++i) {
        out.append((*this)[i]);
        out.append("\r\n");
    }
    return out;
}

namespace {

struct FileCloser
{
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

[[noreturn]] void ThrowCannotOpen(const std::string& path, int error)
{
    throw VekError("Cannot open file \"" + path + "\". " + std::strerror(error));
}

} // namespace

std::string ReadWholeFile(const std::string& path)
{
    errno = 0;
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file)
        ThrowCannotOpen(path, errno ? errno : ENOENT);
    std::string text;
    std::error_code sizeError;
    const auto size = std::filesystem::file_size(path, sizeError);
    if (!sizeError)
        text.reserve(static_cast<std::size_t>(size));
    char chunk[1 << 16];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
        text.append(chunk, got);
    if (std::ferror(file.get()))
        ThrowCannotOpen(path, errno ? errno : EIO);
    return text;
}

TextLines LoadTextFile(const std::string& path)
{
    return TextLines::FromText(ReadWholeFile(path));
}

void WriteLinesCrLf(const std::string& path, const TextLines& lines)
{
    errno = 0;
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file)
        ThrowCannotOpen(path, errno ? errno : EACCES);
    // Written a block at a time.
    std::string block;
    constexpr std::size_t blockSize = std::size_t(1) << 20;
    block.reserve(blockSize + 256);
    auto flush = [&] {
        if (std::fwrite(block.data(), 1, block.size(), file.get()) != block.size())
            ThrowCannotOpen(path, errno ? errno : EIO);
        block.clear();
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        block.append(lines[i]);
        block.append("\r\n");
        if (block.size() >= blockSize)
            flush();
    }
    flush();
    if (std::fclose(file.release()) != 0)
        ThrowCannotOpen(path, errno ? errno : EIO);
}

void WriteWholeFile(const std::string& path, std::string_view text)
{
    errno = 0;
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file)
        ThrowCannotOpen(path, errno ? errno : EACCES);
    if (std::fwrite(text.data(), 1, text.size(), file.get()) != text.size())
        ThrowCannotOpen(path, errno ? errno : EIO);
    if (std::fclose(file.release()) != 0)
        ThrowCannotOpen(path, errno ? errno : EIO);
}

std::vector<std::string_view> SplitWords(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && static_cast<unsigned char>(line[i]) <= ' ')
            ++i;
        const std::size_t start = i;
        while (i < line.size() && static_cast<unsigned char>(line[i]) > ' ')
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

} // namespace vek
