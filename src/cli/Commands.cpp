#include "cli/Commands.h"

#include "cli/CliArgs.h"

#include <new>
#include <ostream>

namespace tarlix::cli {

int runCompile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runRender(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runEval(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runPlot(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runFormula(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runText(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runIntegral(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runAnimate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runSound(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

namespace {
constexpr const char* kVersion = "tarlix-cli 0.1.0";

void printHelp(std::ostream& out) {
    out << "tarlix-cli: TARLIX without a window.\n\n"
           "usage: tarlix-cli COMMAND [OPTIONS]... [--] ARGUMENTS...\n\n"
           "commands:\n";
    for (const auto& c : commands()) out << "  " << c.usage << "\n";
    out << "\noptions understood by every command:\n"
           "  --set NAME=VALUE   engine setting for this call: AngleMode (1|2), ComplexMode "
           "(on|off),\n"
           "                     LogMode (1|2), AngleArea (1|2), AllowSqrtN (on|off), ThetaMode "
           "(1|2),\n"
           "                     CircleMode (1|2), IntegralPartitions (even, 2..200)\n"
           "  --timeout SECONDS  the time the command may take (60 unless given; 0: no limit);\n"
           "                     a command still running then stops with a message, exit 1\n"
           "  --                 ends the options (an expression may then begin with \"-\")\n"
           "  --help, --version\n";
}
} // namespace

const std::vector<Command>& commands() {
    static const std::vector<Command> list = {
        {"compile", "compile [--mode N] EXPR   compile EXPR and show its postfix code", runCompile},
        {"check", "check FILE.tlx            read a project and list what each store holds",
         runCheck},
        {"convert", "convert IN.tlx OUT.tlx    read a project of any version, write it as 2.8",
         runConvert},
        {"render",
         "render FILE.tlx -o OUT.png|.svg|.pdf|.bmp|.gif|.jpg|.emf|.wmf [--size WxH] "
         "[--param L=VALUE]... [--integral] "
         "[--values]   draw the view; --integral: with the integral's shading and limit markers, "
         "--values: with the function-value marker",
         runRender},
        {"eval",
         "eval [--param L=VALUE]... [--def NAME=EXPR]... EXPR   evaluate EXPR as the calculator "
         "does",
         runEval},
        {"plot",
         "plot [-y EXPR]... [-c RELATION]... [--scan 1|2|4|8] [--no-fastpoly] "
         "[--range X0,X1,Y0,Y1] [--size WxH] [--param L=V]... [--polar] [--grid 0|1|2|3] "
         "-o OUT.png|.svg|.pdf|.bmp|.gif|.jpg|.emf|.wmf   --polar: polar grid; "
         "--grid: 0 lines, 1 crosses, 2 dotted, 3 dark "
         "lines",
         runPlot},
        {"animate",
         "animate FILE.tlx --param L=FROM:TO:STEP [--afterimages] [--delay MS] [--size WxH] "
         "(-o OUT.gif | --frames FOLDER)   step parameter L from FROM to TO as the window's "
         "animation does and write every picture: an animated GIF (80 ms a frame unless --delay "
         "says otherwise) or FOLDER/frame000.png, frame001.png, ...; --afterimages leaves each "
         "picture's afterimage under the next",
         runAnimate},
        {"formula",
         "formula [--size PT] [--height PX] EXPR -o OUT.png   draw EXPR as a typeset formula, as "
         "the data panel shows it (24 pt, a panel row high by default)",
         runFormula},
        {"text",
         "text [--param L=VALUE]... [--def NAME=EXPR]... [--figure L=EXPR]... [--width PX] "
         "MARKUP... "
         "-o OUT.png   draw "
         "lines of memo markup with their live fields",
         runText},
        {"integral",
         "integral [FILE.tlx] [-y EXPR]... [--from A] [--to B] [--partitions N] [--area] "
         "[--minus K] [--param L=VALUE]...   the definite integral (or area) of each function "
         "between the limits, as the integral window shows it; -y replaces the project's "
         "functions, --minus K subtracts function K",
         runIntegral},
        {"sound",
         "sound [--rate R] [--param L=VALUE]... [--def NAME=EXPR]... VAR FROM TO EXPR -o OUT.wav   "
         "synthesise EXPR over VAR (x or a parameter) from FROM to TO as a script's Play does and "
         "write the WAV file",
         runSound},
    };
    return list;
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        printHelp(err);
        return kExitUsage;
    }
    const std::string& first = args.front();
    if (first == "--help" || first == "-h" || first == "help") {
        printHelp(out);
        return kExitOk;
    }
    if (first == "--version") {
        out << kVersion << "\n";
        return kExitOk;
    }
    for (const auto& c : commands()) {
        if (first != c.name) continue;
        // An input made to exhaust memory ends the command with a message, never an abort.
        try {
            return c.run({args.begin() + 1, args.end()}, out, err);
        } catch (const std::bad_alloc&) {
            err << "tarlix-cli " << c.name << ": out of memory; nothing written\n";
            return kExitFailure;
        }
    }
    err << "tarlix-cli: unknown command \"" << first << "\"; try tarlix-cli --help\n";
    return kExitUsage;
}

} // namespace tarlix::cli
