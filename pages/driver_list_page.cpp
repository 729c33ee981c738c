#include "pages/driver_list_page.h"

#include "drivers/driver_description.h"
#include "framework/message_map.h"
#include "platform/controls/batched_update.h"
#include "platform/multibyte.h"
#include "res/resource.h"
#include "res/string_table.h"

namespace kelvd {

namespace {

struct ListColumn {
    const char* heading;
    int width; // pixels
};
constexpr ListColumn kColumns[] = {
    {"Driver Name", 110}, {"Internal Name", 190}, {"Group", 75}, {"Startup", 62}};
constexpr const char* kStartTypeNames[] = {"Boot", "System", "Automatic", "Manual", "Disabled"};
constexpr size_t kMaxSortText = 255;

} // namespace

std::string ListedDriverName(const std::string& path) {
    const char* text = path.c_str();
    const char* backslash = platform::MbsRChr(text, '\\');
    return platform::MbsUpr(backslash && backslash != text ? backslash + 1 : text);
}

const char* StartTypeName(int32_t startType) {
    if (startType < 0 || static_cast<size_t>(startType) >= std::size(kStartTypeNames))
        return "???";
    return kStartTypeNames[startType];
}

DriverListPage::DriverListPage(const DriverListLayout& layout, std::vector<ListedTable> tables)
    : TabbedDlgPage(layout.templateId), layout_(layout), tables_(std::move(tables)) {}

platform::ListViewControl& DriverListPage::List() const {
    return Window()->ListView(layout_.listId);
}

bool DriverListPage::OnInitDialog() {
    for (size_t column = 0; column < std::size(kColumns); ++column)
        List().InsertColumn(static_cast<int>(column), kColumns[column].heading,
                            kColumns[column].width);
    List().SetExtendedStyle(platform::kLvsExCheckBoxes | platform::kLvsExFullRowSelect);
    return true;
}

bool DriverListPage::OnCommand(int controlId, int code) {
    using Page = DriverListPage;
    return DispatchCommand(*this,
                           {{IDC_SELECT_ALL, platform::kBnClicked, &Page::OnSelectAll},
                            {IDC_DESELECT_ALL, platform::kBnClicked, &Page::OnDeselectAll},
                            {layout_.addButtonId, platform::kBnClicked, &Page::OnAdd}},
                           controlId, code);
}

intptr_t DriverListPage::OnNotify(const platform::ControlNotification& notification) {
    using Page = DriverListPage;
    return DispatchNotify(*this,
                          {{layout_.listId, platform::kNmClick, &Page::OnClickList},
                           {layout_.listId, platform::kLvnColumnClick, &Page::OnColumnClick},
                           {layout_.listId, platform::kLvnKeyDown, &Page::OnKeyDownList}},
                          notification);
}

void DriverListPage::FillList() {
    if (!Window())
        return;
    int rows = 0;
    for (const ListedTable& table : tables_)
        rows += static_cast<int>(table.count());
    platform::BatchedUpdate<platform::ListViewControl> update(List(), rows);
    List().DeleteAllItems();
    for (const ListedTable& table : tables_) {
        for (uint32_t index = 0; index < table.count(); ++index) {
            const DriverEntry& entry = table.row(index);
            AppendRow(ListedDriverName(entry.path), entry.description, entry.group,
                      StartTypeName(entry.startType), entry.checkState != 0);
        }
    }
    constexpr uint32_t kFirstRowMask = platform::kLvisFocused | platform::kLvisSelected |
                                       platform::kLvisCut | platform::kLvisDropHilited;
    List().SetItemState(0, platform::kLvisFocused | platform::kLvisSelected, kFirstRowMask);
    sortColumn_ = 0;
    SortRows();
}

void DriverListPage::AppendRow(const std::string& name, const std::string& description,
                               const std::string& group, const char* startup, bool checked) {
    int key = List().GetItemCount();
    int row = List().InsertItem(key, name);
    List().SetItemData(row, static_cast<uintptr_t>(key));
    List().SetItemText(row, 1, description);
    List().SetItemText(row, 2, group);
    List().SetItemText(row, 3, startup);
    List().SetCheck(row, checked);
}

DriverEntry* DriverListPage::ModelRow(uintptr_t key, uint32_t* checkedState) const {
    for (const ListedTable& table : tables_) {
        uint32_t count = table.count();
        if (key < count) {
            *checkedState = table.checkedState;
            return &table.row(static_cast<uint32_t>(key));
        }
        key -= count;
    }
    return nullptr;
}

void DriverListPage::SetRowCheck(int row, bool checked) {
    List().SetCheck(row, checked);
    uint32_t checkedState = 0;
    if (DriverEntry* entry = ModelRow(List().GetItemData(row), &checkedState))
        entry->checkState = checked ? checkedState : 0;
}

void DriverListPage::SetSelectedRows(bool checked) {
    for (int row = 0; row < List().GetItemCount(); ++row)
        if (List().GetItemState(row, platform::kLvisSelected))
            SetRowCheck(row, checked);
}

void DriverListPage::SetAllRows(bool checked) {
    platform::BatchedUpdate<platform::ListViewControl> update(List(), 0);
    for (int row = 0; row < List().GetItemCount(); ++row)
        SetRowCheck(row, checked);
}

void DriverListPage::OnSelectAll() {
    SetAllRows(true);
}

void DriverListPage::OnDeselectAll() {
    SetAllRows(false);
}

void DriverListPage::OnAdd() {
    // The table cannot grow: when it is full the user is told so before choosing a file, and
    // nothing changes.
    if (AddTableFull()) {
        Tell(kStrUserListFull);
        return;
    }
    std::string path;
    if (!Window()->ChooseFile({true, TableString(layout_.filterId), layout_.defaultExtension,
                               platform::kOfnFileMustExist},
                              &path))
        return;
    if (uint32_t refusal = AddRefusal(path)) {
        Tell(refusal);
        return;
    }
    std::string description;
    GetDriverDescription(path, false, &description);
    AppendAddedRow(path);
    AppendRow(ListedDriverName(path), description, std::string(), "", true);
}

uint32_t DriverListPage::AddRefusal(const std::string& path) const {
    if (AddTableFull())
        return kStrUserListFull;
    // The list holds a row for every row of the tables, named as they are listed.
    const std::string name = ListedDriverName(path);
    for (const ListedTable& table : tables_)
        for (uint32_t index = 0; index < table.count(); ++index)
            if (platform::MbsICmp(ListedDriverName(table.row(index).path).c_str(), name.c_str()) ==
                0)
                return kStrDuplicateDriver;
    return 0;
}

bool DriverListPage::AddTableFull() const {
    return tables_.back().count() >= tables_.back().capacity;
}

void DriverListPage::AppendAddedRow(const std::string& path) const {
    // The slot may hold an earlier row's texts: the new row has its path and state only.
    DriverEntry added;
    added.path = path;
    added.checkState = 1;
    tables_.back().append(added);
}

intptr_t DriverListPage::OnClickList(const platform::ControlNotification&) {
    platform::Point point = List().ScreenToClient(Window()->Cursor().Position());
    platform::ListHit hit = List().SubItemHitTest(point);
    if (hit.row < 0 || !(hit.flags & platform::kLvhtOnItemStateIcon))
        return 0;
    if (!List().GetItemState(hit.row, platform::kLvisSelected)) {
        for (int row = 0; row < List().GetItemCount(); ++row)
            List().SetItemState(row, 0, platform::kLvisSelected);
        List().SetItemState(hit.row, platform::kLvisSelected, platform::kLvisSelected);
    }
    SetSelectedRows(!List().GetCheck(hit.row));
    return layout_.clickResult;
}

intptr_t DriverListPage::OnKeyDownList(const platform::ControlNotification& notification) {
    if (notification.key != platform::kVkSpace)
        return 0;
    for (int row = 0; row < List().GetItemCount(); ++row) {
        if (List().GetItemState(row, platform::kLvisSelected)) {
            SetSelectedRows(!List().GetCheck(row));
            break;
        }
    }
    return 1;
}

intptr_t DriverListPage::OnColumnClick(const platform::ControlNotification& notification) {
    sortColumn_ = notification.column;
    SortRows();
    return 0;
}

// Each row's text in the sort column is read once, by its key, before the sort: the comparisons
// then need not search the list for the rows of their keys.
void DriverListPage::SortRows() {
    sortTexts_.assign(static_cast<size_t>(List().GetItemCount()), std::string());
    for (int row = 0; row < List().GetItemCount(); ++row) {
        uintptr_t key = List().GetItemData(row);
        if (key < sortTexts_.size())
            sortTexts_[key] = List().GetItemText(row, sortColumn_, kMaxSortText);
    }
    List().SortItems([this](uintptr_t key1, uintptr_t key2) { return CompareRows(key1, key2); });
    sortTexts_.clear();
}

const char* DriverListPage::SortText(uintptr_t key, std::string* read) const {
    if (key < sortTexts_.size())
        return sortTexts_[key].c_str();
    *read = List().GetItemText(List().FindItemByData(key), sortColumn_, kMaxSortText);
    return read->c_str();
}

int DriverListPage::CompareRows(uintptr_t key1, uintptr_t key2) const {
    std::string read1, read2;
    return platform::MbsICmp(SortText(key1, &read1), SortText(key2, &read2));
}

void DriverListPage::Tell(uint32_t stringId) const {
    platform::messageBoxes().Show(Handle(), TableString(stringId), nullptr, platform::kMbOk);
}

} // namespace kelvd
