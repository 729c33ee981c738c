// The window of a sheet run by the headless front end: its pages' windows in the order they were
// made, the page shown, and the end of the run. A test or script acts on it as the user would:
// OK, Cancel, the sheet's own buttons, F1, choosing a page in the tree (the page shown is the one
// chosen, so choosing it again tells the sheet nothing); and on the pages' controls through
// Page(). Once the sheet has ended it ignores the user.
#pragma once

#include "platform/substitute/headless/headless_window.h"

#include <string>
#include <vector>

namespace platform {

class HeadlessSheetWindow final : public HeadlessWindow<SheetWindow>, public SheetInput {
public:
    static constexpr WindowHandle kSheetHandle = 0x1000; // its pages follow: 0x1001, 0x1002, ...

    HeadlessSheetWindow(std::string title, HeadlessTemplateLookup lookup, uint32_t templateId,
                        SheetHost& host, HeadlessDesktop& desktop);

    DialogWindow& CreatePage(uint32_t templateId, ControlEvents& events) override;
    void ShowPage(size_t index) override { shownPage_ = index; }
    void End(int result) override;

    // What the user does.
    void PressOk() { PressButton(kIdOk); }
    void PressCancel() { PressButton(kIdCancel); }
    void PressButton(int controlId);
    void PressHelp() override;
    void PressEscape() override { PressCancel(); }
    void ChoosePage(size_t index) override;

    const std::string& Title() const { return title_; }
    // The page windows' templates, in the order the pages were made (the tree's order).
    std::vector<uint32_t> PageTemplates() const;
    // The window of the page made from templateId; null when the sheet has none.
    HeadlessDialogWindow* Page(uint32_t templateId);
    size_t ShownPage() const { return shownPage_; }
    bool Ended() const { return ended_; }
    int Result() const { return result_; }
    ScriptedFileDialog& FileDialog() { return Desktop().fileDialog; }

private:
    std::string title_;
    HeadlessTemplateLookup lookup_;
    SheetHost& host_;
    std::vector<std::unique_ptr<HeadlessDialogWindow>> pages_;
    size_t shownPage_ = 0;
    bool ended_ = false;
    int result_ = kIdCancel;
};

} // namespace platform
