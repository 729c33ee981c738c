#include "host/win32/sheet_walk.h"

#include "host/win32/page_tree.h"
#include "host/win32/window_picture.h"
#include "res/resource.h"

#include <commctrl.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace kwhost {

namespace {

constexpr int kMessageTextId = 0xFFFF; // the text of a standard message box

std::string TextOf(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

// The top-level windows of the host's thread: the sheet and the message boxes it shows.
std::vector<HWND> ThreadWindows() {
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool IsSheet(HWND window, const std::string& title) {
    return IsWindowVisible(window) && GetDlgItem(window, IDC_PAGE_TREE) && TextOf(window) == title;
}

bool IsMessageBox(HWND window) {
    return IsWindowVisible(window) && ClassOf(window) == "#32770" &&
           GetDlgItem(window, kMessageTextId) && !GetDlgItem(window, IDC_PAGE_TREE);
}

// "Select Driver APIs" becomes "select-driver-apis".
std::string FileNamePart(const std::string& caption) {
    std::string name;
    for (unsigned char c : caption) {
        if (std::isalnum(c))
            name += static_cast<char>(std::tolower(c));
        else if (!name.empty() && name.back() != '-')
            name += '-';
    }
    while (!name.empty() && name.back() == '-')
        name.pop_back();
    return name.empty() ? "window" : name;
}

} // namespace

SheetWalk* SheetWalk::active_ = nullptr;

SheetWalk::SheetWalk(std::string title, std::string directory, std::ostream& out, Timing timing)
    : title_(std::move(title)), directory_(std::move(directory)), out_(out), timing_(timing) {
    active_ = this;
    timer_ = SetTimer(nullptr, 0, timing_.tickMs, &SheetWalk::OnTick);
}

SheetWalk::~SheetWalk() {
    KillTimer(nullptr, timer_);
    active_ = nullptr;
    if (phase_ == Phase::FindingSheet)
        out_ << "No sheet titled \"" << title_ << "\" appeared\n";
}

void CALLBACK SheetWalk::OnTick(HWND, UINT, UINT_PTR, DWORD) {
    if (active_)
        active_->Tick();
}

// One step per tick; a step that runs a modal loop of its own sees the timer fire inside it.
void SheetWalk::Tick() {
    if (busy_)
        return;
    busy_ = true;
    if (!AnswerMessageBox())
        Step();
    busy_ = false;
}

void SheetWalk::Step() {
    if ((phase_ == Phase::Selecting || phase_ == Phase::Picturing) && !IsWindow(sheet_))
        out_ << "The sheet closed before every page was pictured\n";
    if (phase_ != Phase::FindingSheet && !IsWindow(sheet_)) {
        phase_ = Phase::Done;
        return;
    }
    switch (phase_) {
    case Phase::FindingSheet:
        for (HWND window : ThreadWindows())
            if (IsSheet(window, title_))
                sheet_ = window;
        if (sheet_) {
            page_ = NextPage(sheet_, nullptr);
            phase_ = Phase::Selecting;
        }
        break;
    case Phase::Selecting:
        if (page_) {
            TreeView_SelectItem(GetDlgItem(sheet_, IDC_PAGE_TREE), page_);
            phase_ = Phase::Picturing; // on the next tick, once the page has been painted
            break;
        }
        out_ << "Pressing OK\n";
        PostMessageA(sheet_, WM_COMMAND, IDOK, 0);
        phase_ = Phase::Closing;
        break;
    case Phase::Picturing:
        RedrawWindow(sheet_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Save(sheet_, PageCaption(sheet_, page_));
        page_ = NextPage(sheet_, page_);
        phase_ = Phase::Selecting;
        break;
    case Phase::Closing:
        if (++waited_ == timing_.patienceTicks) {
            out_ << "The sheet stayed open after OK: pressing Cancel\n";
            PostMessageA(sheet_, WM_COMMAND, IDCANCEL, 0);
        }
        break;
    case Phase::Done:
        break;
    }
}

bool SheetWalk::AnswerMessageBox() {
    // Boxes that have gone are forgotten, so that a later box given the same handle is answered.
    for (auto it = answered_.begin(); it != answered_.end();)
        it = IsWindow(*it) ? std::next(it) : answered_.erase(it);
    for (HWND window : ThreadWindows()) {
        if (!IsMessageBox(window) || !answered_.insert(window).second)
            continue;
        out_ << "Message box \"" << TextOf(window)
             << "\": " << TextOf(GetDlgItem(window, kMessageTextId)) << "\n";
        Save(window, "message");
        PostMessageA(window, WM_COMMAND, IDOK, 0);
        return true;
    }
    return false;
}

void SheetWalk::Save(HWND window, const std::string& what) {
    char number[8];
    snprintf(number, sizeof number, "%02u", static_cast<unsigned>(pictures_.size() + 1));
    const std::string name = std::string(number) + "-" + FileNamePart(what) + ".png";
    RgbImage image;
    const std::vector<uint8_t> png =
        PictureOfWindow(window, &image) ? EncodePng(image) : std::vector<uint8_t>();
    std::ofstream file(directory_ + "\\" + name, std::ios::binary);
    if (png.empty() ||
        !file.write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()))) {
        out_ << "Could not save " << name << " in " << directory_ << "\n";
        return;
    }
    pictures_.push_back(name);
    out_ << "Saved " << name << " (" << image.width << "x" << image.height << ")\n";
}

SheetCompanionFactory ScreenWalks() {
    return [](const HostCommand& command, const std::string& title,
              std::ostream& out) -> std::unique_ptr<SheetCompanion> {
        if (command.screensDir.empty())
            return nullptr;
        return std::make_unique<SheetWalk>(title, command.screensDir, out, SheetWalk::Timing{});
    };
}

} // namespace kwhost
