#include "app/core/language.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "app/core/program_files.h"

namespace orv {

namespace {

bool AllOf(std::string_view text, char from, char to) {
    return std::all_of(text.begin(), text.end(), [&](char c) { return c >= from && c <= to; });
}

bool Has(const std::vector<std::string>& codes, const std::string& code) {
    return code == kEnglish || std::find(codes.begin(), codes.end(), code) != codes.end();
}

}  // namespace

bool IsLanguageCode(std::string_view code) {
    const std::string_view language = code.substr(0, code.find('_'));
    if (language.size() < 2 || language.size() > 3 || !AllOf(language, 'a', 'z')) {
        return false;
    }
    if (language.size() == code.size()) {
        return true;
    }
    const std::string_view region = code.substr(language.size() + 1);
    return (region.size() == 2 && AllOf(region, 'A', 'Z')) ||
           (region.size() == 3 && AllOf(region, '0', '9'));
}

std::vector<std::string> CodesOf(std::string_view desktop_language) {
    // "pt_BR.UTF-8@euro": the code set and the variant say nothing of the language.
    std::string code(desktop_language.substr(0, desktop_language.find_first_of(".@")));
    std::replace(code.begin(), code.end(), '-', '_');
    if (code == "C" || code == "POSIX") {
        return {kEnglish};
    }
    if (!IsLanguageCode(code)) {
        return {};
    }
    std::vector<std::string> codes = {code};
    if (code.find('_') != std::string::npos) {
        codes.push_back(code.substr(0, code.find('_')));
    }
    return codes;
}

std::string ChooseLanguage(const std::optional<std::string>& requested,
                           const std::string& remembered, const std::vector<std::string>& desktop,
                           const std::vector<std::string>& installed) {
    if (requested) {
        return Has(installed, *requested) ? *requested : kEnglish;
    }
    if (!remembered.empty() && Has(installed, remembered)) {
        return remembered;
    }
    for (const std::string& language : desktop) {
        for (const std::string& code : CodesOf(language)) {
            if (Has(installed, code)) {
                return code;
            }
        }
    }
    return kEnglish;
}

std::vector<std::string> InstalledLanguages(const std::string& program_folder) {
    namespace fs = std::filesystem;
    std::vector<std::string> codes;
    std::error_code error;
    for (fs::directory_iterator it(program_folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code type_error;
        if (name != kEnglish && IsLanguageCode(name) && it->is_directory(type_error)) {
            codes.push_back(name);
        }
    }
    std::sort(codes.begin(), codes.end());
    return codes;
}

std::string LanguageFile(const std::string& program_folder, const std::string& code,
                         const std::string& name) {
    if (code != kEnglish && IsLanguageCode(code)) {
        std::string translated = ProgramPath(ProgramPath(program_folder, code), name);
        std::error_code error;
        if (std::filesystem::is_regular_file(translated, error)) {
            return translated;
        }
    }
    return ProgramPath(program_folder, name);
}

}  // namespace orv
