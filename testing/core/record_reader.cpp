#include "testing/core/record_reader.h"

#include <cstdlib>
#include <string_view>

#include "app/core/utf8.h"
#include "testing/core/number.h"

namespace orv {

namespace {

constexpr std::string_view kTextMark = "\t.";
constexpr std::string_view kCopyright = "Copyright";

void Fail(TestRecord& record, TestView& view, const char* message) {
    view.ShowMessage(message);
    record.state = kDatabaseError;
}

// A UTF-8 database's line that is not UTF-8 is refused, with its file and line.
bool ReadText(LineReader& database, TestRecord& record, TestView& view) {
    if (!record.utf8 || IsUtf8(record.dbline)) {
        return true;
    }
    view.ShowMessage(std::string(db_message::kE04) + "\n" + record.filename + ": line " +
                     std::to_string(database.LinesRead()));
    record.state = kDatabaseError;
    return false;
}

// Fills the related-question slots of `qno` from the list "a,b,c". Only the
// first six items are stored (and converted); the rest are ignored.
bool ReadRelated(TestRecord& record, std::int16_t qno) {
    std::string_view rest = record.xreflist;
    int k = 0;
    for (;;) {
        const std::size_t comma = rest.find(',');
        const std::string_view item = rest.substr(0, comma);
        ++k;
        if (k <= kRelatedSlots) {
            const auto value = ToInt16(item);
            if (!value) {
                return false;
            }
            record.xref[qno][k] = *value;
        }
        if (comma == std::string_view::npos) {
            return true;
        }
        rest.remove_prefix(comma + 1);
    }
}

// Steps of a record after its text mark: the question number and fields 2..4.
// False on the first fault; what was set before it keeps its new value.
bool ReadFields(std::string_view line, TestRecord& record) {
    std::size_t tab = line.find('\t');
    const auto number = ToInt16(line.substr(0, tab));
    if (!number) {
        return false;
    }
    record.qno = *number;
    // A number read twice in one test would be answered twice and could push
    // its sums past what the saved file and the scoring hold.
    if (record.qno < 1 || record.qno > kMaxQuestions || record.seen[record.qno]) {
        return false;
    }
    const std::int16_t qno = record.qno;

    // Fields 2..4, each ended by a TAB.
    std::string_view field;
    auto next_field = [&] {
        const std::size_t next = line.find('\t', tab + 1);
        if (next == std::string_view::npos) {
            return false;
        }
        field = line.substr(tab + 1, next - tab - 1);
        tab = next;
        return true;
    };
    if (!next_field()) {
        return false;
    }
    record.qdesc[qno] = std::string(field);
    if (!next_field()) {
        return false;
    }
    record.xreflist = std::string(field);
    if (!next_field()) {
        return false;
    }
    const auto scale = ToInt16(field);
    if (!scale) {
        return false;
    }
    record.scaleval = *scale;
    // Scales beyond 10 have no slot in the per-scale tables.
    if (record.scaleval < -kScales || record.scaleval > kScales) {
        return false;
    }
    record.qscale[qno] = static_cast<std::int16_t>(std::abs(record.scaleval));
    record.qdir[qno] = line[tab - 1] == '-' ? -1 : 1;
    return ReadRelated(record, qno);
}

}  // namespace

void FirstRec(LineReader& database, TestRecord& record, TestView& view) {
    if (database.AtEnd()) {
        Fail(record, view, db_message::kE02B);
        return;
    }
    if (database.ReadLine(record.dbline) == LineReader::Status::kTooLong) {
        Fail(record, view, db_message::kE01);
        return;
    }
    if (!ReadText(database, record, view)) {
        return;
    }
    const std::string& line = record.dbline;
    const std::size_t mark = line.find(kTextMark);
    if (mark == std::string::npos || line.compare(mark + 2, kCopyright.size(), kCopyright) != 0) {
        Fail(record, view, db_message::kE01);
        return;
    }
    record.qtext = line.substr(mark + 2);

    const auto total = ToInt16(std::string_view(line).substr(0, line.find('\t')));
    if (!total) {
        Fail(record, view, db_message::kE01A);
        return;
    }
    record.totalq = *total;

    view.SetStatusLine(3, "Total Questions: " + std::to_string(record.totalq));
    view.SetQuestionText(record.qtext);
}

void NextRec(LineReader& database, TestRecord& record, TestView& view) {
    if (database.AtEnd()) {
        Fail(record, view, db_message::kE03B);
        return;
    }
    if (database.ReadLine(record.dbline) == LineReader::Status::kTooLong) {
        Fail(record, view, db_message::kE03);
        return;
    }
    if (!ReadText(database, record, view)) {
        return;
    }
    const std::string_view line = record.dbline;
    const std::size_t mark = line.find(kTextMark);
    if (mark == std::string_view::npos) {
        Fail(record, view, db_message::kE02);
        return;
    }
    record.qtext = std::string(line.substr(mark + 2));
    if (!ReadFields(line, record)) {
        Fail(record, view, db_message::kE03);
        return;
    }

    record.seen[record.qno] = true;
    ShowRecord(record, view);
}

void ShowRecord(const TestRecord& record, TestView& view) {
    view.SetStatusLine(
        1, "Questions remaining " + std::to_string(static_cast<int>(record.totalq) - record.qno));
    view.SetStatusLine(2, "Question No. " + std::to_string(record.qno));
    view.SetQuestionText(record.qtext);
}

}  // namespace orv
