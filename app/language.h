#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

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

}  // namespace orv::app
