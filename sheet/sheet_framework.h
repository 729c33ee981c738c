// The sheet library that the settings sheet, its pages and its help derive from: a modal sheet
// whose pages are listed in a tree, the pages themselves, and the help object that the library's
// help calls find by themselves. Declared here so that the sheet and the pages can be written
// against it; its workings come with the sheet.
#pragma once

#include <cstdint>

namespace QXApplSettings {
struct OrderedSheetSetting; // the library's settings record; the program passes none
} // namespace QXApplSettings

namespace kelvd {

// What the settings sheet hands to CoolSheet besides its title (string 1520 or 1521).
constexpr uint32_t kSheetTemplateId = 1543;
constexpr uint32_t kSheetTreeId = 2046;
constexpr uint32_t kSheetCaptionId = 2047;
constexpr uint32_t kSheetPagePlaceholderId = 2048;

// DoModal's results that count as cancelled (IDCANCEL, and 3); every other one accepts.
constexpr int kSheetCancelled = 2;
constexpr int kSheetAborted = 3;

// A page of the sheet: a dialog made from its template.
class TabbedDlgPage {
public:
    TabbedDlgPage(uint32_t templateId, int tabbed, int flags); // the pages pass (id, 1, 0)
    virtual ~TabbedDlgPage();

    virtual bool OnInitDialog();
    virtual bool OnSetActive();
    virtual bool OnKillActive();
    virtual bool OnApply();
    virtual void OnOK();
    virtual void Revert();
};

// The modal sheet: a tree listing the pages, a caption, and a placeholder the page is shown in.
class CoolSheet {
public:
    CoolSheet(uint32_t titleId, uint32_t templateId, uint32_t treeId, uint32_t captionId,
              uint32_t placeholderId, QXApplSettings::OrderedSheetSetting* settings);
    virtual ~CoolSheet();

    // Appends a page; the tree lists pages in the order they were added.
    void AddCoolPage(TabbedDlgPage* page);
    // Runs the sheet and tells how it ended.
    int DoModal();

    virtual bool OnInitDialog();
    // The base's OnOK and OnCancel end the sheet.
    virtual void OnOK();
    virtual void OnCancel();
    virtual void OnHelp();
};

namespace HelpUtil {

// The help of the sheet: one object lives while the sheet runs.
class ShellHelp {
public:
    ShellHelp();
    virtual ~ShellHelp();

    virtual const char* GetHelpFileName() = 0;
    virtual const char* GetContextHelpFileName();
    virtual void ShowHtmlHelp();
    virtual void ShowWinHelp();
    virtual void ShowHelp();
};

} // namespace HelpUtil

} // namespace kelvd
