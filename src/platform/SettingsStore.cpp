#include "platform/SettingsStore.h"

#include <charconv>

namespace tarlix {

namespace {

std::string normalKey(const std::string& key) {
    std::string out;
    std::string piece;
    auto flushPiece = [&] {
        if (piece.empty()) return;
        if (!out.empty()) out += '/';
        out += piece;
        piece.clear();
    };
    for (char c : key) {
        if (c == '\\' || c == '/')
            flushPiece();
        else
            piece += c;
    }
    flushPiece();
    return out;
}

// The registry's unnamed default value, under a name no setting of the program uses.
std::string normalName(const std::string& name) {
    return name.empty() ? "(Default)" : name;
}

// Leading and trailing blanks are tolerated, as a hand-edited file may have them.
std::string_view trimmed(const std::string& text) {
    std::string_view s(text);
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    return s;
}

} // namespace

bool SettingsStore::keyExists(const std::string& key) const {
    return hasKey(normalKey(key));
}
void SettingsStore::createKey(const std::string& key) {
    makeKey(normalKey(key));
}
// The root cannot be deleted: a stray empty path must not wipe the whole store.
void SettingsStore::deleteKey(const std::string& key) {
    const std::string path = normalKey(key);
    if (!path.empty()) removeKey(path);
}

bool SettingsStore::valueExists(const std::string& key, const std::string& name) const {
    return text(normalKey(key), normalName(name)).has_value();
}

void SettingsStore::deleteValue(const std::string& key, const std::string& name) {
    removeValue(normalKey(key), normalName(name));
}

std::optional<std::int32_t> SettingsStore::readInteger(const std::string& key,
                                                       const std::string& name) const {
    const auto t = text(normalKey(key), normalName(name));
    return t ? parseSettingInteger(*t) : std::nullopt;
}

std::optional<bool> SettingsStore::readBool(const std::string& key, const std::string& name) const {
    const auto v = readInteger(key, name);
    if (!v) return std::nullopt;
    return *v != 0;
}

std::optional<double> SettingsStore::readFloat(const std::string& key,
                                               const std::string& name) const {
    const auto t = text(normalKey(key), normalName(name));
    return t ? parseSettingFloat(*t) : std::nullopt;
}

std::optional<std::string> SettingsStore::readString(const std::string& key,
                                                     const std::string& name) const {
    return text(normalKey(key), normalName(name));
}

void SettingsStore::writeInteger(const std::string& key, const std::string& name,
                                 std::int32_t value) {
    setText(normalKey(key), normalName(name), formatSettingInteger(value));
}

void SettingsStore::writeBool(const std::string& key, const std::string& name, bool value) {
    writeInteger(key, name, value ? 1 : 0);
}

void SettingsStore::writeFloat(const std::string& key, const std::string& name, double value) {
    setText(normalKey(key), normalName(name), formatSettingFloat(value));
}

void SettingsStore::writeString(const std::string& key, const std::string& name,
                                const std::string& value) {
    setText(normalKey(key), normalName(name), value);
}

std::string formatSettingInteger(std::int32_t value) {
    return std::to_string(value);
}

std::string formatSettingFloat(double value) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, r.ptr);
}

std::optional<std::int32_t> parseSettingInteger(const std::string& text) {
    const std::string_view s = trimmed(text);
    std::int32_t v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size()) return std::nullopt;
    return v;
}

std::optional<double> parseSettingFloat(const std::string& text) {
    const std::string_view s = trimmed(text);
    double v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size()) return std::nullopt;
    return v;
}

} // namespace tarlix
