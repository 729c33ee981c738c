#include "host/win32/sheet_walk.h"

#include "host/win32/page_tree.h"
#include "host/win32/thread_windows.h"
#include "host/win32/window_picture.h"
#include "res/resource.h"

#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

namespace kwhost {

namespace {

constexpr UINT kTimedTickMs = USER_TIMER_MINIMUM;
constexpr unsigned kTimedPatienceTicks = 1000;

LARGE_INTEGER Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

double MillisecondsSince(LARGE_INTEGER from) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(Now().QuadPart - from.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

} // namespace

SheetWalk* SheetWalk::active_ = nullptr;

SheetWalk::SheetWalk(std::string title, Request request, std::ostream& out, Timing timing)
    : title_(std::move(title)), request_(std::move(request)), out_(out), timing_(timing) {
    std::error_code error;
    if (!request_.screensDir.empty() &&
        !std::filesystem::create_directories(request_.screensDir, error) && error) {
        obstacle_ = "cannot make the folder " + request_.screensDir + " for the pictures";
        return;
    }
    active_ = this;
    start_ = Now();
    timer_ = SetTimer(nullptr, 0, timing_.tickMs, &SheetWalk::OnTick);
}

SheetWalk::~SheetWalk() {
    if (timer_)
        KillTimer(nullptr, timer_);
    if (active_ == this)
        active_ = nullptr;
}

std::string SheetWalk::Finish(std::ostream& out) {
    if (request_.timed && okPressed_.QuadPart)
        times_.emplace_back("Time from OK to the return", MillisecondsSince(okPressed_));
    char milliseconds[32];
    for (const auto& [what, time] : times_) {
        snprintf(milliseconds, sizeof milliseconds, "%.1f", time);
        out << what << ": " << milliseconds << " ms\n";
    }
    if (phase_ == Phase::FindingSheet)
        return "no sheet titled \"" + title_ + "\" appeared: it could not be shown";
    if (!unsaved_.empty())
        return std::to_string(unsaved_.size()) + " of " +
               std::to_string(unsaved_.size() + pictures_.size()) +
               " pictures could not be saved in " + request_.screensDir;
    return {};
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
    if ((phase_ == Phase::Selecting || phase_ == Phase::Picturing || phase_ == Phase::Refilling) &&
        !IsWindow(sheet_))
        out_ << "The sheet closed before every page was walked\n";
    if (phase_ != Phase::FindingSheet && !IsWindow(sheet_)) {
        phase_ = Phase::Done;
        return;
    }
    switch (phase_) {
    case Phase::FindingSheet:
        FindSheet();
        break;
    case Phase::Selecting:
        SelectPage();
        break;
    case Phase::Picturing:
        RedrawWindow(sheet_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Save(sheet_, PageCaption(sheet_, page_), pageNumber_);
        AfterPicture();
        break;
    case Phase::Refilling:
        RefillEvents();
        NextPage();
        break;
    case Phase::Closing:
        if (++waited_ == timing_.patienceTicks) {
            out_ << "The sheet stayed open after OK: pressing Cancel\n";
            okPressed_ = {};
            PostMessageA(sheet_, WM_COMMAND, IDCANCEL, 0);
        }
        break;
    case Phase::Done:
        break;
    }
}

void SheetWalk::FindSheet() {
    for (HWND window : ThreadWindows())
        if (IsSheet(window, title_))
            sheet_ = window;
    if (!sheet_)
        return;
    if (request_.timed)
        Time("Time to the sheet's first paint", start_);
    if (!request_.screensDir.empty())
        Activate(sheet_);
    if (!Walking()) {
        phase_ = Phase::Done;
        return;
    }
    page_ = kwhost::NextPage(sheet_, nullptr);
    pageNumber_ = 1;
    phase_ = Phase::Selecting;
}

void SheetWalk::SelectPage() {
    if (!page_) {
        out_ << "Pressing OK\n";
        okPressed_ = Now();
        PostMessageA(sheet_, WM_COMMAND, IDOK, 0);
        phase_ = Phase::Closing;
        return;
    }
    const LARGE_INTEGER selected = Now();
    TreeView_SelectItem(GetDlgItem(sheet_, IDC_PAGE_TREE), page_);
    // The first page was shown with the sheet.
    if (request_.timed && pageNumber_ > 1)
        Time("Time to show \"" + PageCaption(sheet_, page_) + "\"", selected);
    if (!request_.screensDir.empty())
        phase_ = Phase::Picturing; // on the next tick, once the page has been painted
    else
        AfterPicture();
}

void SheetWalk::AfterPicture() {
    if (request_.timed && ShownList(sheet_, IDC_CATEGORY_LIST))
        phase_ = Phase::Refilling;
    else
        NextPage();
}

// The second category chosen, as a click on it would: the list selects it and tells the page.
void SheetWalk::RefillEvents() {
    HWND categories = ShownList(sheet_, IDC_CATEGORY_LIST);
    if (!categories || SendMessageA(categories, LB_GETCOUNT, 0, 0) < 2)
        return;
    const LARGE_INTEGER chosen = Now();
    SendMessageA(categories, LB_SETCURSEL, 1, 0);
    SendMessageA(GetParent(categories), WM_COMMAND, MAKEWPARAM(IDC_CATEGORY_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(categories));
    HWND events = ShownList(sheet_, IDC_EVENT_LIST);
    const LRESULT count = events ? SendMessageA(events, LB_GETCOUNT, 0, 0) : 0;
    Time("Time to refill the event list with " + std::to_string(count) + " events", chosen);
}

void SheetWalk::NextPage() {
    page_ = kwhost::NextPage(sheet_, page_);
    ++pageNumber_;
    phase_ = Phase::Selecting;
}

// The window in front and drawn as the active one. Where no window manager runs, Wine leaves an
// activated dialog's frame drawn inactive; the frame is told it is active again.
void SheetWalk::Activate(HWND window) {
    SetForegroundWindow(window);
    SendMessageA(window, WM_NCACTIVATE, TRUE, 0);
}

void SheetWalk::Time(const std::string& what, LARGE_INTEGER from) {
    RedrawWindow(sheet_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    times_.emplace_back(what, MillisecondsSince(from));
}

bool SheetWalk::AnswerMessageBox() {
    // Boxes that have gone are forgotten, so that a later box given the same handle is answered.
    for (std::set<HWND>* boxes : {&answered_, &activated_})
        for (auto it = boxes->begin(); it != boxes->end();)
            it = IsWindow(*it) ? std::next(it) : boxes->erase(it);
    for (HWND window : ThreadWindows()) {
        if (!IsMessageBox(window) || answered_.count(window))
            continue;
        // A box to be pictured is made the active window first and pictured on the next tick,
        // once its frame has reached the screen.
        if (!request_.screensDir.empty() && activated_.insert(window).second) {
            Activate(window);
            return true;
        }
        answered_.insert(window);
        out_ << "Message box \"" << TextOf(window) << "\": " << MessageText(window) << "\n";
        if (!request_.screensDir.empty())
            Save(window, "message", std::max(pageNumber_, 1u));
        PostMessageA(window, WM_COMMAND, IDOK, 0);
        return true;
    }
    return false;
}

void SheetWalk::Save(HWND window, const std::string& what, unsigned number) {
    char prefix[8];
    snprintf(prefix, sizeof prefix, "%02u-", number);
    std::string name = prefix + FileNamePart(what);
    // A second message with the same step is numbered apart.
    for (unsigned copy = 2;
         std::find(pictures_.begin(), pictures_.end(), name + ".png") != pictures_.end() ||
         std::find(unsaved_.begin(), unsaved_.end(), name + ".png") != unsaved_.end();
         ++copy)
        name = prefix + FileNamePart(what) + "-" + std::to_string(copy);
    name += ".png";
    RgbImage image;
    const std::vector<uint8_t> png =
        PictureOfWindow(window, &image) ? EncodePng(image) : std::vector<uint8_t>();
    std::ofstream file(request_.screensDir + "\\" + name, std::ios::binary);
    if (png.empty() ||
        !file.write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()))) {
        out_ << "Could not save " << name << " in " << request_.screensDir << "\n";
        unsaved_.push_back(name);
        return;
    }
    pictures_.push_back(name);
    out_ << "Saved " << name << " (" << image.width << "x" << image.height << ")\n";
}

SheetCompanionFactory ScreenWalks() {
    return [](const HostCommand& command, const std::string& title,
              std::ostream& out) -> std::unique_ptr<SheetCompanion> {
        SheetWalk::Timing timing;
        if (command.timed)
            timing = {kTimedTickMs, kTimedPatienceTicks};
        return std::make_unique<SheetWalk>(
            title, SheetWalk::Request{command.screensDir, command.timed}, out, timing);
    };
}

} // namespace kwhost
