#pragma once

#include <string>
#include <string_view>

namespace vek {

// Writes `bytes` to `path` so that the file it replaces is never damaged: into a temporary
// file in the same folder, flushed to the disk, then renamed over `path`. A failure (a folder
// that cannot be written, a read-only file, a full disk) removes the temporary file, leaves an
// old file at `path` as it was and raises VekError naming the path and the reason.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

} // namespace vek
