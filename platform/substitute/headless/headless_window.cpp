#include "platform/substitute/headless/headless_window.h"

#include <algorithm>

namespace platform {

namespace {

bool Contains(const std::vector<int>& ids, int controlId) {
    return std::find(ids.begin(), ids.end(), controlId) != ids.end();
}

} // namespace

template <typename Base>
template <typename Control, typename Make>
Control& HeadlessWindow<Base>::Find(std::map<int, std::unique_ptr<Control>>& controls,
                                    int controlId, Make make) {
    std::unique_ptr<Control>& control = controls[controlId];
    if (!control)
        control = make();
    return *control;
}

template <typename Base> ButtonKind HeadlessWindow<Base>::KindOf(int controlId) const {
    if (Contains(facts_.checkBoxes, controlId))
        return ButtonKind::AutoCheckBox;
    for (const std::vector<int>& group : facts_.radioGroups)
        if (Contains(group, controlId))
            return ButtonKind::AutoRadioButton;
    return ButtonKind::Push;
}

template <typename Base> MemoryButton& HeadlessWindow<Base>::Button(int controlId) {
    bool made = false;
    MemoryButton& button = Find(buttons_, controlId, [&] {
        made = true;
        return std::make_unique<MemoryButton>(controlId, events_, KindOf(controlId));
    });
    if (made) {
        // A new radio button joins the buttons of its group made before it, and they it.
        for (const std::vector<int>& group : facts_.radioGroups) {
            if (!Contains(group, controlId))
                continue;
            for (int other : group) {
                auto found = buttons_.find(other);
                if (other != controlId && found != buttons_.end() && found->second) {
                    button.JoinGroup(*found->second);
                    found->second->JoinGroup(button);
                }
            }
        }
    }
    return button;
}

template <typename Base> MemoryEditControl& HeadlessWindow<Base>::Edit(int controlId) {
    return Find(edits_, controlId, [] { return std::make_unique<MemoryEditControl>(); });
}

template <typename Base> MemoryComboBox& HeadlessWindow<Base>::ComboBox(int controlId) {
    return Find(comboBoxes_, controlId, [&] {
        std::vector<std::string> items;
        for (const auto& [id, texts] : facts_.comboItems)
            if (id == controlId)
                items = texts;
        return std::make_unique<MemoryComboBox>(controlId, events_, std::move(items));
    });
}

template <typename Base> MemoryListView& HeadlessWindow<Base>::ListView(int controlId) {
    return Find(listViews_, controlId, [&] {
        return std::make_unique<MemoryListView>(controlId, events_, desktop_.cursor);
    });
}

template <typename Base> MemoryCheckList& HeadlessWindow<Base>::CheckList(int controlId) {
    return Find(checkLists_, controlId, [&] {
        return std::make_unique<MemoryCheckList>(
            controlId, events_, Contains(facts_.extendedSelectionLists, controlId));
    });
}

template class HeadlessWindow<DialogWindow>;
template class HeadlessWindow<SheetWindow>;

} // namespace platform
