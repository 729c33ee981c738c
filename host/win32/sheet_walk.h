// The walk through the open settings sheet behind kwhost --screens. A timer of the host's thread
// fires inside the sheet's modal loop; on each tick the walk takes one step: find the sheet (the
// visible top-level window with the sheet's caption and page tree), select the next page in the
// tree, save a PNG of the sheet showing it, and after the last page press OK. A message box that
// appears on the way is pictured, reported and answered with OK.
#pragma once

#include "host/host_run.h"

#include "platform/win32/windows_support.h"

#include <commctrl.h>

#include <ostream>
#include <set>
#include <string>
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

    SheetWalk(std::string title, std::string directory, std::ostream& out, Timing timing);
    ~SheetWalk() override;
    SheetWalk(const SheetWalk&) = delete;
    SheetWalk& operator=(const SheetWalk&) = delete;

    // The pictures saved so far, by file name, in order.
    const std::vector<std::string>& pictures() const { return pictures_; }

private:
    enum class Phase { FindingSheet, Selecting, Picturing, Closing, Done };

    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD);
    void Tick();
    void Step();
    bool AnswerMessageBox();
    void Save(HWND window, const std::string& what);

    static SheetWalk* active_;
    const std::string title_;
    const std::string directory_;
    std::ostream& out_;
    const Timing timing_;
    UINT_PTR timer_ = 0;
    bool busy_ = false;
    Phase phase_ = Phase::FindingSheet;
    unsigned waited_ = 0;
    HWND sheet_ = nullptr;
    HTREEITEM page_ = nullptr;
    std::set<HWND> answered_;
    std::vector<std::string> pictures_;
};

// kwhost's companions: a walk for a configure command that names a screens directory.
SheetCompanionFactory ScreenWalks();

} // namespace kwhost
