#include "tools/database_pass.h"

#include "testing/core/line_reader.h"
#include "testing/core/record_reader.h"
#include "tools/recording_view.h"

namespace orvtool {

bool ReadDatabaseAsTest(const std::string& file, orv::TestRecord& record, std::ostream& report,
                        const std::function<void(int line)>& on_record, bool utf8) {
    orv::LineReader database;
    if (!database.Open(file)) {
        report << file << ": File not found.\n";
        return false;
    }
    record.filename = file;
    record.utf8 = utf8;
    RecordingView view;
    auto failed = [&] {
        if (record.state == orv::kInProgress) {
            return false;
        }
        // An end-of-file message points at the line after the last.
        const bool at_end =
            view.message == orv::db_message::kE02B || view.message == orv::db_message::kE03B;
        // The file and the line lead the report, not a line of the message.
        report << file << ':' << database.LinesRead() + (at_end ? 1 : 0) << ": "
               << view.message.substr(0, view.message.find('\n')) << '\n';
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
