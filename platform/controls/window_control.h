// What every control window offers: being enabled or disabled (EnableWindow, IsWindowEnabled).
#pragma once

namespace platform {

// What a list box or combo box answers for its selection when no item is selected (LB_ERR).
constexpr int kNoSelection = -1;

class WindowControl {
public:
    virtual ~WindowControl() = default;
    virtual void Enable(bool enable) = 0;
    virtual bool IsEnabled() const = 0;
};

} // namespace platform
