#include "shell/frmAbout.h"

#include <QBitmap>
#include <QCursor>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "app/core/app_title.h"
#include "app/core/program_files.h"
#include "app/fit_texts.h"
#include "app/form_look.h"
#include "app/link_label.h"
#include "app/message_box.h"
#include "app/open_external.h"

namespace app = orv::app;

namespace {

constexpr double kLabelPoints = 9.75;

QLabel* TextLabel(const QString& text, bool bold, QWidget* window) {
    auto* label = new QLabel(text, window);
    label->setFont(app::SansFont(kLabelPoints, bold));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    app::PaintPaleYellow(label);
    return label;
}

// A picture from the program folder, shown from its Left and Top at its own
// size, grown as the text of the window is; a missing picture leaves the place
// empty. `description` is what a screen reader says of it.
QLabel* Picture(const char* file_name, const QString& description, int left, int top, int width,
                int height, QWidget* window) {
    auto* picture = new QLabel(window);
    app::Place(picture, left, top, width, height);
    picture->setAccessibleName(description);
    const std::string path = orv::ProgramPath(app::ProgramFolder(), file_name);
    QPixmap pixmap(app::FromFilePath(path));
    if (!pixmap.isNull()) {
        const double scale = app::FontScale();
        if (scale > 1) {
            pixmap = pixmap.scaled(pixmap.size() * scale, Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation);
        }
        picture->setPixmap(pixmap);
        picture->resize(pixmap.size());
    }
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return picture;
}

// The pointing hand over the web address: black and white bitmaps with the
// fingertip at column 5, row 0. The resources are registered by ProgramIcon(),
// which the window's look has already called.
QCursor PointingHandCursor() {
    const QBitmap bitmap(QStringLiteral(":/orvane/hand.xbm"));
    const QBitmap mask(QStringLiteral(":/orvane/hand_mask.xbm"));
    return QCursor(bitmap, mask, 5, 0);
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    app::SetUpFixedDialog(this, app::AppTitle(), 7155, 3915);

    Command1 = new QPushButton(tr("OK"), this);
    app::Place(Command1, 2400, 3240, 1215, 375);
    Image1 = Picture("orvbanner.jpg", tr("Orvane Software banner"), 720, 0, 4530, 780, this);

    Label6 = new app::LinkLabel(QStringLiteral("http://www.example.com/orvane"), this);
    app::Place(Label6, 960, 2640, 3855, 375);
    Label6->setFont(app::SansFont(kLabelPoints, true, true));
    Label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    app::PaintPaleYellow(Label6, QPalette::Link);
    Label6->setCursor(PointingHandCursor());

    Label5 = TextLabel(QStringLiteral("orvane@example.com"), true, this);
    app::Place(Label5, 1080, 2280, 3375, 375);
    Label4 = TextLabel(QStringLiteral("Windows 95/98/ NT - Version 1.3"), false, this);
    app::Place(Label4, 1080, 1200, 3495, 255);
    Label3 = TextLabel(tr("Orvane Personality Tests"), true, this);
    app::Place(Label3, 720, 840, 4095, 375);
    Image2 = Picture("orvportrait.bmp", tr("Portrait of the author"), 4920, 1035, 1665, 2145, this);
    Label2 = TextLabel(tr("Written by the Orvane design team"), false, this);
    app::Place(Label2, 600, 2040, 4095, 375);
    // The copyright notice, between the version line and the author.
    Label1 = TextLabel(QStringLiteral("Copyright (c) 2026 Orvane Software"), false, this);
    app::Place(Label1, 720, 1560, 4095, 375);
    // The boxes overlap a little (the author's reaches into the contact's);
    // each lower label lies above the one over it so that no text is covered.
    for (QLabel* label : {Label3, Label4, Label1, Label2, Label5, static_cast<QLabel*>(Label6)}) {
        label->raise();
    }

    app::WidenToFitTexts(this, this);
    setTabOrder(Command1, Label6);
    connect(Command1, &QPushButton::clicked, this, &frmAbout::Command1_Click);
    connect(Label6, &app::LinkLabel::Activated, this, &frmAbout::Label6_Click);
    Form_Load();
}

void frmAbout::Command1_Click() {
    accept();
}

void frmAbout::Label6_Click() {
    app::OpenExternal(app::ToFileText(Label6->text()), "start ", this);
}

void frmAbout::Form_Load() {
    app::CentreOnScreen(this);
}
