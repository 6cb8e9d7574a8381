#include "cli/cli_help.h"

#include <algorithm>
#include <ostream>
#include <string>

namespace vek {

namespace {

// One command: its name, its arguments (further lines of them indented as they are printed)
// and the lines of what it does.
struct CommandHelp
{
    std::string_view Name;
    std::string_view Synopsis;
    std::string_view Text;
};

constexpr CommandHelp Commands[] = {
    {"info", "info FILE.s2k",
     "Import a SAP2000 version 6 s2k file and print the counts the status\n"
     "bar would show, on one line:\n"
     "Node=3 Frame=2 Shell=0 Solid=0 Mat=1 Fsec=1 Wsec=0\n"},
    {"dump", "dump FILE.s2k",
     "Import the file and print the whole imported model as JSON: every\n"
     "count, the load case names and every table with its fields.\n"},
    {"tcl", "tcl FILE.s2k [-o OUT.tcl] [OPTIONS]",
     "Import the file and write its OpenSees Tcl script to OUT.tcl, or to\n"
     "the standard output, every line ended by CR LF, and with -o the record\n"
     "of its settings beside it (OUT.tcl.vek.json), which disp and sections\n"
     "read from the folder of the recorder files. Warnings about\n"
     "settings that will make OpenSees fail go to the standard error.\n"
     "Options, each as often as needed:\n"
     "  --set Name=Value    an analysis, recorder or view setting, e.g.\n"
     "                      --set AnalysisType=3 --set LoadFactor=0.5\n"
     "                      --set RecordFrameForce=1 (flags: 1/0, true/false)\n"
     "  --section N:Field=Value\n"
     "                      a field of frame section N: ElemType,\n"
     "                      SectionKind, DivideFX, DivideFY, BarNumNX,\n"
     "                      BarNumNY, Cover, XBarTop, YBarBot, GeomTransf,\n"
     "                      HingeLengthI, HingeLengthJ\n"
     "  --shell-section N:ShellElemType=Value\n"
     "                      the element of shell section N (0 ShellMITC4,\n"
     "                      1 ShellDKGQ)\n"
     "  --solid-material T:E=Value,Poisson=Value\n"
     "                      the material of the solids of SectionTag T,\n"
     "                      both fields given (E > 0, -1 < Poisson < 0.5);\n"
     "                      without it a tag T in 1..MaterialCount takes\n"
     "                      material T's E and Poisson's ratio\n"
     "  --material M:Type=T,Name=Value,Parameter=Value,...\n"
     "                      material M as the OpenSees uniaxialMaterial T\n"
     "                      with its parameters: Elastic E; Steel01 Fy,\n"
     "                      E0, b; Steel02 Fy, E0, b, R0, cR1, cR2 (E,\n"
     "                      Fy and E0 greater than 0);\n"
     "                      Concrete01 fpc, epsc0, fpcu, epsU (0 or\n"
     "                      negative: compression is negative); Concrete02\n"
     "                      those and lambda, ft, Ets. E0 and E start as\n"
     "                      the material's E, R0, cR1 and cR2 as 18, 0.925\n"
     "                      and 0.15; the others must be given. M =\n"
     "                      MaterialCount + 1 adds a material, which needs\n"
     "                      Name=Value\n"},
    {"project", "project FILE.s2k -o P.vek [OPTIONS]",
     "Import the file, apply the options as tcl does (--set, --section,\n"
     "--shell-section, --solid-material, --material) and save the project\n"
     "file P.vek: the s2k file's path relative to P.vek's folder and its\n"
     "size and hash, the section and material fields the options changed,\n"
     "the materials they added, and the settings.\n"},
    {"run", "run FILE.s2k -d FOLDER [--solver PATH] [OPTIONS]",
     "Write the script of the file (with the options of tcl) into FOLDER,\n"
     "with the ground-motion files it reads copied from beside the file, and\n"
     "run OpenSees on it there: the solver given, else $OPENSEES, else the\n"
     "one beside vek-cli, else the first on the PATH. Prints a line for\n"
     "each stage of the analysis (\"pushover: step 135 of 200\"), and last\n"
     "\"finished\" or \"failed: REASON\"; the solver's line and the warnings\n"
     "that predicted the failure go to the standard error, its whole output\n"
     "to FOLDER/run.log. Exit code 0 finished, 1 failed, 2 usage error.\n"},
    {"convert", "convert IN.s2k OUT.s2k",
     "Rewrite a SAP2000 V14 s2k file of a solid model (joints, restraints,\n"
     "joint forces, 8-node solids) in the version 6 layout that VEK\n"
     "imports, every line ended by CR LF, and print the conversion's log.\n"
     "The joints must be labelled 1..N in table order.\n"},
    {"disp", "disp FILE.s2k FOLDER [--step N] [--mode M]",
     "Import the file, read the joint displacements of load step N\n"
     "(default 1) from the node recorder files node<k>.out in FOLDER, or\n"
     "with --mode the shape of mode M from eigen<M>_node<k>.out, and print\n"
     "joint,dx,dy,dz for every joint (each value in the shortest form that\n"
     "reads back as the same number).\n"},
    {"sections",
     "sections FILE.s2k FOLDER [--step N] [--kind 1|2|3] [--set Name=Value]\n"
     "         [--section N:Field=Value]",
     "Import the file, read the deformations of the first and the last\n"
     "section of every frame at load step N from ele<k>_secs.out and\n"
     "ele<k>_secn.out in FOLDER (kind 1 axial strain, the default, 2\n"
     "curvature z, 3 curvature y) and print frame,resultI,resultJ. The\n"
     "settings and element types are those of the script's record in FOLDER\n"
     "(written by tcl -o beside the script; the newest when there are more),\n"
     "the options on top. Without a record give the --set and --section\n"
     "options the script was written with (UseSectionAggregator, ElemType...).\n"},
    {"modal", "modal FILE.s2k FOLDER [tcl options]",
     "Import the file, read ModalProperties.txt of a modal analysis from\n"
     "FOLDER and print mode,period,frequency,MX,MY,MZ,RMX,RMY,RMZ for every\n"
     "mode: the modal participation mass ratios as fractions.\n"},
    {"curve", "curve FILE.s2k FOLDER [tcl options]",
     "Import the file and print the capacity curve of a pushover (Analysis\n"
     "Type 2, or 3 after the gravity stage) from the control joint's node\n"
     "file: step,displacement,lambda,baseShear for every recorded push step;\n"
     "the base shear is lambda times the push case's load in the control\n"
     "direction. A run that stopped early is named on the standard error.\n"},
    {"history", "history FILE.s2k FOLDER --joint J --dof 1|2|3 [tcl options]",
     "Import the file and print time,value of joint J's displacement in U1,\n"
     "U2 or U3 for every line of its node file (the time is the load factor\n"
     "of a static analysis).\n"},
    {"forces", "forces FILE.s2k FOLDER --step N [tcl options]",
     "Import the file and print frame, then the 12 end forces OpenSees wrote\n"
     "at load step N in ele<k>.out (localForce: N, Vy, Vz, T, My, Mz at end\n"
     "I, then at end J), for every frame whose element records them (beam-\n"
     "columns and trusses; release links and corotational trusses do not).\n"},
};

// Where the text of a command starts in the whole help, and the width of the longest
// argument list that still has its text on the same line.
constexpr std::size_t TextColumn = 18;

// Said of the commands that read an s2k file.
constexpr const char* ProjectInput =
    "A project file (a path ending in .vek) may stand for FILE.s2k: its s2k file is imported,\n"
    "then its section edits and settings apply, then the command's own options.\n";

constexpr const char* ExitCodes =
    "When an import, the opening of a project or a generation stops, the error's message is\n"
    "printed alone on the first line of the standard error (for an import, the line of the file\n"
    "where it stopped follows) and the exit code is 1. A usage error, an unknown setting or a bad "
    "value exits with 2.\n";

const CommandHelp* FindCommand(std::string_view command)
{
    const auto found = std::find_if(std::begin(Commands), std::end(Commands),
                                    [&](const CommandHelp& c) { return c.Name == command; });
    return found == std::end(Commands) ? nullptr : found;
}

// Each line of `text` after `indent` blanks; the first after `first` blanks instead.
void WriteIndented(std::ostream& out, std::string_view text, std::size_t first, std::size_t indent)
{
    std::size_t blanks = first;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        out << std::string(blanks, ' ') << text.substr(0, end) << '\n';
        text.remove_prefix(std::min(end + 1, text.size()));
        blanks = indent;
    }
}

} // namespace

bool IsCliCommand(std::string_view command)
{
    return FindCommand(command) != nullptr;
}

void WriteCliHelp(std::ostream& out)
{
    out << "Usage: vek-cli COMMAND [ARGUMENTS]\n"
           "\n"
           "Batch use of VEK, the OpenSees pre- and post-processor.\n"
           "\n"
           "Commands:\n";
    for (const CommandHelp& command : Commands) {
        const std::string_view synopsis = command.Synopsis;
        const bool oneLine = synopsis.find('\n') == std::string_view::npos;
        if (oneLine && 2 + synopsis.size() + 3 <= TextColumn) {
            out << "  " << synopsis << std::string(TextColumn - 2 - synopsis.size(), ' ');
            WriteIndented(out, command.Text, 0, TextColumn);
            continue;
        }
        WriteIndented(out, synopsis, 2, 2);
        WriteIndented(out, command.Text, TextColumn, TextColumn);
    }
    out << "  --help          Print this text; COMMAND --help prints the command's own.\n"
           "\n"
        << ProjectInput << '\n'
        << ExitCodes;
}

void WriteCommandHelp(std::ostream& out, std::string_view command)
{
    const CommandHelp* help = FindCommand(command);
    if (help == nullptr)
        return;
    out << "Usage: vek-cli ";
    WriteIndented(out, help->Synopsis, 0, 15);
    out << '\n';
    WriteIndented(out, help->Text, 0, 0);
    if (command != "convert")
        out << '\n' << ProjectInput;
    out << '\n' << ExitCodes;
}

} // namespace vek
