#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "testing/core/line_reader.h"
#include "testing/core/record_reader.h"
#include "testing/core/test_record.h"
#include "tools/commands.h"
#include "tools/recording_view.h"

namespace orvtool {

namespace {

// The evaluation lists more than this many questions of one scale only
// since the fixed list was lifted; authors should stay within it.
constexpr int kListedPerScale = 60;

struct Warning {
    int line;
    std::string text;
};

void WarnAboutRecord(const orv::TestRecord& record, int line, std::int16_t previous_qno,
                     std::vector<Warning>& warnings) {
    const std::int16_t qno = record.qno;
    if (qno != previous_qno + 1) {
        warnings.push_back({line, "question number " + std::to_string(qno) + " follows " +
                                      std::to_string(previous_qno)});
    }
    if (record.qdesc[qno].empty()) {
        warnings.push_back({line, "empty trait phrase"});
    }
    if (record.qscale[qno] == 0) {
        warnings.push_back({line, "scale 0 is never reported"});
    }
    for (int k = 1; k <= orv::kRelatedSlots; ++k) {
        const std::int16_t related = record.xref[qno][k];
        if (related == 0) {
            break;
        }
        if (related == qno) {
            warnings.push_back({line, "question " + std::to_string(qno) + " relates to itself"});
        } else if (related < 1 || related > record.totalq) {
            warnings.push_back({line, "related question " + std::to_string(related) +
                                          " outside 1.." + std::to_string(record.totalq)});
        }
    }
}

}  // namespace

int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << kUsage;
        return 2;
    }
    const std::string& file = args.front();
    orv::LineReader database;
    if (!database.Open(file)) {
        out << file << ": File not found.\n";
        return 1;
    }

    auto record = std::make_unique<orv::TestRecord>();
    RecordingView view;
    auto failed = [&] {
        if (record->state == orv::kInProgress) {
            return false;
        }
        // An end-of-file message points at the line after the last.
        const bool at_end =
            view.message == orv::db_message::kE02B || view.message == orv::db_message::kE03B;
        out << file << ':' << database.LinesRead() + (at_end ? 1 : 0) << ": " << view.message
            << '\n';
        return true;
    };

    orv::FirstRec(database, *record, view);
    if (failed()) {
        return 1;
    }

    std::vector<Warning> warnings;
    std::array<int, orv::kScales + 1> per_scale{};
    int questions = 0;
    std::int16_t previous_qno = 0;
    do {
        orv::NextRec(database, *record, view);
        if (failed()) {
            return 1;
        }
        ++questions;
        WarnAboutRecord(*record, database.LinesRead(), previous_qno, warnings);
        const int scale = record->qscale[record->qno];
        if (++per_scale[scale] == kListedPerScale + 1) {
            warnings.push_back(
                {database.LinesRead(), "more than " + std::to_string(kListedPerScale) +
                                           " questions on scale " + std::to_string(scale)});
        }
        previous_qno = record->qno;
    } while (record->qno < record->totalq);

    if (questions != record->totalq) {
        warnings.insert(warnings.begin(), {1, "header total " + std::to_string(record->totalq) +
                                                  " differs from the " + std::to_string(questions) +
                                                  " questions read"});
    }
    for (const Warning& warning : warnings) {
        out << file << ':' << warning.line << ": warning: " << warning.text << '\n';
    }
    out << file << ": " << questions << " questions\n";
    return 0;
}

}  // namespace orvtool
