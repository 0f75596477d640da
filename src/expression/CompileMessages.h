#pragma once
// The messages of the compiler, in the program's single-byte text.

namespace tarlix::msg {

inline constexpr const char* kNotFinished = "No ha finalizado el ingreso";
inline constexpr const char* kTooManyConstants = "Muchas constantes";
inline constexpr const char* kTooDeep = "Demasiados par\xE9ntesis anidados";
inline constexpr const char* kBadStart = "Expresi\xF3n superior es inv\xE1lida.";
inline constexpr const char* kBadEnd = "Final de expresi\xF3n es inv\xE1lida.";
inline constexpr const char* kMissingClose = "Insuficiente \")\"";
inline constexpr const char* kExtraClose = "Muy grande \")\"";
inline constexpr const char* kBracketOrder = "No hay correspondecia de Par\xE9ntesis.";
inline constexpr const char* kBadOperator =
    "El uso de signos de operaci\xF3n (+,-,*,/,^) es ilegal.";
inline constexpr const char* kBadPostfix = "El uso de la funci\xF3n (!,\xB0.x,.y,.r) es ilegal.";
inline constexpr const char* kBadNumberPlace = "Posici\xF3n inv\xE1lida del n\xFAmero";
inline constexpr const char* kTooManyDigits = "Muchos n\xFAmeros decimales( deben ser menor a 20)";
inline constexpr const char* kBadDecimalPoint = "La posici\xF3n del punto decimal es ilegal.";
inline constexpr const char* kBadParameter = "\": par\xE1metro inv\xE1lido";
inline constexpr const char* kTooManyArguments =
    "El argumento de la funci\xF3n u operaci\xF3n es muy grande.";
inline constexpr const char* kTooFewArguments =
    "El argumento de la funci\xF3n u operaci\xF3n es insuficiente.";
inline constexpr const char* kCircular = "Referir a la circulation of function";

} // namespace tarlix::msg
