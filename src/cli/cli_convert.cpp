#include "cli/cli_convert.h"

#include "cli/cli_support.h"
#include "convert/v14_converter.h"
#include "util/error.h"
#include "util/text_lines.h"

#include <ostream>

namespace vek {

int ConvertCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 3)
        return UsageError("convert", "give the V14 s2k file and the file to write", err);
    const std::string& input = args[1];
    const std::string& output = args[2];
    try {
        V14Converter converter;
        converter.SourceLines = LoadTextFile(input);
        const std::vector<std::string> log = ConvertV14File(converter);
        // A conversion that stops writes nothing, so no half-converted file is left behind.
        WriteLinesCrLf(output, converter.OutputLines);
        for (const std::string& line : log)
            out << line << '\n';
        return 0;
    } catch (const VekError& error) {
        err << error.what() << '\n';
        if (error.hasLine())
            err << "at line " << error.line() + 1 << " of " << input << '\n';
        return 1;
    }
}

} // namespace vek
