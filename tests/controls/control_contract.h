// What the contract suites of the controls share: the settings sheet opened on a front end's
// bench with pages made from the library's own templates, a host that hears what their controls
// report, and the user's input to them. Every case runs on every bench of the platform: the
// headless one everywhere, and on Windows the screen bench, which puts real windows on the screen
// and acts on them with the real mouse and keyboard.
#pragma once

#include "platform/controls/sheet_front_end.h"
#include "platform/controls/user_input.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace kelvd::test {

// The windows of one front end: the sheet's window made from its template, with the pages its
// host makes in OnInitSheet, and the user's input to the sheet and to the controls of its windows.
class FrontEndBench {
public:
    virtual ~FrontEndBench() = default;
    virtual platform::SheetWindow& Open(platform::SheetHost& host) = 0;
    virtual platform::SheetInput& SheetInput() = 0;
    virtual platform::DialogInput& Input(platform::DialogWindow& window) = 0;
    // The page chosen in the tree, which is the page shown.
    virtual size_t ChosenPage() const = 0;
};

using MakeBench = std::unique_ptr<FrontEndBench> (*)();
std::unique_ptr<FrontEndBench> MakeScreenBench(); // Windows only
std::vector<MakeBench> Benches();
std::string BenchName(const ::testing::TestParamInfo<MakeBench>& info);

using Says = std::vector<std::string>;

class ControlContract : public ::testing::TestWithParam<MakeBench>, private platform::SheetHost {
protected:
    // Opens the sheet with a page of each template, the first one shown.
    void Open(std::initializer_list<uint32_t> templates);

    // The first page, and the user's input to its controls and to the sheet's own.
    platform::DialogWindow& Page() const { return *pages_.at(0); }
    platform::DialogInput& Input() { return bench_->Input(Page()); }
    platform::DialogInput& SheetControls() { return bench_->Input(*sheet_); }
    FrontEndBench& Bench() const { return *bench_; }

    // What was reported since the last call, in order: "<id> click", "<id> double click",
    // "<id> key <virtual key>", "<id> column <index>" (notifications), "<id> clicked",
    // "<id> selchange", "<id> chkchange" (commands), "page <index>", "help"; each followed by ": "
    // and what note gave as it was reported, when it gives anything.
    std::vector<std::string> Heard();

    std::function<std::string()> note;
    // What the page does when a notification reaches it.
    std::function<void(const platform::ControlNotification&)> react;
    // Whether the host shows the page the user chose.
    bool showChosenPage = true;

private:
    bool OnInitSheet(platform::SheetWindow& window) override;
    bool OnCommand(int controlId, int code) override;
    intptr_t OnNotify(const platform::ControlNotification& notification) override;
    void OnHelp() override { Hear("help"); }
    void OnSelectPage(size_t index) override;
    void Hear(const std::string& what);

    std::unique_ptr<FrontEndBench> bench_ = GetParam()();
    std::vector<uint32_t> templates_;
    platform::SheetWindow* sheet_ = nullptr;
    std::vector<platform::DialogWindow*> pages_;
    std::vector<std::string> heard_;
};

// The boxes and selection of a list's items, as "x-" (checked), "o-" (clear) or "m-" (mixed) with
// "s" in place of "-" for a selected one, separated by spaces.
std::string ItemStates(int count, const std::function<int(int)>& box,
                       const std::function<bool(int)>& selected);

} // namespace kelvd::test
