#include "tools/database_pass.h"

#include "testing/core/line_reader.h"
#include "testing/core/record_reader.h"
#include "tools/recording_view.h"

namespace orvtool {

bool ReadDatabaseAsTest(const std::string& file, orv::TestRecord& record, std::ostream& report,
                        const std::function<void(int line)>& on_record) {
    orv::LineReader database;
    if (!database.Open(file)) {
        report << file << ": File not found.\n";
        return false;
    }
    RecordingView view;
    auto failed = [&] {
        if (record.state == orv::kInProgress) {
            return false;
        }
        // An end-of-file message points at the line after the last.
        const bool at_end =
            view.message == orv::db_message::kE02B || view.message == orv::db_message::kE03B;
        report << file << ':' << database.LinesRead() + (at_end ? 1 : 0) << ": " << view.message
               << '\n';
        return true;
    };
    orv::FirstRec(database, record, view);
    if (failed()) {
        return false;
    }
    do {
        orv::NextRec(database, record, view);
        if (failed()) {
            return false;
        }
        if (on_record) {
            on_record(database.LinesRead());
        }
    } while (record.qno < record.totalq);
    return true;
}

}  // namespace orvtool
