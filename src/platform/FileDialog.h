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
};

class FileDialog {
public:
    virtual ~FileDialog() = default;
    // The chosen file, or an empty path when the user cancelled.
    virtual std::filesystem::path openFile(const FileRequest& request) = 0;
    // The name to save under, or an empty path when the user cancelled; choosing a file that
    // exists is confirmed in the dialog.
    virtual std::filesystem::path saveFile(const FileRequest& request) = 0;
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

    void reply(const std::filesystem::path& path) { replies_.push_back(path); }
    std::filesystem::path openFile(const FileRequest& request) override {
        return answer(Kind::Open, request);
    }
    std::filesystem::path saveFile(const FileRequest& request) override {
        return answer(Kind::Save, request);
    }
    std::size_t repliesLeft() const { return replies_.size() - next_; }

    std::vector<Asked> asked;

private:
    std::filesystem::path answer(Kind kind, const FileRequest& request) {
        asked.push_back({kind, request});
        return next_ < replies_.size() ? replies_[next_++] : std::filesystem::path();
    }

    std::vector<std::filesystem::path> replies_;
    std::size_t next_ = 0;
};

} // namespace tarlix
