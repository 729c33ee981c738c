// A page of the settings sheet: a dialog made from its template inside the sheet. The page
// object lives as long as the sheet; its window only while the sheet runs. A page reaches its
// controls through Window(), which is null while it has no window, so every operation that
// touches a control does nothing then.
#pragma once

#include "platform/controls/sheet_front_end.h"

#include <cstdint>

namespace kelvd {

class TabbedDlgPage : public platform::ControlEvents {
public:
    explicit TabbedDlgPage(uint32_t templateId) : templateId_(templateId) {}
    virtual ~TabbedDlgPage() = default;
    TabbedDlgPage(const TabbedDlgPage&) = delete;
    TabbedDlgPage& operator=(const TabbedDlgPage&) = delete;

    uint32_t TemplateId() const { return templateId_; }

    // Makes the page's window in the sheet's, binds its controls and initialises it; the result
    // of OnInitDialog.
    bool Create(platform::SheetWindow& sheet);
    // The sheet's windows are gone: the page forgets its own.
    virtual void PostNcDestroy() { window_ = nullptr; }

    // Binds the controls the page keeps (DDX_Control); the base binds none.
    virtual void DoDataExchange(platform::DialogWindow& window);
    virtual bool OnInitDialog() { return true; }
    // The page is about to be shown, or left; false keeps things as they are.
    virtual bool OnSetActive() { return true; }
    virtual bool OnKillActive() { return true; }
    // The sheet is being accepted; false keeps it open.
    virtual bool OnApply() { return true; }

    // The base's message map handles nothing.
    bool OnCommand(int controlId, int code) override;
    intptr_t OnNotify(const platform::ControlNotification& notification) override;

    // The page window, which owns the page's message boxes; 0 while there is none.
    platform::WindowHandle Handle() const { return window_ ? window_->Handle() : 0; }

protected:
    platform::DialogWindow* Window() const { return window_; }

private:
    uint32_t templateId_;
    platform::DialogWindow* window_ = nullptr;
};

} // namespace kelvd
