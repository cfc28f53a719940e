#pragma once

#include <cstdint>
#include <string>

#include "testing/core/test_record.h"

// The test chosen in the main window, as the test window starts it: its
// number, its title as the choice shows it, and its database file.
struct ChosenTest {
    std::int16_t testno = orv::kNoTest;
    std::string testtitle;
    std::string fname;
};
