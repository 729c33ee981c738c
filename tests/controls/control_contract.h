// The controls' contract suites: the sheet with the library's pages on every bench (headless; on
// Windows real windows with real input), a host hearing what the controls report.

#include "platform/controls/sheet_front_end.h"
#include "platform/controls/user_input.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace kelvd::test {

// One front end's sheet window, its pages made in OnInitSheet, and the user's input to them.
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

struct ControlContract : ::testing::TestWithParam<MakeBench>, private platform::SheetHost {
    // Opens the sheet with a page of each template, the first one shown.
    void Open(std::initializer_list<uint32_t> templates) {
        templates_ = templates;
        sheet_ = &bench_->Open(*this);
        Heard();
    }

    // The first page, and the user's input to it and to the sheet.
    platform::DialogWindow& Page() const { return *pages_.at(0); }
    platform::DialogInput& Input() { return bench_->Input(Page()); }
    platform::DialogInput& SheetControls() { return bench_->Input(*sheet_); }
    FrontEndBench& Bench() const { return *bench_; }

    // What was reported since the last call ("<id> click", "<id> key <vk>", "<id> clicked",
    // "page <index>", "help"...), each followed by ": " and what note gave then, if anything.
    std::vector<std::string> Heard() { return std::exchange(heard_, {}); }

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
    void Hear(const std::string& what) {
        std::string noted = note ? note() : std::string();
        heard_.push_back(noted.empty() ? what : what + ": " + noted);
    }

    std::unique_ptr<FrontEndBench> bench_ = GetParam()();
    std::vector<uint32_t> templates_;
    platform::SheetWindow* sheet_ = nullptr;
    std::vector<platform::DialogWindow*> pages_;
    std::vector<std::string> heard_;
};

// A list's items as "x-", "o-" or "m-" (checked, clear, mixed), with "s" for "-" when selected.
std::string ItemStates(int count, const std::function<int(int)>& box,
                       const std::function<bool(int)>& selected);

} // namespace kelvd::test
