#include "app/fit_texts.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <vector>

namespace orv::app {

namespace {

constexpr double kStep = 0.05;
constexpr double kWidest = 2.5;

}  // namespace

bool TextFits(const QWidget* control) {
    const QFontMetrics metrics = control->fontMetrics();
    QRect room;
    QRect need;
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        room = label->contentsRect();
        need = metrics.boundingRect(room, flags, label->text());
    } else if (const auto* radio = qobject_cast<const QRadioButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(radio);
        room = radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
        need = metrics.boundingRect(room, Qt::AlignVCenter, radio->text());
    } else if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin);
        room = button->rect().marginsRemoved(QMargins(margin, 2, margin, 2));
        need = metrics.boundingRect(room, Qt::AlignCenter, button->text());
    }
    return need.isEmpty() || room.contains(need);
}

int WidthToFit(const QPushButton* button) {
    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin);
    return button->fontMetrics().boundingRect(button->text()).width() + 2 * margin + 2;
}

void WidenToFitTexts(QWidget* window, QWidget* area) {
    struct Placed {
        QWidget* control;
        QRect designed;
    };
    std::vector<Placed> controls;
    for (QWidget* control : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        controls.push_back({control, control->geometry()});
    }
    const auto all_fit = [&] {
        for (const Placed& placed : controls) {
            if (!TextFits(placed.control)) {
                return false;
            }
        }
        return true;
    };
    if (all_fit()) {
        return;
    }
    const QSize window_size = window->size();
    const QSize area_size = area->size();
    double factor = 1;
    do {
        factor += kStep;
        for (const Placed& placed : controls) {
            const QRect& d = placed.designed;
            placed.control->setGeometry(qRound(d.left() * factor), d.top(),
                                        qRound(d.width() * factor), d.height());
        }
    } while (!all_fit() && factor < kWidest);
    const int extra = qRound(area_size.width() * factor) - area_size.width();
    const QSize widened(window_size.width() + extra, window_size.height());
    if (window->minimumSize() == window->maximumSize()) {
        window->setFixedSize(widened);  // a fixed dialog stays fixed
    } else {
        window->resize(widened);
    }
    if (window != area) {
        area->resize(area_size.width() + extra, area_size.height());
    }
}

}  // namespace orv::app
