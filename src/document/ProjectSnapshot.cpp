#include "document/ProjectSnapshot.h"

#include "document/ProjectWriter.h"

namespace tarlix {

ProjectSnapshot::ProjectSnapshot(const TokenLines& list, const ProjectSnapshot* previous)
    : lineCount_(list.count()) {
    for (int first = 0; first < lineCount_; first += static_cast<int>(kBlockLines)) {
        Block block;
        for (int i = first; i < lineCount_ && i < first + static_cast<int>(kBlockLines); ++i)
            block.push_back(list.line(i));
        const std::size_t at = blocks_.size();
        if (previous && at < previous->blocks_.size() && *previous->blocks_[at] == block)
            blocks_.push_back(previous->blocks_[at]);
        else
            blocks_.push_back(std::make_shared<const Block>(std::move(block)));
    }
}

TokenLines ProjectSnapshot::lines() const {
    TokenLines list;
    for (const auto& block : blocks_)
        for (const std::string& line : *block) list.add(line);
    return list;
}

std::size_t ProjectSnapshot::textBytes() const {
    std::size_t bytes = 0;
    for (const auto& block : blocks_)
        for (const std::string& line : *block) bytes += line.size() + 1;
    return bytes;
}

bool sameStep(const ProjectSnapshot& a, const ProjectSnapshot& b) {
    if (a.lineCount_ != b.lineCount_ || a.blocks_.size() != b.blocks_.size()) return false;
    for (std::size_t i = 0; i < a.blocks_.size(); ++i)
        if (a.blocks_[i] != b.blocks_[i] && *a.blocks_[i] != *b.blocks_[i]) return false;
    return true;
}

ProjectSnapshot takeSnapshot(const Project& project, const View& view,
                             const ProjectSnapshot* previous) {
    TokenLines list;
    writeProject(project, view, list);
    return ProjectSnapshot(list, previous);
}

} // namespace tarlix
