#include "tools/language_check.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <vector>

#include "app/core/utf8.h"
#include "evaluation/core/evaluation_words.h"
#include "results/core/help_texts.h"
#include "testing/core/test_record.h"
#include "tools/database_pass.h"
#include "tools/desktop_words_check.h"

namespace orvtool {

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// What a question of a database contributes to a test's scores and files.
struct Question {
    std::int16_t number;
    std::int16_t scale;  // with its sign: the direction
    std::string related;
    int line;
};

// The questions of a database as a test reads them; false on a fault.
bool ReadQuestions(const std::string& file, bool utf8, std::vector<Question>& questions,
                   std::ostream& out) {
    auto record = std::make_unique<orv::TestRecord>();
    return ReadDatabaseAsTest(
        file, *record, out,
        [&](int line) {
            questions.push_back({record->qno, record->scaleval, record->xreflist, line});
        },
        utf8);
}

// Reports where the translated database differs from the English one in
// anything but its texts.
bool CheckParallel(const std::string& file, const std::vector<Question>& translated,
                   const std::string& english_file, std::ostream& out) {
    std::vector<Question> english;
    std::ostringstream ignored;
    if (!ReadQuestions(english_file, false, english, ignored)) {
        out << file << ": the English database " << english_file << " could not be read\n";
        return false;
    }
    bool parallel = translated.size() == english.size();
    if (!parallel) {
        out << file << ": " << translated.size() << " questions, the English has " << english.size()
            << "\n";
    }
    for (std::size_t i = 0; i < std::min(translated.size(), english.size()); ++i) {
        const Question& t = translated[i];
        const Question& e = english[i];
        const auto differs = [&](const std::string& what, const std::string& here,
                                 const std::string& there) {
            out << file << ':' << t.line << ": " << what << ' ' << here << ", the English has "
                << there << '\n';
            parallel = false;
        };
        if (t.number != e.number) {
            differs("question", std::to_string(t.number), std::to_string(e.number));
        } else if (std::abs(t.scale) != std::abs(e.scale)) {
            differs("question " + std::to_string(t.number) + ": scale",
                    std::to_string(std::abs(t.scale)), std::to_string(std::abs(e.scale)));
        } else if ((t.scale < 0) != (e.scale < 0)) {
            differs("question " + std::to_string(t.number) + ": direction", t.scale < 0 ? "-" : "+",
                    e.scale < 0 ? "-" : "+");
        } else if (t.related != e.related) {
            differs("question " + std::to_string(t.number) + ": related questions", t.related,
                    e.related);
        }
    }
    return parallel;
}

// The window texts of a .ts file not translated yet: their English texts.
std::vector<std::string> UntranslatedTexts(const std::string& ts, int& all) {
    std::vector<std::string> untranslated;
    for (std::size_t at = 0; (at = ts.find("<message", at)) != std::string::npos; ++at) {
        const std::size_t end = ts.find("</message>", at);
        const std::string message = ts.substr(at, end - at);
        const std::size_t source = message.find("<source>");
        const std::size_t translation = message.find("<translation");
        if (source == std::string::npos || translation == std::string::npos ||
            message.find("type=\"vanished\"") != std::string::npos ||
            message.find("type=\"obsolete\"") != std::string::npos) {
            continue;
        }
        ++all;
        const std::size_t text = message.find('>', translation) + 1;
        const bool empty = message.compare(text, 14, "</translation>") == 0 ||
                           message.compare(translation, 14, "<translation/>") == 0;
        if (empty || message.find("type=\"unfinished\"", translation) != std::string::npos) {
            const std::size_t from = source + 8;
            untranslated.push_back(message.substr(from, message.find("</source>") - from));
        }
    }
    return untranslated;
}

// A text on one line, as a summary quotes it.
std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

std::string FirstFew(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size() && i < 3; ++i) {
        text += (i ? ", \"" : "\"") + OneLine(items[i]) + "\"";
    }
    return items.size() > 3 ? text + ", ..." : text;
}

// The texts that the results take from a help file: a missing or empty one
// is a fault, and so is a scale's heading that is not the scale's name in the
// evaluation's words (its section would explain another scale).
bool CheckHelpTexts(const fs::path& path, const std::string& text, const std::string& english,
                    const fs::path& words_path, std::ostream& out,
                    std::vector<std::string>& untranslated) {
    const orv::ScaleMeanings meanings(english, text, path.string());
    for (const orv::HelpFault& fault : meanings.faults()) {
        out << fault.file << (fault.line ? ':' + std::to_string(fault.line) : "") << ": "
            << fault.fault << '\n';
    }
    bool sound = meanings.faults().empty();
    if (fs::exists(words_path)) {
        const orv::WordsFile words = orv::ReadEvaluationWords(ReadFile(words_path), "xx");
        const auto texts = orv::ReadHelpTexts(text);
        for (std::int16_t test = 0; test < 2 && words.error_line == 0; ++test) {
            for (int scale = 1; scale <= orv::kScales; ++scale) {
                const std::string named = words.words.ScaleName(test, scale);
                const std::string key =
                    "scale." + std::to_string(test) + "." + std::to_string(scale);
                const auto heading = texts.find(key);
                if (heading != texts.end() && heading->second.text != named) {
                    out << path.string() << ':' << heading->second.line << ": the heading of \""
                        << key << "\" is \"" << heading->second.text << "\", the scale is \""
                        << named << "\"\n";
                    sound = false;
                }
            }
        }
    }
    if (!meanings.english().empty()) {
        untranslated.push_back(std::to_string(meanings.english().size()) + " of " +
                               std::to_string(orv::MeaningKeys().size()) +
                               " help texts (orvtest.hlp): " + FirstFew(meanings.english()));
    }
    return sound;
}

// The first line after question `last_line` that holds more than a line end:
// a question after the last, which a test never reads; 0 when there is none.
int LineAfterTheLast(const std::string& file, int last_line) {
    std::istringstream lines(ReadFile(file));
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        if (++number > last_line && line.find_first_not_of("\r") != std::string::npos) {
            return number;
        }
    }
    return 0;
}

}  // namespace

bool CheckLanguageFolder(const std::string& folder, std::ostream& out) {
    const fs::path here(folder);
    // The English databases lie in the folder that holds the language's
    // ("de", "data/de/" and "/opt/x/de" alike).
    fs::path absolute = fs::absolute(here).lexically_normal();
    if (!absolute.has_filename()) {
        absolute = absolute.parent_path();
    }
    const fs::path english = absolute.parent_path();
    bool sound = true;
    std::vector<std::string> untranslated;
    for (const char* name : {"orv0.dll", "orv1.dll"}) {
        const std::string file = (here / name).string();
        if (!fs::exists(file)) {
            untranslated.push_back(std::string(name) + " (the English one is used)");
            continue;
        }
        std::vector<Question> questions;
        if (!ReadQuestions(file, true, questions, out)) {
            sound = false;
        } else if (const int line =
                       questions.empty() ? 0 : LineAfterTheLast(file, questions.back().line);
                   line != 0) {
            out << file << ':' << line << ": a question after question " << questions.back().number
                << ", the last one a test reads\n";
            sound = false;
        } else if (CheckParallel(file, questions, (english / name).string(), out)) {
            out << file << ": " << questions.size() << " questions, parallel to the English\n";
        } else {
            sound = false;
        }
    }
    const fs::path words_path = here / orv::kWordsFileName;
    if (fs::exists(words_path)) {
        const orv::WordsFile words = orv::ReadEvaluationWords(ReadFile(words_path), "xx");
        if (words.error_line != 0) {
            out << words_path.string() << ':' << words.error_line << ": " << words.error << '\n';
            sound = false;
        } else if (!words.missing.empty()) {
            untranslated.push_back(std::to_string(words.missing.size()) + " evaluation words (" +
                                   orv::kWordsFileName + "): " + FirstFew(words.missing));
        }
    } else {
        untranslated.push_back(std::string(orv::kWordsFileName) + " (English words are used)");
    }
    const fs::path desktop_path = here / kDesktopWordsFileName;
    if (fs::exists(desktop_path)) {
        const DesktopWordsCheck desktop = CheckDesktopWords(ReadFile(desktop_path));
        if (desktop.error_line != 0) {
            out << desktop_path.string() << ':' << desktop.error_line << ": " << desktop.error
                << '\n';
            sound = false;
        } else if (!desktop.missing.empty()) {
            untranslated.push_back(std::to_string(desktop.missing.size()) + " desktop words (" +
                                   kDesktopWordsFileName + "): " + FirstFew(desktop.missing));
        }
    } else {
        untranslated.push_back(std::string(kDesktopWordsFileName) +
                               " (the menu entry and the software centre show English)");
    }
    for (const char* name : {"orvtest.hlp", "orvtest.ts"}) {
        const fs::path path = here / name;
        const std::string text = fs::exists(path) ? ReadFile(path) : std::string();
        if (const int line = orv::FirstNonUtf8Line(text); line != 0) {
            out << path.string() << ':' << line << ": not UTF-8 text\n";
            sound = false;
        } else if (text.empty()) {
            untranslated.push_back(std::string(name) + " (the English one is used)");
        } else if (name == std::string("orvtest.hlp")) {
            sound = CheckHelpTexts(path, text, ReadFile(english / name), words_path, out,
                                   untranslated) &&
                    sound;
        } else if (name == std::string("orvtest.ts")) {
            int all = 0;
            const std::vector<std::string> texts = UntranslatedTexts(text, all);
            if (!texts.empty()) {
                untranslated.push_back(std::to_string(texts.size()) + " of " + std::to_string(all) +
                                       " window texts (orvtest.ts): " + FirstFew(texts));
            }
        }
    }
    if (untranslated.empty()) {
        out << folder << ": everything is translated\n";
    }
    for (const std::string& item : untranslated) {
        out << folder << ": not translated: " << item << '\n';
    }
    return sound;
}

}  // namespace orvtool
