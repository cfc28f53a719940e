#pragma once

#include <ostream>
#include <string>

namespace orvtool {

// Checks a language folder, as "orvtool check FOLDER" does: the faults of each
// of its files; whether each of its databases is parallel to the English one
// in the folder above (the same question numbers, scales, directions and
// related questions, so that saved tests and scores mean the same); and what
// is not translated yet among the window texts, the evaluation's words and
// the words of the menu entry (desktop.words).
// False when a file has a fault or a database is not parallel.
bool CheckLanguageFolder(const std::string& folder, std::ostream& out);

}  // namespace orvtool
