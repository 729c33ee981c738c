// The walk beside the open settings sheet behind kwhost's configure. A timer of the host's thread
// fires inside the sheet's modal loop; on each tick the walk takes one step. It always watches
// for the sheet (the visible top-level window with the sheet's caption and page tree), so that a
// sheet that never appeared is reported. Asked for pictures or timings, it then selects every
// page in the tree in turn: it saves a PNG of the sheet showing the page (NN-caption.png, NN the
// page's place in the tree), times the page's first showing and, on the page with the category
// list, the refill of the event list when the second category is chosen; after the last page it
// presses OK. A message box that appears on the way is pictured (NN-message.png, NN the step it
// came with), reported and answered with OK. What is pictured is made the active window first,
// as it is for a user.
//
// Timings are taken from the walk's construction (just before ConfigureKELVD is called) to the
// tick that finds the sheet on the screen with nothing left to paint, and from an action to the
// end of the painting it caused; OK is timed until ConfigureKELVD has returned.
#pragma once

#include "host/host_run.h"

#include "platform/win32/windows_support.h"

#include <commctrl.h>

#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace kwhost {

class SheetWalk final : public SheetCompanion {
public:
    struct Timing {
        UINT tickMs = 250;
        // Ticks to wait for the sheet to close after OK (it stays open when a value is refused)
        // before pressing Cancel instead.
        unsigned patienceTicks = 40;
    };
    // What to do once the sheet is there; neither: only watch for it.
    struct Request {
        std::string screensDir; // save pictures in this folder, made when missing
        bool timed = false;
    };

    SheetWalk(std::string title, Request request, std::ostream& out, Timing timing);
    ~SheetWalk() override;
    SheetWalk(const SheetWalk&) = delete;
    SheetWalk& operator=(const SheetWalk&) = delete;

    std::string Obstacle() const override { return obstacle_; }
    // Prints the timings, then says what failed: a sheet that never appeared, pictures that could
    // not be saved.
    std::string Finish(std::ostream& out) override;

    // The pictures saved so far, by file name, in order.
    const std::vector<std::string>& pictures() const { return pictures_; }

private:
    enum class Phase { FindingSheet, Selecting, Picturing, Refilling, Closing, Done };

    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD);
    void Tick();
    void Step();
    void FindSheet();
    void SelectPage();
    void AfterPicture();
    void RefillEvents();
    void NextPage();
    bool AnswerMessageBox();
    static void Activate(HWND window);
    bool Walking() const { return !request_.screensDir.empty() || request_.timed; }
    // Paints whatever of the sheet waits to be painted, then notes the milliseconds since from.
    void Time(const std::string& what, LARGE_INTEGER from);
    void Save(HWND window, const std::string& what, unsigned number);

    static SheetWalk* active_;
    const std::string title_;
    const Request request_;
    std::ostream& out_;
    const Timing timing_;
    std::string obstacle_;
    LARGE_INTEGER start_{};
    LARGE_INTEGER okPressed_{};
    UINT_PTR timer_ = 0;
    bool busy_ = false;
    Phase phase_ = Phase::FindingSheet;
    unsigned waited_ = 0;
    HWND sheet_ = nullptr;
    HTREEITEM page_ = nullptr;
    unsigned pageNumber_ = 0;  // the page's place in the tree, from 1
    std::set<HWND> activated_; // message boxes made active to be pictured
    std::set<HWND> answered_;
    std::vector<std::string> pictures_;
    std::vector<std::string> unsaved_;
    std::vector<std::pair<std::string, double>> times_; // what, milliseconds
};

// kwhost's companions: for every configure command a walk that watches for the sheet, and
// pictures or times it when the command asks for that.
SheetCompanionFactory ScreenWalks();

} // namespace kwhost
