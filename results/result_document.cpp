#include "results/result_document.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/core/app_title.h"
#include "app/core/program_identity.h"
#include "app/form_look.h"
#include "evaluation/language_words.h"
#include "evaluation/text_printer.h"
#include "results/about_page.h"
#include "results/core/profile.h"
#include "results/profile_chart.h"
#include "results/result_names.h"
#include "results/scale_meaning_pane.h"

namespace orv::results {

namespace {

constexpr double kLargestTextPoints = 10;
constexpr double kSmallestTextPoints = 6.5;

// The sans-serif face on paper, without ligatures, so that the words of a
// PDF can be found and copied as they are written.
QFont PageFont(double points, bool bold = false) {
    QFont font = app::SansFont(points, bold);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// What the pages show is in the language of the result (the later of two).
const EvaluationWords& WordsOf(const ProfileView& view) {
    return evaluation::WordsOf(view.later.language);
}

QString Text(const ProfileView& view, const std::string& text) {
    return evaluation::FromWordsText(text, WordsOf(view));
}

QString Shown(const ProfileView& view, const Profile& profile) {
    return Text(view, WordsOf(view).Time(profile.ended));
}

// The test and the date of the result, or the dates of both results.
QString Heading(const ProfileView& view) {
    const EvaluationWords& words = WordsOf(view);
    QString heading = Text(view, words.Word("title")) + QStringLiteral(": ") +
                      Text(view, words.TestTitle(view.later.testno)) + QStringLiteral(", ");
    if (view.earlier) {
        heading += Shown(view, *view.earlier) + Text(view, words.Word("separator.last"));
    }
    return heading + Shown(view, view.later);
}

// The pages of one document: the heading and the page number on each, and
// the room between them.
class Pages {
  public:
    Pages(QPagedPaintDevice& device, QPainter& painter, const ProfileView& view, int count)
        : device_(device), painter_(painter), view_(view), heading_(Heading(view)), count_(count) {}

    // The printable area of a page of `device`, and the room in it between
    // the heading and the page number.
    static QRectF Page(QPagedPaintDevice& device) {
        const QRect paint = device.pageLayout().paintRectPixels(device.logicalDpiX());
        return QRectF(0, 0, paint.width(), paint.height());
    }
    static QRectF Body(QPagedPaintDevice& device) {
        const qreal line = QFontMetricsF(PageFont(9), &device).height();
        return Page(device).adjusted(0, 2.2 * line, 0, -2.2 * line);
    }

    // Starts the next page; false when the device refuses it.
    bool Next() {
        if (number_ > 0 && !device_.newPage()) {
            return false;
        }
        ++number_;
        painter_.save();
        painter_.setFont(PageFont(9));
        painter_.setPen(Qt::black);
        const QFontMetricsF metrics(painter_.font(), &device_);
        painter_.drawText(QRectF(page_.left(), page_.top(), page_.width(), metrics.height()),
                          Qt::AlignLeft | Qt::AlignTop, heading_);
        painter_.drawLine(QPointF(page_.left(), page_.top() + 1.3 * metrics.height()),
                          QPointF(page_.right(), page_.top() + 1.3 * metrics.height()));
        painter_.drawText(
            QRectF(page_.left(), page_.bottom() - metrics.height(), page_.width(),
                   metrics.height()),
            Qt::AlignHCenter | Qt::AlignBottom,
            Text(view_, WordsOf(view_).Word("page", {{"page", std::to_string(number_)},
                                                     {"pages", std::to_string(count_)}})));
        painter_.restore();
        return true;
    }

    QRectF body() const { return Body(device_); }

  private:
    QPagedPaintDevice& device_;
    QPainter& painter_;
    const ProfileView& view_;
    QString heading_;
    int count_;
    int number_ = 0;
    QRectF page_ = Page(device_);
};

// The evaluation text's lines in the largest face (down to the smallest
// readable) in which the widest fits the width; a line still too wide goes
// on in the next line.
struct TextLines {
    QFont font;
    QStringList lines;
};

TextLines LayOutText(const std::string& text, bool utf8, qreal width, QPaintDevice* device) {
    const QStringList source = evaluation::PrintableLines(text, utf8).split(QLatin1Char('\n'));
    TextLines laid{evaluation::TypewriterFont(kLargestTextPoints), {}};
    for (double points = kLargestTextPoints; points >= kSmallestTextPoints; points -= 0.25) {
        laid.font = evaluation::TypewriterFont(points);
        const QFontMetricsF metrics(laid.font, device);
        const bool fits = std::all_of(source.begin(), source.end(), [&](const QString& line) {
            return metrics.horizontalAdvance(line) <= width;
        });
        if (fits) {
            break;
        }
    }
    const QFontMetricsF metrics(laid.font, device);
    const int per_line = std::max(1, int(width / metrics.horizontalAdvance(QLatin1Char('M'))));
    for (const QString& line : source) {
        for (int from = 0; from == 0 || from < line.size(); from += per_line) {
            laid.lines << line.mid(from, per_line);
        }
    }
    // The text ends with a line end, which starts no line on paper.
    while (!laid.lines.isEmpty() && laid.lines.last().isEmpty()) {
        laid.lines.removeLast();
    }
    return laid;
}

qreal DrawTable(QPainter& painter, const QRectF& area, const ProfileView& view) {
    std::vector<QStringList> rows;
    for (const auto& cells : ProfileTable(view, WordsOf(view))) {
        QStringList& row = rows.emplace_back();
        for (const std::string& cell : cells) {
            row << Text(view, cell);
        }
    }
    const QFont font = PageFont(9.5);
    const QFont bold = PageFont(9.5, true);
    const QFontMetricsF metrics(bold, painter.device());
    const qreal pad = metrics.height() * 0.4;
    std::vector<qreal> widths(rows.front().size(), 0);
    for (const QStringList& row : rows) {
        for (int c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], metrics.horizontalAdvance(row[c]) + 2 * pad);
        }
    }
    const qreal height = metrics.height() * 1.5;
    qreal top = area.top();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        painter.setFont(r == 0 ? bold : font);
        qreal left = area.left();
        for (int c = 0; c < rows[r].size(); ++c) {
            const QRectF cell(left, top, widths[c], height);
            painter.drawRect(cell);
            painter.drawText(cell.adjusted(pad, 0, -pad, 0),
                             Qt::AlignVCenter | (c == 0 ? Qt::AlignLeft : Qt::AlignRight),
                             rows[r][c]);
            left += widths[c];
        }
        top += height;
    }
    return top - area.top();
}

bool PaintProfilePage(QPainter& painter, Pages& pages, const ProfileView& view) {
    if (!pages.Next()) {
        return false;
    }
    const QRectF body = pages.body();
    qreal top = body.top();
    auto write = [&](const QFont& font, const QString& text) {
        painter.setFont(font);
        const QRectF room(body.left(), top, body.width(), body.bottom() - top);
        const QRectF used = painter.boundingRect(room, Qt::TextWordWrap, text);
        painter.drawText(room, Qt::TextWordWrap, text);
        top += used.height();
    };
    painter.setPen(Qt::black);
    const EvaluationWords& words = WordsOf(view);
    write(PageFont(14, true), Text(view, ProfileTitle(view.later.testno, words)));
    write(PageFont(10), Text(view, ProfileDates(view, words)));
    if (const QString names = NamesLine(view); !names.isEmpty()) {
        write(PageFont(10), names);
    }
    top += QFontMetricsF(PageFont(10), painter.device()).height();

    const QFont chart_font = PageFont(10);
    const QSizeF chart = ProfileChartSize(view, chart_font, painter.device());
    DrawProfileChart(painter, QRectF(body.left(), top, body.width(), chart.height()), view,
                     chart_font);
    top += chart.height() + QFontMetricsF(chart_font, painter.device()).height();

    for (const LegendEntry& entry :
         ProfileLegend(view.later.testno, words, MeaningsOf(view.later.language))) {
        write(PageFont(9), Text(view, entry.term) + QStringLiteral(": ") +
                               QString::fromStdString(entry.meaning));
    }
    top += QFontMetricsF(PageFont(9), painter.device()).height();
    painter.setPen(QPen(Qt::black, 0));
    DrawTable(painter, QRectF(body.left(), top, body.width(), body.bottom() - top), view);
    return true;
}

}  // namespace

bool PaintResultPages(QPagedPaintDevice& device, const KeptResult& result, const ProfileView& view,
                      bool with_text) {
    device.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    // How many pages the text takes, before any is drawn, for the page numbers.
    const QRectF body = Pages::Body(device);
    TextLines text;
    int per_page = 1;
    int text_pages = 0;
    if (with_text) {
        text = LayOutText(result.text, result.language != kEnglish, body.width(), &device);
        const qreal spacing = QFontMetricsF(text.font, &device).lineSpacing();
        per_page = std::max(1, int(body.height() / spacing));
        text_pages = std::max<int>(1, (int(text.lines.size()) + per_page - 1) / per_page);
    }
    // The whole result ends with the page about the scales.
    Pages pages(device, painter, view, text_pages + (with_text ? 2 : 1));

    bool drawn = true;
    for (int page = 0; drawn && page < text_pages; ++page) {
        drawn = pages.Next();
        painter.setFont(text.font);
        painter.setPen(Qt::black);
        const QFontMetricsF metrics(text.font, &device);
        for (int i = 0; drawn && i < per_page; ++i) {
            const int index = page * per_page + i;
            if (index >= text.lines.size()) {
                break;
            }
            painter.drawText(
                QPointF(pages.body().left(),
                        pages.body().top() + i * metrics.lineSpacing() + metrics.ascent()),
                text.lines[index]);
        }
    }
    drawn = drawn && PaintProfilePage(painter, pages, view);
    if (with_text) {
        drawn = drawn && pages.Next();
        if (drawn) {
            DrawAboutPage(painter, pages.body(), view);
        }
    }
    return painter.end() && drawn;
}

QByteArray ResultPdf(const KeptResult& result, const ProfileView& view) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        writer.setCreator(QString::fromLatin1(kAppTitle) + QLatin1Char(' ') +
                          QString::fromLatin1(kVersion));
        writer.setTitle(Heading(view));
        const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
        writer.setPageSize(QPageSize(letter ? QPageSize::Letter : QPageSize::A4));
        if (!PaintResultPages(writer, result, view, true)) {
            return {};
        }
    }
    return bytes;
}

}  // namespace orv::results
