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

struct OpenProject {
    Project project;
    RedrawState redraw;
    ViewDefaults defaults;
    View view{redraw, defaults};

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
    auto first = std::make_unique<OpenProject>();
    if (!first->read(fuzz::textOf(data, size))) return 0;
    const std::string written = projectFileText(first->project, first->view);
    auto second = std::make_unique<OpenProject>();
    if (!second->read(written)) __builtin_trap();
    if (projectFileText(second->project, second->view) != written) __builtin_trap();
    return 0;
}
