#pragma once
// The system's dialogs that choose a file to open or a name to save under. Paths are the
// system's bytes; titles and filters are the program's single-byte text.

#include <filesystem>
#include <string>
#include <vector>

namespace tarlix {

struct FileRequest {
    std::string title;                // empty: the system's own title
    std::filesystem::path folder;     // where the dialog starts; empty: the current folder
    std::filesystem::path name;       // the name it proposes there; may be empty or a whole path
    std::vector<std::string> filters; // "Name (*.ext *.ext)", the first one chosen
    std::string defaultSuffix;        // saving: added to a name typed without one ("tlx")
    bool confirmOverwrite = true;     // saving: choosing a file that exists is confirmed
    // Saving: choosing another filter gives the proposed name that filter's extension at once.
    bool filterSetsExtension = false;
};

// A name to save under and the filter that was chosen with it (0 the first).
struct SaveChoice {
    std::filesystem::path path; // empty when the user cancelled
    std::size_t filter = 0;
};

class FileDialog {
public:
    virtual ~FileDialog() = default;
    // The chosen file, or an empty path when the user cancelled.
    virtual std::filesystem::path openFile(const FileRequest& request) = 0;
    // The name to save under, or an empty path when the user cancelled; choosing a file that
    // exists is confirmed in the dialog.
    virtual std::filesystem::path saveFile(const FileRequest& request) = 0;
    // The same, telling which filter was chosen.
    virtual SaveChoice saveFileChoosing(const FileRequest& request) = 0;
};

// A file dialog for tests: it answers from a script of replies, in order, an empty reply (or
// the end of the script) being a cancel, and keeps every request it was given.
class ScriptedFileDialog : public FileDialog {
public:
    enum class Kind { Open, Save };
    struct Asked {
        Kind kind;
        FileRequest request;
    };

    // The next answer; filter is the filter it comes with.
    void reply(const std::filesystem::path& path, std::size_t filter = 0) {
        replies_.push_back(path);
        filters_.push_back(filter);
    }
    std::filesystem::path openFile(const FileRequest& request) override {
        return answer(Kind::Open, request);
    }
    std::filesystem::path saveFile(const FileRequest& request) override {
        return answer(Kind::Save, request);
    }
    SaveChoice saveFileChoosing(const FileRequest& request) override {
        const std::size_t at = next_;
        std::filesystem::path path = answer(Kind::Save, request);
        return {path, at < filters_.size() ? filters_[at] : 0};
    }
    std::size_t repliesLeft() const { return replies_.size() - next_; }

    std::vector<Asked> asked;

private:
    std::filesystem::path answer(Kind kind, const FileRequest& request) {
        asked.push_back({kind, request});
        return next_ < replies_.size() ? replies_[next_++] : std::filesystem::path();
    }

    std::vector<std::filesystem::path> replies_;
    std::vector<std::size_t> filters_;
    std::size_t next_ = 0;
};

} // namespace tarlix
