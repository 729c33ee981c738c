// The walk behind kwhost --screens, driving a stand-in sheet made from the library's template.
#include "host/win32/sheet_walk.h"

#include "host/png_image.h"

#include "res/resource.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace kwhost {

namespace {

constexpr const char* kTitle = "Stand-in Settings";
const std::vector<std::string> kPages = {"General Settings", "Select Drivers", "Advanced"};

// What the stand-in sheet does and what happened to it.
struct StandIn {
    bool refuseOk = false;     // every OK shows a refusal and leaves the sheet open
    bool closesItself = false; // the sheet cancels itself after a moment
    std::vector<std::string> selected;
    SIZE size{};
} standIn;

// The pages in the tree (item data: place in kPages); two lists shown on the second page only.
void MakePages(HWND sheet) {
    for (size_t page = 0; page < kPages.size(); ++page) {
        TVINSERTSTRUCTA insert{TVI_ROOT, TVI_LAST, {}};
        insert.item.mask = TVIF_TEXT | TVIF_PARAM;
        insert.item.pszText = const_cast<char*>(kPages[page].c_str());
        insert.item.lParam = LPARAM(page);
        SendDlgItemMessageA(sheet, IDC_PAGE_TREE, TVM_INSERTITEMA, 0,
                            reinterpret_cast<LPARAM>(&insert));
    }
    for (int id : {IDC_CATEGORY_LIST, IDC_EVENT_LIST})
        CreateWindowA("LISTBOX", "", WS_CHILD | LBS_NOTIFY, 0, 0, 100, 100, sheet,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    for (const char* category : {"1", "5"})
        SendDlgItemMessageA(sheet, IDC_CATEGORY_LIST, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(category));
}

// Choosing a category fills the event list with as many events as the category's number.
void ChooseCategory(HWND sheet) {
    char text[8] = "";
    SendDlgItemMessageA(sheet, IDC_CATEGORY_LIST, LB_GETTEXT,
                        SendDlgItemMessageA(sheet, IDC_CATEGORY_LIST, LB_GETCURSEL, 0, 0),
                        reinterpret_cast<LPARAM>(text));
    SendDlgItemMessageA(sheet, IDC_EVENT_LIST, LB_RESETCONTENT, 0, 0);
    for (int event = 0; event < atoi(text); ++event)
        SendDlgItemMessageA(sheet, IDC_EVENT_LIST, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>("event"));
}

INT_PTR CALLBACK StandInSheet(HWND sheet, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* change = reinterpret_cast<const NMTREEVIEWA*>(lParam);
    if (message == WM_INITDIALOG) {
        SetWindowTextA(sheet, kTitle);
        MakePages(sheet);
        RECT rect;
        GetWindowRect(sheet, &rect);
        standIn.size = SIZE{rect.right - rect.left, rect.bottom - rect.top};
        if (standIn.closesItself)
            SetTimer(sheet, 1, 300, nullptr);
    } else if (message == WM_TIMER || (message == WM_COMMAND && wParam == IDCANCEL)) {
        EndDialog(sheet, IDCANCEL);
    } else if (message == WM_NOTIFY && change->hdr.code == TVN_SELCHANGEDA) {
        standIn.selected.push_back(kPages[change->itemNew.lParam]);
        for (int id : {IDC_CATEGORY_LIST, IDC_EVENT_LIST})
            ShowWindow(GetDlgItem(sheet, id), change->itemNew.lParam == 1 ? SW_SHOW : SW_HIDE);
    } else if (message == WM_COMMAND && wParam == MAKEWPARAM(IDC_CATEGORY_LIST, LBN_SELCHANGE)) {
        ChooseCategory(sheet);
    } else if (message == WM_COMMAND && wParam == IDOK) {
        MessageBoxA(sheet, standIn.refuseOk ? "Not now." : "Stored.",
                    standIn.refuseOk ? nullptr : "Farhand Settings", MB_OK);
        if (!standIn.refuseOk)
            EndDialog(sheet, IDOK);
    }
    return message == WM_INITDIALOG || message == WM_TIMER || message == WM_NOTIFY ||
           message == WM_COMMAND;
}

// Runs the stand-in sheet modally from the library's template; returns how it ended.
INT_PTR ShowStandIn() {
    static HMODULE library = [] {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_TREEVIEW_CLASSES};
        InitCommonControlsEx(&classes);
        return LoadLibraryA("kelvdcfg.dll");
    }();
    HRSRC found = FindResourceA(library, MAKEINTRESOURCEA(IDD_SETTINGS_SHEET), RT_DIALOG);
    const auto* sheetTemplate =
        static_cast<LPCDLGTEMPLATEA>(LockResource(LoadResource(library, found)));
    return DialogBoxIndirectParamA(library, sheetTemplate, nullptr, StandInSheet, 0);
}

struct SheetWalkTest : testing::Test {
    void SetUp() override { standIn = StandIn{}; }

    kelvd::test::TempDir dir_;
    std::ostringstream out_;
    const SheetWalk::Timing timing_{30, 10};
};

// The folder is made; a picture of every page in tree order, numbered, of the stand-in's size,
// then of the message OK brought.
TEST_F(SheetWalkTest, PicturesEveryPageInTreeOrderThenPressesOk) {
    const std::string folder = dir_.File("new") + "\\pictures";
    std::vector<std::string> pictures;
    {
        SheetWalk walk(kTitle, {folder, false}, out_, timing_);
        EXPECT_EQ("", walk.Obstacle());
        EXPECT_EQ(IDOK, ShowStandIn());
        EXPECT_EQ("", walk.Finish(out_));
        pictures = walk.pictures();
    }
    EXPECT_EQ(kPages, standIn.selected);
    EXPECT_EQ((std::vector<std::string>{"01-general-settings.png", "02-select-drivers.png",
                                        "03-advanced.png", "04-message.png"}),
              pictures);
    const std::vector<uint8_t> png =
        EncodePng(RgbImage{uint32_t(standIn.size.cx), uint32_t(standIn.size.cy),
                           std::vector<uint8_t>(size_t(standIn.size.cx) * standIn.size.cy * 3)});
    for (const std::string& picture : pictures) {
        std::string start(picture == "04-message.png" ? 16 : 24, '\0'); // a message's own size
        std::ifstream(folder + "\\" + picture, std::ios::binary).read(&start[0], start.size());
        EXPECT_EQ(std::string(png.begin(), png.begin() + start.size()), start) << picture;
    }
    for (const char* said : {"Pressing OK\n", "Message box \"Farhand Settings\": Stored.\n"})
        EXPECT_NE(std::string::npos, out_.str().find(said)) << out_.str();
}

TEST_F(SheetWalkTest, SheetThatStaysOpenAfterOkIsCancelled) {
    standIn.refuseOk = true;
    {
        SheetWalk walk(kTitle, {dir_.path(), false}, out_, timing_);
        EXPECT_EQ(IDCANCEL, ShowStandIn());
    }
    for (const char* said :
         {"Message box \"Error\": Not now.\n", "The sheet stayed open after OK: pressing Cancel\n"})
        EXPECT_NE(std::string::npos, out_.str().find(said)) << out_.str();
}

// Without pictures or timing, the sheet is the user's; a window of another caption is left
// alone and the sheet reported missing.
TEST_F(SheetWalkTest, SheetThatClosesItselfIsWatchedOnly) {
    standIn.closesItself = true;
    for (const std::string title : {kTitle, "Kelvarin Settings"}) {
        SheetWalk walk(title, {title == kTitle ? "" : dir_.path(), false}, out_, timing_);
        EXPECT_EQ(IDCANCEL, ShowStandIn());
        EXPECT_TRUE(walk.pictures().empty());
        EXPECT_EQ(title == kTitle
                      ? ""
                      : "no sheet titled \"Kelvarin Settings\" appeared: it could not be shown",
                  walk.Finish(out_));
    }
    EXPECT_EQ("", out_.str());
}

TEST_F(SheetWalkTest, FolderThatCannotBeMadeIsAnObstacle) {
    std::ofstream(dir_.File("file")) << "a file, not a folder";
    SheetWalk walk(kTitle, {dir_.File("file") + "\\pictures", false}, out_, timing_);
    EXPECT_NE(std::string::npos, walk.Obstacle().find("cannot make the folder")) << walk.Obstacle();
}

// Without pictures: the first paint, the pages after the first, the refill on the page with
// the lists, and OK, in that order; only a watch without either.
TEST_F(SheetWalkTest, TimedWalkTimesThePagesTheRefillAndOk) {
    SheetWalk walk(kTitle, {"", true}, out_, timing_);
    EXPECT_EQ(IDOK, ShowStandIn());
    EXPECT_EQ("", walk.Finish(out_));
    EXPECT_TRUE(walk.pictures().empty());
    std::vector<std::string> timed;
    std::istringstream lines(out_.str());
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("Time ", 0) == 0)
            timed.push_back(line.substr(0, line.find(": ")));
    EXPECT_EQ((std::vector<std::string>{"Time to the sheet's first paint",
                                        "Time to show \"Select Drivers\"",
                                        "Time to refill the event list with 5 events",
                                        "Time to show \"Advanced\"", "Time from OK to the return"}),
              timed);
}

} // namespace

} // namespace kwhost
