#include "results/profile_chart.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "app/form_look.h"
#include "evaluation/language_words.h"

namespace orv::results {

namespace {

const QColor kUp(31, 100, 170);
const QColor kDown(196, 84, 0);
const QColor kStripe(0, 0, 0, 14);
const QColor kGrid(0, 0, 0, 70);

// The earlier result's bars: the same colour, paler (mixed with white).
QColor Paler(const QColor& colour) {
    const auto mix = [](int part) { return (part * 2 + 255 * 3) / 5; };
    return QColor(mix(colour.red()), mix(colour.green()), mix(colour.blue()));
}

// A text of the profile, in the language of its result.
QString Shown(const ProfileView& view, const std::string& text) {
    return evaluation::FromWordsText(text, evaluation::WordsOf(view.later.language));
}

QString VerdictLabel(const ProfileView& view, const ProfileScale& scale) {
    QString label = Shown(view, scale.verdict);
    if (scale.conflicting) {
        label += QStringLiteral(" \u00B1");
    }
    return label;
}

// The measures of the chart, from the line height of its font.
struct Measures {
    qreal line = 0;
    qreal axis = 0;      // the row of the axis labels
    qreal row = 0;       // a scale
    qreal bar = 0;       // a bar's thickness
    qreal names = 0;     // the column of the names
    qreal verdicts = 0;  // the column of the verdicts
    qreal gap = 0;

    Measures(const ProfileView& view, const QFontMetricsF& metrics) {
        line = metrics.height();
        gap = line * 0.6;
        axis = line * 1.4;
        const bool two = view.earlier.has_value();
        row = line * (two ? 2.3 : 1.6);
        bar = line * (two ? 0.8 : 0.9);
        for (const ProfileScale& scale : view.later.scales) {
            names = std::max(names, metrics.horizontalAdvance(Shown(view, scale.name)));
            verdicts = std::max(verdicts, metrics.horizontalAdvance(VerdictLabel(view, scale)));
        }
        names += gap;
        verdicts += 2 * gap;
    }
};

void DrawBar(QPainter& painter, qreal centre, qreal half, qreal top, qreal thickness, double share,
             const QColor& up, const QColor& down) {
    if (share == 0) {
        return;
    }
    const qreal length = half * std::abs(share);
    const QRectF bar(share > 0 ? centre : centre - length, top, length, thickness);
    painter.fillRect(bar, share > 0 ? up : down);
}

}  // namespace

QSizeF ProfileChartSize(const ProfileView& view, const QFont& font, QPaintDevice* device) {
    const QFontMetricsF metrics(font, device);
    const Measures m(view, metrics);
    // Room for bars of at least ten lines' height either way.
    return {m.names + m.verdicts + 20 * m.line, m.axis + kScales * m.row};
}

void DrawProfileChart(QPainter& painter, const QRectF& area, const ProfileView& view,
                      const QFont& font) {
    const QFontMetricsF metrics(font, painter.device());
    const Measures m(view, metrics);
    painter.save();
    painter.setFont(font);
    const QRectF bars(area.left() + m.names, area.top() + m.axis,
                      std::max<qreal>(0, area.width() - m.names - m.verdicts), kScales * m.row);
    const qreal centre = bars.center().x();
    const qreal half = bars.width() / 2 - m.gap / 2;

    // The axis: labels over the ends and the centre, lines at every half.
    const QPen text_pen(Qt::black);
    painter.setPen(text_pen);
    const QString labels[] = {QStringLiteral("-100%"), QStringLiteral("0"),
                              QStringLiteral("+100%")};
    for (int i = 0; i < 3; ++i) {
        const qreal x = centre + (i - 1) * half;
        const qreal width = metrics.horizontalAdvance(labels[i]);
        painter.drawText(QPointF(x - width / 2, area.top() + metrics.ascent()), labels[i]);
    }
    for (int r = 0; r < kScales; r += 2) {
        painter.fillRect(QRectF(area.left(), bars.top() + r * m.row, area.width(), m.row), kStripe);
    }
    const qreal thin = std::max<qreal>(1, m.line / 16);
    painter.setPen(QPen(kGrid, thin, Qt::DotLine));
    for (const double at : {-1.0, -0.5, 0.5, 1.0}) {
        painter.drawLine(QPointF(centre + at * half, bars.top()),
                         QPointF(centre + at * half, bars.bottom()));
    }

    for (int i = 0; i < kScales; ++i) {
        const ProfileScale& scale = view.later.scales[i];
        const qreal top = bars.top() + i * m.row;
        const qreal baseline = top + (m.row + metrics.ascent() - metrics.descent()) / 2;
        painter.setPen(text_pen);
        painter.drawText(QPointF(area.left(), baseline), Shown(view, scale.name));
        painter.drawText(QPointF(bars.right() + m.gap, baseline), VerdictLabel(view, scale));
        if (view.earlier) {
            const qreal pair = 2 * m.bar + m.line * 0.15;
            const qreal first = top + (m.row - pair) / 2;
            DrawBar(painter, centre, half, first, m.bar, view.earlier->scales[i].share, Paler(kUp),
                    Paler(kDown));
            DrawBar(painter, centre, half, first + pair - m.bar, m.bar, scale.share, kUp, kDown);
        } else {
            DrawBar(painter, centre, half, top + (m.row - m.bar) / 2, m.bar, scale.share, kUp,
                    kDown);
        }
    }
    painter.setPen(QPen(Qt::black, thin * 1.5));
    painter.drawLine(QPointF(centre, bars.top()), QPointF(centre, bars.bottom()));
    painter.restore();
}

QRectF ProfileChartRow(const ProfileView& view, const QRectF& area, const QFont& font,
                       QPaintDevice* device, int row) {
    const Measures m(view, QFontMetricsF(font, device));
    return QRectF(area.left(), area.top() + m.axis + row * m.row, area.width(), m.row);
}

}  // namespace orv::results

namespace {

// Where the chart is drawn in the widget.
QRectF ChartArea(const QWidget* chart) {
    return QRectF(chart->rect()).adjusted(4, 2, -4, -2);
}

// The chart is one image to a screen reader.
class AccessibleChart : public QAccessibleWidget {
  public:
    explicit AccessibleChart(QWidget* chart) : QAccessibleWidget(chart, QAccessible::Graphic) {}
};

QAccessibleInterface* ChartFactory(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String(ProfileChart::staticMetaObject.className())) {
        return new AccessibleChart(static_cast<QWidget*>(object));
    }
    return nullptr;
}

}  // namespace

ProfileChart::ProfileChart(orv::ProfileView view, QWidget* parent)
    : QWidget(parent), view_(std::move(view)) {
    static const bool installed = (QAccessible::installFactory(ChartFactory), true);
    (void)installed;
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Profile chart"));
    const orv::EvaluationWords& words = orv::evaluation::WordsOf(view_.later.language);
    setAccessibleDescription(
        orv::evaluation::FromWordsText(orv::ChartSummary(view_, words), words));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMouseTracking(true);
}

void ProfileChart::SetView(orv::ProfileView view) {
    view_ = std::move(view);
    const orv::EvaluationWords& words = orv::evaluation::WordsOf(view_.later.language);
    setAccessibleDescription(
        orv::evaluation::FromWordsText(orv::ChartSummary(view_, words), words));
    update();
}

void ProfileChart::SetCurrentRow(int row) {
    current_ = row;
    update();
}

int ProfileChart::RowAt(qreal y) const {
    const QRectF first = orv::results::ProfileChartRow(view_, ChartArea(this), font(),
                                                       const_cast<ProfileChart*>(this), 0);
    const int row = int(std::floor((y - first.top()) / first.height()));
    return row >= 0 && row < orv::kScales ? row : -1;
}

void ProfileChart::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    if (const int row = RowAt(event->position().y()); row >= 0) {
        emit RowClicked(row);
    }
}

void ProfileChart::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    if (const int row = RowAt(event->position().y()); row != pointed_) {
        pointed_ = row;
        emit RowPointed(row);
    }
}

void ProfileChart::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (pointed_ != -1) {
        pointed_ = -1;
        emit RowPointed(-1);
    }
}

QSize ProfileChart::sizeHint() const {
    const QSizeF size =
        orv::results::ProfileChartSize(view_, font(), const_cast<ProfileChart*>(this));
    return {qCeil(size.width() * 1.3), qCeil(size.height()) + 4};
}

QSize ProfileChart::minimumSizeHint() const {
    const QSizeF size =
        orv::results::ProfileChartSize(view_, font(), const_cast<ProfileChart*>(this));
    return {qCeil(size.width()), qCeil(size.height()) + 4};
}

void ProfileChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The chart keeps the design's colours in every theme, on its own background.
    painter.fillRect(rect(), orv::app::PaleYellow());
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = ChartArea(this);
    orv::results::DrawProfileChart(painter, area, view_, font());
    // The scale in focus: a frame around its row.
    if (current_ >= 0) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DashLine));
        painter.drawRect(orv::results::ProfileChartRow(view_, area, font(), this, current_)
                             .adjusted(0.5, 0.5, -0.5, -0.5));
    }
    // The style's focus frame would tint the whole chart.
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}
