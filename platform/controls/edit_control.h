// An edit control as the pages use it: its text, read and replaced whole. The pages hold a
// pointer to one; the window layer binds a real control, headless code an in-memory one.
#pragma once

#include <string>

namespace platform {

class EditControl {
public:
    virtual ~EditControl() = default;
    virtual std::string GetText() const = 0;
    virtual void SetText(const std::string& text) = 0;
};

} // namespace platform
