#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vek {

// What tells one version of a file from another: its size and the XXH3 64-bit hash of its
// bytes, written as 16 lower-case hex digits.
struct FileFingerprint
{
    std::uint64_t Size = 0;
    std::string Hash;

    bool operator==(const FileFingerprint&) const = default;
};

FileFingerprint FingerprintOf(std::string_view bytes);

// The fingerprint of the file's bytes; a file that cannot be read raises VekError naming it.
FileFingerprint FingerprintOfFile(const std::string& path);

} // namespace vek
