#pragma once
// The windows' side of the document's notifications: the data panel refreshes its rows, the
// graph window draws the picture again and shows the project's name.

#include "document/DocumentHooks.h"

namespace tarlix {

class Program;

class WindowHooks : public DocumentHooks {
public:
    explicit WindowHooks(Program& program) : program_(program) {}

    void categoryChanged(CategoryPanel panel) override;
    void allCategoriesChanged() override;
    void redraw() override;
    void projectReplaced() override;
    void projectPathChanged(const std::string& projectPath) override;
    void segmentRemoved(int index) override;

private:
    Program& program_;
};

} // namespace tarlix
