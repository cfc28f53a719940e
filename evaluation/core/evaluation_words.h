#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/core/local_time.h"

namespace orv {

// The fixed words of an evaluation and of the profile of its result, in one
// language, by key ("verdict.positive", "opening", "table.score", ...).
// English is the program's own, in single-byte text; a language folder's
// words file (evaluation.words, docs/translating.md) gives them in UTF-8.
class EvaluationWords {
  public:
    static const EvaluationWords& English();

    const std::string& language() const { return language_; }
    // Whether the words, and the databases of their language, are UTF-8.
    bool utf8() const { return utf8_; }

    // The words of `key`, each "{name}" of `values` filled in.
    std::string Word(std::string_view key,
                     const std::vector<std::pair<std::string, std::string>>& values = {}) const;
    // The name of scale 1..10 of test 0 or 1, as its heading shows it without
    // the leading spaces and the colon.
    std::string ScaleName(std::int16_t testno, int scale) const;
    std::string TestTitle(int testno) const;
    // A verdict word in these words: "Positive", "No Responses", ... as the
    // scoring names them.
    std::string Verdict(std::string_view verdict) const;

    // A moment as these words show it: by the form given, else "2026-12-07 14:15".
    std::string Time(const LocalTime& time) const {
        return time_form_ ? time_form_(time) : ShownTime(time);
    }
    using TimeForm = std::function<std::string(const LocalTime&)>;
    void SetTimeForm(TimeForm form) { time_form_ = std::move(form); }

    // The keys of the words, in the order of the English words.
    static const std::vector<std::string>& Keys();

    // English words for a test in `language` whose words are missing: its
    // databases' text, and so its evaluation, are UTF-8.
    static EvaluationWords EnglishFor(const std::string& language);

  private:
    friend struct WordsFile ReadEvaluationWords(std::string_view bytes,
                                                const std::string& language);

    std::string language_;
    bool utf8_ = false;
    std::map<std::string, std::string, std::less<>> words_;
    TimeForm time_form_;
};

// A words file as read: its words, English where it has none, or the first
// fault with its line.
struct WordsFile {
    EvaluationWords words;
    std::vector<std::string> missing;  // keys the file has no words for
    int error_line = 0;                // 0 when the file is sound
    std::string error;
};

// Reads the bytes of language `language`'s words file strictly: UTF-8;
// comment lines ("#...") and empty lines; every other line a known key, one
// tab and the words in double quotes, with the placeholders of the English
// words and no tab or double quote inside; no key twice. On a fault the
// words are English.
WordsFile ReadEvaluationWords(std::string_view bytes, const std::string& language);

// The words of `language` from the words file of its folder in
// `program_folder`; English for English, for a language without the file
// (all its keys missing), and for a faulty file (whose fault is in the result).
WordsFile LoadEvaluationWords(const std::string& program_folder, const std::string& language);

inline constexpr const char* kWordsFileName = "evaluation.words";

}  // namespace orv
