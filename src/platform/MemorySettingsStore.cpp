#include "platform/MemorySettingsStore.h"

namespace tarlix {

namespace {
bool isBelow(const std::string& path, const std::string& parent) {
    return path.size() > parent.size() && path.compare(0, parent.size(), parent) == 0 &&
           path[parent.size()] == '/';
}
} // namespace

bool MemorySettingsStore::hasKey(const std::string& path) const {
    return path.empty() || keys_.count(path) != 0;
}

void MemorySettingsStore::makeKey(const std::string& path) {
    for (std::size_t slash = path.find('/'); slash != std::string::npos;
         slash = path.find('/', slash + 1))
        keys_[path.substr(0, slash)];
    if (!path.empty()) keys_[path];
}

void MemorySettingsStore::removeKey(const std::string& path) {
    for (auto it = keys_.begin(); it != keys_.end();) {
        if (it->first == path || isBelow(it->first, path))
            it = keys_.erase(it);
        else
            ++it;
    }
}

std::optional<std::string> MemorySettingsStore::text(const std::string& path,
                                                     const std::string& name) const {
    const auto key = keys_.find(path);
    if (key == keys_.end()) return std::nullopt;
    const auto value = key->second.find(name);
    if (value == key->second.end()) return std::nullopt;
    return value->second;
}

void MemorySettingsStore::setText(const std::string& path, const std::string& name,
                                  const std::string& value) {
    makeKey(path);
    keys_[path][name] = value;
}

void MemorySettingsStore::removeValue(const std::string& path, const std::string& name) {
    const auto key = keys_.find(path);
    if (key != keys_.end()) key->second.erase(name);
}

} // namespace tarlix
