#include "cli/undo.h"

namespace kelvcfg {

void Undo::Add(std::string what, std::function<bool()> restore) {
    writes_.emplace_back(std::move(what), std::move(restore));
}

std::vector<std::string> Undo::Run() {
    std::vector<std::string> left;
    for (auto write = writes_.rbegin(); write != writes_.rend(); ++write)
        if (!write->second())
            left.push_back(write->first);
    writes_.clear();
    return left;
}

} // namespace kelvcfg
