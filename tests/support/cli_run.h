#pragma once

#include "cli/cli.h"

#include <sstream>
#include <string>
#include <vector>

namespace vek::testing {

// What one vek-cli run gave: its exit code and what it wrote.
struct CliResult
{
    int Code;
    std::string Out;
    std::string Err;
};

inline CliResult RunVekCli(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int code = RunCli(args, out, err);
    return {code, out.str(), err.str()};
}

inline std::string FirstLine(const std::string& text)
{
    return text.substr(0, text.find('\n'));
}

} // namespace vek::testing
