#pragma once
// Projects with their views for file tests: a full project that uses every kind of entry and
// every setting, sessions to read it into, and temporary folders.

#include "ProjectFixture.h"

#include "document/ProjectFile.h"
#include "document/ProjectReader.h"
#include "document/ProjectWriter.h"

#include <filesystem>
#include <fstream>
#include <memory>

namespace tarlix::testing {

// One open project with its view, as the program holds it.
struct Session {
    Document doc;
    Project& project = doc.project;
    View& view = doc.view;
    RecordingMessageBox messages;
    RecordingHooks hooks;
    Document& ctx = doc;

    Session() {
        doc.setMessageBox(&messages);
        doc.setHooks(&hooks);
        hooks.undoSteps.history = &doc.dataHistory;
    }

    std::vector<std::string> messageTexts() const {
        std::vector<std::string> t;
        for (const auto& e : messages.entries) t.push_back(e.text);
        return t;
    }
};

inline std::vector<std::string> linesOf(const TokenLines& list) {
    std::vector<std::string> lines;
    for (int i = 0; i < list.count(); ++i) lines.push_back(list.line(i));
    return lines;
}

// Compares line by line and names only the lines that differ.
inline void expectSameLines(const std::vector<std::string>& actual,
                            const std::vector<std::string>& expected) {
    const std::size_t n = std::max(actual.size(), expected.size());
    for (std::size_t i = 0; i < n; ++i) {
        const std::string a = i < actual.size() ? actual[i] : "<none>";
        const std::string e = i < expected.size() ? expected[i] : "<none>";
        EXPECT_EQ(a, e) << "line " << i;
    }
}

// A folder that is removed with everything in it at the end of the test.
struct TempFolder {
    std::filesystem::path path;
    TempFolder() {
        std::string templ = (std::filesystem::temp_directory_path() / "tarlix-files-XXXXXX");
        path = ::mkdtemp(templ.data());
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
    std::string file(const std::string& name) const { return (path / name).string(); }
};

inline void writeText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string fixture(const std::string& name) {
    return (std::filesystem::path(TARLIX_SOURCE_DIR) / "tests" / "document" / "fixtures" / name)
        .string();
}

// Every kind of entry and every setting away from its initial value.
void fillEveryField(Project& p, View& view);

} // namespace tarlix::testing
