#pragma once

#include <QString>
#include <string>

#include "evaluation/core/evaluation_words.h"

class QWidget;

namespace orv::evaluation {

// Reads the words of the evaluation and profile in `language` from its folder
// beside the program, once, and reports a faulty words file in a message box
// the first time this is called for that language. Called where a language
// comes into use: when the run's language is set up, when a test starts and
// when a result is opened; never from drawing or printing.
void SetUpWords(const std::string& language, QWidget* parent = nullptr);

// The words of `language`: those read by SetUpWords, English where its file is
// faulty. A language not set up yet is read here without a report.
const EvaluationWords& WordsOf(const std::string& language);

// Text of the evaluation or a result in `words`' language: UTF-8, or Latin-1.
inline QString FromWordsText(const std::string& text, const EvaluationWords& words) {
    return words.utf8() ? QString::fromStdString(text)
                        : QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace orv::evaluation
