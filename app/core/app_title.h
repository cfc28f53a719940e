#pragma once

namespace orv {

// Caption of the main windows and title of every message box.
inline constexpr const char* kAppTitle = "Orvane Personality Test";

// The titles of test 0 and test 1, as the main window offers them.
inline constexpr const char* kTestTitles[2] = {"Test of Individual Attributes",
                                               "Test of Interpersonal and Social Attributes"};

// The title of test 0 or 1.
inline const char* TestTitle(int testno) {
    return kTestTitles[testno == 1];
}

// Holder of the rights named in the evaluation's notice line.
inline constexpr const char* kRightsHolder = "Orvane Software";

}  // namespace orv
