#include <gtest/gtest.h>

#include <string>

#include "fake_test_view.h"
#include "testing/core/record_reader.h"

namespace orv {
namespace {

using testing::FakeTestView;
using testing::ReaderOf;

constexpr const char* kHeader40 = "40\t.Copyright notice of this test\r\n";

struct Reading {
    TestRecord record;
    FakeTestView view;
};

// Reads the header of a 40-question database, then one record line.
Reading ReadRecord(const std::string& record_line) {
    Reading r;
    LineReader reader = ReaderOf(std::string(kHeader40) + record_line + "\r\n");
    FirstRec(reader, r.record, r.view);
    EXPECT_EQ(r.record.state, kInProgress);
    NextRec(reader, r.record, r.view);
    return r;
}

std::string OnlyMessage(const Reading& r) {
    EXPECT_EQ(r.view.messages.size(), 1u);
    return r.view.messages.empty() ? "" : r.view.messages.front();
}

TEST(FirstRec, ReadsTotalAndShowsTheNotice) {
    Reading r;
    LineReader reader = ReaderOf(kHeader40);
    FirstRec(reader, r.record, r.view);
    EXPECT_EQ(r.record.state, kInProgress);
    EXPECT_EQ(r.record.totalq, 40);
    EXPECT_EQ(r.record.qtext, "Copyright notice of this test");
    EXPECT_EQ(r.view.status[3], "Total Questions: 40");
    EXPECT_EQ(r.view.question, "Copyright notice of this test");
    EXPECT_TRUE(r.view.messages.empty());
}

TEST(FirstRec, TakesTheTotalBeforeTheFirstTab) {
    Reading r;
    LineReader reader = ReaderOf(" 12 \tnot a mark\t.Copyright (c) x\r\n");
    FirstRec(reader, r.record, r.view);
    EXPECT_EQ(r.record.state, kInProgress);
    EXPECT_EQ(r.record.totalq, 12);
    EXPECT_EQ(r.record.qtext, "Copyright (c) x");
}

TEST(FirstRec, AcceptsAnyTotal) {
    for (const char* total : {"0", "251", "-5", "32767"}) {
        Reading r;
        LineReader reader = ReaderOf(std::string(total) + "\t.Copyright\r\n");
        FirstRec(reader, r.record, r.view);
        EXPECT_EQ(r.record.state, kInProgress) << total;
        EXPECT_EQ(r.view.status[3],
                  std::string("Total Questions: ") + std::to_string(std::stoi(total)));
    }
}

TEST(FirstRec, EmptyFileReadsNoLine) {
    Reading r;
    LineReader reader = ReaderOf("");
    FirstRec(reader, r.record, r.view);
    EXPECT_EQ(OnlyMessage(r), "E02B: Invalid Database Contents.");
    EXPECT_EQ(r.record.state, kDatabaseError);
    EXPECT_EQ(reader.LinesRead(), 0);
}

TEST(FirstRec, RefusesAHeaderWithoutCopyrightAtItsFirstMark) {
    for (const char* header : {"40\t.copyright notice", "40\t.Copyrigh", "40 Copyright",
                               "40\t. Copyright", "40\t.Notice\t.Copyright later"}) {
        Reading r;
        LineReader reader = ReaderOf(std::string(header) + "\r\n");
        FirstRec(reader, r.record, r.view);
        EXPECT_EQ(OnlyMessage(r), "E01: Invalid Database File") << header;
        EXPECT_EQ(r.record.state, kDatabaseError);
        EXPECT_EQ(r.view.question, "") << "display is written only on success";
    }
}

TEST(FirstRec, RefusesATotalThatIsNotANumber) {
    for (const char* header : {"\t.Copyright", "forty\t.Copyright", "99999\t.Copyright"}) {
        Reading r;
        LineReader reader = ReaderOf(std::string(header) + "\r\n");
        FirstRec(reader, r.record, r.view);
        EXPECT_EQ(OnlyMessage(r), "E01A: Invalid Database Contents.") << header;
        EXPECT_EQ(r.record.state, kDatabaseError);
    }
}

TEST(FirstRec, RefusesAnOverlongHeaderAsMalformed) {
    Reading r;
    const std::string header = "40\t.Copyright" + std::string(LineReader::kMaxLineLength, ' ');
    LineReader reader = ReaderOf(header + "\r\n");
    FirstRec(reader, r.record, r.view);
    EXPECT_EQ(OnlyMessage(r), "E01: Invalid Database File");
}

TEST(NextRec, ReadsARecordIntoTheQuestionTable) {
    Reading r = ReadRecord(
        "7\ta careful planner\t12,31\t3-\t.I make a detailed plan before I start a task.");
    const TestRecord& q = r.record;
    EXPECT_EQ(q.state, kInProgress);
    EXPECT_EQ(q.qno, 7);
    EXPECT_EQ(q.qdesc[7], "a careful planner");
    EXPECT_EQ(q.xreflist, "12,31");
    EXPECT_EQ(q.xref[7][1], 12);
    EXPECT_EQ(q.xref[7][2], 31);
    EXPECT_EQ(q.xref[7][3], 0);
    EXPECT_EQ(q.scaleval, -3);
    EXPECT_EQ(q.qscale[7], 3);
    EXPECT_EQ(q.qdir[7], -1);
    EXPECT_EQ(q.qtext, "I make a detailed plan before I start a task.");
    EXPECT_EQ(r.view.status[1], "Questions remaining 33");
    EXPECT_EQ(r.view.status[2], "Question No. 7");
    EXPECT_EQ(r.view.question, "I make a detailed plan before I start a task.");
}

TEST(NextRec, ReadsTheDirectionFromATrailingMinusOnly) {
    struct Case {
        const char* field;
        std::int16_t scale;
        std::int16_t dir;
    };
    for (const Case& c : {Case{"10-", 10, -1}, Case{" 4 ", 4, 1}, Case{"-3", 3, 1}, Case{"5", 5, 1},
                          Case{"0", 0, 1}, Case{"2 -", 2, -1}}) {
        Reading r = ReadRecord(std::string("8\tsociable\t0\t") + c.field + "\t.Text");
        EXPECT_EQ(r.record.state, kInProgress) << c.field;
        EXPECT_EQ(r.record.qscale[8], c.scale) << c.field;
        EXPECT_EQ(r.record.qdir[8], c.dir) << c.field;
    }
}

TEST(NextRec, StoresAtMostSixRelatedQuestions) {
    Reading none = ReadRecord("8\tx\t0\t5\t.Text");
    EXPECT_EQ(none.record.xref[8][1], 0);

    Reading seven = ReadRecord("9\tx\t1,2,3,4,5,6,7\t5\t.Text");
    Reading unread = ReadRecord("9\tx\t1,2,3,4,5,6,x\t5\t.Text");
    for (const Reading* r : {&seven, &unread}) {
        EXPECT_EQ(r->record.state, kInProgress);
        for (int k = 1; k <= 6; ++k) {
            EXPECT_EQ(r->record.xref[9][k], k);
        }
    }
}

TEST(NextRec, AcceptsTheQuestionNumberRange) {
    EXPECT_EQ(ReadRecord("1\tx\t0\t1\t.T").record.state, kInProgress);
    EXPECT_EQ(ReadRecord("250\tx\t0\t1\t.T").record.state, kInProgress);
    EXPECT_EQ(ReadRecord("250\tx\t0\t1\t.T").view.status[1], "Questions remaining -210");
}

TEST(NextRec, RefusesMalformedRecordsWithE03) {
    for (const char* line : {
             "0\tx\t0\t1\t.T",             // number below 1
             "251\tx\t0\t1\t.T",           // above 250
             "seven\tx\t0\t1\t.T",         // not a number
             "7\tx\t0\t.Only three TABs",  // field 4 missing
             "7\tx\t0\tx\t.T",             // scale not a number
             "7\tx\t0\t-32768\t.T",        // absolute value overflows
             "7\tx\t0\t11\t.T",            // no table slot beyond scale 10
             "7\tx\t0\t11-\t.T",
             "7\tx\t12,\t1\t.T",      // empty last item
             "7\tx\t\t1\t.T",         // empty list
             "7\tx\t1,,3\t1\t.T",     // empty middle item
             "7\tx\t1,99999\t1\t.T",  // out of 16-bit range
         }) {
        Reading r = ReadRecord(line);
        EXPECT_EQ(OnlyMessage(r), "E03: Invalid Database Contents") << line;
        EXPECT_EQ(r.record.state, kDatabaseError) << line;
    }
}

TEST(NextRec, RefusesARecordWithoutTextMarkWithE02) {
    for (const char* line : {"", "7\tx\t0\t1\tno mark", "7 x 0 1 .T", "garbage"}) {
        Reading r = ReadRecord(line);
        EXPECT_EQ(OnlyMessage(r), "E02: Invalid Database Contents") << line;
    }
}

TEST(NextRec, ReportsTheEndOfTheFileWithE03B) {
    Reading r;
    LineReader reader = ReaderOf(kHeader40);
    FirstRec(reader, r.record, r.view);
    NextRec(reader, r.record, r.view);
    EXPECT_EQ(OnlyMessage(r), "E03B: Invalid Database Contents.");
    EXPECT_EQ(r.record.state, kDatabaseError);
}

TEST(NextRec, RefusesAnOverlongRecordAsMalformed) {
    Reading r = ReadRecord("7\tx\t0\t1\t." + std::string(LineReader::kMaxLineLength, 'q'));
    EXPECT_EQ(OnlyMessage(r), "E03: Invalid Database Contents");
}

TEST(NextRec, RefusesAQuestionNumberReadTwiceInOneTest) {
    Reading r;
    LineReader reader = ReaderOf(std::string(kHeader40) + "3\tx\t0\t1\t.A\r\n3\ty\t0\t1\t.B\r\n");
    FirstRec(reader, r.record, r.view);
    NextRec(reader, r.record, r.view);
    EXPECT_EQ(r.record.state, kInProgress);
    NextRec(reader, r.record, r.view);
    EXPECT_EQ(OnlyMessage(r), "E03: Invalid Database Contents");
}

TEST(NextRec, KeepsWhatWasSetBeforeAFailureButNotTheDisplay) {
    Reading r;
    LineReader reader = ReaderOf(std::string(kHeader40) + "1\tfirst\t0\t1\t.One\r\n" +
                                 "9\tbroken\t0\tx\t.Nine\r\n");
    FirstRec(reader, r.record, r.view);
    NextRec(reader, r.record, r.view);
    NextRec(reader, r.record, r.view);
    EXPECT_EQ(r.record.state, kDatabaseError);
    EXPECT_EQ(r.record.qno, 9);
    EXPECT_EQ(r.record.qdesc[9], "broken");
    EXPECT_EQ(r.record.qtext, "Nine");
    EXPECT_EQ(r.view.question, "One");
    EXPECT_EQ(r.view.status[2], "Question No. 1");
}

TEST(NextRec, APhraseBeginningWithAFullStopMovesTheText) {
    Reading r = ReadRecord("7\t.odd\t0\t1\t.Text");
    EXPECT_EQ(r.record.state, kInProgress);
    EXPECT_EQ(r.view.question, "odd\t0\t1\t.Text");
    EXPECT_EQ(r.record.qdesc[7], ".odd");
}

TEST(NextRec, CountsDownWithoutWrappingAtTheExtremes) {
    Reading low;
    LineReader reader = ReaderOf("-32768\t.Copyright\r\n250\tx\t0\t1\t.T\r\n");
    FirstRec(reader, low.record, low.view);
    NextRec(reader, low.record, low.view);
    EXPECT_EQ(low.view.status[1], "Questions remaining -33018");

    Reading high;
    LineReader reader2 = ReaderOf("32767\t.Copyright\r\n1\tx\t0\t1\t.T\r\n");
    FirstRec(reader2, high.record, high.view);
    NextRec(reader2, high.record, high.view);
    EXPECT_EQ(high.view.status[1], "Questions remaining 32766");
}

}  // namespace
}  // namespace orv
