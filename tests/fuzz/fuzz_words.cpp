// A language folder's words file: any bytes are read strictly. A faulty file
// gives English words throughout and the line of its fault; a sound one gives
// its own words, English for each key it lacks, and reads back the same when
// written out again.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "evaluation/core/evaluation_words.h"
#include "fuzz_support.h"

using namespace orv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const WordsFile file = ReadEvaluationWords(input, "de");
    const EvaluationWords& english = EvaluationWords::English();
    const auto lines = static_cast<int>(std::count(input.begin(), input.end(), '\n')) + 1;
    if (file.error_line != 0) {
        FUZZ_PROMISE(file.error_line <= lines && !file.error.empty());
        for (const std::string& key : EvaluationWords::Keys()) {
            FUZZ_PROMISE(file.words.Word(key) == english.Word(key));
        }
        return 0;
    }
    std::string written;
    for (const std::string& key : EvaluationWords::Keys()) {
        const bool missing =
            std::find(file.missing.begin(), file.missing.end(), key) != file.missing.end();
        FUZZ_PROMISE(!missing || file.words.Word(key) == english.Word(key));
        if (!missing) {
            written += key + "\t\"" + file.words.Word(key) + "\"\r\n";
        }
        file.words.Word(key, {{"page", "1"}, {"pages", "2"}, {"year", "2026"}, {"test", "T"}});
    }
    const WordsFile again = ReadEvaluationWords(written, "de");
    FUZZ_PROMISE(again.error_line == 0 && again.missing == file.missing);
    for (const std::string& key : EvaluationWords::Keys()) {
        FUZZ_PROMISE(again.words.Word(key) == file.words.Word(key));
    }
    return 0;
}
