#pragma once

#include <stdexcept>
#include <string>

namespace vek {

// The one error type of the program. Its message is the exact text the user sees
// ("'abc' is not a valid integer value", "Range check error", ...). Readers of text files
// may attach the 0-based number of the line they were reading when the error arose.
class VekError : public std::runtime_error
{
public:
    explicit VekError(const std::string& message) : std::runtime_error(message) {}

    bool hasLine() const { return line_ >= 0; }
    long long line() const { return line_; }
    void setLine(long long line) { line_ = line; }

private:
    long long line_ = -1;
};

} // namespace vek
