#include "evaluation/language_words.h"

#include <QCoreApplication>
#include <map>

#include "app/core/language.h"
#include "app/form_look.h"
#include "app/locale_time.h"
#include "app/message_box.h"

namespace orv::evaluation {

namespace {

struct ReadWords {
    WordsFile file;
    bool reported = false;
};

ReadWords& Read(const std::string& language) {
    static std::map<std::string, ReadWords> read;
    const auto found = read.find(language);
    if (found != read.end()) {
        return found->second;
    }
    ReadWords words{LoadEvaluationWords(app::ProgramFolder(), language)};
    if (language != kEnglish) {
        words.file.words.SetTimeForm(app::LocaleTimeForm(language));
    }
    return read.emplace(language, std::move(words)).first->second;
}

}  // namespace

void SetUpWords(const std::string& language, QWidget* parent) {
    ReadWords& words = Read(language);
    if (words.file.error_line == 0 || words.reported) {
        return;
    }
    words.reported = true;
    app::MsgBox(
        parent,
        QCoreApplication::translate("Language",
                                    "The words of the evaluation in this language are "
                                    "faulty; the evaluation uses English words.\n%1: line "
                                    "%2: %3")
            .arg(app::FromFilePath(LanguageFile(app::ProgramFolder(), language, kWordsFileName)))
            .arg(words.file.error_line)
            .arg(QString::fromStdString(words.file.error))
            .toStdString());
}

const EvaluationWords& WordsOf(const std::string& language) {
    return Read(language).file.words;
}

}  // namespace orv::evaluation
