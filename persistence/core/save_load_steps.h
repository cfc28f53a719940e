#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "persistence/core/saved_responses.h"
#include "testing/core/line_reader.h"
#include "testing/core/test_record.h"
#include "testing/core/test_view.h"

namespace orv {

namespace save_message {
inline constexpr const char* kNothingToSave =
    "No file was selected OR invalid file name was input.";
inline constexpr const char* kNotSaved = "File could not be saved.";
inline constexpr const char* kNoSavedFiles = "There are no previously saved files.";
inline constexpr const char* kNothingToLoad = "No file was selected.";
inline constexpr const char* kNotOpened = "File could not be opened.";
inline constexpr const char* kEndOfFileDuringLoad = "End of file during Load";
inline constexpr const char* kSaveQuestion = "Would you like to save your responses?";
inline constexpr const char* kSaveQuestionTitle = "Save responses?";
}  // namespace save_message

// The progress of the test in hand, as a save writes it.
SavedResponses ResponsesOf(const TestRecord& record);

enum class SaveOutcome {
    kNothingChosen,  // no usable name; cmdSave stays as it was
    kSaved,          // written; savedq is the question on screen, Save disabled
    kNotSaved,       // the write failed or may not last; nothing else changed
};

// Save, once the chooser has handed back `record.loadfn`: writes the progress
// to the saved-files folder (made first if missing) under the chosen base name
// and the test number.
SaveOutcome SaveChosenFile(TestRecord& record, TestView& view, const std::string& folder,
                           std::int16_t testno);

// The first step of Load: true when the folder holds a saved file of the
// test, so that the chooser is worth showing. Otherwise says so and disables
// Load.
bool OfferSavedFiles(TestRecord& record, TestView& view, const std::string& folder,
                     std::int16_t testno);

enum class LoadOutcome {
    kNothingChosen,  // no name handed back; cmdLoad stays enabled
    kNotOpened,      // the file was refused; the test record is unchanged
    kLoaded,         // the saved question is on screen
    kEndOfFile,      // the saved question was never reached; the window closes
};

// Load, once the chooser has handed back `record.loadfn`: reads the whole
// file before anything changes, then resumes the test from it.
LoadOutcome LoadChosenFile(LineReader& database, TestRecord& record, TestView& view,
                           const std::string& folder, std::int16_t testno);

// Puts a parsed file into the test record and reads the database on until the
// saved question is on screen (always at least one record). No value means the
// file could not be read; nothing then changes.
LoadOutcome ResumeTest(LineReader& database, TestRecord& record, TestView& view,
                       const std::optional<SavedResponses>& file);

}  // namespace orv
