#include "results/scale_meaning_pane.h"

#include <QTableWidget>
#include <map>

#include "app/core/program_files.h"
#include "app/form_look.h"
#include "app/message_box.h"
#include "evaluation/language_words.h"
#include "results/core/scale_order.h"

namespace orv::results {

namespace {

QString Help(const std::string& text) {
    return QString::fromStdString(text);
}

// The pane's lines: heading, what the scale looks at, what the verdict
// means, what conflicting responses mean, the score in words.
QStringList MeaningLines(const ProfileView& view, const ProfileScale& scale) {
    const EvaluationWords& words = evaluation::WordsOf(view.later.language);
    const ScaleMeanings& meanings = MeaningsOf(view.later.language);
    const auto shown = [&](const std::string& text) {
        return evaluation::FromWordsText(text, words);
    };
    const std::int16_t test = view.later.testno;
    QStringList lines = {shown(scale.name) + QStringLiteral(": ") + shown(scale.verdict),
                         Help(meanings.About(test, scale.number)),
                         shown(scale.verdict) + QStringLiteral(": ") +
                             Help(meanings.VerdictMeaning(test, scale.number, scale.scored))};
    if (scale.conflicting) {
        lines << shown(words.Word("legend.conflicting")) + QStringLiteral(": ") +
                     Help(meanings.Text("conflicting"));
    }
    lines << shown(ShareText(scale, test, words)) + QLatin1Char('.');
    return lines;
}

}  // namespace

const ScaleMeanings& MeaningsOf(const std::string& language) {
    static std::map<std::string, ScaleMeanings> read;
    const auto found = read.find(language);
    if (found != read.end()) {
        return found->second;
    }
    ScaleMeanings meanings = ScaleMeanings::Load(app::ProgramFolder(), language);
    if (!meanings.faults().empty()) {
        QString faults;
        for (const HelpFault& fault : meanings.faults()) {
            faults += QLatin1Char('\n') + app::FromFilePath(fault.file) +
                      (fault.line ? QStringLiteral(":%1").arg(fault.line) : QString()) +
                      QStringLiteral(": ") + QString::fromStdString(fault.fault);
        }
        app::MsgBox(nullptr, (ScaleMeaningPane::tr("Some explanations of the results in this "
                                                   "language could not be read from its help; "
                                                   "they are shown in English.") +
                              faults)
                                 .toStdString());
    }
    return read.emplace(language, std::move(meanings)).first->second;
}

QString MeaningText(const ProfileView& view, const ProfileScale& scale) {
    QStringList lines = MeaningLines(view, scale);
    lines.front() += QLatin1Char('.');
    return lines.join(QLatin1Char(' '));
}

void DescribeRows(QTableWidget* table, const ProfileView& shown) {
    for (int row = 0; row < table->rowCount() && row < kScales; ++row) {
        const QString text = MeaningText(shown, shown.later.scales[row]);
        for (int column = 0; column < table->columnCount(); ++column) {
            if (QTableWidgetItem* cell = table->item(row, column)) {
                cell->setData(Qt::AccessibleDescriptionRole, text);
            }
        }
    }
}

}  // namespace orv::results

ScaleMeaningPane::ScaleMeaningPane(const orv::ProfileView& view, QWidget* parent)
    : QLabel(parent), view_(view) {
    setWordWrap(true);
    setTextFormat(Qt::RichText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFrameShape(QFrame::StyledPanel);
    setMargin(6);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    // As wide as the chart above it, as high as its text then needs.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Minimum);
}

void ScaleMeaningPane::ShowScale(const orv::ProfileScale& scale) {
    QStringList lines = orv::results::MeaningLines(view_, scale);
    for (QString& line : lines) {
        line = line.toHtmlEscaped();
    }
    lines.front() = QStringLiteral("<b>") + lines.front() + QStringLiteral("</b>");
    setText(lines.join(QStringLiteral("<br>")));
    setAccessibleName(orv::results::MeaningText(view_, scale));
}
