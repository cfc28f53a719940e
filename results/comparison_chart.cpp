#include "results/comparison_chart.h"

#include <QPainter>
#include <algorithm>

#include "app/form_look.h"
#include "evaluation/language_words.h"

namespace orv::results {

QColor ComparedShade(int index, int count) {
    constexpr int kDarkest = 45, kLightest = 200;  // lightness, 0-255
    const int step = count > 1 ? (kLightest - kDarkest) / (count - 1) : 0;
    return QColor::fromHsl(210, 150, kDarkest + index * step);
}

QString ComparedLabel(const Comparison& comparison, int index) {
    const Profile& profile = comparison.profiles[std::size_t(index)];
    QString label = QString::number(index + 1) + QStringLiteral(". ");
    if (!profile.name.empty()) {
        label += QString::fromStdString(profile.name) + QStringLiteral(", ");
    }
    // As the newest result's language writes a moment, as its scale names.
    const EvaluationWords& words = evaluation::WordsOf(comparison.profiles.back().language);
    return label + evaluation::FromWordsText(words.Time(profile.ended), words);
}

}  // namespace orv::results

namespace {

QString ScaleName(const orv::Comparison& comparison, int scale) {
    // The newest result's name of the scale, in its language.
    const orv::Profile& newest = comparison.profiles.back();
    const std::string& name = newest.scales[std::size_t(scale)].name;
    return newest.language == orv::kEnglish ? QString::fromLatin1(name)
                                            : QString::fromStdString(name);
}

QString Described(const orv::Comparison& comparison) {
    QStringList scales;
    for (int scale = 0; scale < orv::kScales; ++scale) {
        QStringList scores;
        for (std::size_t i = 0; i < comparison.profiles.size(); ++i) {
            scores << ComparisonChart::tr("%1: %2")
                          .arg(orv::results::ComparedLabel(comparison, int(i)))
                          .arg(comparison.profiles[i].scales[std::size_t(scale)].score);
        }
        const int change = comparison.profiles.back().scales[std::size_t(scale)].score -
                           comparison.profiles.front().scales[std::size_t(scale)].score;
        scales << ComparisonChart::tr("%1: %2; change from the first to the last: %3.")
                      .arg(ScaleName(comparison, scale), scores.join(QStringLiteral("; ")),
                           QString::asprintf("%+d", change));
    }
    return scales.join(QLatin1Char(' '));
}

}  // namespace

ComparisonChart::ComparisonChart(orv::Comparison comparison, QWidget* parent)
    : QWidget(parent), comparison_(std::move(comparison)) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Comparison chart"));
    setAccessibleDescription(Described(comparison_));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

int ComparisonChart::BarHeight() const {
    return std::max(4, fontMetrics().height() / 2);
}

int ComparisonChart::NamesWidth() const {
    int widest = 0;
    for (int scale = 0; scale < orv::kScales; ++scale) {
        widest = std::max(widest, fontMetrics().horizontalAdvance(ScaleName(comparison_, scale)));
    }
    return widest + fontMetrics().height();
}

QSize ComparisonChart::sizeHint() const {
    const int count = int(comparison_.profiles.size());
    const int group = count * (BarHeight() + 2) + fontMetrics().height() / 2;
    return {NamesWidth() + 20 * fontMetrics().height(),
            orv::kScales * std::max(group, fontMetrics().height()) + fontMetrics().height() / 2};
}

QSize ComparisonChart::minimumSizeHint() const {
    return {NamesWidth() + 8 * fontMetrics().height(), sizeHint().height()};
}

void ComparisonChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int count = int(comparison_.profiles.size());
    const int bar = BarHeight(), gap = fontMetrics().height() / 2;
    const int group = std::max(count * (bar + 2) + gap, fontMetrics().height());
    const int left = NamesWidth(), right = width() - gap;
    const double centre = (left + right) / 2.0, half = (right - left) / 2.0;
    // Like the profile's chart, the comparison keeps the design's colours in
    // every theme, on its own background: its shades are steps of lightness.
    painter.fillRect(rect(), orv::app::PaleYellow());
    painter.setPen(Qt::black);
    for (int scale = 0; scale < orv::kScales; ++scale) {
        const int top = gap / 2 + scale * group;
        painter.drawText(QRect(0, top, left - gap, group - gap), Qt::AlignLeft | Qt::AlignVCenter,
                         ScaleName(comparison_, scale));
        for (int i = 0; i < count; ++i) {
            const double share =
                comparison_.profiles[std::size_t(i)].scales[std::size_t(scale)].share;
            // A score of 0 shows as a stub, so that every result has its bar.
            const double length = std::max(2.0, std::abs(share) * half);
            const QRectF bar_area(share < 0 ? centre - length : centre, top + i * (bar + 2), length,
                                  bar);
            painter.fillRect(bar_area, orv::results::ComparedShade(i, count));
        }
    }
    painter.drawLine(QPointF(centre, 0), QPointF(centre, orv::kScales * group));
}
