#pragma once
// The per-user settings store, shaped like the Windows registry: keys named by paths such as
// "SOFTWARE\\TARLIX\\Option\\Function", each holding named values. The desktop program keeps it
// in an INI file; tests use the in-memory store.
//
// Every value is kept as text, so both stores agree on what a read gives back: an integer read
// succeeds only on a whole number, a float read on any number, a string read on any value. A
// missing value, or one that does not parse as the kind asked for, reads as std::nullopt, and
// the caller keeps the setting it had.

#include <cstdint>
#include <optional>
#include <string>

namespace tarlix {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // Key paths are separated by "\\" (or "/"); empty pieces are ignored, so "A\\B" and "A\\B\\"
    // name the same key. Creating a key creates its parents; writing a value creates its key.
    bool keyExists(const std::string& key) const;
    void createKey(const std::string& key);
    void deleteKey(const std::string& key); // with every key and value below it

    // An empty value name is the key's default value. Names must not contain slashes.
    bool valueExists(const std::string& key, const std::string& name) const;
    void deleteValue(const std::string& key, const std::string& name);

    std::optional<std::int32_t> readInteger(const std::string& key, const std::string& name) const;
    std::optional<bool> readBool(const std::string& key, const std::string& name) const;
    std::optional<double> readFloat(const std::string& key, const std::string& name) const;
    std::optional<std::string> readString(const std::string& key, const std::string& name) const;

    void writeInteger(const std::string& key, const std::string& name, std::int32_t value);
    void writeBool(const std::string& key, const std::string& name, bool value); // 1 or 0
    // Floats are kept as 8-byte doubles, as the registry keeps them; the text is the shortest
    // that reads back to the same double.
    void writeFloat(const std::string& key, const std::string& name, double value);
    void writeString(const std::string& key, const std::string& name, const std::string& value);

    // Makes pending writes durable (the file store writes its file); the store also does so
    // when it is destroyed.
    virtual void flush() {}

protected:
    // The stores below see keys as "/"-joined paths without empty pieces ("" is the root) and
    // value names never empty.
    virtual bool hasKey(const std::string& path) const = 0;
    virtual void makeKey(const std::string& path) = 0;
    virtual void removeKey(const std::string& path) = 0;
    virtual std::optional<std::string> text(const std::string& path,
                                            const std::string& name) const = 0;
    virtual void setText(const std::string& path, const std::string& name,
                         const std::string& value) = 0;
    virtual void removeValue(const std::string& path, const std::string& name) = 0;
};

// The forms in which the stores keep numbers, shared so that every store reads alike.
std::string formatSettingInteger(std::int32_t value);
std::string formatSettingFloat(double value);
std::optional<std::int32_t> parseSettingInteger(const std::string& text);
std::optional<double> parseSettingFloat(const std::string& text);

} // namespace tarlix
