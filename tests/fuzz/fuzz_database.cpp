// A test taken on any database: the input is the database, optionally followed
// by a NUL and the answers (each byte modulo 3, used in turn; "strongly agree"
// throughout when there are none). The progress is saved after as many
// answers as there are answer bytes (at least one) and loaded into a new test.
// The first answer byte's top bit reads the database as UTF-8 text, as a
// language folder's is read; an answer byte with bit 6 set presses Back after
// its answer and gives the same answer again, which must give back the same
// record.
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
    Test(const TempFolder& folder, bool utf8)
        : started(StartTest(database, *record, view, folder.file("orv0.dll"), utf8)) {}
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
    const auto byte = [&](std::size_t step) {
        return answers.empty() ? 2 : static_cast<unsigned char>(answers[step % answers.size()]);
    };
    const bool utf8 = !answers.empty() && (byte(0) & 0x80) != 0;

    Test test(folder, utf8);
    TestRecord& record = *test.record;
    for (std::size_t step = 0; record.state == kInProgress; ++step) {
        const auto choice = static_cast<std::int16_t>(byte(step) % 3);
        FUZZ_PROMISE(!ChooseAnswer(record, choice));
        ProcessOutcome outcome = ProcessAnswer(test.database, record, test.view);
        if (outcome == ProcessOutcome::kNextQuestion && (byte(step) & 0x40) != 0) {
            const auto answered = std::make_unique<TestRecord>(record);
            const FakeTestView shown = test.view;
            FUZZ_PROMISE(GoBack(record, test.view));
            FUZZ_PROMISE(record.choice == choice &&
                         test.view.back_enabled == !record.steps.given.empty());
            outcome = ProcessAnswer(test.database, record, test.view);
            FUZZ_PROMISE(outcome == ProcessOutcome::kNextQuestion && record == *answered);
            FUZZ_PROMISE(test.view.question == shown.question && test.view.status == shown.status);
        }
        if (outcome != ProcessOutcome::kNextQuestion || step + 1 != save_after) {
            continue;
        }
        record.loadfn = "fuzz";
        FUZZ_PROMISE(SaveChosenFile(record, test.view, folder.path, 0) == SaveOutcome::kSaved);
        FUZZ_PROMISE(record.savedq == record.qno);
        // A new test on the same database resumes where this one was saved.
        Test resumed(folder, utf8);
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
