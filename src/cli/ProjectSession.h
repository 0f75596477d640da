#pragma once
// A project with its view as tarlix-cli holds one: no windows, messages gathered for stderr.

#include "document/ProjectEdit.h"
#include "view/View.h"

#include <iosfwd>
#include <string>

namespace tarlix::cli {

struct ProjectSession {
    Project project;
    RedrawState redraw;
    ViewDefaults defaults;
    View view{redraw, defaults};
    RecordingMessageBox messages;
    DocumentHooks hooks;
    ProjectContext ctx{project, view, messages, hooks};

    // Opens path (the system's bytes); false with the program's messages on err (UTF-8) when it is
    // refused.
    bool open(const std::string& path, std::ostream& err);
    // Prints the gathered messages on err.
    void printMessages(std::ostream& err) const;
};

} // namespace tarlix::cli
