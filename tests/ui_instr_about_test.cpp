// The instructions and about windows: texts, look, layout, pictures, cursor,
// centring at every opening, and closing by OK or the close box.

#include <QAction>
#include <QBitmap>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/core/centre.h"
#include "shell/frmAbout.h"
#include "shell/frmInstr.h"
#include "shell/frmTestMain.h"

namespace {

const QString kText1 = QStringLiteral(
    "This program determines your personality attributes by asking questions about your "
    "feelings and beliefs.  An evaluation is provided at the end of each test.  Analysis of "
    "the results can give you insights about how other persons perceive you and your actions. ");
const QString kText2 = QStringLiteral(
    "Click on \"Introduction to Personality Analysis\" to learn how personality attributes can "
    "influence realtionships.");

QString ProgramFolderPath(const QString& name) {
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

// Shows a dialog modally, runs `while_open` once it is the active modal window
// and returns what exec() returned. `while_open` must close the dialog; a
// safety timer closes it otherwise so that a failing test cannot hang.
int ExecWhile(QDialog& dialog, const std::function<void()>& while_open) {
    bool ran = false;
    QTimer::singleShot(0, &dialog, [&] {
        ran = QApplication::activeModalWidget() == &dialog;
        if (ran) {
            while_open();
        }
    });
    QTimer::singleShot(5000, &dialog, [&] { dialog.done(-1); });
    const int result = dialog.exec();
    return ran ? result : -2;
}

// Where the window must stand: centred on the screen by its outer size.
QPoint CentredTopLeft(const QWidget& window) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = window.frameGeometry().size();
    const orv::WindowPosition position =
        orv::CentredPosition(screen.width(), screen.height(), outer.width(), outer.height());
    return screen.topLeft() + QPoint(position.left, position.top);
}

// Whether the window stands centred once its frame is known (a window placed
// before its first showing is placed again when the frame turns out other
// than assumed).
bool SettlesCentred(const QWidget& window) {
    return QTest::qWaitFor(
        [&] { return window.frameGeometry().topLeft() == CentredTopLeft(window); }, 2000);
}

void CheckFixedFrame(const QDialog& window, QSize client) {
    QCOMPARE(window.windowTitle(), QStringLiteral("Orvane Personality Test"));
    QCOMPARE(window.size(), client);
    QCOMPARE(window.minimumSize(), client);
    QCOMPARE(window.maximumSize(), client);
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(window.palette().color(QPalette::Window), QColor(255, 255, 204));
    QVERIFY(window.autoFillBackground());
}

void CheckPaleYellow(const QLabel* label) {
    QCOMPARE(label->palette().color(label->backgroundRole()), QColor(255, 255, 204));
}

}  // namespace

class InstrAboutTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanupTestCase();

    void instructionsTextsAreExact();
    void instructionsLookAsDesigned();
    void aboutTextsAreExact();
    void aboutLooksAsDesigned();
    void aboutLabelsFitOnOneLine();
    void aboutLabelsDoNotCoverEachOther();
    void aboutShowsThePicturesAtTheirOwnSize();
    void aboutOpensWithoutItsPictures();
    void shippedPicturesAreAsDesigned();
    void webAddressHasThePointingHand();

    void okCloses_data();
    void okCloses();
    void closeBoxCloses_data();
    void closeBoxCloses();
    void centredAgainAtEveryOpening_data();
    void centredAgainAtEveryOpening();
    void menuOpensEachWindowModallyAndCentred_data();
    void menuOpensEachWindowModallyAndCentred();
};

namespace {

const QStringList kPictures = {QStringLiteral("orvbanner.jpg"), QStringLiteral("orvportrait.bmp")};

// The about window reads its pictures from the program folder, which for a
// test is the test executable's folder.
bool CopyPictures() {
    bool copied = true;
    for (const QString& name : kPictures) {
        QFile::remove(ProgramFolderPath(name));
        copied =
            QFile::copy(QStringLiteral(ORV_DATA_DIR "/") + name, ProgramFolderPath(name)) && copied;
    }
    return copied;
}

void RemovePictures() {
    for (const QString& name : kPictures) {
        QFile::remove(ProgramFolderPath(name));
    }
}

}  // namespace

void InstrAboutTest::initTestCase() {
    QVERIFY(CopyPictures());
}

void InstrAboutTest::cleanupTestCase() {
    RemovePictures();
}

void InstrAboutTest::instructionsTextsAreExact() {
    frmInstr window;
    QCOMPARE(window.Label1->text(), kText1);
    QCOMPARE(window.Label2->text(), kText2);
    QCOMPARE(window.Label2->text().size(), 112);
    QCOMPARE(window.Command1->text(), QStringLiteral("OK"));
}

void InstrAboutTest::instructionsLookAsDesigned() {
    frmInstr window;
    CheckFixedFrame(window, QSize(597, 263));
    QCOMPARE(window.Command1->geometry(), QRect(249, 219, 65, 25));
    QCOMPARE(window.Label1->geometry(), QRect(16, 32, 561, 89));
    QCOMPARE(window.Label2->geometry(), QRect(15, 136, 563, 59));
    for (const QLabel* label : {window.Label1, window.Label2}) {
        QCOMPARE(label->font().pointSizeF(), 12.0);
        QVERIFY(!label->font().bold());
        QVERIFY(label->wordWrap());
        QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
        CheckPaleYellow(label);
    }
    QCOMPARE(window.Command1->font().pointSizeF(), 8.25);
}

void InstrAboutTest::aboutTextsAreExact() {
    frmAbout window;
    QCOMPARE(window.Label3->text(), QStringLiteral("Orvane Personality Tests"));
    QCOMPARE(window.Label4->text(), QStringLiteral("Windows 95/98/ NT - Version 1.3"));
    QCOMPARE(window.Label1->text(), QStringLiteral("Copyright (c) 2026 Orvane Software"));
    QCOMPARE(window.Label2->text(), QStringLiteral("Written by the Orvane design team"));
    QCOMPARE(window.Label5->text(), QStringLiteral("orvane@example.com"));
    QCOMPARE(window.Label6->text(), QStringLiteral("http://www.example.com/orvane"));
    QCOMPARE(window.Command1->text(), QStringLiteral("OK"));
}

void InstrAboutTest::aboutLooksAsDesigned() {
    frmAbout window;
    CheckFixedFrame(window, QSize(477, 261));
    QCOMPARE(window.Command1->geometry(), QRect(160, 216, 81, 25));
    QCOMPARE(window.Label6->geometry(), QRect(64, 176, 257, 25));
    QCOMPARE(window.Label5->geometry(), QRect(72, 152, 225, 25));
    QCOMPARE(window.Label4->geometry(), QRect(72, 80, 233, 17));
    QCOMPARE(window.Label3->geometry(), QRect(48, 56, 273, 25));
    QCOMPARE(window.Label2->geometry(), QRect(40, 136, 273, 25));

    // Top to bottom: banner, title, version, copyright, author, contact,
    // address, OK; the copyright notice sits between version and author.
    const QList<QWidget*> order = {window.Image1, window.Label3, window.Label4, window.Label1,
                                   window.Label2, window.Label5, window.Label6, window.Command1};
    for (qsizetype i = 1; i < order.size(); ++i) {
        QVERIFY(order[i - 1]->geometry().top() < order[i]->geometry().top());
    }
    QVERIFY(!window.Label1->geometry().intersects(window.Label4->geometry()));
    QVERIFY(!window.Label1->geometry().intersects(window.Label2->geometry()));
    QVERIFY(!window.Label1->geometry().intersects(window.Image2->geometry()));

    for (const QLabel* label : {window.Label1, window.Label2, window.Label3, window.Label4,
                                window.Label5, window.Label6}) {
        QCOMPARE(label->font().pointSizeF(), 9.75);
        CheckPaleYellow(label);
    }
    for (const QLabel* label :
         {window.Label1, window.Label2, window.Label3, window.Label4, window.Label5}) {
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    }
    QVERIFY(window.Label3->font().bold());
    QVERIFY(window.Label5->font().bold());
    QVERIFY(!window.Label1->font().bold());
    QVERIFY(!window.Label2->font().bold());
    QVERIFY(!window.Label4->font().bold());

    QCOMPARE(window.Label6->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    QVERIFY(window.Label6->font().bold());
    QVERIFY(window.Label6->font().underline());
    QCOMPARE(window.Label6->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

// A label too narrow for its text would wrap into a second line that its
// height cuts off.
void InstrAboutTest::aboutLabelsFitOnOneLine() {
    frmAbout window;
    for (const QLabel* label : {window.Label1, window.Label2, window.Label3, window.Label4,
                                window.Label5, window.Label6}) {
        const QFontMetrics metrics(label->font());
        QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->text()));
        QVERIFY2(metrics.height() <= label->height(), qPrintable(label->text()));
    }
}

// Where two label boxes overlap, the lower label lies above the other, so
// the upper one's background does not cover the lower one's text.
void InstrAboutTest::aboutLabelsDoNotCoverEachOther() {
    frmAbout window;
    const QList<QLabel*> top_to_bottom = {window.Label3, window.Label4, window.Label1,
                                          window.Label2, window.Label5, window.Label6};
    const QObjectList stacking = window.children();  // bottom-most first
    int overlaps = 0;
    for (qsizetype upper = 0; upper < top_to_bottom.size(); ++upper) {
        for (qsizetype lower = upper + 1; lower < top_to_bottom.size(); ++lower) {
            if (top_to_bottom[upper]->geometry().intersects(top_to_bottom[lower]->geometry())) {
                ++overlaps;
                QVERIFY2(
                    stacking.indexOf(top_to_bottom[lower]) > stacking.indexOf(top_to_bottom[upper]),
                    qPrintable(top_to_bottom[lower]->text()));
            }
        }
    }
    QCOMPARE(overlaps, 3);  // title-version, author-contact, contact-address
}

void InstrAboutTest::aboutShowsThePicturesAtTheirOwnSize() {
    frmAbout window;
    QCOMPARE(window.Image1->geometry(), QRect(48, 0, 302, 52));
    QCOMPARE(window.Image1->pixmap().size(), QSize(302, 52));
    QCOMPARE(window.Image2->geometry(), QRect(328, 69, 111, 143));
    QCOMPARE(window.Image2->pixmap().size(), QSize(111, 143));
    // The pictures are the shipped files, pixel for pixel.
    QCOMPARE(window.Image2->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
             QImage(QStringLiteral(ORV_DATA_DIR "/orvportrait.bmp"))
                 .convertToFormat(QImage::Format_RGB32));
}

void InstrAboutTest::aboutOpensWithoutItsPictures() {
    RemovePictures();
    frmAbout window;
    QVERIFY(CopyPictures());
    QVERIFY(window.Image1->pixmap().isNull());
    QVERIFY(window.Image2->pixmap().isNull());
    QCOMPARE(window.Image1->geometry(), QRect(48, 0, 302, 52));
    QCOMPARE(ExecWhile(window, [&] { window.Command1->click(); }), int(QDialog::Accepted));
}

void InstrAboutTest::shippedPicturesAreAsDesigned() {
    QFile banner(QStringLiteral(ORV_DATA_DIR "/orvbanner.jpg"));
    QVERIFY(banner.open(QIODevice::ReadOnly));
    const QByteArray jpeg = banner.readAll();
    QVERIFY(jpeg.startsWith("\xFF\xD8\xFF"));
    QVERIFY(qAbs(jpeg.size() - 4914) < 500);
    QCOMPARE(QImage::fromData(jpeg, "JPG").size(), QSize(302, 52));

    QFile portrait(QStringLiteral(ORV_DATA_DIR "/orvportrait.bmp"));
    QVERIFY(portrait.open(QIODevice::ReadOnly));
    const QByteArray bmp = portrait.readAll();
    QCOMPARE(bmp.size(), 17094);
    QVERIFY(bmp.startsWith("BM"));
    const QImage image = QImage::fromData(bmp, "BMP");
    QCOMPARE(image.size(), QSize(111, 143));
    QCOMPARE(image.format(), QImage::Format_Indexed8);
    QCOMPARE(image.colorCount(), 256);
}

void InstrAboutTest::webAddressHasThePointingHand() {
    frmAbout window;
    const QCursor cursor = window.Label6->cursor();
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.hotSpot(), QPoint(5, 0));
    const QImage bitmap = cursor.bitmap().toImage();
    const QImage mask = cursor.mask().toImage();
    QCOMPARE(bitmap.size(), QSize(32, 32));
    QCOMPARE(mask.size(), QSize(32, 32));
    // Black fingertip at the hot spot, white inside the finger, transparent
    // around it.
    QCOMPARE(bitmap.pixelColor(5, 0), QColor(Qt::black));
    QCOMPARE(mask.pixelColor(5, 0), QColor(Qt::black));
    QCOMPARE(bitmap.pixelColor(5, 2), QColor(Qt::white));
    QCOMPARE(mask.pixelColor(5, 2), QColor(Qt::black));
    QCOMPARE(mask.pixelColor(0, 0), QColor(Qt::white));
    QCOMPARE(mask.pixelColor(31, 31), QColor(Qt::white));
    // Nothing above the fingertip's row and nothing left of the hand's edge.
    for (int x = 0; x < 32; ++x) {
        QCOMPARE(mask.pixelColor(x, 0) == QColor(Qt::black), x == 5 || x == 6);
    }
}

// Each window test runs for both windows.
namespace {

struct WindowCase {
    std::function<std::unique_ptr<QDialog>(QWidget*)> make;
    std::function<QPushButton*(QDialog&)> ok;
};

WindowCase Instructions() {
    return {[](QWidget* parent) { return std::make_unique<frmInstr>(parent); },
            [](QDialog& d) { return static_cast<frmInstr&>(d).Command1; }};
}

WindowCase AboutWindow() {
    return {[](QWidget* parent) { return std::make_unique<frmAbout>(parent); },
            [](QDialog& d) { return static_cast<frmAbout&>(d).Command1; }};
}

void AddWindowRows() {
    QTest::addColumn<int>("which");
    QTest::newRow("instructions") << 0;
    QTest::newRow("about") << 1;
}

WindowCase Case(int which) {
    return which == 0 ? Instructions() : AboutWindow();
}

}  // namespace

void InstrAboutTest::okCloses_data() {
    AddWindowRows();
}

void InstrAboutTest::okCloses() {
    QFETCH(int, which);
    const WindowCase c = Case(which);
    auto window = c.make(nullptr);
    QCOMPARE(ExecWhile(*window, [&] { QTest::mouseClick(c.ok(*window), Qt::LeftButton); }),
             int(QDialog::Accepted));
    QVERIFY(!window->isVisible());
}

void InstrAboutTest::closeBoxCloses_data() {
    AddWindowRows();
}

void InstrAboutTest::closeBoxCloses() {
    QFETCH(int, which);
    auto window = Case(which).make(nullptr);
    // The close box reaches the window as a close request from the desktop.
    bool accepted = false;
    QCOMPARE(ExecWhile(*window,
                       [&] {
                           QCloseEvent request;
                           QCoreApplication::sendEvent(window->windowHandle(), &request);
                           accepted = request.isAccepted();
                       }),
             int(QDialog::Rejected));
    QVERIFY(accepted);
    QVERIFY(!window->isVisible());
}

void InstrAboutTest::centredAgainAtEveryOpening_data() {
    AddWindowRows();
}

void InstrAboutTest::centredAgainAtEveryOpening() {
    QFETCH(int, which);
    const WindowCase c = Case(which);
    auto window = c.make(nullptr);
    bool first = false;
    ExecWhile(*window, [&] {
        first = SettlesCentred(*window);
        window->move(5, 7);
        c.ok(*window)->click();
    });
    QVERIFY(first);
    QCOMPARE(window->frameGeometry().topLeft(), QPoint(5, 7));

    QPoint second;
    ExecWhile(*window, [&] {
        second = window->frameGeometry().topLeft();
        window->close();
    });
    QCOMPARE(second, CentredTopLeft(*window));
}

void InstrAboutTest::menuOpensEachWindowModallyAndCentred_data() {
    AddWindowRows();
}

// The menu items open a new window each time, modal over the main window.
void InstrAboutTest::menuOpensEachWindowModallyAndCentred() {
    QFETCH(int, which);
    frmTestMain main_window;
    main_window.show();
    QAction* item = which == 0 ? main_window.Instructions : main_window.About;
    const char* class_name = which == 0 ? "frmInstr" : "frmAbout";
    for (int opening = 0; opening < 2; ++opening) {
        QString shown;
        bool modal = false;
        QWidget* parent = nullptr;
        bool centred = false;
        QTimer::singleShot(0, [&] {
            auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (window == nullptr) {
                return;
            }
            shown = QString::fromLatin1(window->metaObject()->className());
            modal = window->isModal();
            parent = window->parentWidget();
            centred = SettlesCentred(*window);
            window->move(1, 1);
            window->close();
        });
        // A window left open by a failed check must not hang the test.
        QTimer::singleShot(5000, [] {
            if (QWidget* window = QApplication::activeModalWidget()) {
                window->close();
            }
        });
        item->trigger();
        QCOMPARE(shown, QString::fromLatin1(class_name));
        QVERIFY(modal);
        QCOMPARE(parent, &main_window);
        QVERIFY(centred);
    }
}

QTEST_MAIN(InstrAboutTest)
#include "ui_instr_about_test.moc"
