#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QString>
#include <string>

#include "app/form_colours.h"

class QDialog;
class QWidget;

namespace orv::app {

// Background of every window, label and option button: RGB(255, 255, 204).
QColor PaleYellow();

// The desktop's sans-serif font at the given point size; it stands in for
// "MS Sans Serif" everywhere.
QFont SansFont(double points, bool bold = false, bool underline = false);

// How many times larger than designed the text of the windows comes out,
// never less than 1: the widest of the average letter width and the line
// height of the sans face at the program's text sizes, against the face the
// windows were laid out with at 96 dots per inch. Like dialog units, it
// grows every window and control with a larger text size or a wider face.
double FontScale();

// Twips to pixels at the current FontScale().
int Pixels(int twips);

// Positions a control by its Left, Top, Width, Height in twips.
void Place(QWidget* control, int left, int top, int width, int height);

// Sets a window's client area to the given size in twips.
void SetClientSize(QWidget* window, int width, int height);

// Return and Enter press the focused button of a window that is not a
// dialog, as they do in dialogs.
void PressButtonsWithReturn(QWidget* window);

// Caption, icon, colours and font of a window, whose focused control always
// shows its focus frame. The colours are the pale yellow background with black
// text on a light desktop, the desktop's own on a dark one; they follow a
// change of the desktop's colours.
void ApplyFormLook(QWidget* window, const QString& caption, double font_points);

// A small fixed window: a title bar with the close box only, the form look
// with the default 8.25 pt font, and a fixed client size in twips.
void SetUpFixedDialog(QDialog* dialog, const QString& caption, int width, int height);

// The focused control of the window always shows its focus frame, whether
// the focus came there by keys, by mouse or at the opening.
void KeepFocusVisible(QWidget* window);

// Shows a window, or brings it to the front, and gives it the keyboard.
void ShowInFront(QWidget* window);

// Centres a window on the primary screen by its outer size (frame included).
void CentreOnScreen(QWidget* window);

// The icon of every window: 32 x 32 and 16 x 16 images.
QIcon ProgramIcon();

// Texts of the files are single-byte characters, shown as Latin-1.
inline QString FromFileText(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string ToFileText(const QString& text) {
    return text.toLatin1().toStdString();
}

// Paths are bytes in the file system's encoding, not Latin-1 text.
QString FromFilePath(const std::string& path);
std::string ToFilePath(const QString& path);

// The folder that holds the program's executable, without a trailing separator.
std::string ProgramFolder();

}  // namespace orv::app
