#pragma once
// Turns typed text into a token text (one byte per token), cleaning the text on the way.

#include "expression/EngineSettings.h"

#include <string>

namespace tarlix {

// Cleans source in place, moves cursor (a character index into source) with the characters
// removed or inserted before it, and returns the token text. A rest that matches no name is
// kept behind the byte Token::Unrecognised and dropped from the source.
std::string tokenize(std::string& source, int& cursor, const EngineSettings& settings);

} // namespace tarlix
