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
    const std::string& buf = result.buffer_;
    const std::size_t n = buf.size();
    // A typical s2k line is some 30 to 50 characters long.
    result.lines_.reserve(n / 32 + 1);
    // Positions of the next CR and the next LF at or after i, each searched once.
    const char* data = buf.data();
    auto find = [&](char c, std::size_t from) {
        const void* hit = std::memchr(data + from, c, n - from);
        return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - data) : n;
    };
    std::size_t nextCr = find('\r', 0);
    std::size_t nextLf = find('\n', 0);
    std::size_t begin = 0;
    while (true) {
        if (nextCr < begin)
            nextCr = find('\r', begin);
        if (nextLf < begin)
            nextLf = find('\n', begin);
        const std::size_t pos = std::min(nextCr, nextLf);
        if (pos >= n)
            break;
        result.lines_.push_back({begin, pos - begin});
        begin = pos + 1;
        if (data[pos] == '\r' && begin < n && data[begin] == '\n')
            ++begin;
    }
    if (begin < n)
        result.lines_.push_back({begin, n - begin});
    return result;
}

void TextLines::clear()
{
    buffer_.clear();
    lines_.clear();
}

void TextLines::push_back(std::string_view line)
{
    lines_.push_back({buffer_.size(), line.size()});
    buffer_.append(line);
}

void TextLines::AddFormatted(std::string_view templ, std::initializer_list<FormatArg> args)
{
    const std::size_t begin = buffer_.size();
    AppendFormat(buffer_, templ, args);
    lines_.push_back({begin, buffer_.size() - begin});
}

std::string TextLines::JoinCrLf() const
{
    std::string out;
    out.reserve(buffer_.size() + 2 * lines_.size());
    for (std::size_t i = 0; i < lines_.size(); ++i) {
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

} // namespace vek
