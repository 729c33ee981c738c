#include "controls/control_contract.h"

#include "platform/controls/control_events.h"
#include "platform/substitute/headless/headless_sheet_window.h"
#include "platform/substitute/headless/library_templates.h"

namespace kelvd::test {

namespace {

struct HeadlessBench final : FrontEndBench {
    static std::unique_ptr<FrontEndBench> Make() { return std::make_unique<HeadlessBench>(); }
    platform::SheetWindow& Open(platform::SheetHost& host) override {
        sheet_ = std::make_unique<platform::HeadlessSheetWindow>(
            "", HeadlessTemplateOf, IDD_SETTINGS_SHEET, host, desktop_);
        host.OnInitSheet(*sheet_);
        return *sheet_;
    }
    platform::SheetInput& SheetInput() override { return *sheet_; }
    platform::DialogInput& Input(platform::DialogWindow& window) override {
        return dynamic_cast<platform::DialogInput&>(window);
    }
    size_t ChosenPage() const override { return sheet_->ShownPage(); }

private:
    platform::HeadlessDesktop desktop_;
    std::unique_ptr<platform::HeadlessSheetWindow> sheet_;
};

} // namespace

std::vector<MakeBench> Benches() {
#ifdef _WIN32
    return {HeadlessBench::Make, MakeScreenBench};
#else
    return {HeadlessBench::Make};
#endif
}

std::string BenchName(const ::testing::TestParamInfo<MakeBench>& info) {
    return info.param == HeadlessBench::Make ? "Headless" : "Screen";
}

bool ControlContract::OnInitSheet(platform::SheetWindow& window) {
    for (uint32_t templateId : templates_)
        pages_.push_back(&window.CreatePage(templateId, *this));
    window.ShowPage(0);
    return true;
}

bool ControlContract::OnCommand(int controlId, int code) {
    const char* what = code == platform::kBnClicked       ? "clicked"
                       : code == platform::kLbnSelChange  ? "selchange"
                       : code == platform::kClbnChkChange ? "chkchange"
                                                          : nullptr;
    if (what)
        Hear(std::to_string(controlId) + " " + what);
    return true;
}

intptr_t ControlContract::OnNotify(const platform::ControlNotification& notification) {
    const int code = notification.code;
    std::string what = code == platform::kNmClick      ? "click"
                       : code == platform::kNmDblClk   ? "double click"
                       : code == platform::kLvnKeyDown ? "key " + std::to_string(notification.key)
                       : code == platform::kLvnColumnClick
                           ? "column " + std::to_string(notification.column)
                           : "";
    if (what.empty())
        return 0;
    Hear(std::to_string(notification.controlId) + " " + what);
    if (react)
        react(notification);
    return 0;
}

void ControlContract::OnSelectPage(size_t index) {
    Hear("page " + std::to_string(index));
    if (showChosenPage)
        sheet_->ShowPage(index);
}

std::string ItemStates(int count, const std::function<int(int)>& box,
                       const std::function<bool(int)>& selected) {
    std::string states;
    for (int item = 0; item < count; ++item) {
        states += item ? " " : "";
        states += "oxm"[box(item) % 3];
        states += selected(item) ? 's' : '-';
    }
    return states;
}

} // namespace kelvd::test
