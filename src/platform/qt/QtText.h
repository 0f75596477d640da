#pragma once
// Conversion between the program's single-byte text and QString, done once at the Qt boundary.

#include <QString>
#include <string>
#include <string_view>

namespace tarlix {

QString toQString(std::string_view text);  // "@" stays "@": callers that show theta map it
std::string fromQString(const QString& s); // characters without a single-byte form are dropped

} // namespace tarlix
