// The source tree is layered: base, platform, expression, view, document, render, then the
// command-line tool and the desktop program on top. A file includes only from its own layer and
// the layers below it, and only platform/qt and the desktop program include Qt.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The layer of a path relative to src/ ("view/Axis.h"), from its first folder; platform/qt is
// a layer of its own between the platform interfaces and the programs.
std::optional<std::string> layerOf(const std::string& path) {
    if (path.rfind("platform/qt/", 0) == 0) return "platform/qt";
    const auto slash = path.find('/');
    if (slash == std::string::npos) return std::nullopt;
    return path.substr(0, slash);
}

// What each layer may include besides itself.
const std::map<std::string, std::vector<std::string>>& allowedBelow() {
    static const std::vector<std::string> core = {"base",     "platform", "expression", "view",
                                                  "document", "render",   "sound",      "script"};
    static const std::map<std::string, std::vector<std::string>> below = {
        {"base", {}},
        {"platform", {"base"}},
        {"platform/qt", {"base", "platform"}},
        {"expression", {"base", "platform"}},
        {"view", {"base", "platform", "expression"}},
        {"document", {"base", "platform", "expression", "view"}},
        {"render", {"base", "platform", "expression", "view", "document"}},
        {"sound", {"base", "platform", "expression", "view", "document", "render"}},
        {"script", {"base", "platform", "expression", "view", "document", "render", "sound"}},
        {"cli",
         [] {
             auto v = core;
             v.push_back("platform/qt");
             return v;
         }()},
        {"shell",
         [] {
             auto v = core;
             v.push_back("platform/qt");
             return v;
         }()},
    };
    return below;
}

bool mayUseQt(const std::string& layer) {
    return layer == "platform/qt" || layer == "shell";
}

// The path of an include line, and whether it is written in angle brackets.
std::optional<std::pair<bool, std::string>> includedPath(const std::string& line) {
    std::size_t i = line.find_first_not_of(" \t");
    if (i == std::string::npos || line[i] != '#') return std::nullopt;
    i = line.find_first_not_of(" \t", i + 1);
    if (i == std::string::npos || line.compare(i, 7, "include") != 0) return std::nullopt;
    i = line.find_first_not_of(" \t", i + 7);
    if (i == std::string::npos || (line[i] != '<' && line[i] != '"')) return std::nullopt;
    const bool angled = line[i] == '<';
    const auto end = line.find(angled ? '>' : '"', i + 1);
    if (end == std::string::npos) return std::nullopt;
    return std::pair{angled, line.substr(i + 1, end - i - 1)};
}

// The wrong includes of one file: "file: included" for each.
std::vector<std::string> wrongIncludes(const std::string& path, const std::string& text) {
    std::vector<std::string> wrong;
    const auto layer = layerOf(path);
    if (!layer) return {path + ": outside every layer"};
    const auto rules = allowedBelow().find(*layer);
    if (rules == allowedBelow().end()) return {path + ": unknown layer " + *layer};
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const auto included = includedPath(line);
        if (!included) continue;
        const auto& [angled, target] = *included;
        if (angled) {
            const bool qt = target.size() > 1 && target[0] == 'Q' && std::isupper(target[1]);
            if ((qt || target.rfind("Qt", 0) == 0) && !mayUseQt(*layer))
                wrong.push_back(path + ": " + target);
            continue;
        }
        const auto to = layerOf(target);
        if (!to) {
            wrong.push_back(path + ": " + target + " (include by its path from src/)");
            continue;
        }
        const auto& ok = rules->second;
        if (*to != *layer && std::find(ok.begin(), ok.end(), *to) == ok.end())
            wrong.push_back(path + ": " + target);
    }
    return wrong;
}

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(LayerIncludes, EverySourceFileIncludesOnlyFromItsLayerAndBelow) {
    const fs::path src = fs::path(TARLIX_SOURCE_DIR) / "src";
    ASSERT_TRUE(fs::is_directory(src));
    std::vector<std::string> wrong;
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const auto ext = entry.path().extension();
        if (ext != ".h" && ext != ".cpp") continue;
        ++files;
        const std::string rel = fs::relative(entry.path(), src).generic_string();
        for (auto& w : wrongIncludes(rel, readFile(entry.path()))) wrong.push_back(w);
    }
    EXPECT_GT(files, 100);
    std::string all;
    for (const auto& w : wrong) all += w + "\n";
    EXPECT_TRUE(wrong.empty()) << all;
}

TEST(LayerIncludes, CheckerRefusesIncludesFromAboveAndQtInTheCore) {
    struct Case {
        const char* path;
        const char* include;
        bool allowed;
    };
    const Case cases[] = {
        {"document/Project.h", "#include \"render/ProjectPicture.h\"", false},
        {"expression/eval/RowEvaluator.h", "#include \"view/ViewCaches.h\"", false},
        {"view/View.h", "#include \"document/Project.h\"", false},
        {"base/Store.h", "#include \"platform/Canvas.h\"", false},
        {"platform/Canvas.h", "#include \"expression/Value.h\"", false},
        {"render/ProjectPicture.h", "#include \"platform/qt/QtSurfaces.h\"", false},
        {"shell/main.cpp", "#include \"cli/Commands.h\"", false},
        {"cli/PictureOutput.cpp", "#include <QImage>", false},
        {"render/ProjectPicture.cpp", "#include <QPainter>", false},
        {"document/Project.cpp", "  #  include <QtCore/QString>", false},
        {"render/ProjectPicture.h", "#include \"document/Project.h\"", true},
        {"document/Project.h", "#include \"view/View.h\"", true},
        {"cli/PictureOutput.cpp", "#include \"platform/qt/QtHeadless.h\"", true},
        {"platform/qt/QtImageCanvas.h", "#include <QImage>", true},
        {"shell/DataPanel.cpp", "#include <QScrollArea>", true},
        {"expression/Value.h", "#include <cstdint>", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wrongIncludes(c.path, c.include).empty(), c.allowed)
            << c.path << " " << c.include;
}

} // namespace
