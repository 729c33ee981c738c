#include "controls/control_contract.h"

#include "platform/win32/controls/win32_sheet_window.h"
#include "platform/win32/controls/win32_user_input.h"

#include <commctrl.h>

#include <map>

namespace kelvd::test {

namespace {

constexpr platform::SheetLayout kLayout = {IDD_SETTINGS_SHEET, IDC_PAGE_TREE, IDC_PAGE_CAPTION,
                                           IDC_PAGE_PLACEHOLDER};

// The sheet as a modeless dialog of the test program's own templates, in the foreground.
struct ScreenBench final : FrontEndBench {
    ~ScreenBench() override {
        if (sheet_)
            DestroyWindow(sheet_->Window());
    }
    platform::SheetWindow& Open(platform::SheetHost& host) override {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&classes);
        HMODULE module = GetModuleHandleA(nullptr);
        sheet_ = std::make_unique<platform::Win32SheetWindow>("", kLayout, host, module);
        HWND window = CreateDialogParamA(module, MAKEINTRESOURCEA(kLayout.templateId), nullptr,
                                         platform::Win32SheetWindow::Procedure,
                                         reinterpret_cast<LPARAM>(sheet_.get()));
        ShowWindow(window, SW_SHOW);
        SetForegroundWindow(window);
        platform::HandleMessages();
        sheetInput_ = std::make_unique<platform::Win32SheetInput>(window, kLayout.treeId);
        return *sheet_;
    }
    platform::SheetInput& SheetInput() override { return *sheetInput_; }
    platform::DialogInput& Input(platform::DialogWindow& window) override {
        std::unique_ptr<platform::Win32DialogInput>& input = inputs_[window.Handle()];
        if (!input)
            input = std::make_unique<platform::Win32DialogInput>(
                reinterpret_cast<HWND>(window.Handle()));
        return *input;
    }
    size_t ChosenPage() const override {
        HWND tree = GetDlgItem(sheet_->Window(), kLayout.treeId);
        TVITEMA item{};
        item.mask = TVIF_PARAM;
        item.hItem = TreeView_GetSelection(tree);
        SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        return static_cast<size_t>(item.lParam);
    }

private:
    std::unique_ptr<platform::Win32SheetWindow> sheet_;
    std::unique_ptr<platform::Win32SheetInput> sheetInput_;
    std::map<platform::WindowHandle, std::unique_ptr<platform::Win32DialogInput>> inputs_;
};

} // namespace

std::unique_ptr<FrontEndBench> MakeScreenBench() {
    return std::make_unique<ScreenBench>();
}

} // namespace kelvd::test
