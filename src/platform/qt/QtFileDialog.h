#pragma once
// The system's open and save dialogs through QFileDialog, over the window that is active.

#include "platform/FileDialog.h"

namespace tarlix {

class QtFileDialog : public FileDialog {
public:
    std::filesystem::path openFile(const FileRequest& request) override;
    std::filesystem::path saveFile(const FileRequest& request) override;
    SaveChoice saveFileChoosing(const FileRequest& request) override;
};

} // namespace tarlix
