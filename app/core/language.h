#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// English is the program's own language: its texts and its two databases in
// the program folder. Every other language has a folder of its own there,
// named by its code ("de", "pt_BR"), with whatever of its files is translated.
inline constexpr const char* kEnglish = "en";

// Whether `code` can name a language: two or three lower-case letters,
// then perhaps "_" and a region of two upper-case letters or three digits.
bool IsLanguageCode(std::string_view code);

// The codes a language of the desktop stands for, the most particular first:
// "pt-BR", "pt_BR" and "pt_BR.UTF-8@euro" give "pt_BR" and "pt"; "C" and
// "POSIX" give English; anything else gives nothing.
std::vector<std::string> CodesOf(std::string_view desktop_language);

// The language of a run, from the installed ones (English always is):
// `requested` for this run if given (English when it is not installed), else
// `remembered` when it is installed, else the first of the desktop's
// languages, in their order, that is installed, else English.
std::string ChooseLanguage(const std::optional<std::string>& requested,
                           const std::string& remembered, const std::vector<std::string>& desktop,
                           const std::vector<std::string>& installed);

// The languages that have a folder in `program_folder`, by code, sorted.
std::vector<std::string> InstalledLanguages(const std::string& program_folder);

// The file `name` of language `code`: in its folder when it is there,
// otherwise (English included) the program folder's own.
std::string LanguageFile(const std::string& program_folder, const std::string& code,
                         const std::string& name);

}  // namespace orv
