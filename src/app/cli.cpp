#include "app/cli.h"

#include "model/model_json.h"
#include "s2k/s2k_import.h"
#include "util/error.h"

#include <functional>
#include <ostream>

namespace vek {

namespace {

constexpr const char* usage =
    "Usage: vek-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Batch use of VEK, the OpenSees pre- and post-processor.\n"
    "\n"
    "Commands:\n"
    "  info FILE.s2k   Import a SAP2000 version 6 s2k file and print the counts the status\n"
    "                  bar would show, on one line:\n"
    "                  Node=3 Frame=2 Shell=0 Solid=0 Mat=1 Fsec=1 Wsec=0\n"
    "  dump FILE.s2k   Import the file and print the whole imported model as JSON: every\n"
    "                  count, the load case names and every table with its fields.\n"
    "  --help          Print this text.\n"
    "\n"
    "When an import stops, the error's message is printed alone on the first line of the\n"
    "standard error, followed by the line of the file where it stopped, and the exit code\n"
    "is 1. A usage error exits with 2.\n";

// Loads and imports the file; on an error prints it and returns false.
bool ImportFile(Model& model, const std::string& path, std::ostream& err)
{
    try {
        LoadS2kFile(model, path);
        ReadS2kModel(model);
        return true;
    } catch (const VekError& error) {
        err << error.what() << '\n';
        if (error.hasLine())
            err << "at line " << error.line() + 1 << " of " << path << '\n';
        return false;
    }
}

int Info(const std::string& path, std::ostream& out, std::ostream& err)
{
    Model model;
    if (!ImportFile(model, path, err))
        return 1;
    const ModelCountTexts counts = ShowModelCounts(model);
    static constexpr const char* headings[] = {"Node", "Frame", "Shell", "Solid",
                                               "Mat",  "Fsec",  "Wsec"};
    for (std::size_t k = 0; k < counts.size(); ++k)
        out << (k ? " " : "") << headings[k] << '=' << counts[k];
    out << '\n';
    return 0;
}

int Dump(const std::string& path, std::ostream& out, std::ostream& err)
{
    Model model;
    if (!ImportFile(model, path, err))
        return 1;
    out << ModelToJson(model);
    return 0;
}

struct Command
{
    const char* name;
    std::size_t argumentCount;
    std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)> run;
};

} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const Command commands[] = {
        {"info", 1, [](auto& a, auto& o, auto& e) { return Info(a[1], o, e); }},
        {"dump", 1, [](auto& a, auto& o, auto& e) { return Dump(a[1], o, e); }},
    };
    if (args.empty()) {
        err << usage;
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        out << usage;
        return 0;
    }
    for (const Command& command : commands) {
        if (args[0] != command.name)
            continue;
        if (args.size() != command.argumentCount + 1) {
            err << "vek-cli " << command.name << ": wrong number of arguments\n\n" << usage;
            return 2;
        }
        return command.run(args, out, err);
    }
    err << "vek-cli: unknown command '" << args[0] << "'\n\n" << usage;
    return 2;
}

} // namespace vek
