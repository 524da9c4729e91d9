#include "cli/CommandSyntax.h"

#include <algorithm>

namespace zorvane::cli {
namespace {

const OptionSyntax kHelp{"help", "", "Shows this help."};
const OptionSyntax kProgramOptions{"program-options", "progop.ini",
                                   "Program options file to use instead of the program's own."};

std::vector<CommandSyntax> makeCommands() {
    return {
        {"info",
         "CASE.zvr",
         1,
         "Shows what a case holds.",
         "Shows the case's name and description, its mode, unit and decimals, the last point\n"
         "number, how many points, polylines and images it holds, and the extents of its plan.\n",
         {{"json", "", "Writes the same as one JSON object, for scripts."}, kHelp}},
        {"resave",
         "IN.zvr OUT.zvr",
         1 + 1,
         "Opens a case and saves it again.",
         "Opens IN.zvr and saves it as OUT.zvr, as Open and then Save do in the program: the\n"
         "same bytes the program writes. Images are kept when the program option \"Save images\n"
         "within ZVR file.\" is on.\n",
         {kProgramOptions, kHelp}},
        {"export-dxf",
         "CASE.zvr OUT.dxf",
         2,
         "Writes the case as a DXF drawing.",
         "Writes the DXF drawing \"Create DXF file\" writes, with the DXF export options of the\n"
         "program (qkrdxfop.ini) or of the file given.\n",
         {{"options", "qkrdxfop.ini", "DXF export options file to use."}, kHelp}},
        {"export-coords",
         "xyz|polar|nesw CASE.zvr OUT.txt",
         3,
         "Writes the points to a coordinate text file.",
         "Writes every point in the XYZ, Polar or NESW form, as \"Export to XYZ file\" and its\n"
         "siblings do, with the coordinate export options of the program (qkrxyzop.ini) or of\n"
         "the file given. Numbers use the decimal separator of the locale.\n",
         {{"options", "qkrxyzop.ini", "Coordinate export options file to use."}, kHelp}},
        {"import-coords",
         "xyz|polar|nesw IN.txt OUT.zvr",
         3,
         "Makes a case from a coordinate text file.",
         "Reads IN.txt as \"Import XYZ file\" and its siblings do, with the import options of\n"
         "the program (impop.ini) or of the file given, and saves the new case as OUT.zvr.\n"
         "Lines that cannot be read are listed on standard error; the others are imported.\n"
         "The incident date is today's, or that of SOURCE_DATE_EPOCH when it is set.\n",
         {{"options", "impop.ini", "Import options file to use."}, kProgramOptions, kHelp}},
        {"render",
         "CASE.zvr OUT.png|OUT.pdf|OUT.svg",
         2,
         "Draws the plan as a picture or exhibit.",
         "OUT.png: the plan as the drawing window shows it after Zoom All, on a surface of the\n"
         "given size, with the display settings of the program options.\n"
         "OUT.pdf, OUT.svg: a court exhibit, the plan to scale on a sheet of paper with a title\n"
         "block, a scale bar and a north arrow, centred on the Zoom All view. Without --scale,\n"
         "the largest scale at which every point fits. A PDF is dated SOURCE_DATE_EPOCH when\n"
         "it is set.\n",
         {{"width", "PX", "Width of the drawing surface (1 to 8192, default 1024)."},
          {"height", "PX", "Height of the drawing surface (1 to 8192, default 768)."},
          {"scale", "1:N", "Scale of an exhibit, e.g. 1:200."},
          {"paper", "A4|A3|Letter", "Paper of an exhibit (default A4)."},
          {"orientation", "portrait|landscape",
           "Orientation of an exhibit (default: the one the plan fits best)."},
          kProgramOptions,
          kHelp}},
    };
}

} // namespace

const std::vector<CommandSyntax>& commandSyntaxes() {
    static const std::vector<CommandSyntax> commands = makeCommands();
    return commands;
}

const CommandSyntax* findCommand(std::string_view name) {
    const auto& commands = commandSyntaxes();
    const auto it = std::find_if(commands.begin(), commands.end(),
                                 [&](const CommandSyntax& c) { return c.name == name; });
    return it == commands.end() ? nullptr : &*it;
}

std::string usageLine(const CommandSyntax& command) {
    return "Usage: zorvane-cli " + std::string(command.name) + " " +
           std::string(command.arguments) + " [options]";
}

std::string commandHelp(const CommandSyntax& command) {
    std::string text =
        usageLine(command) + "\n\n" + std::string(command.description) + "\nOptions:\n";
    for (const OptionSyntax& o : command.options) {
        std::string left = "  --" + std::string(o.name);
        if (!o.valueName.empty()) left += " " + std::string(o.valueName);
        left.resize(std::max<std::size_t>(left.size() + 2, 30), ' ');
        text += left + std::string(o.help) + "\n";
    }
    return text;
}

std::string programHelp() {
    std::string text = "Usage: zorvane-cli COMMAND ARGUMENTS [options]\n\n"
                       "Zorvane's case files, drawings and exhibits without a window.\n\n"
                       "Commands:\n";
    for (const CommandSyntax& c : commandSyntaxes()) {
        std::string left = "  " + std::string(c.name);
        left.resize(18, ' ');
        text += left + std::string(c.summary) + "\n";
    }
    text += "\n'zorvane-cli COMMAND --help' describes one command.\n"
            "Exit status: 0 done, 1 an input file refused or an output not written, 2 a command\n"
            "line that cannot be run.\n";
    return text;
}

} // namespace zorvane::cli
