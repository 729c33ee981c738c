// A page that shows API categories of the model in one check list and the events of the
// selected category in another: the event selection page and the VxD API selection page. A
// category's box summarises its events (checked: all hooked, clear: none, mixed: some); checking
// or clearing it sets all its events, and toggling events updates it. Every change is written
// into the category's event flags at once. Item i of the category list is row i of the table;
// item j of the event list is event j of the current (selected) category.
#pragma once

#include "framework/tabbed_dlg_page.h"
#include "model/config_model.h"
#include "platform/controls/check_list_control.h"

namespace kelvd {

struct CategoryListLayout {
    uint32_t templateId;
    int categoryListId;
    int eventListId;
};

class CategoryListPage : public TabbedDlgPage {
public:
    bool OnInitDialog() override;
    bool OnCommand(int controlId, int code) override;

    // Rebuilds both lists from the model: every category with the box of its check state, the
    // first one selected and its events shown.
    void FillCategoryList();

    // Another category was selected: its events are shown.
    void OnCategorySelChange();
    // "Select All" and "Deselect All": every category's box and flags, and the events shown.
    void OnSelectAll();
    void OnDeselectAll();
    // Event boxes were toggled: the selected events' boxes go into the flags, and the category's
    // box is set from all its flags.
    void OnEventCheckChange();
    // The current category's box was toggled: all its flags follow it (a mixed box changes
    // none), and the event boxes show the flags.
    void OnCategoryCheckChange();

protected:
    CategoryListPage(const CategoryListLayout& layout, CategoryTable& table);

private:
    platform::CheckListControl& Categories() const;
    platform::CheckListControl& Events() const;
    // The current category, or null when none is selected.
    ApiCategory* Current() const;
    // Empties the event list and adds the events of category (none when null) with their boxes.
    void FillEventList(const ApiCategory* category);
    // The event boxes show the category's flags; ShowEventChecks as one update of the list.
    void ShowEventChecks(const ApiCategory& category);
    void SetEventChecks(const ApiCategory& category);
    void SetEverything(uint8_t flag);

    CategoryListLayout layout_;
    CategoryTable& table_;
};

} // namespace kelvd
