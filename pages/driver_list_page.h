// A page that lists drivers of the model, one row each with a check box that says whether the
// checker monitors the driver: the driver selection page and the VxD selection page. Rows come
// from the model's tables in a fixed order; each row's item data (its key) is its position in
// the tables' concatenation, which maps it back to its model row whatever the order of the
// rows. Every change of a box is written into the model row at once, so the boxes shown and the
// model always agree.
#pragma once

#include "framework/tabbed_dlg_page.h"
#include "pages/listed_table.h"
#include "platform/controls/list_view_control.h"

#include <string>
#include <vector>

namespace kelvd {

struct DriverListLayout {
    uint32_t templateId;
    int listId;
    int addButtonId;
    uint32_t filterId;            // the string of the add dialog's file types
    const char* defaultExtension; // of the add dialog
    intptr_t clickResult;         // what a click on a box answers the list (1: handled)
};

// The "Driver Name" of a path: the text after its last backslash, unless that backslash is the
// first character (then the whole path), upper-cased.
std::string ListedDriverName(const std::string& path);
// The "Startup" text of a service start type; "???" for a type without a name.
const char* StartTypeName(int32_t startType);

class DriverListPage : public TabbedDlgPage {
public:
    // The four columns, their extended styles; no rows until the list is filled.
    bool OnInitDialog() override;
    bool OnCommand(int controlId, int code) override;
    intptr_t OnNotify(const platform::ControlNotification& notification) override;

    // "Select All" and "Deselect All": every row's box and model row.
    void OnSelectAll();
    void OnDeselectAll();
    // Adds a driver chosen in a file dialog as a new, checked row of the user table, unless its
    // name is listed already or the user table is full.
    void OnAdd();
    // A click on a row's box sets every selected row (the clicked one alone when it was not
    // selected) to the opposite of the clicked row's state. The list changes no box by itself,
    // so what the handler reads is what the user saw, and what it writes stays.
    intptr_t OnClickList(const platform::ControlNotification& notification);
    // The space bar sets every selected row to the opposite of the first one's state.
    intptr_t OnKeyDownList(const platform::ControlNotification& notification);
    // Sorts the rows by the clicked column, always ascending.
    intptr_t OnColumnClick(const platform::ControlNotification& notification);

    // The sort order: the texts of the two keys' rows in the sort column, compared ignoring case.
    int CompareRows(uintptr_t key1, uintptr_t key2) const;
    int SortColumn() const { return sortColumn_; }

    // The model's tables the list shows, in the order of its keys; the last is the one a file is
    // added to. They can be used without the page's window.
    const std::vector<ListedTable>& Tables() const { return tables_; }
    // Why a file cannot be added as a row of the last table: kStrUserListFull when the table is
    // full, kStrDuplicateDriver when a row of any table has the file's "Driver Name" (compared
    // ignoring case); 0 when it can be added.
    uint32_t AddRefusal(const std::string& path) const;
    // Appends path to the last table as a checked row; its other fields stay empty.
    void AppendAddedRow(const std::string& path) const;

protected:
    DriverListPage(const DriverListLayout& layout, std::vector<ListedTable> tables);

    // Rebuilds every row from the model, selects and focuses the first one made, and sorts by
    // the first column.
    void FillList();

private:
    platform::ListViewControl& List() const;
    // The model row of a key and the state that stands for checked there; null for a key
    // beyond the tables.
    DriverEntry* ModelRow(uintptr_t key, uint32_t* checkedState) const;
    void SetRowCheck(int row, bool checked);
    void SetSelectedRows(bool checked);
    void SetAllRows(bool checked);
    // Appends a row keyed by its position in the tables, with its four column texts.
    void AppendRow(const std::string& name, const std::string& description,
                   const std::string& group, const char* startup, bool checked);
    void SortRows();
    // The text of key's row in the sort column: the one read for the sort in progress, else the
    // list's, read into *read.
    const char* SortText(uintptr_t key, std::string* read) const;
    void Tell(uint32_t stringId) const;
    bool AddTableFull() const;

    DriverListLayout layout_;
    std::vector<ListedTable> tables_;
    int sortColumn_ = 0;
    std::vector<std::string> sortTexts_; // while sorting: each key's text in the sort column
};

} // namespace kelvd
