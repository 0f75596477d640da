#pragma once
// The calculator's own expression as it is typed: the text cleaned by the tokenizer with the
// cursor kept in place, the counter of typing that the tokenizer does not recognise, the
// result of "=" and what "send" hands to the object being edited.

#include "document/ProjectEdit.h"
#include "expression/Value.h"

#include <optional>
#include <string>

namespace tarlix {

class Calculator {
public:
    struct Edit {
        std::string text;
        int cursor = 0;
    };

    // The edit text changed: tokenizes it, keeps the record's tokens and source, and clears the
    // result. Returns the cleaned text with the cursor moved by what was removed before it.
    Edit edit(const std::string& text, int cursor, const EngineSettings& settings);
    // Whether a printable key is swallowed now (the counter then advances): every fourth key
    // while the text runs more than four characters ahead of what was recognised.
    bool swallowsKey();

    // "=": compiles as a calculation showing errors and evaluates with x undefined against the
    // project. The result text is empty when the text does not compile.
    const std::string& equal(Document& ctx);
    const std::string& resultText() const { return resultText_; }
    // The result when it is a number: its text then replaces the expression on sending.
    bool resultIsNumber() const;
    // The text compiled but its value is undefined: the result text is "error".
    bool resultIsUndefined() const;

    // The text that "send" compiles: the result's number when there is one, else the source.
    std::string textToSend() const;
    const CompiledExpression& record() const { return record_; }
    int typingCounter() const { return typing_; }

private:
    CompiledExpression record_;
    std::optional<Value> result_;
    std::string resultText_;
    int typing_ = 0;
};

// Evaluates a text as the calculator does, with x undefined, against the project's parameters,
// functions and figures; compile errors are shown through ctx. Nothing when it does not compile.
std::optional<Value> calculate(Document& ctx, const std::string& text);

} // namespace tarlix
