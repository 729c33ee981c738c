#include "platform/help_viewer.h"

#include "platform/win32/windows_support.h"

namespace platform {

namespace {

constexpr UINT kHelpFinder = 0x000B;   // HELP_FINDER
constexpr UINT kHhDisplayToc = 0x0001; // HH_DISPLAY_TOC
using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

class Win32HelpViewer final : public HelpViewer {
public:
    void ShowWinHelp(WindowHandle owner, const std::string& file) override {
        ::WinHelpA(reinterpret_cast<HWND>(owner), file.c_str(), kHelpFinder, 0);
    }
    void ShowHtmlHelp(WindowHandle owner, const std::string& file) override {
        // HTML Help lives in hhctrl.ocx, loaded on first use and kept for the help windows it
        // opens, which outlive the call.
        static HMODULE control = ::LoadLibraryA("hhctrl.ocx");
        auto htmlHelp = control ? reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(
                                      ::GetProcAddress(control, "HtmlHelpA")))
                                : nullptr;
        if (htmlHelp)
            htmlHelp(reinterpret_cast<HWND>(owner), file.c_str(), kHhDisplayToc, 0);
    }
};

} // namespace

HelpViewer& nativeHelpViewer() {
    static Win32HelpViewer instance;
    return instance;
}

} // namespace platform
