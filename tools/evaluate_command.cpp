#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "app/core/language.h"
#include "evaluation/core/evaluation_text.h"
#include "persistence/core/saved_responses.h"
#include "testing/core/test_record.h"
#include "tools/commands.h"
#include "tools/database_pass.h"

namespace orvtool {

namespace {

struct EvaluateArgs {
    std::optional<std::int16_t> test;
    int year = 0;
    std::string language = orv::kEnglish;
    std::string database;
    std::string saved;
};

bool AllDigits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// The test number a saved file's extension names, when it is 0 or 1.
std::optional<std::int16_t> TestOfSavedFile(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string::npos) {
        return std::nullopt;
    }
    const std::string extension = name.substr(dot + 1);
    if (extension == "0" || extension == "1") {
        return static_cast<std::int16_t>(extension[0] - '0');
    }
    return std::nullopt;
}

std::optional<EvaluateArgs> ParseArgs(const std::vector<std::string>& args) {
    EvaluateArgs parsed;
    parsed.year = orv::CurrentYear();
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool has_value = i + 1 < args.size();
        if (arg == "--test" && has_value) {
            const std::string& value = args[++i];
            if (value != "0" && value != "1") {
                return std::nullopt;
            }
            parsed.test = static_cast<std::int16_t>(value[0] - '0');
        } else if (arg == "--year" && has_value) {
            const std::string& value = args[++i];
            if (value.size() != 4 || !AllDigits(value)) {
                return std::nullopt;
            }
            parsed.year = std::stoi(value);
        } else if (arg == "--language" && has_value) {
            parsed.language = args[++i];
            if (parsed.language != orv::kEnglish && !orv::IsLanguageCode(parsed.language)) {
                return std::nullopt;
            }
        } else if (arg.starts_with("--")) {
            return std::nullopt;
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 2) {
        return std::nullopt;
    }
    parsed.database = files[0];
    parsed.saved = files[1];
    if (!parsed.test) {
        parsed.test = TestOfSavedFile(parsed.saved);
    }
    if (!parsed.test) {
        return std::nullopt;
    }
    return parsed;
}

}  // namespace

int RunEvaluate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<EvaluateArgs> parsed = ParseArgs(args);
    if (!parsed) {
        err << kUsage;
        return 2;
    }
    auto record = std::make_unique<orv::TestRecord>();
    const bool english = parsed->language == orv::kEnglish;
    // Failures are reported on standard output, as orvtool check does.
    if (!ReadDatabaseAsTest(parsed->database, *record, out, {}, !english)) {
        return 1;
    }
    // The language folders lie beside the folder of the database: data/de
    // for data/de/orv0.dll and for data/orv0.dll alike.
    std::filesystem::path folder = std::filesystem::path(parsed->database).parent_path();
    if (folder.filename() == parsed->language) {
        folder = folder.parent_path();
    }
    const orv::WordsFile words =
        orv::LoadEvaluationWords(folder.empty() ? "." : folder.string(), parsed->language);
    if (words.error_line != 0) {
        out << (folder / parsed->language / orv::kWordsFileName).string() << ':' << words.error_line
            << ": " << words.error << '\n';
        return 1;
    }
    const std::optional<orv::SavedResponses> saved = orv::ReadSavedResponses(parsed->saved);
    if (!saved) {
        out << parsed->saved << ": File could not be opened.\n";
        return 1;
    }
    record->ans = saved->ans;
    record->scount = saved->scount;
    out << orv::EvaluationText(*record, *parsed->test, parsed->year, words.words);
    out.flush();
    return out.good() ? 0 : 1;
}

}  // namespace orvtool
