// What a headless window must know of its dialog template beyond the control ids: which buttons
// are auto check boxes or belong to a group of auto radio buttons, which check lists take an
// extended selection, and the items a combo box gets from the template's initialisation data.
// Every other control is a push button, an edit, a single-selection list or an empty combo box.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace platform {

struct HeadlessTemplate {
    uint32_t templateId = 0;
    std::vector<std::vector<int>> radioGroups;
    std::vector<int> checkBoxes;
    std::vector<int> extendedSelectionLists;
    std::vector<std::pair<int, std::vector<std::string>>> comboItems;
};

// The facts of a template by its id; a template it does not know has none.
using HeadlessTemplateLookup = HeadlessTemplate (*)(uint32_t templateId);

} // namespace platform
