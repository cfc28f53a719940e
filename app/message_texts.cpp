// The texts of the messages that the core shows, for the translators of the
// program's windows: lupdate finds them here, and the message box looks each
// up in the language of the run when it shows it.
#include <QtGlobal>

namespace {

[[maybe_unused]] constexpr const char* kMessageTexts[] = {
    QT_TRANSLATE_NOOP("Message", "Orvane Personality Test"),
    QT_TRANSLATE_NOOP("Message", "File not found."),
    QT_TRANSLATE_NOOP("Message", "Make a choice before pressing Process"),
    QT_TRANSLATE_NOOP("Message", "E01: Invalid Database File"),
    QT_TRANSLATE_NOOP("Message", "E01A: Invalid Database Contents."),
    QT_TRANSLATE_NOOP("Message", "E02B: Invalid Database Contents."),
    QT_TRANSLATE_NOOP("Message", "E02: Invalid Database Contents"),
    QT_TRANSLATE_NOOP("Message", "E03: Invalid Database Contents"),
    QT_TRANSLATE_NOOP("Message", "E03B: Invalid Database Contents."),
    QT_TRANSLATE_NOOP("Message", "E04: Invalid Database Text."),
    QT_TRANSLATE_NOOP("Message", "No file was selected OR invalid file name was input."),
    QT_TRANSLATE_NOOP("Message", "File could not be saved."),
    QT_TRANSLATE_NOOP("Message", "There are no previously saved files."),
    QT_TRANSLATE_NOOP("Message", "No file was selected."),
    QT_TRANSLATE_NOOP("Message", "File could not be opened."),
    QT_TRANSLATE_NOOP("Message", "End of file during Load"),
    QT_TRANSLATE_NOOP("Message", "Would you like to save your responses?"),
    QT_TRANSLATE_NOOP("Message", "Save responses?"),
    QT_TRANSLATE_NOOP("Message", "Select a test before pressing START"),
    QT_TRANSLATE_NOOP("Message", "Save as PDF"),
    QT_TRANSLATE_NOOP("Message", "PDF files (*.pdf)"),
    QT_TRANSLATE_NOOP("Message",
                      "These two results are of different tests, whose scales differ, so they "
                      "can't be compared."),
};

}  // namespace
