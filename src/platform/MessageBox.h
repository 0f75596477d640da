#pragma once
// The program's one modal message box. The desktop program shows a window; tarlix-cli prints
// to stderr; tests record the messages.

#include <string>
#include <vector>

namespace tarlix {

enum class MessageKind {
    Warning,     // "Advertencia", confirmations
    Error,       // "ERROR"
    Information, // "Información"
};

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Shows text (single-byte program text). Returns true when the box was closed with "&Bien";
    // without withCancel that is the only answer.
    virtual bool show(const std::string& text, MessageKind kind, bool withCancel) = 0;
};

// Keeps every message it is given and answers with a fixed choice; for tests and for the
// headless tool, which prints what it gathered.
class RecordingMessageBox : public MessageBox {
public:
    struct Entry {
        std::string text;
        MessageKind kind;
        bool withCancel;
    };
    explicit RecordingMessageBox(bool answer = true) : answer_(answer) {}
    bool show(const std::string& text, MessageKind kind, bool withCancel) override {
        entries.push_back({text, kind, withCancel});
        return withCancel ? answer_ : true;
    }
    void setAnswer(bool answer) { answer_ = answer; }
    std::vector<Entry> entries;

private:
    bool answer_;
};

} // namespace tarlix
