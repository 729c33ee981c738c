// The modal sheet: a tree listing the pages by their captions, the caption of the page shown,
// and a placeholder in which the page is shown. The sheet's windows come from the front end
// (platform::sheetFrontEnd()), which calls the sheet back as the user acts.
#pragma once

#include "framework/tabbed_dlg_page.h"
#include "platform/controls/sheet_front_end.h"

#include <cstdint>
#include <vector>

namespace kelvd {

// DoModal's results: 2 (IDCANCEL) and 3 count as cancelled, every other one as accepted.
constexpr int kSheetCancelled = 2;
constexpr int kSheetAborted = 3;

class CoolSheet : public platform::SheetHost {
public:
    // The title's string id and the sheet's template with its tree, caption and placeholder.
    CoolSheet(uint32_t titleId, const platform::SheetLayout& layout);
    virtual ~CoolSheet() = default;
    CoolSheet(const CoolSheet&) = delete;
    CoolSheet& operator=(const CoolSheet&) = delete;

    // Appends a page; the tree lists pages in the order they were added.
    void AddCoolPage(TabbedDlgPage* page);
    // Runs the sheet and tells how it ended (IDOK or IDCANCEL).
    int DoModal();

    // Makes every page's window, in order, and shows the first page.
    virtual bool OnInitDialog();
    // OnOK asks every page to apply (a refusal keeps the sheet open), then ends the sheet with
    // IDOK; OnCancel ends it with IDCANCEL.
    virtual void OnOK();
    virtual void OnCancel();
    // Shows the live help object's help file.
    void OnHelp() override;

    // What the front end calls.
    bool OnInitSheet(platform::SheetWindow& window) final;
    // IDOK and IDCANCEL.
    bool OnCommand(int controlId, int code) override;
    intptr_t OnNotify(const platform::ControlNotification& notification) override;
    void OnSelectPage(size_t index) final;

    // The sheet's window, which owns its message boxes; 0 while there is none.
    platform::WindowHandle Handle() const { return window_ ? window_->Handle() : 0; }

protected:
    platform::SheetWindow* Window() const { return window_; }

private:
    uint32_t titleId_;
    platform::SheetLayout layout_;
    std::vector<TabbedDlgPage*> pages_;
    platform::SheetWindow* window_ = nullptr;
    size_t activePage_ = 0;
};

} // namespace kelvd
