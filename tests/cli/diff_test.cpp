// kelvcfg diff: rows and events of one name in either place are paired in their order.
#include "cli/diff.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using Rows = std::vector<std::pair<const char*, uint8_t>>;

// A place whose display table holds rows (a printer driver file listed once per model) and
// whose one category holds events, each with its state. A pair's line is named as the first
// place spells the name.
kelvcfg::Snapshot Place(const char* name, const Rows& rows, const Rows& events) {
    kelvcfg::Snapshot place{name, std::make_unique<kelvd::ConfigModel>(), {}};
    for (const auto& [path, state] : rows) {
        kelvd::DriverEntry row;
        row.path = path;
        row.checkState = state;
        place.model->displayDrivers.Append(row);
    }
    kelvd::ApiCategory category;
    category.name = "Memory";
    category.AllocateEvents(static_cast<uint32_t>(events.size()));
    for (size_t i = 0; i < events.size(); ++i) {
        category.eventNames[i] = events[i].first;
        category.eventFlags[i] = events[i].second;
    }
    place.model->apiCategories.Append(category);
    return place;
}

std::string Differences(const kelvcfg::Snapshot& a, const kelvcfg::Snapshot& b) {
    std::ostringstream out;
    kelvcfg::PrintDifferences(a, b, out);
    return out.str().substr(out.str().find('\n', out.str().find("\nB: ") + 1) + 1);
}

TEST(KelvcfgDiff, RowsOfOneNameArePairedInTheirOrder) {
    const kelvcfg::Snapshot a = Place("a", {{"kwprn.dll", 1}, {"KWPRN.DLL", 0}, {"other.dll", 1}},
                                      {{"ExAllocatePool", 1}, {"ExAllocatePool", 0}});
    const kelvcfg::Snapshot b =
        Place("b", {{"kwprn.dll", 1}, {"kwprn.dll", 1}, {"kwprn.dll", 0}, {"other.dll", 1}},
              {{"ExAllocatePool", 1}, {"ExAllocatePool", 1}});
    EXPECT_EQ("display KWPRN.DLL: off | on\ndisplay kwprn.dll: - | off\n"
              "api Memory / ExAllocatePool: off | on\n",
              Differences(a, b));
    EXPECT_EQ("no differences\n", Differences(a, a));
}

// An event or a category that only one place has is named with "-" for the other.
TEST(KelvcfgDiff, WhatOnlyOnePlaceHasIsNamed) {
    const kelvcfg::Snapshot a = Place("a", {}, {{"ExAllocatePool", 1}});
    kelvcfg::Snapshot b = Place("b", {}, {{"ExAllocatePool", 1}, {"ExFreePool", 0}});
    kelvd::ApiCategory io;
    io.name = "Io";
    b.model->apiCategories.Append(io);
    EXPECT_EQ("api Io: - | none\napi Memory / ExFreePool: - | off\n", Differences(a, b));
    EXPECT_EQ("api Io: none | -\napi Memory / ExFreePool: off | -\n", Differences(b, a));
}

// Events are told in the order of their names, whatever the order of either place's catalogue.
TEST(KelvcfgDiff, EventsComeInTheOrderOfTheirNames) {
    const kelvcfg::Snapshot a = Place("a", {}, {{"ZwClose", 1}, {"IoCallDriver", 1}, {"Ex", 0}});
    const kelvcfg::Snapshot b = Place("b", {}, {{"ZwClose", 0}, {"IoCallDriver", 1}, {"Ex", 1}});
    EXPECT_EQ("api Memory / Ex: off | on\napi Memory / ZwClose: on | off\n", Differences(a, b));
    const kelvcfg::Snapshot c = Place("c", {}, {{"Ex", 1}, {"ZwClose", 0}, {"Io", 0}});
    EXPECT_EQ(
        "api Memory / Ex: off | on\napi Memory / Io: - | off\napi Memory / IoCallDriver: on | "
        "-\napi Memory / ZwClose: on | off\n",
        Differences(a, c));
}

} // namespace
