// Saving and opening project files and appending the memo of another one.

#include "document/ProjectFile.h"

#include "base/AtomicFile.h"
#include "base/FileNames.h"
#include "base/Text1252.h"
#include "document/FileLimits.h"
#include "document/ProjectReader.h"
#include "document/ProjectWriter.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace tarlix {

namespace {

constexpr std::size_t kExtensionLength = 4;
// Enough of a file to hold any header the reader accepts, however the header line is cut.
constexpr std::size_t kHeaderProbeBytes = 256;

std::string withoutFolder(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void showError(Document& ctx, const std::string& text) {
    ctx.messages.show(text, MessageKind::Error, false);
}

// Text boxes keep their place relative to the drawing when its size changes.
void scaleMemoBoxes(Project& p, AxisLengths saved, AxisLengths now) {
    for (MemoBoxPlace& b : p.memoBoxes) {
        b.left = static_cast<int>(std::lround(static_cast<double>(b.left) * now.x / saved.x));
        b.top = static_cast<int>(std::lround(static_cast<double>(b.top) * now.y / saved.y));
    }
}

void fitDrawing(Project& p, ViewFileState& view, const DrawingRoom& room) {
    const AxisLengths saved{view.x.pixelLength, view.y.pixelLength};
    const AxisLengths now = fitSavedAspect(saved, room);
    scaleMemoBoxes(p, saved, now);
    view.x.pixelLength = now.x;
    view.y.pixelLength = now.y;
}

// The memo lines of a project file's memo section; empty when it has none.
std::vector<std::string> memoOfFile(const TokenLines& list, const ProjectNumbers& numbers) {
    int i = 0;
    while (i < list.count() && list.line(i).find("MEMO SECTION") == std::string::npos) ++i;
    i += 3; // the caption and the style line
    if (i < list.count() && list.line(i).empty()) ++i;
    std::int32_t n = 0;
    if (i >= list.count() || !parseFileInt(list.line(i), n) || n <= 0) return {};
    std::vector<std::string> lines;
    for (int k = i + 1; k <= i + n && k < list.count(); ++k) {
        const std::string& line = list.line(k);
        const bool script = !line.empty() && line[0] == '#';
        lines.push_back(script && numbers.convert ? lineFromFileNumbers(line, numbers.decimalChar,
                                                                        numbers.listSeparatorChar)
                                                  : line);
    }
    return lines;
}

enum class FileRefusal { None, NotAProject, Unreadable };

// The lines of a project file. Its first line is looked at before the rest is read, so that what
// is not a project is refused at once, and a file beyond the size bound is never read.
FileRefusal readProjectLines(const std::string& file, TokenLines& list) {
    std::string header;
    if (!readFirstLine(file, kHeaderProbeBytes, header)) return FileRefusal::Unreadable;
    if (!acceptedHeader(header)) return FileRefusal::NotAProject;
    std::string bytes;
    if (readFile(file, limits::kMaxProjectFileBytes, bytes) != ReadResult::Ok)
        return FileRefusal::Unreadable;
    try {
        list.fromText(bytes);
    } catch (const std::bad_alloc&) {
        return FileRefusal::Unreadable;
    }
    return FileRefusal::None;
}

// Reading runs out of memory only on a file made to do so: that read fails like any other.
template <typename Read> bool readWithinMemory(Read read) {
    try {
        return read();
    } catch (const std::bad_alloc&) {
        return false;
    }
}

} // namespace

std::size_t fileMessageWords(const std::string& text) {
    for (const char* words : {kMsgFileNotFound, kMsgCannotSave, kMsgBackgroundName})
        if (text.rfind(words, 0) == 0) return std::string_view(words).size();
    return text.size();
}

std::string projectFileFor(const std::string& path) {
    std::string base = path;
    if (endsWithNoCase(base, ".tlx") || endsWithNoCase(base, ".tlp"))
        base.resize(base.size() - kExtensionLength);
    return base + ".tlx";
}

std::string projectFileText(const Project& project, const View& view) {
    TokenLines list;
    std::vector<int> freeText;
    writeProject(project, view, list, &freeText);
    const EngineSettings& e = project.engine;
    if (e.decimalChar != '.') {
        for (int i = 1; i < list.count(); ++i) {
            if (std::find(freeText.begin(), freeText.end(), i) != freeText.end()) continue;
            list.setLine(i, lineToFileNumbers(list.line(i), e.decimalChar, e.listSeparatorChar));
        }
    }
    return list.toText();
}

bool writeProjectFile(Document& ctx, const std::string& filePath) {
    if (writeFileAtomically(filePath, projectFileText(ctx.project, ctx.view))) return true;
    showError(ctx, kMsgCannotSave + filePath);
    return false;
}

bool saveProject(Document& ctx) {
    const std::string& base = ctx.project.projectPath;
    if (base.empty() || !writeProjectFile(ctx, base + ".tlx")) {
        if (base.empty()) showError(ctx, kMsgCannotSave);
        return false;
    }
    const std::string afterimages = base + ".tlp";
    if (!ctx.saveAfterimages(afterimages)) {
        showError(ctx, kMsgCannotSave + afterimages);
        return false;
    }
    ctx.project.modified = false;
    return true;
}

bool saveProjectUnder(Document& ctx, const std::string& base) {
    ctx.project.projectPath = base;
    ctx.hooks().projectPathChanged(base);
    return saveProject(ctx);
}

AxisLengths fitSavedAspect(AxisLengths saved, DrawingRoom room) {
    const double ratio = static_cast<double>(saved.y) / saved.x;
    const int wanted = static_cast<int>(std::lround(room.preferredWidth * ratio));
    const int height = room.availableHeight >= wanted ? std::max(wanted, limits::kMinPixelLength)
                                                      : room.availableHeight;
    AxisLengths fitted{static_cast<int>(std::lround(height / ratio)), height};
    // The drawing never outgrows its sample columns.
    const int longest = std::max(fitted.x, fitted.y);
    if (longest > limits::kMaxPixelLength) {
        const double k = static_cast<double>(limits::kMaxPixelLength) / longest;
        fitted = {static_cast<int>(std::lround(fitted.x * k)),
                  static_cast<int>(std::lround(fitted.y * k))};
    }
    if (std::min(fitted.x, fitted.y) < 1) return saved;
    return fitted;
}

bool openProject(Document& ctx, const std::string& path, const std::optional<DrawingRoom>& room) {
    const std::string file = projectFileFor(path);
    if (!isRegularFile(file)) {
        showError(ctx, kMsgFileNotFound + file);
        return false;
    }
    TokenLines list;
    if (const FileRefusal refusal = readProjectLines(file, list); refusal != FileRefusal::None) {
        if (refusal == FileRefusal::NotAProject)
            ctx.messages.show(kMsgInvalidVersion, MessageKind::Warning, false);
        else
            showError(ctx, kMsgOpenFailed);
        return false;
    }
    const EngineSettings& e = ctx.project.engine;
    Project copy = ctx.project;
    copy.projectPath = file.substr(0, file.size() - kExtensionLength);
    ViewFileState view = captureView(ctx.view);
    if (!readWithinMemory([&] {
            return readProjectInto(list, fileNumbers(list, e.decimalChar, e.listSeparatorChar),
                                   copy, view);
        })) {
        showError(ctx, kMsgOpenFailed);
        return false;
    }
    if (room) fitDrawing(copy, view, *room);
    ctx.project = std::move(copy);
    ctx.project.modified = false;
    applyView(view, ctx.view);
    ctx.view.fillXSamples();
    ctx.clearUndoHistories();
    ctx.loadAfterimages(ctx.project.projectPath + ".tlp");
    ctx.view.redrawState().markEverything();
    ctx.hooks().projectPathChanged(ctx.project.projectPath);
    ctx.hooks().projectReplaced();
    return true;
}

bool appendMemoFile(Document& ctx, const std::string& path) {
    std::vector<std::string> lines;
    TokenLines list;
    if (readProjectLines(path, list) == FileRefusal::None) {
        const EngineSettings& e = ctx.project.engine;
        readWithinMemory([&] {
            lines = memoOfFile(list, fileNumbers(list, e.decimalChar, e.listSeparatorChar));
            return true;
        });
    }
    if (lines.empty()) {
        showError(ctx, kMsgNoMemo);
        return false;
    }
    ctx.recordUndo();
    std::vector<std::string>& memo = ctx.project.memoText;
    if (!memo.empty()) memo.emplace_back();
    memo.push_back("//" + utf8ToText(withoutFolder(path))); // memo lines are single-byte text
    memo.insert(memo.end(), lines.begin(), lines.end());
    ctx.project.modified = true;
    ctx.hooks().memoChanged();
    ctx.hooks().redraw();
    return true;
}

} // namespace tarlix
