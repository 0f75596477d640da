// Opens any bytes as a project file, as opening from disk does; what opens is written back and
// read again, and the second reading must write the same file as the first.
#include "FuzzTarget.h"

#include "document/ProjectFile.h"
#include "document/ProjectInput.h"
#include "document/ProjectReader.h"
#include "document/ViewFileState.h"
#include "view/View.h"

#include <memory>

namespace {
using namespace tarlix;

// A project is large (its expressions keep their constants in place); the two projects of a run
// are reused and reset from a blank one, since allocating them anew for every input spent most
// of the time in the system's page faults.
const Project& blankProject() {
    static const Project blank;
    return blank;
}

struct OpenProject {
    Project& project;
    RedrawState redraw;
    ViewDefaults defaults;
    View view{redraw, defaults};

    explicit OpenProject(Project& reused) : project(reused) { project = blankProject(); }

    // The steps of opening a file, from its bytes.
    bool read(const std::string& bytes) {
        TokenLines list;
        list.fromText(bytes);
        if (list.count() == 0 || !acceptedHeader(list.line(0))) return false;
        const EngineSettings& e = project.engine;
        ViewFileState state = captureView(view);
        if (!readProjectInto(list, fileNumbers(list, e.decimalChar, e.listSeparatorChar), project,
                             state))
            return false;
        applyView(state, view);
        return true;
    }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Project firstProject, secondProject;
    auto first = std::make_unique<OpenProject>(firstProject);
    if (!first->read(fuzz::textOf(data, size))) return 0;
    const std::string written = projectFileText(first->project, first->view);
    auto second = std::make_unique<OpenProject>(secondProject);
    if (!second->read(written)) __builtin_trap();
    if (projectFileText(second->project, second->view) != written) __builtin_trap();
    return 0;
}
