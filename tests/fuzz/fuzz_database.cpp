// A test taken on any database: the input is the database, optionally followed
// by a NUL and the answers (each byte modulo 3, used in turn; "strongly agree"
// throughout when there are none). The progress is saved after as many
// answers as there are answer bytes (at least one) and loaded into a new test.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "fake_test_view.h"
#include "fuzz_support.h"
#include "persistence/core/save_load_steps.h"
#include "persistence_support.h"
#include "testing/core/test_steps.h"

using namespace orv;
using namespace orv::testing;

namespace {

// A test started on the database in `folder`, as the test window starts one.
struct Test {
    explicit Test(const TempFolder& folder)
        : started(StartTest(database, *record, view, folder.file("orv0.dll"))) {}
    LineReader database;
    std::unique_ptr<TestRecord> record = std::make_unique<TestRecord>();
    FakeTestView view;
    StartOutcome started;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TempFolder folder;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.rfind('\0');
    const std::string_view answers = nul == std::string_view::npos ? "" : input.substr(nul + 1);
    folder.Write("orv0.dll", std::string(input.substr(0, nul)));
    const std::size_t save_after = answers.empty() ? 1 : answers.size();

    Test test(folder);
    TestRecord& record = *test.record;
    for (std::size_t step = 0; record.state == kInProgress; ++step) {
        const auto choice = static_cast<std::int16_t>(
            answers.empty() ? 2 : static_cast<unsigned char>(answers[step % answers.size()]) % 3);
        FUZZ_PROMISE(!ChooseAnswer(record, choice));
        const ProcessOutcome outcome = ProcessAnswer(test.database, record, test.view);
        if (outcome != ProcessOutcome::kNextQuestion || step + 1 != save_after) {
            continue;
        }
        record.loadfn = "fuzz";
        FUZZ_PROMISE(SaveChosenFile(record, test.view, folder.path, 0) == SaveOutcome::kSaved);
        FUZZ_PROMISE(record.savedq == record.qno);
        // A new test on the same database resumes where this one was saved.
        Test resumed(folder);
        resumed.record->loadfn = "fuzz.0";
        FUZZ_PROMISE(resumed.started == StartOutcome::kReady);
        FUZZ_PROMISE(LoadChosenFile(resumed.database, *resumed.record, resumed.view, folder.path,
                                    0) == LoadOutcome::kLoaded);
        FUZZ_PROMISE(resumed.view.messages.empty());
        FUZZ_PROMISE(SameResponses(ResponsesOf(*resumed.record), ResponsesOf(record)));
        FUZZ_PROMISE(resumed.record->savedq == record.qno && resumed.record->state == kInProgress);
        FUZZ_PROMISE(resumed.view.status == test.view.status &&
                     resumed.view.question == test.view.question);
    }
    if (record.state == kDatabaseError) {
        FUZZ_PROMISE(test.view.messages.size() == 1 && IsReaderMessage(test.view.messages[0]));
        FUZZ_PROMISE(ChooseAnswer(record, 2));
        FUZZ_PROMISE(ProcessAnswer(test.database, record, test.view) == ProcessOutcome::kUnload);
        FUZZ_PROMISE(record.state == kDatabaseError);
    } else {
        FUZZ_PROMISE(record.state == kFinished && test.view.messages.empty());
    }
    return 0;
}
