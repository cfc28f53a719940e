#include <gtest/gtest.h>

#include <sstream>

#include "fake_test_view.h"
#include "testing/core/record_reader.h"

namespace orv {

const std::string kHeader = "40\t.Copyright notice of this test\r\n";

// Reads the header and up to `records` records, stopping at the first fault.
std::tuple<TestRecord, testing::FakeTestView, int> Read(const std::string& text, int records = 1) {
    TestRecord record;
    testing::FakeTestView view;
    LineReader reader(std::make_unique<std::istringstream>(text));
    FirstRec(reader, record, view);
    for (int i = 0; i < records && record.state == kInProgress; ++i) NextRec(reader, record, view);
    return {record, view, reader.LinesRead()};
}

TEST(RecordReader, ShowsOneMessageForEachKindOfFault) {
    const std::string h = kHeader;
    const std::pair<const char*, std::vector<std::string>> faults[] = {
        {"E02B: Invalid Database Contents.", {""}},
        {"E01: Invalid Database File",
         {"40\t.copyright x", "40\t.Notice\t.Copyright", "40 Copyright"}},
        {"E01A: Invalid Database Contents.", {"\t.Copyright", "99999\t.Copyright"}},
        {"E02: Invalid Database Contents", {h + "\r\n1\tx\t0\t1\t.T", h + "7\tx\t0\t1\tno mark"}},
        {"E03: Invalid Database Contents",
         {h + "0\tx\t0\t1\t.T", h + "251\tx\t0\t1\t.T", h + "seven\tx\t0\t1\t.T",
          h + "7\tx\t0\t.Three TABs", h + "7\tx\t0\tx\t.T", h + "7\tx\t0\t11-\t.T",
          h + "7\tx\t0\t-32768\t.T", h + "7\tx\t12,\t1\t.T", h + "7\tx\t1,99999\t1\t.T",
          h + "3\tx\t0\t1\t.A\r\n3\ty\t0\t1\t.B"}},
        {"E03B: Invalid Database Contents.", {h}}};
    for (const auto& [message, texts] : faults) {
        for (const std::string& text : texts) {
            const auto [record, view, lines_read] = Read(text, 2);
            EXPECT_EQ(view.messages, std::vector<std::string>{message}) << text;
            EXPECT_EQ(record.state, kDatabaseError);
        }
    }
    EXPECT_EQ(std::get<int>(Read("")), 0) << "lines read from an empty file";
}

// The total is not checked, and the count of questions remaining does not wrap.
TEST(RecordReader, ShowsTheTotalAndTheQuestionsRemaining) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {" 12 \tnot a mark\t.Copyright\r\n7", "Total Questions: 12", "Questions remaining 5"},
        {"-32768\t.Copyright\r\n250", "Total Questions: -32768", "Questions remaining -33018"},
        {"32767\t.Copyright\r\n1", "Total Questions: 32767", "Questions remaining 32766"}};
    for (const auto& [start, total, remaining] : cases) {
        const auto [record, view, lines_read] = Read(start + std::string("\tx\t0\t1\t.T"));
        EXPECT_EQ(std::tie(view.status[3], view.status[1]), std::tie(total, remaining));
    }
}

// Only a trailing "-" reverses a question; at most six related numbers are
// stored, and a seventh is not even converted.
TEST(RecordReader, ReadsTheScaleDirectionAndRelatedQuestions) {
    const std::tuple<const char*, int, int, std::array<std::int16_t, 7>> cases[] = {
        {"12,31\t3-", 3, -1, {0, 12, 31}},
        {"0\t10-", 10, -1, {}},
        {"0\t 4 ", 4, 1, {}},
        {"1,2,3,4,5,6,7\t-3", 3, 1, {0, 1, 2, 3, 4, 5, 6}},
        {"1,2,3,4,5,6,x\t2 -", 2, -1, {0, 1, 2, 3, 4, 5, 6}}};
    for (const auto& [fields, scale, dir, related] : cases) {
        const auto [q, view, lines_read] = Read(kHeader + "8\tx\t" + fields + "\t.T");
        EXPECT_EQ(std::tie(q.state, q.qscale[8], q.qdir[8], q.xref[8]),
                  std::tuple(kInProgress, scale, dir, related));
    }
}

// A trait phrase beginning with "." moves the display text; a failed read
// keeps the fields it set but shows nothing.
TEST(RecordReader, ShowsTheTextAfterTheFirstMarkOnlyWhenTheRecordIsRead) {
    const auto [q, view, lines_read] =
        Read(kHeader + "7\t.odd\t0\t1\t.Text\r\n9\tbroken\t0\tx\t.Nine", 2);
    EXPECT_EQ(std::tie(q.qdesc[7], q.qdesc[9], q.qtext), std::tie(".odd", "broken", "Nine"));
    EXPECT_EQ(std::tie(view.question, view.status[2]),
              std::tie("odd\t0\t1\t.Text", "Question No. 7"));
}

}  // namespace orv
