#pragma once
// A settings store held in memory, for tests and for the headless tool, which must not touch
// the user's settings.

#include "platform/SettingsStore.h"

#include <map>
#include <string>

namespace tarlix {

class MemorySettingsStore : public SettingsStore {
protected:
    bool hasKey(const std::string& path) const override;
    void makeKey(const std::string& path) override;
    void removeKey(const std::string& path) override;
    std::optional<std::string> text(const std::string& path,
                                    const std::string& name) const override;
    void setText(const std::string& path, const std::string& name,
                 const std::string& value) override;
    void removeValue(const std::string& path, const std::string& name) override;

private:
    // Every key that exists, parents included, with its values.
    std::map<std::string, std::map<std::string, std::string>> keys_;
};

} // namespace tarlix
