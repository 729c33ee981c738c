// What a command has written so far, and how to take each write back: when a later write fails,
// the earlier ones are undone, newest first, so that every place is as it was before the command.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace kelvcfg {

class Undo {
public:
    // A write done: restore puts what it changed back as it was, false when it cannot; what
    // names it.
    void Add(std::string what, std::function<bool()> restore);
    // Takes every write back, newest first, and forgets them: the names of those that could not
    // be taken back.
    std::vector<std::string> Run();

private:
    std::vector<std::pair<std::string, std::function<bool()>>> writes_;
};

} // namespace kelvcfg
