#include "framework/cool_sheet.h"

#include "framework/message_map.h"
#include "framework/shell_help.h"
#include "res/string_table.h"

namespace kelvd {

CoolSheet::CoolSheet(uint32_t titleId, const platform::SheetLayout& layout)
    : titleId_(titleId), layout_(layout) {}

void CoolSheet::AddCoolPage(TabbedDlgPage* page) {
    pages_.push_back(page);
}

int CoolSheet::DoModal() {
    int result = platform::sheetFrontEnd().RunModal(TableString(titleId_), layout_, *this);
    for (TabbedDlgPage* page : pages_)
        page->PostNcDestroy();
    window_ = nullptr;
    return result;
}

bool CoolSheet::OnInitSheet(platform::SheetWindow& window) {
    window_ = &window;
    activePage_ = 0;
    return OnInitDialog();
}

bool CoolSheet::OnInitDialog() {
    for (TabbedDlgPage* page : pages_)
        page->Create(*window_);
    if (!pages_.empty() && pages_.front()->OnSetActive())
        window_->ShowPage(0);
    return true;
}

void CoolSheet::OnOK() {
    for (TabbedDlgPage* page : pages_)
        if (!page->OnApply())
            return;
    window_->End(platform::kIdOk);
}

void CoolSheet::OnCancel() {
    window_->End(platform::kIdCancel);
}

void CoolSheet::OnHelp() {
    if (HelpUtil::ShellHelp* help = HelpUtil::ShellHelp::Live())
        help->ShowHelp(Handle());
}

bool CoolSheet::OnCommand(int controlId, int code) {
    return DispatchCommand(*this,
                           {{platform::kIdOk, platform::kBnClicked, &CoolSheet::OnOK},
                            {platform::kIdCancel, platform::kBnClicked, &CoolSheet::OnCancel}},
                           controlId, code);
}

intptr_t CoolSheet::OnNotify(const platform::ControlNotification&) {
    return 0;
}

void CoolSheet::OnSelectPage(size_t index) {
    if (index >= pages_.size() || index == activePage_)
        return;
    if (!pages_[activePage_]->OnKillActive() || !pages_[index]->OnSetActive())
        return;
    activePage_ = index;
    window_->ShowPage(index);
}

} // namespace kelvd
