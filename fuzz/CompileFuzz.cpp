// Compiles any text in any mode. The first byte chooses the mode (-2 .. 22) and whether the
// horizontal axis variable is theta; the rest is the text as typed.
#include "FuzzTarget.h"

#include "expression/Calc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarlix;
    if (size == 0) return 0;
    const int mode = (data[0] & 0x7F) % 25 + kModePlain;
    EngineSettings settings;
    RecordingMessageBox box;
    const CompileEnv env{settings, box, (data[0] & 0x80) != 0};
    CompiledExpression shown;
    setSource(shown, fuzz::textOf(data + 1, size - 1), kModePlain - 1, env);
    CompiledExpression quiet = shown;
    const bool ok = compile(shown, mode, true, env);
    // Without messages only the operand counts go unchecked: what compiles with them compiles
    // without them, to the same code.
    if (ok && (!compile(quiet, mode, false, env) || quiet.code != shown.code)) __builtin_trap();
    return 0;
}
