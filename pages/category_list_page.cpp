#include "pages/category_list_page.h"

#include "framework/message_map.h"
#include "platform/controls/batched_update.h"
#include "res/resource.h"

#include <algorithm>

namespace kelvd {

CategoryListPage::CategoryListPage(const CategoryListLayout& layout, CategoryTable& table)
    : TabbedDlgPage(layout.templateId), layout_(layout), table_(table) {}

platform::CheckListControl& CategoryListPage::Categories() const {
    return Window()->CheckList(layout_.categoryListId);
}

platform::CheckListControl& CategoryListPage::Events() const {
    return Window()->CheckList(layout_.eventListId);
}

ApiCategory* CategoryListPage::Current() const {
    int current = Categories().GetCurSel();
    if (current < 0 || static_cast<uint32_t>(current) >= table_.Count())
        return nullptr;
    return &table_[current];
}

bool CategoryListPage::OnInitDialog() {
    FillCategoryList();
    return true;
}

bool CategoryListPage::OnCommand(int controlId, int code) {
    using Page = CategoryListPage;
    return DispatchCommand(
        *this,
        {{layout_.categoryListId, platform::kLbnSelChange, &Page::OnCategorySelChange},
         {IDC_SELECT_ALL, platform::kBnClicked, &Page::OnSelectAll},
         {IDC_DESELECT_ALL, platform::kBnClicked, &Page::OnDeselectAll},
         {layout_.eventListId, platform::kClbnChkChange, &Page::OnEventCheckChange},
         {layout_.categoryListId, platform::kClbnChkChange, &Page::OnCategoryCheckChange}},
        controlId, code);
}

void CategoryListPage::FillCategoryList() {
    if (!Window())
        return;
    {
        platform::BatchedUpdate<platform::CheckListControl> update(
            Categories(), static_cast<int>(table_.Count()));
        Categories().ResetContent();
        for (const ApiCategory& category : table_) {
            int item = Categories().AddString(category.name);
            Categories().SetCheck(item, static_cast<int>(category.checkState));
        }
        Categories().SetCurSel(0);
    }
    FillEventList(Current());
}

void CategoryListPage::FillEventList(const ApiCategory* category) {
    int events = category ? static_cast<int>(category->eventNames.size()) : 0;
    platform::BatchedUpdate<platform::CheckListControl> update(Events(), events);
    Events().ResetContent();
    if (!category)
        return;
    for (const std::string& name : category->eventNames)
        Events().AddString(name);
    SetEventChecks(*category);
}

void CategoryListPage::ShowEventChecks(const ApiCategory& category) {
    platform::BatchedUpdate<platform::CheckListControl> update(Events(), 0);
    SetEventChecks(category);
}

void CategoryListPage::SetEventChecks(const ApiCategory& category) {
    for (size_t event = 0; event < category.eventFlags.size(); ++event)
        Events().SetCheck(static_cast<int>(event), category.eventFlags[event] != 0
                                                       ? platform::kBoxChecked
                                                       : platform::kBoxClear);
}

void CategoryListPage::OnCategorySelChange() {
    FillEventList(Current());
}

void CategoryListPage::OnEventCheckChange() {
    ApiCategory* category = Current();
    if (!category)
        return;
    bool someHooked = false, someNot = false;
    int shown = std::min(Events().GetCount(), static_cast<int>(category->eventFlags.size()));
    for (int event = 0; event < shown; ++event) {
        uint8_t& flag = category->eventFlags[event];
        if (Events().GetSel(event))
            flag = Events().GetCheck(event) == platform::kBoxChecked ? 1 : 0;
        (flag == 1 ? someHooked : someNot) = true;
    }
    int box = someHooked && someNot ? platform::kBoxMixed
              : someHooked          ? platform::kBoxChecked
                                    : platform::kBoxClear;
    Categories().SetCheck(Categories().GetCurSel(), box);
}

void CategoryListPage::OnCategoryCheckChange() {
    ApiCategory* category = Current();
    if (!category)
        return;
    int box = Categories().GetCheck(Categories().GetCurSel());
    if (box != platform::kBoxMixed)
        std::fill(category->eventFlags.begin(), category->eventFlags.end(),
                  box == platform::kBoxChecked ? 1 : 0);
    ShowEventChecks(*category);
}

void CategoryListPage::OnSelectAll() {
    SetEverything(1);
}

void CategoryListPage::OnDeselectAll() {
    SetEverything(0);
}

void CategoryListPage::SetEverything(uint8_t flag) {
    const ApiCategory* current = Current();
    int box = flag ? platform::kBoxChecked : platform::kBoxClear;
    platform::BatchedUpdate<platform::CheckListControl> update(Categories(), 0);
    for (uint32_t index = 0; index < table_.Count(); ++index) {
        ApiCategory& category = table_[index];
        Categories().SetCheck(static_cast<int>(index), box);
        std::fill(category.eventFlags.begin(), category.eventFlags.end(), flag);
        if (&category == current)
            ShowEventChecks(category);
    }
}

} // namespace kelvd
