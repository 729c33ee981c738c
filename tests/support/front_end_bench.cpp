#include "support/front_end_bench.h"

#include "doubles/headless/headless_sheet_window.h"
#include "doubles/headless/library_templates.h"
#include "res/resource.h"

namespace kelvd::test {

namespace {

class HeadlessBench final : public FrontEndBench {
public:
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

std::unique_ptr<FrontEndBench> MakeHeadlessBench() {
    return std::make_unique<HeadlessBench>();
}

std::vector<MakeBench> Benches() {
#ifdef _WIN32
    return {MakeHeadlessBench, MakeScreenBench};
#else
    return {MakeHeadlessBench};
#endif
}

std::string BenchName(const ::testing::TestParamInfo<MakeBench>& info) {
    return info.param == MakeHeadlessBench ? "Headless" : "Screen";
}

} // namespace kelvd::test
