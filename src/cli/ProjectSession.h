#pragma once
// A project document as tarlix-cli holds one: no windows, messages gathered for stderr.

#include "document/Document.h"

#include <iosfwd>
#include <string>

namespace tarlix::cli {

struct ProjectSession {
    Document document;

    // Opens path (the system's bytes); false with the program's messages on err (UTF-8) when it is
    // refused.
    bool open(const std::string& path, std::ostream& err);
    // Prints the gathered messages on err.
    void printMessages(std::ostream& err) const;
};

} // namespace tarlix::cli
