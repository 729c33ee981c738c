// File dialogs without a window: each one shown takes the next answer a test or script queued
// (a full path, or the empty text for Cancel) and is recorded; with no answer left it is
// cancelled.
#pragma once

#include "platform/controls/file_dialog.h"
#include "platform/message_box.h"

#include <deque>
#include <string>
#include <vector>

namespace platform {

class ScriptedFileDialog {
public:
    struct Shown {
        WindowHandle owner;
        FileDialogRequest request;
    };

    // Queues the answer of the next dialog: a path chooses it, the empty text cancels.
    void Answer(std::string path) { answers_.push_back(std::move(path)); }

    bool Show(WindowHandle owner, const FileDialogRequest& request, std::string* path) {
        shown.push_back({owner, request});
        if (answers_.empty())
            return false;
        *path = std::move(answers_.front());
        answers_.pop_front();
        return !path->empty();
    }

    std::vector<Shown> shown;

private:
    std::deque<std::string> answers_;
};

} // namespace platform
