#pragma once
// The whole project as an undo step: the lines of its project text without number conversion,
// held in blocks of a few lines. Blocks equal to those of the step before are shared with it,
// so a history of small edits costs little more than one copy of the text.

#include "document/TokenLines.h"

#include <memory>
#include <string>
#include <vector>

namespace tarlix {

class Project;
class View;

class ProjectSnapshot {
public:
    using Block = std::vector<std::string>;
    static constexpr std::size_t kBlockLines = 8;

    ProjectSnapshot() = default;
    // The lines of list, sharing the blocks that equal those of previous.
    ProjectSnapshot(const TokenLines& list, const ProjectSnapshot* previous);

    TokenLines lines() const;
    int lineCount() const { return lineCount_; }
    // The bytes held by this snapshot's blocks, counting shared blocks too.
    std::size_t textBytes() const;
    const std::vector<std::shared_ptr<const Block>>& blocks() const { return blocks_; }

    friend bool sameStep(const ProjectSnapshot& a, const ProjectSnapshot& b);

private:
    std::vector<std::shared_ptr<const Block>> blocks_;
    int lineCount_ = 0;
};

// The snapshot of the project and view as they are now.
ProjectSnapshot takeSnapshot(const Project& project, const View& view,
                             const ProjectSnapshot* previous);

} // namespace tarlix
