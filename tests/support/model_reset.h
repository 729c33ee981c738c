// Tests that fill the process-wide model start and end with it as a fresh process has it.
#pragma once

#include "model/config_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvd::test {

// Empties every table (freeing the category events) and restores the NT local run mode.
void ResetModel();

// The paths of a table's rows, in order.
std::vector<std::string> Paths(const DriverTable<256>& table);

class ModelFixture : public ::testing::Test {
protected:
    void SetUp() override { ResetModel(); }
    void TearDown() override { ResetModel(); }
};

} // namespace kelvd::test
