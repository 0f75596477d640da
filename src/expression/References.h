#pragma once
// What an expression refers to: inlining of function and relation references, dependency and
// cycle tests, and small helpers on token texts.

#include "expression/DocumentExpressions.h"
#include "expression/EngineSettings.h"
#include "expression/ExpressionRecords.h"
#include "platform/MessageBox.h"

#include <string>

namespace tarlix {

// References deeper than this are taken as a cycle.
constexpr int kMaxReferenceDepth = 100;

// Replaces relation references C1..C9 by their token texts (bracketed unless the text holds a
// top-level "and") and function references y1..y20 by "(" token text ")", until nothing
// changes. An empty referenced text, or a cycle, makes the whole text empty.
std::string inlineReferences(const std::string& tokens, const DocumentExpressions& document);

// Removes brackets that enclose the whole text; true when something was removed.
bool stripOuterBrackets(std::string& tokens);

// The names of the tokens concatenated. Constant slots 0..15 show their whole numbers, other
// slots the text of consts when given.
std::string detokenize(const std::string& tokens, const EngineSettings& settings,
                       const ConstantTexts* consts = nullptr);

// True when the expression uses token, directly or through the figures, functions, relations
// and user functions it refers to. Cycles are cut.
bool dependsOn(int token, const CompiledExpression& record, const DocumentExpressions& document,
               const EngineSettings& settings);

// True (with the message shown) when following the references of the expression comes back to
// one of them or goes deeper than kMaxReferenceDepth.
bool checkCircular(const CompiledExpression& record, const DocumentExpressions& document,
                   MessageBox& messages);

// True when the token text holds only numbers, spaces, "_", ",", "(" and ")", and a minus
// sign only in front of a number.
bool isNumberText(const CompiledExpression& record);

} // namespace tarlix
