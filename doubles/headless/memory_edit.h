// An edit control without a window: the text is whatever was set last.
#pragma once

#include "platform/controls/edit_control.h"

#include <string>
#include <utility>

namespace platform {

class MemoryEditControl final : public EditControl {
public:
    explicit MemoryEditControl(std::string text = {}) : text_(std::move(text)) {}
    std::string GetText() const override { return text_; }
    void SetText(const std::string& text) override { text_ = text; }

private:
    std::string text_;
};

} // namespace platform
