// tarlix-cli convert: reads a project file of any version and writes it as today's version.
#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/PictureOutput.h"
#include "cli/ProjectSession.h"
#include "document/ProjectFile.h"

#include <ostream>

namespace tarlix::cli {

int runConvert(const std::vector<std::string>& args, std::ostream& /*out*/, std::ostream& err) {
    auto parsed = CliArgs::parse(args, {}, err);
    if (!parsed) return kExitUsage;
    if (parsed->positional().size() != 2) {
        err << "tarlix-cli convert: give the project file to read and the file to write\n";
        return kExitUsage;
    }
    ProjectSession s;
    if (!s.open(parsed->positional()[0], err)) return kExitFailure;
    // The window's save writes the same text through the same writer; here the reason of a
    // failure is printed with the message.
    const std::string& target = parsed->positional()[1];
    const SaveResult saved = saveFile(target, projectFileText(s.document.project, s.document.view));
    if (saved.ok()) return kExitOk;
    err << saveFailureText(target, saved) << "\n";
    return kExitFailure;
}

} // namespace tarlix::cli
