#include "app/form_look.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <algorithm>

#include "app/core/centre.h"
#include "app/core/contrast.h"
#include "app/focus_ring.h"

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

namespace {

// How a window or control is coloured; kept as a property of it, so that
// its window colours it again when the desktop's colours change.
enum class Colours {
    kDesignWindow,
    kDesktopWindow,
    kPaleYellow,
    kPaleYellowLink,
    kDesktop,
    kHeader
};
constexpr const char* kColoursProperty = "orvColours";

// On a light desktop every window keeps the design's pale yellow with black
// text. On a dark one (a dark or a high-contrast-inverse theme: its window
// colour darker than its text) the windows follow the desktop's colours
// throughout, rather than keeping the pale yellow with text fixed to match:
// whoever chose a dark theme because light glares, or a high-contrast one for
// low vision, gets the colours chosen, with no pale window among them. A light
// high-contrast theme keeps the design, whose black on pale yellow is 19:1.
bool DesktopIsDark() {
    const QPalette desktop = QGuiApplication::palette();
    return desktop.color(QPalette::Window).lightness() <
           desktop.color(QPalette::WindowText).lightness();
}

QColor Readable(const QColor& text, const QColor& back) {
    // 7:1, the guidelines' enhanced level: high-contrast users expect it,
    // and a dark palette does not tell whether it belongs to such a theme.
    // A little more, for the shades lighter that some controls lay under it.
    const Rgb raised = WithContrast({text.red(), text.green(), text.blue()},
                                    {back.red(), back.green(), back.blue()}, 7.5);
    return QColor(raised.red, raised.green, raised.blue);
}

// The dark desktop's colours with every text readable against its
// background, in inactive windows too (whose text some themes grey).
QPalette ReadableDesktopPalette() {
    const QPalette desktop = QGuiApplication::palette();
    QPalette palette;
    const std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
        {QPalette::WindowText, QPalette::Window},
        {QPalette::Text, QPalette::Base},
        {QPalette::ButtonText, QPalette::Button},
        {QPalette::Link, QPalette::Base},
        {QPalette::LinkVisited, QPalette::Base},
        {QPalette::HighlightedText, QPalette::Highlight},
        {QPalette::ToolTipText, QPalette::ToolTipBase}};
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        for (const auto& [text, back] : pairs) {
            palette.setColor(
                group, text,
                Readable(desktop.color(QPalette::Active, text), desktop.color(group, back)));
        }
    }
    return palette;
}

void PaintColours(QWidget* widget, Colours colours) {
    widget->setProperty(kColoursProperty, int(colours));
    const bool dark = DesktopIsDark();
    QPalette palette;  // nothing of its own: its parent's colours, or the desktop's
    switch (colours) {
        case Colours::kDesignWindow:
        case Colours::kDesktopWindow:
            if (dark) {
                palette = ReadableDesktopPalette();
            } else if (colours == Colours::kDesignWindow) {
                palette.setColor(QPalette::Window, PaleYellow());
                palette.setColor(QPalette::WindowText, Qt::black);
            }
            break;
        case Colours::kPaleYellow:
        case Colours::kPaleYellowLink:
            if (!dark) {
                const bool link = colours == Colours::kPaleYellowLink;
                palette.setColor(QPalette::Window, PaleYellow());
                palette.setColor(QPalette::WindowText, link ? QColor(0, 0, 255) : Qt::black);
            } else if (colours == Colours::kPaleYellowLink) {
                const QPalette desktop = QGuiApplication::palette();
                for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
                    palette.setColor(group, QPalette::WindowText,
                                     Readable(desktop.color(group, QPalette::Link),
                                              desktop.color(group, QPalette::Window)));
                }
            }
            break;
        case Colours::kHeader: {
            // Adwaita draws column headers in a half-tone of the text, which
            // no text colour lifts to 7:1; on a dark desktop Fusion draws them.
            static QStyle* const fusion = QStyleFactory::create(QStringLiteral("Fusion"));
            widget->setStyle(dark ? fusion : nullptr);
            break;
        }
        case Colours::kDesktop:
            if (!dark) {
                for (const QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText}) {
                    palette.setColor(role, QGuiApplication::palette().color(role));
                }
            }
            break;
    }
    widget->setPalette(palette);
}

// Where Qt tells of a change of the desktop's colours (or of its style, which
// brings colours of its own), the window and each of its coloured controls
// take the new ones, once Qt has settled them.
class ColoursFollower : public QObject {
  public:
    explicit ColoursFollower(QWidget* window) : QObject(window) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ApplicationPaletteChange ||
            event->type() == QEvent::StyleChange) {
            QMetaObject::invokeMethod(this, &ColoursFollower::Repaint, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    void Repaint() {
        auto* window = static_cast<QWidget*>(parent());
        const QList<QWidget*> widgets = window->findChildren<QWidget*>() << window;
        for (QWidget* widget : widgets) {
            const QVariant colours = widget->property(kColoursProperty);
            if (colours.isValid()) {
                PaintColours(widget, Colours(colours.toInt()));
            }
        }
    }
};

void FollowColours(QWidget* window, Colours colours) {
    PaintColours(window, colours);
    new ColoursFollower(window);
    MarkFocusWhenDark(window);
}

}  // namespace

void ApplyFormLook(QWidget* window, const QString& caption, double font_points) {
    window->setWindowTitle(caption);
    window->setWindowIcon(ProgramIcon());
    FollowColours(window, Colours::kDesignWindow);
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

void PaintPaleYellow(QWidget* control, QPalette::ColorRole text) {
    PaintColours(control, text == QPalette::Link ? Colours::kPaleYellowLink : Colours::kPaleYellow);
    // Buttons fill with the Button role by default; these take the window's.
    control->setBackgroundRole(QPalette::Window);
    control->setAutoFillBackground(true);
}

void KeepDesktopColours(QWidget* control) {
    PaintColours(control, Colours::kDesktop);
}

void PaintHeaderReadable(QWidget* header) {
    PaintColours(header, Colours::kHeader);
}

void FollowDesktopColours(QWidget* window) {
    FollowColours(window, Colours::kDesktopWindow);
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
