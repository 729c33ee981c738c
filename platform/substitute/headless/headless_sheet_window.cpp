#include "platform/substitute/headless/headless_sheet_window.h"

namespace platform {

HeadlessSheetWindow::HeadlessSheetWindow(std::string title, HeadlessTemplateLookup lookup,
                                         uint32_t templateId, SheetHost& host,
                                         HeadlessDesktop& desktop)
    : HeadlessWindow<SheetWindow>(lookup(templateId), kSheetHandle, host, desktop),
      title_(std::move(title)), lookup_(lookup), host_(host) {}

DialogWindow& HeadlessSheetWindow::CreatePage(uint32_t templateId, ControlEvents& events) {
    WindowHandle handle = kSheetHandle + 1 + pages_.size();
    pages_.push_back(
        std::make_unique<HeadlessDialogWindow>(lookup_(templateId), handle, events, Desktop()));
    return *pages_.back();
}

void HeadlessSheetWindow::End(int result) {
    ended_ = true;
    result_ = result;
}

void HeadlessSheetWindow::PressButton(int controlId) {
    if (!ended_)
        Click(controlId);
}

void HeadlessSheetWindow::PressHelp() {
    if (!ended_)
        host_.OnHelp();
}

void HeadlessSheetWindow::ChoosePage(size_t index) {
    if (!ended_ && index < pages_.size() && index != shownPage_)
        host_.OnSelectPage(index);
}

std::vector<uint32_t> HeadlessSheetWindow::PageTemplates() const {
    std::vector<uint32_t> templates;
    for (const auto& page : pages_)
        templates.push_back(page->TemplateId());
    return templates;
}

HeadlessDialogWindow* HeadlessSheetWindow::Page(uint32_t templateId) {
    for (const auto& page : pages_)
        if (page->TemplateId() == templateId)
            return page.get();
    return nullptr;
}

} // namespace platform
