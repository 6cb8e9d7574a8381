#include "util/file_fingerprint.h"

#include "util/text_lines.h"

#include <xxhash.h>

#include <cstdio>

namespace vek {

namespace {

std::string HexDigits(std::uint64_t value)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

} // namespace

FileFingerprint FingerprintOf(std::string_view bytes)
{
    return {bytes.size(), HexDigits(XXH3_64bits(bytes.data(), bytes.size()))};
}

FileFingerprint FingerprintOfFile(const std::string& path)
{
    return FingerprintOf(ReadWholeFile(path));
}

} // namespace vek
