#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "testing/core/test_record.h"
#include "tools/commands.h"
#include "tools/database_pass.h"
#include "tools/language_check.h"

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
    if (std::filesystem::is_directory(file)) {
        return CheckLanguageFolder(file, out) ? 0 : 1;
    }
    auto record = std::make_unique<orv::TestRecord>();
    std::vector<Warning> warnings;
    std::array<int, orv::kScales + 1> per_scale{};
    int questions = 0;
    std::int16_t previous_qno = 0;
    const bool read = ReadDatabaseAsTest(file, *record, out, [&](int line) {
        ++questions;
        WarnAboutRecord(*record, line, previous_qno, warnings);
        const int scale = record->qscale[record->qno];
        if (++per_scale[scale] == kListedPerScale + 1) {
            warnings.push_back({line, "more than " + std::to_string(kListedPerScale) +
                                          " questions on scale " + std::to_string(scale)});
        }
        previous_qno = record->qno;
    });
    if (!read) {
        return 1;
    }

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
