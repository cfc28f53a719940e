#pragma once

// What the printing tests share: an evaluation long enough for two pages,
// and the lines of a printed PDF as pdftotext reads them back.

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>

#include "evaluation/core/evaluation_text.h"
#include "testing/core/line_reader.h"
#include "testing/core/record_reader.h"
#include "testing/core/test_view.h"
#include "fake_test_view.h"

namespace orv::testing {


// The evaluation of the shipped first test answered "I strongly agree"
// throughout: two pages, lines up to about 100 characters. Empty when the
// database cannot be read.
inline std::string StronglyAgreedEvaluation(const std::string& database_path) {
    LineReader database;
    auto record = std::make_unique<TestRecord>();
    FakeTestView view;
    if (!database.Open(database_path)) {
        return {};
    }
    FirstRec(database, *record, view);
    while (record->state == kInProgress && record->qno < record->totalq) {
        NextRec(database, *record, view);
    }
    if (record->state != kInProgress) {
        return {};
    }
    for (int question = 1; question <= record->totalq; ++question) {
        record->ans[question] = 2;
    }
    return EvaluationText(*record, 0, 2027);
}

// The lines with text, without their trailing spaces (which do not show on
// paper); leading spaces stay.
inline QStringList VisibleLines(const QString& text) {
    QStringList lines;
    for (QString line : text.split(QRegularExpression(QStringLiteral("\r\n|\n|\f")))) {
        while (line.endsWith(QLatin1Char(' '))) {
            line.chop(1);
        }
        if (!line.isEmpty()) {
            lines.append(line);
        }
    }
    return lines;
}

inline QStringList VisibleLines(const std::string& text) {
    return VisibleLines(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

// The text of a PDF laid out as on paper; empty when pdftotext fails.
inline QString PdfText(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace orv::testing
