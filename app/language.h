#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "evaluation/core/evaluation_words.h"

namespace orv::app {

// The language of this run, set up once at the start: `requested` (the
// --language option) if given, else the choice remembered in the user's
// settings, else the first of the desktop's languages that is installed,
// else English. Installs the translations of the program's windows and of
// Qt's own dialogs for it.
void SetUpLanguage(const std::optional<std::string>& requested);

// The language set up for this run; English before any.
const std::string& RunLanguage();

// The languages the program has: English first, then those installed.
std::vector<std::string> AvailableLanguages();

// A language's name in that language ("Deutsch").
QString LanguageName(const std::string& code);

// The language remembered in the user's settings for the next start, ""
// for the desktop's language.
std::string RememberedLanguage();
// False when the settings could not be written.
bool RememberLanguage(const std::string& code);

// The file `name` in the run's language, or the program folder's own.
std::string RunLanguageFile(const std::string& name);

// The words of a language's evaluation and profile, read once; a faulty
// words file is reported once, in a message box, and English words are used.
const EvaluationWords& WordsOf(const std::string& language);

// Text of the evaluation or a result in `words`' language: UTF-8, or Latin-1.
inline QString FromWordsText(const std::string& text, const EvaluationWords& words) {
    return words.utf8() ? QString::fromStdString(text)
                        : QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace orv::app
