#include "cli/ProjectSession.h"

#include "base/Text1252.h"
#include "document/ProjectFile.h"

#include <ostream>

namespace tarlix::cli {

bool ProjectSession::open(const std::string& path, std::ostream& err) {
    if (document.open(path)) return true;
    printMessages(err);
    return false;
}

// File names are the system's own bytes; only the program's words around them are converted.
void ProjectSession::printMessages(std::ostream& err) const {
    for (const auto& e : document.messages.kept.entries) {
        const std::size_t words = fileMessageWords(e.text);
        err << textToUtf8(e.text.substr(0, words), false) << e.text.substr(words) << "\n";
    }
}

} // namespace tarlix::cli
