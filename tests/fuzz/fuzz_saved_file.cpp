// Any file loaded at question 1 of the shipped test 0: a refused file changes
// nothing, an accepted one resumes the test at its question or ends the test
// when the database never reaches it, and its values survive a save unchanged.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "fake_test_view.h"
#include "fuzz_support.h"
#include "persistence/core/save_load_steps.h"
#include "persistence_support.h"
#include "testing/core/test_steps.h"

using namespace orv;
using namespace orv::testing;

namespace {

// Every member of the test record.
auto Members(const TestRecord& r) {
    return std::tie(r.loadfn, r.filename, r.choice, r.state, r.qno, r.totalq, r.qtext, r.dbline,
                    r.xreflist, r.scaleval, r.qdesc, r.qscale, r.qdir, r.xref, r.ans, r.scount,
                    r.sscore, r.savedq, r.fpath, r.fopen, r.seen);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TempFolder folder;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    folder.Write("fuzz.0", bytes);

    LineReader database;
    auto record = std::make_unique<TestRecord>();
    FakeTestView view;
    FUZZ_PROMISE(StartTest(database, *record, view, ORV_DATA_DIR "/orv0.dll") ==
                 StartOutcome::kReady);
    record->loadfn = "fuzz.0";
    const auto before = std::make_unique<TestRecord>(*record);
    const auto parsed = ParseSavedResponses(bytes);

    switch (LoadChosenFile(database, *record, view, folder.path, 0)) {
        case LoadOutcome::kNotOpened:
            FUZZ_PROMISE(!parsed);
            FUZZ_PROMISE(Members(*record) == Members(*before));
            FUZZ_PROMISE(view.messages == std::vector<std::string>{"File could not be opened."});
            return 0;
        case LoadOutcome::kLoaded:
            FUZZ_PROMISE(parsed && SameResponses(ResponsesOf(*record), *parsed));
            FUZZ_PROMISE(record->savedq == record->qno && record->state == kInProgress);
            FUZZ_PROMISE(view.messages.empty());
            break;
        case LoadOutcome::kEndOfFile:
            FUZZ_PROMISE(parsed && record->savedq == parsed->qno);
            FUZZ_PROMISE(record->state == kDatabaseError && view.messages.size() == 2 &&
                         IsReaderMessage(view.messages[0]) &&
                         view.messages[1] == "End of file during Load");
            break;
        case LoadOutcome::kNothingChosen:
            FUZZ_PROMISE(false);
    }
    // What a save would write reads back to the same values, byte for byte.
    const std::string saved = FormatSavedResponses(*parsed);
    const auto reread = ParseSavedResponses(saved);
    FUZZ_PROMISE(reread && SameResponses(*reread, *parsed));
    FUZZ_PROMISE(FormatSavedResponses(*reread) == saved);
    return 0;
}
