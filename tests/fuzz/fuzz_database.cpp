// A test taken on any database: the input is the database, optionally followed
// by a NUL and the answers (each byte modulo 3, used in turn; "strongly agree"
// throughout when there are none). The progress is saved after as many
// answers as there are answer bytes (at least one) and loaded back at the end.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
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

// What the window shows: the three status lines and the question.
std::string Shown(const FakeTestView& view) {
    return view.status[1] + "|" + view.status[2] + "|" + view.status[3] + "|" + view.question;
}

// A new test on the same database, resumed from the saved file.
void LoadBack(const TempFolder& folder, const SavedResponses& saved, const std::string& shown) {
    LineReader database;
    auto record = std::make_unique<TestRecord>();
    FakeTestView view;
    FUZZ_PROMISE(StartTest(database, *record, view, folder.file("orv0.dll")) ==
                 StartOutcome::kReady);
    record->loadfn = "fuzz.0";
    FUZZ_PROMISE(LoadChosenFile(database, *record, view, folder.path, 0) == LoadOutcome::kLoaded);
    FUZZ_PROMISE(view.messages.empty());
    FUZZ_PROMISE(SameResponses(ResponsesOf(*record), saved));
    FUZZ_PROMISE(record->savedq == record->qno && record->state == kInProgress);
    FUZZ_PROMISE(Shown(view) == shown);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TempFolder folder;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.rfind('\0');
    const std::string_view answers = nul == std::string_view::npos ? "" : input.substr(nul + 1);
    folder.Write("orv0.dll", std::string(input.substr(0, nul)));
    const std::size_t save_after = answers.empty() ? 1 : answers.size();

    LineReader database;
    auto record = std::make_unique<TestRecord>();
    FakeTestView view;
    StartTest(database, *record, view, folder.file("orv0.dll"));
    std::optional<SavedResponses> saved;
    std::string shown;
    for (std::size_t step = 0; record->state == kInProgress; ++step) {
        const auto choice = static_cast<std::int16_t>(
            answers.empty() ? 2 : static_cast<unsigned char>(answers[step % answers.size()]) % 3);
        FUZZ_PROMISE(!ChooseAnswer(*record, choice));
        const ProcessOutcome outcome = ProcessAnswer(database, *record, view);
        if (outcome == ProcessOutcome::kNextQuestion && step + 1 == save_after) {
            record->loadfn = "fuzz";
            FUZZ_PROMISE(SaveChosenFile(*record, view, folder.path, 0) == SaveOutcome::kSaved);
            FUZZ_PROMISE(record->savedq == record->qno);
            saved = ResponsesOf(*record);
            shown = Shown(view);
        }
    }
    if (record->state == kDatabaseError) {
        FUZZ_PROMISE(view.messages.size() == 1 && IsReaderMessage(view.messages[0]));
        FUZZ_PROMISE(ChooseAnswer(*record, 2));
        FUZZ_PROMISE(ProcessAnswer(database, *record, view) == ProcessOutcome::kUnload);
        FUZZ_PROMISE(record->state == kDatabaseError);
    } else {
        FUZZ_PROMISE(record->state == kFinished && view.messages.empty());
    }
    if (saved) {
        LoadBack(folder, *saved, shown);
    }
    return 0;
}
