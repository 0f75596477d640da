#pragma once
// Whole-file reads and writes. A write goes to a temporary file in the target's folder and is
// renamed over the target, so a failure leaves the previous file as it was. Paths are the
// system's bytes, passed to the system as they are.

#include <string>

namespace tarlix {

bool writeFileAtomically(const std::string& path, const std::string& bytes);
bool readWholeFile(const std::string& path, std::string& bytes);
bool isRegularFile(const std::string& path);

} // namespace tarlix
