// Tests that fill the process-wide model start and end with it as a fresh process has it.
#pragma once

#include "model/config_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvd::test {

// Empties every table (freeing the category events) and restores the NT local run mode.
void ResetModel();

// The paths and the states of a table's rows, in order.
template <class Table> std::vector<std::string> Paths(const Table& table) {
    std::vector<std::string> paths;
    for (const DriverEntry& row : table)
        paths.push_back(row.path);
    return paths;
}
template <class Table> std::vector<uint32_t> States(const Table& table) {
    std::vector<uint32_t> states;
    for (const DriverEntry& row : table)
        states.push_back(row.checkState);
    return states;
}

struct ModelFixture : ::testing::Test {
    void SetUp() override { ResetModel(); }
    void TearDown() override { ResetModel(); }
};

} // namespace kelvd::test
