// Reads any bytes as an afterimage file, as opening a project beside one does; what was read is
// written back and read again, which must read without damage and write the same bytes. The
// project's first function leaves afterimages and uses every parameter, so that parameter
// values are written too.
#include "FuzzTarget.h"

#include "document/AfterimageFile.h"
#include "document/Project.h"
#include "expression/Calc.h"

#include <memory>

namespace {
using namespace tarlix;

std::unique_ptr<Project> projectUsingEveryParameter() {
    auto project = std::make_unique<Project>();
    RecordingMessageBox box;
    const CompileEnv env{project->engine, box};
    EquationEntry& f = project->explicitFunctions[1];
    setSource(f.expr, "a+b+c+d+m+n+p+q+s+t+u+v+@+k", kModeExplicit, env);
    f.afterimage = true;
    return project;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::unique_ptr<Project> project = projectUsingEveryParameter();
    RecordingMessageBox messages;
    AfterimageStore first;
    readAfterimages(first, *project, fuzz::textOf(data, size), messages);
    const std::string written = afterimageFileBytes(first, *project);
    RecordingMessageBox again;
    AfterimageStore second;
    readAfterimages(second, *project, written, again);
    if (!again.entries.empty() || second.size() != first.size()) __builtin_trap();
    if (afterimageFileBytes(second, *project) != written) __builtin_trap();
    return 0;
}
