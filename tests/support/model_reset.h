// Tests that fill the process-wide model start and end with it as a fresh process has it.
#pragma once

#include <gtest/gtest.h>

namespace kelvd::test {

// Empties every table (freeing the category events) and restores the NT local run mode.
void ResetModel();

class ModelFixture : public ::testing::Test {
protected:
    void SetUp() override { ResetModel(); }
    void TearDown() override { ResetModel(); }
};

} // namespace kelvd::test
