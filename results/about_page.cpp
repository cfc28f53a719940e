#include "results/about_page.h"

#include <QFont>
#include <QPainter>
#include <vector>

#include "app/form_look.h"
#include "evaluation/language_words.h"
#include "results/scale_meaning_pane.h"

namespace orv::results {

namespace {

constexpr double kLargestPoints = 10;
constexpr double kSmallestPoints = 6;

struct Block {
    QString text;
    bool heading = false;
    bool gap = false;  // a little room before it
};

std::vector<Block> AboutBlocks(const ProfileView& view) {
    const EvaluationWords& words = evaluation::WordsOf(view.later.language);
    const ScaleMeanings& meanings = MeaningsOf(view.later.language);
    const auto shown = [&](const std::string& text) {
        return evaluation::FromWordsText(text, words);
    };
    const auto help = [&](const char* key) { return QString::fromStdString(meanings.Text(key)); };
    const std::int16_t test = view.later.testno;
    std::vector<Block> blocks = {{shown(words.Word("about.title")), true, false}};
    for (const ProfileScale& scale : view.later.scales) {
        QString verdict = shown(scale.verdict);
        if (scale.conflicting) {
            verdict += QStringLiteral(", ") + shown(words.Word("legend.conflicting"));
        }
        blocks.push_back({shown(scale.name) + QStringLiteral(": ") + verdict, true, true});
        blocks.push_back(
            {QString::fromStdString(meanings.About(test, scale.number)) + QLatin1Char(' ') +
                 shown(scale.verdict) + QStringLiteral(": ") +
                 QString::fromStdString(meanings.VerdictMeaning(test, scale.number, scale.scored)),
             false, false});
    }
    blocks.push_back({help("profile"), true, true});
    blocks.push_back({help("bars"), false, false});
    blocks.push_back({help("limits"), true, true});
    blocks.push_back({help("limits.text"), false, false});
    return blocks;
}

// Without ligatures, so that the words can be found and copied as written.
QFont AboutFont(double points, bool bold) {
    QFont font = app::SansFont(points, bold);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// Draws the blocks from the top of `body` (only measures them when `draw`
// is false); the height they take.
qreal Lay(QPainter& painter, const QRectF& body, const std::vector<Block>& blocks, double points,
          bool draw) {
    qreal top = body.top();
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const Block& block = blocks[i];
        const QFont font = AboutFont(i == 0 ? points * 1.4 : points, block.heading);
        painter.setFont(font);
        if (block.gap || i == 1) {
            top += QFontMetricsF(font, painter.device()).height() * 0.5;
        }
        const QRectF room(body.left(), top, body.width(), 1e6);
        const QRectF used = painter.boundingRect(room, Qt::TextWordWrap, block.text);
        if (draw) {
            painter.drawText(room, Qt::TextWordWrap, block.text);
        }
        top += used.height();
    }
    return top - body.top();
}

}  // namespace

void DrawAboutPage(QPainter& painter, const QRectF& body, const ProfileView& view) {
    const std::vector<Block> blocks = AboutBlocks(view);
    double points = kLargestPoints;
    while (points > kSmallestPoints && Lay(painter, body, blocks, points, false) > body.height()) {
        points -= 0.25;
    }
    painter.setPen(Qt::black);
    Lay(painter, body, blocks, points, true);
}

}  // namespace orv::results
