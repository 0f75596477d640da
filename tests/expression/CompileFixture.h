#pragma once
// Compiles typed text the way the data panel does and shows the code as token names.

#include "expression/Calc.h"

#include <string>

namespace tarlix::test {

struct CompileFixture {
    EngineSettings settings;
    RecordingMessageBox box;
    bool thetaAxis = false;

    CompileEnv env() { return CompileEnv{settings, box, thetaAxis}; }

    // Sets the text and compiles it with messages shown; the record is kept in last.
    bool compileText(const std::string& text, int mode = kModePlain) {
        box.entries.clear();
        setSource(last, text, kModePlain - 1, env());
        return compile(last, mode, true, env());
    }

    // The code of the last compile as token names separated by blanks.
    std::string codeNames() const {
        std::string out;
        for (char ch : last.code) {
            if (!out.empty()) out += ' ';
            out += detokenize(std::string(1, ch), settings, &last.constText);
        }
        return out;
    }

    std::string messages() const {
        std::string out;
        for (const auto& e : box.entries) out += (out.empty() ? "" : "|") + e.text;
        return out;
    }

    CompiledExpression last;
};

} // namespace tarlix::test
