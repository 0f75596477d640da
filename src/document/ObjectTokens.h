#pragma once
// The vocabulary token that names each entry of the project; the dirty set of the redraw is a
// set of these.

#include "expression/Vocabulary.h"

namespace tarlix {

inline int explicitFunctionToken(int n) {
    return Token::Y1 + n - 1;
}
inline int relationToken(int n) {
    return Token::C1 + n - 1;
}
// User functions 1..8 are f g h f1..f5; the vocabulary lists f1..f5 first.
inline int userFunctionToken(int n) {
    return n <= 3 ? Token::F1 + 5 + n - 1 : Token::F1 + n - 4;
}
// The antiderivative F of user function n (F G H F1..F5).
inline int antiderivativeToken(int n) {
    return userFunctionToken(n) + (Token::AntiF1 - Token::F1);
}

} // namespace tarlix
