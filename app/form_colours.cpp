#include "app/form_colours.h"

#include <QEvent>
#include <QGuiApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include "app/core/contrast.h"
#include "app/focus_ring.h"
#include "app/form_look.h"

namespace orv::app {

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

void FollowFormColours(QWidget* window) {
    FollowColours(window, Colours::kDesignWindow);
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

}  // namespace orv::app
