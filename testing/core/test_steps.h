#pragma once

#include <cstdint>
#include <string>

#include "testing/core/line_reader.h"
#include "testing/core/test_record.h"
#include "testing/core/test_view.h"

namespace orv {

inline constexpr const char* kFileNotFound = "File not found.";
inline constexpr const char* kMakeAChoice = "Make a choice before pressing Process";

enum class StartOutcome {
    kReady,          // the first question is on screen
    kDatabaseError,  // the reader reported an error; Process reads "QUIT"
    kFileNotFound,   // no database; treated as a database error
};

// The start of a test: clears the answers and the question of the last save
// or load, opens the database `fname` and reads the header and the first
// question. When that fails, Load is disabled.
StartOutcome StartTest(LineReader& database, TestRecord& record, TestView& view,
                       const std::string& fname);

enum class ProcessOutcome {
    kUnload,        // the window closes (test over, or a reader error)
    kNoChoice,      // nothing selected; the message was shown, nothing changed
    kNextQuestion,  // the answer was recorded and the next question shown
    kTestFinished,  // the last answer was recorded; evaluate, then close
};

// The Process button: records the chosen answer and moves on.
ProcessOutcome ProcessAnswer(LineReader& database, TestRecord& record, TestView& view);

// A click on answer option `index`. True when the window must close.
bool ChooseAnswer(TestRecord& record, std::int16_t index);

// Whether closing the window would lose answers and so should ask to save: a
// test in progress past its first question, up to its last, whose question
// differs from the last save or load.
bool ShouldOfferSave(const TestRecord& record);

}  // namespace orv
