#pragma once

#include "testing/core/line_reader.h"
#include "testing/core/test_record.h"
#include "testing/core/test_view.h"

namespace orv {

namespace db_message {
inline constexpr const char* kE01 = "E01: Invalid Database File";
inline constexpr const char* kE01A = "E01A: Invalid Database Contents.";
inline constexpr const char* kE02B = "E02B: Invalid Database Contents.";
inline constexpr const char* kE02 = "E02: Invalid Database Contents";
inline constexpr const char* kE03 = "E03: Invalid Database Contents";
inline constexpr const char* kE03B = "E03B: Invalid Database Contents.";
// A line of a UTF-8 database that is not UTF-8; the file and the line follow
// on a line of their own.
inline constexpr const char* kE04 = "E04: Invalid Database Text.";
}  // namespace db_message

// Reads and checks the header line: the total of questions and the notice.
// On failure shows one message and sets state to kDatabaseError.
void FirstRec(LineReader& database, TestRecord& record, TestView& view);

// Reads the next question record into the question table and shows it.
// On failure shows one message and sets state to kDatabaseError.
void NextRec(LineReader& database, TestRecord& record, TestView& view);

// Shows the record last read: the question and the status lines 1 and 2.
void ShowRecord(const TestRecord& record, TestView& view);

}  // namespace orv
