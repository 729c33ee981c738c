// An edit control without a window: the text is whatever was set or typed last.
#pragma once

#include "platform/controls/edit_control.h"
#include "platform/controls/user_input.h"

#include <string>
#include <utility>

namespace platform {

class MemoryEditControl final : public EditControl, public EditInput {
public:
    explicit MemoryEditControl(std::string text = {}) : text_(std::move(text)) {}
    std::string GetText() const override { return text_; }
    void SetText(const std::string& text) override { text_ = text; }
    void Type(const std::string& text) override { text_ = text; }

private:
    std::string text_;
};

} // namespace platform
