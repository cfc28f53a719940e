#include "app/form_look.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <algorithm>

#include "app/core/centre.h"

// Resources of a static library are registered by hand, outside any namespace.
static void InitOrvaneResources() {
    Q_INIT_RESOURCE(resources);
}

namespace orv::app {

QColor PaleYellow() {
    return QColor(255, 255, 204);
}

QFont SansFont(double points, bool bold, bool underline) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

double FontScale() {
    static const QString letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    double scale = 1.0;
    for (const double points : {8.25, 9.75, 12.0}) {
        QFont design(QStringLiteral("DejaVu Sans"));
        design.setPixelSize(qRound(points * 96 / 72));
        const QFontMetricsF planned(design);
        const QFontMetricsF used(SansFont(points));
        scale =
            std::max({scale, used.horizontalAdvance(letters) / planned.horizontalAdvance(letters),
                      used.height() / planned.height()});
    }
    return scale;
}

int Pixels(int twips) {
    return TwipsToPixels(twips, FontScale());
}

void Place(QWidget* control, int left, int top, int width, int height) {
    const double scale = FontScale();
    control->setGeometry(TwipsToPixels(left, scale), TwipsToPixels(top, scale),
                         TwipsToPixels(width, scale), TwipsToPixels(height, scale));
}

void SetClientSize(QWidget* window, int width, int height) {
    const double scale = FontScale();
    window->resize(TwipsToPixels(width, scale), TwipsToPixels(height, scale));
}

void PressButtonsWithReturn(QWidget* window) {
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        button->setAutoDefault(true);
    }
}

void ApplyFormLook(QWidget* window, const QString& caption, double font_points) {
    window->setWindowTitle(caption);
    window->setWindowIcon(ProgramIcon());
    FollowFormColours(window);
    window->setAutoFillBackground(true);
    window->setFont(SansFont(font_points));
    KeepFocusVisible(window);
}

void SetUpFixedDialog(QDialog* dialog, const QString& caption, int width, int height) {
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    ApplyFormLook(dialog, caption, 8.25);
    SetClientSize(dialog, width, height);
    dialog->setFixedSize(dialog->size());
}

namespace {

// Frame and title bar around a client area, as seen on the last window the
// window manager framed; before any window was shown it is unknown (zero).
QMargins& KnownFrameMargins() {
    static QMargins margins;
    return margins;
}

QMargins FrameMargins(const QWidget* window) {
    const QRect framed = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - framed.left(), client.top() - framed.top(),
            framed.right() - client.right(), framed.bottom() - client.bottom()};
}

void MoveToCentre(QWidget* window, QSize outer) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    const WindowPosition position =
        CentredPosition(area.width(), area.height(), outer.width(), outer.height());
    window->move(area.left() + position.left, area.top() + position.top);
}

// A window centred before it was first shown had to guess its frame, and a
// window whose native window already exists is placed by its client area
// until the window manager has framed it. Once it is painted the frame is
// known: centre it again by its real outer size.
class RecentreWhenFramed : public QObject {
  public:
    explicit RecentreWhenFramed(QWidget* window) : QObject(window) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            auto* window = static_cast<QWidget*>(watched);
            window->removeEventFilter(this);
            KnownFrameMargins() = FrameMargins(window);
            QMetaObject::invokeMethod(
                window, [window] { MoveToCentre(window, window->frameGeometry().size()); },
                Qt::QueuedConnection);
            deleteLater();
        }
        return false;
    }
};

// The styles draw the focus frame only in a window whose focus was moved by
// keys, and showing a window forgets that it was.
class FocusAlwaysVisible : public QObject {
  public:
    explicit FocusAlwaysVisible(QWidget* window) : QObject(window) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            static_cast<QWidget*>(watched)->setAttribute(Qt::WA_KeyboardFocusChange);
        }
        return false;
    }
};

}  // namespace

void KeepFocusVisible(QWidget* window) {
    new FocusAlwaysVisible(window);
}

void ShowInFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

void CentreOnScreen(QWidget* window) {
    if (window->isVisible()) {
        KnownFrameMargins() = FrameMargins(window);
        MoveToCentre(window, window->frameGeometry().size());
        return;
    }
    MoveToCentre(window, window->size().grownBy(KnownFrameMargins()));
    new RecentreWhenFramed(window);
}

QIcon ProgramIcon() {
    static const bool registered = (InitOrvaneResources(), true);
    (void)registered;
    QIcon icon;
    icon.addFile(QStringLiteral(":/orvane/icon32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/orvane/icon16.png"), QSize(16, 16));
    return icon;
}

QString FromFilePath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string ToFilePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

std::string ProgramFolder() {
    return ToFilePath(QCoreApplication::applicationDirPath());
}

}  // namespace orv::app
