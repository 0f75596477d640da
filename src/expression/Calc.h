#pragma once
// The expression engine: values, compiled-expression records, vocabulary, tokenizer,
// normaliser, compiler and the reference helpers.

#include "expression/Compiler.h"
#include "expression/DocumentExpressions.h"
#include "expression/EngineSettings.h"
#include "expression/ExpressionRecords.h"
#include "expression/References.h"
#include "expression/Tokenizer.h"
#include "expression/Value.h"
#include "expression/Vocabulary.h"
