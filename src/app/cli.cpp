#include "app/cli.h"

#include "app/cli_convert.h"
#include "app/cli_post.h"
#include "app/cli_support.h"
#include "app/cli_tcl.h"
#include "model/model_json.h"
#include "s2k/s2k_import.h"
#include "util/error.h"

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
    "  tcl FILE.s2k [-o OUT.tcl] [OPTIONS]\n"
    "                  Import the file and write its OpenSees Tcl script to OUT.tcl, or to\n"
    "                  the standard output, every line ended by CR LF. Warnings about\n"
    "                  settings that will make OpenSees fail go to the standard error.\n"
    "                  Options, each as often as needed:\n"
    "                    --set Name=Value    an analysis, recorder or view setting, e.g.\n"
    "                                        --set AnalysisType=3 --set LoadFactor=0.5\n"
    "                                        --set RecordFrameForce=1 (flags: 1/0, true/false)\n"
    "                    --section N:Field=Value\n"
    "                                        a field of frame section N: ElemType,\n"
    "                                        SectionKind, DivideFX, DivideFY, BarNumNX,\n"
    "                                        BarNumNY, Cover, XBarTop, YBarBot, GeomTransf,\n"
    "                                        HingeLengthI, HingeLengthJ\n"
    "                    --shell-section N:ShellElemType=Value\n"
    "                                        the element of shell section N (0 ShellMITC4,\n"
    "                                        1 ShellDKGQ)\n"
    "                    --solid-material T:E=Value,Poisson=Value\n"
    "                                        the material of the solids of SectionTag T,\n"
    "                                        both fields given (E > 0, -1 < Poisson < 0.5);\n"
    "                                        without it a tag T in 1..MaterialCount takes\n"
    "                                        material T's E and Poisson's ratio\n"
    "  convert IN.s2k OUT.s2k\n"
    "                  Rewrite a SAP2000 V14 s2k file of a solid model (joints, restraints,\n"
    "                  joint forces, 8-node solids) in the version 6 layout that VEK\n"
    "                  imports, every line ended by CR LF, and print the conversion's log.\n"
    "                  The joints must be labelled 1..N in table order.\n"
    "  disp FILE.s2k FOLDER [--step N] [--mode M]\n"
    "                  Import the file, read the joint displacements of load step N\n"
    "                  (default 1) from the node recorder files node<k>.out in FOLDER, or\n"
    "                  with --mode the shape of mode M from eigen<M>_node<k>.out, and print\n"
    "                  joint,dx,dy,dz for every joint (17 significant digits).\n"
    "  sections FILE.s2k FOLDER [--step N] [--kind 1|2|3] [--set Name=Value]\n"
    "           [--section N:Field=Value]\n"
    "                  Import the file, read the deformations of the first and the last\n"
    "                  section of every frame at load step N from ele<k>_secs.out and\n"
    "                  ele<k>_secn.out in FOLDER (kind 1 axial strain, the default, 2\n"
    "                  curvature z, 3 curvature y) and print frame,resultI,resultJ. Give the\n"
    "                  --set and --section options the script was written with\n"
    "                  (UseSectionAggregator, NumIntegrationPoints, ElemType...).\n"
    "  --help          Print this text.\n"
    "\n"
    "When an import or a generation stops, the error's message is printed alone on the first\n"
    "line of the standard error (for an import, the line of the file where it stopped follows)\n"
    "and the exit code is 1. A usage error, an unknown setting or a bad value exits with 2.\n";

int Info(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 2)
        return UsageError("info: give one s2k file", err);
    Model model;
    if (!ImportForCli(model, args[1], err))
        return 1;
    const ModelCountTexts counts = ShowModelCounts(model);
    static constexpr const char* headings[] = {"Node", "Frame", "Shell", "Solid",
                                               "Mat",  "Fsec",  "Wsec"};
    for (std::size_t k = 0; k < counts.size(); ++k)
        out << (k ? " " : "") << headings[k] << '=' << counts[k];
    out << '\n';
    return 0;
}

int Dump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 2)
        return UsageError("dump: give one s2k file", err);
    Model model;
    if (!ImportForCli(model, args[1], err))
        return 1;
    out << ModelToJson(model);
    return 0;
}

} // namespace

int UsageError(const std::string& message, std::ostream& err)
{
    err << "vek-cli: " << message << "\n\n" << usage;
    return 2;
}

bool ImportForCli(Model& model, const std::string& path, std::ostream& err)
{
    try {
        LoadS2kFile(model, path);
        ImportReport report;
        ReadS2kModel(model, report);
        for (const std::string& warning : report.Warnings(path))
            err << "warning: " << warning << '\n';
        return true;
    } catch (const VekError& error) {
        err << error.what() << '\n';
        if (error.hasLine())
            err << "at line " << error.line() + 1 << " of " << path << '\n';
        return false;
    }
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty())
        return UsageError("no command given", err);
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        out << usage;
        return 0;
    }
    if (command == "info")
        return Info(args, out, err);
    if (command == "dump")
        return Dump(args, out, err);
    if (command == "convert")
        return ConvertCommand(args, out, err);
    if (command == "disp")
        return DispCommand(args, out, err);
    if (command == "sections")
        return SectionsCommand(args, out, err);
    if (command == "tcl")
        return TclCommand(args, out, err);
    return UsageError("unknown command '" + command + "'", err);
}

} // namespace vek
