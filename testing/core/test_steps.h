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
// or load, opens the database `fname` (UTF-8 text when `utf8`, else
// single-byte) and reads the header and the first question. When that
// fails, Load is disabled.
StartOutcome StartTest(LineReader& database, TestRecord& record, TestView& view,
                       const std::string& fname, bool utf8 = false);

enum class ProcessOutcome {
    kUnload,        // the window closes (test over, or a reader error)
    kNoChoice,      // nothing selected; the message was shown, nothing changed
    kNextQuestion,  // the answer was recorded and the next question shown
    kTestFinished,  // the last answer was recorded; evaluate, then close
};

// The Process button: records the chosen answer and moves on.
ProcessOutcome ProcessAnswer(LineReader& database, TestRecord& record, TestView& view);

// Back: takes back the last answer processed since the window was opened or
// the last load. Its question's answer value, those of its related questions
// and its scale's count return to what they were before it; the question
// shows again with that answer selected, which Process takes unless another
// is chosen. Load stays disabled and Save enabled, as after an answer. False,
// with nothing changed, when there is no such answer.
bool GoBack(TestRecord& record, TestView& view);

// A click on answer option `index`. True when the window must close.
bool ChooseAnswer(TestRecord& record, std::int16_t index);

// Whether closing the window would lose answers and so should ask to save: a
// test in progress past its first question, up to its last, that differs from
// the last save or load: another question, or the same one reached by other
// answers after Back.
bool ShouldOfferSave(const TestRecord& record);

}  // namespace orv
