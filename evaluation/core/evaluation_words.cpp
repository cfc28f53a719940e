#include "evaluation/core/evaluation_words.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>

#include "app/core/app_title.h"
#include "app/core/language.h"
#include "app/core/program_files.h"
#include "app/core/utf8.h"
#include "evaluation/core/scoring.h"
#include "evaluation/core/words_lines.h"

namespace orv {

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

// The English words, in the order a words file lists them.
const Pairs& EnglishPairs() {
    static const Pairs pairs = [] {
        Pairs p = {
            {"title", kAppTitle},
            {"notice", std::string("Copyright (c) {year} ") + kRightsHolder},
            {"test.0", kTestTitles[0]},
            {"test.1", kTestTitles[1]},
            {"section.0", "Assessment of Individual Attributes:"},
            {"section.1", "Assessment of Interpersonal and Social Attributes:"},
        };
        const char* scales[2][kScales] = {
            {"Achievement Attitudes", "Emotional Temperament", "Energy Level",
             "Intellectual Factors", "Material Attitudes", "Maturity", "Philosophical Attitudes",
             "Physical Attributes", "Risk Attitudes", "Task Performance Attitudes"},
            {"Aggressiveness", "Social Control Attitudes", "Dependability", "Egocentrism",
             "Emotional Expression", "Fairness", "Leadership", "Physical Appearance",
             "Regard for Rules", "Team Spirit"}};
        for (int test = 0; test < 2; ++test) {
            for (int scale = 1; scale <= kScales; ++scale) {
                p.push_back({"scale." + std::to_string(test) + "." + std::to_string(scale),
                             scales[test][scale - 1]});
            }
        }
        const Pairs rest = {
            {"verdict.positive", verdict::kPositive},
            {"verdict.negative", verdict::kNegative},
            {"verdict.sociable", verdict::kSociable},
            {"verdict.dangerous", verdict::kDangerous},
            {"verdict.unknown", verdict::kUnknown},
            {"verdict.none", verdict::kNoResponses},
            {"conflicting", "Conflicting Responses."},
            {"opening", "You are "},
            {"opening.also", "You are also "},
            {"separator", ", "},
            {"separator.last", " and "},
            {"no.responses", "Either you are not paying attention or you are a liar."},
            {"profile.title", "Profile: {test}"},
            {"profile.ended", "Test ended {date}."},
            {"profile.compared", "Earlier result (paler bars): {earlier}. Later result: {later}."},
            {"table.scale", "Scale"},
            {"table.score", "Score"},
            {"table.earlier", "Earlier"},
            {"table.later", "Later"},
            {"table.change", "Change"},
            {"table.largest", "Largest possible"},
            {"table.verdict", "Verdict"},
            {"table.conflicting", "Conflicting"},
            {"table.yes", "Yes"},
            {"table.no", "No"},
            {"legend.positive",
             "what you agreed with leans toward the favourable side of the scale"},
            {"legend.negative",
             "what you agreed with leans toward the unfavourable side of the scale"},
            {"legend.sociable",
             "what you agreed with leans toward the side that helps you get on with others"},
            {"legend.dangerous",
             "what you agreed with leans toward the side that can make you hard to get on with"},
            {"legend.unknown", "what you agreed with weighs the same on both sides"},
            {"legend.none", "you agreed with none of the statements of the scale"},
            {"legend.conflicting", "Conflicting Responses"},
            {"legend.conflicting.meaning",
             "you agreed with statements on both sides, so the verdict is less clear-cut"},
            {"legend.bars", "Bars"},
            {"legend.bars.meaning",
             "each score as a share of the largest that the questions allow in its direction"},
            {"summary.of", "{score} of a possible {largest}"},
            {"summary.earlier", "(earlier {score}, change {change})"},
            {"summary.conflicting", "conflicting responses"},
            {"share", "{score} of a possible {largest} towards {verdict}"},
            {"share.even", "0 of a possible {up} towards {positive} or {down} towards {negative}"},
            {"about.title", "About the scales"},
            {"page", "Page {page} of {pages}"},
        };
        p.insert(p.end(), rest.begin(), rest.end());
        return p;
    }();
    return pairs;
}

// The placeholders of a text: "{year}", ...
std::set<std::string> Placeholders(std::string_view text) {
    std::set<std::string> names;
    for (std::size_t open = 0; (open = text.find('{')) != std::string_view::npos;) {
        const std::size_t close = text.find('}', open);
        if (close == std::string_view::npos) {
            break;
        }
        names.insert(std::string(text.substr(open, close - open + 1)));
        text.remove_prefix(close + 1);
    }
    return names;
}

// The fault of one line of a words file, "" when it is sound.
std::string LineFault(std::string_view line, std::string& key, std::string& value,
                      const std::set<std::string>& seen) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) {
        return "a line needs a key, a tab and words in double quotes";
    }
    key = line.substr(0, tab);
    const std::string_view quoted = line.substr(tab + 1);
    const std::string& english = EvaluationWords::English().Word(key);
    if (english.empty()) {
        return "unknown key \"" + key + "\"";
    }
    if (seen.count(key) != 0) {
        return "\"" + key + "\" appears twice";
    }
    const std::optional<std::string_view> words = QuotedWords(quoted);
    if (!words) {
        return "the words of \"" + key + "\" must stand in double quotes, without tabs";
    }
    value = *words;
    if (Placeholders(value) != Placeholders(english)) {
        return "the words of \"" + key + "\" must have the placeholders of the English words";
    }
    return {};
}

}  // namespace

const EvaluationWords& EvaluationWords::English() {
    static const EvaluationWords english = [] {
        EvaluationWords words;
        words.language_ = kEnglish;
        for (const auto& [key, value] : EnglishPairs()) {
            words.words_.emplace(key, value);
        }
        return words;
    }();
    return english;
}

EvaluationWords EvaluationWords::EnglishFor(const std::string& language) {
    EvaluationWords words = English();
    words.language_ = language;
    words.utf8_ = language != kEnglish;
    return words;
}

const std::vector<std::string>& EvaluationWords::Keys() {
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> k;
        for (const auto& pair : EnglishPairs()) {
            k.push_back(pair.first);
        }
        return k;
    }();
    return keys;
}

std::string EvaluationWords::Word(std::string_view key, const Pairs& values) const {
    const auto found = words_.find(key);
    if (found == words_.end()) {
        return {};
    }
    std::string text = found->second;
    for (const auto& [name, value] : values) {
        const std::string placeholder = "{" + name + "}";
        for (std::size_t at = 0; (at = text.find(placeholder)) != std::string::npos;) {
            text.replace(at, placeholder.size(), value);
        }
    }
    return text;
}

std::string EvaluationWords::ScaleName(std::int16_t testno, int scale) const {
    return Word("scale." + std::to_string(testno == 1) + "." + std::to_string(scale));
}

std::string EvaluationWords::TestTitle(int testno) const {
    return Word(testno == 1 ? "test.1" : "test.0");
}

std::string EvaluationWords::Verdict(std::string_view verdict) const {
    const std::pair<std::string_view, const char*> keys[] = {
        {verdict::kPositive, "verdict.positive"}, {verdict::kNegative, "verdict.negative"},
        {verdict::kSociable, "verdict.sociable"}, {verdict::kDangerous, "verdict.dangerous"},
        {verdict::kUnknown, "verdict.unknown"},   {verdict::kNoResponses, "verdict.none"}};
    for (const auto& [english, key] : keys) {
        if (english == verdict) {
            return Word(key);
        }
    }
    return std::string(verdict);
}

WordsFile ReadEvaluationWords(std::string_view bytes, const std::string& language) {
    WordsFile file{EvaluationWords::EnglishFor(language), {}, FirstNonUtf8Line(bytes), {}};
    if (file.error_line != 0) {
        file.error = "not UTF-8 text";
        return file;
    }
    EvaluationWords words;
    words.language_ = language;
    words.utf8_ = true;
    std::set<std::string> seen;
    for (const auto& [number, line] : WordsLines(bytes)) {
        std::string key, value;
        file.error = LineFault(line, key, value, seen);
        if (!file.error.empty()) {
            file.error_line = number;
            return file;
        }
        seen.insert(key);
        words.words_.emplace(key, value);
    }
    // Words not yet translated stay English.
    for (const std::string& key : EvaluationWords::Keys()) {
        if (seen.count(key) == 0) {
            file.missing.push_back(key);
            words.words_.emplace(key, EvaluationWords::English().Word(key));
        }
    }
    file.words = std::move(words);
    return file;
}

WordsFile LoadEvaluationWords(const std::string& program_folder, const std::string& language) {
    if (language == kEnglish) {
        return {EvaluationWords::English(), {}, 0, {}};
    }
    const std::string path = LanguageFile(program_folder, language, kWordsFileName);
    if (path == ProgramPath(program_folder, kWordsFileName)) {
        return {EvaluationWords::EnglishFor(language), EvaluationWords::Keys(), 0, {}};
    }
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    return ReadEvaluationWords(bytes, language);
}

}  // namespace orv
