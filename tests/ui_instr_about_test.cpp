// The instructions and about windows, the help and web address launches, the help viewer.

#include "app/form_look.h"
#include "app/help_viewer.h"
#include "app/open_external.h"
#include "shell/frmAbout.h"
#include "shell/frmInstr.h"
#include "shell/frmTestMain.h"
#include "ui_support.h"

using orv::app::LaunchRequest;

class InstrAboutTest : public QObject {
    Q_OBJECT
  private slots:
    void textsAreExact() {
        frmInstr instr;
        frmAbout about;
        QCOMPARE(
            QStringList({instr.Label1->text(), instr.Label2->text(), about.Label3->text(),
                         about.Label4->text(), about.Label1->text(), about.Label2->text(),
                         about.Label5->text(), about.Label6->text()}),
            QStringList({"This program determines your personality attributes by asking "
                         "questions about your feelings and beliefs.  An evaluation is "
                         "provided at the end of each test.  Analysis of the results can "
                         "give you insights about how other persons perceive you and your "
                         "actions. ",
                         "Click on \"Introduction to Personality Analysis\" to learn how "
                         "personality attributes can influence realtionships.",
                         "Orvane Personality Tests", "Windows 95/98/ NT - Version 1.3",
                         "Copyright (c) 2026 Orvane Software", "Written by the Orvane design team",
                         "orvane@example.com", "http://www.example.com/orvane"}));
        QVERIFY(about.Label6->font().bold() && about.Label6->font().underline());
        QCOMPARE(about.Label6->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(about.Label6->cursor().hotSpot(), QPoint(5, 0));
    }

    // The shipped JPEG banner and 256-colour BMP portrait show at their own size.
    void picturesShowAtTheirOwnSize() {
        QFile jpg(ORV_DATA_DIR "/orvbanner.jpg"), bmp(ORV_DATA_DIR "/orvportrait.bmp");
        QVERIFY(jpg.open(QIODevice::ReadOnly) && bmp.open(QIODevice::ReadOnly));
        const QByteArray banner = jpg.readAll(), portrait = bmp.readAll();
        QVERIFY(banner.startsWith("\xFF\xD8\xFF") && qAbs(banner.size() - 4914) < 500);
        QVERIFY(portrait.startsWith("BM") && portrait.size() == 17094);
        QCOMPARE(QImage::fromData(portrait).colorCount(), 256);
        orv::testing::ProgramFolderFile copy1("orvbanner.jpg", banner);
        orv::testing::ProgramFolderFile copy2("orvportrait.bmp", portrait);
        frmAbout about;
        QCOMPARE(about.Image1->pixmap().size(), QSize(302, 52));
        QCOMPARE(about.Image2->pixmap().size(), QSize(111, 143));
    }

    // Each opening from the menu is a new modal window, centred though the last
    // one was moved; OK closes it, and so does the close box.
    void menuOpensEachCentredAfresh() {
        frmTestMain main;
        main.move(0, 0);  // a dialog is otherwise placed over its owner
        for (int opening = 0; opening < 4; ++opening) {
            QString shown;
            bool centred = false, closed = false;
            QTimer::singleShot(0, &main, [&] {
                auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                if (window == nullptr || window->parentWidget() != &main) {
                    return;
                }
                shown = QString::fromLatin1(window->metaObject()->className());
                centred = orv::testing::SettlesCentred(*window);
                window->move(5, 7);
                QCloseEvent request;
                opening % 2 ? void(QCoreApplication::sendEvent(window->windowHandle(), &request))
                            : QTest::mouseClick(window->findChild<QPushButton*>(), Qt::LeftButton);
                closed = !window->isVisible();
            });
            QObject failsafe;  // a window left open must not hang the test
            QTimer::singleShot(3000, &failsafe, [] { QApplication::activeModalWidget()->close(); });
            (opening < 2 ? main.Instructions : main.About)->trigger();
            QCOMPARE(shown, QString(opening < 2 ? "frmInstr" : "frmAbout"));
            QVERIFY(centred && closed);
        }
    }

    // Prefix + target as a command line; on NT the target with the window that asked.
    // The web address is a link: Tab from OK reaches it, Return, Enter and Space
    // follow it as a click does, and so does a screen reader's press.
    void launches() {
        std::vector<LaunchRequest> sent;
        orv::app::SetLauncher([&](const LaunchRequest& request) { sent.push_back(request); });
        frmTestMain main;
        frmAbout about(&main);
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QCOMPARE(QApplication::focusWidget(), about.Command1);
        QTest::keyClick(about.Command1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), about.Label6);
        auto* link = QAccessible::queryAccessibleInterface(about.Label6);
        QCOMPARE(link->role(), QAccessible::Link);
        for (const std::int16_t platform : {1, 2}) {
            orv::app::SetPlatformIdOverride(platform);
            QTest::mouseClick(main.Command1, Qt::LeftButton);
            QTest::mouseClick(about.Label6, Qt::LeftButton, {}, QPoint(10, 10));
        }
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            QTest::keyClick(about.Label6, key);
        }
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        orv::app::SetLauncher({});
        orv::app::SetPlatformIdOverride(std::nullopt);
        const std::string help = orv::app::ProgramFolder() + "/orvtest.hlp";
        const std::string web = "http://www.example.com/orvane";
        QCOMPARE(sent.size(), std::size_t{8});
        QCOMPARE(sent[0].command_line, "winhelp " + help);
        QCOMPARE(sent[1].command_line, "start " + web);
        QVERIFY(sent[2].kind == LaunchRequest::Kind::kShellOpen && sent[2].owner == &main);
        for (std::size_t i = 3; i < sent.size(); ++i) {
            QVERIFY(sent[i].kind == LaunchRequest::Kind::kShellOpen && sent[i].owner == &about);
            QCOMPARE(sent[i].target, web);
        }
        QCOMPARE(sent[2].target, help);
    }

    // "winhelp " + a path with spaces and a letter beyond ASCII, launched: one viewer,
    // centred, a document to a screen reader, reused for a missing file, which it
    // tells of itself; closed, it is gone.
    void helpShowsInOneViewer() {
        QTemporaryDir temporary;
        const QString folder = temporary.filePath(QString::fromUtf8("Program Files caf\u00e9"));
        const QString help = folder + "/orvtest.hlp", missing = folder + "/gone.hlp";
        QVERIFY(QDir().mkpath(folder) && QFile::copy(ORV_DATA_DIR "/orvtest.hlp", help));
        orv::testing::MessageLog log;
        orv::app::OpenExternal(orv::app::ToFilePath(help), "winhelp ", nullptr);
        QPointer<orv::app::HelpViewer> viewer;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            viewer = viewer ? viewer.data() : qobject_cast<orv::app::HelpViewer*>(window);
        }
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Introduction to Personality Analysis"));
        QVERIFY(orv::testing::SettlesCentred(*viewer));
        auto* document = QAccessible::queryAccessibleInterface(viewer->browser());
        QCOMPARE(document->role(), QAccessible::Document);
        QCOMPARE(document->text(QAccessible::Name), "Introduction to Personality Analysis");
        QCOMPARE(document->textInterface()->text(0, 12), "Introduction");
        orv::app::OpenExternal(orv::app::ToFilePath(missing), "winhelp ", nullptr);
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Orvane Personality Test Help"));
        QCOMPARE(viewer->browser()->toPlainText(), "The help file could not be opened.\n\n" +
                                                       missing + "\n\nNo such file or directory");
        QVERIFY(log.boxes.empty());
        viewer->close();
        QTRY_VERIFY(viewer.isNull());
    }
};

QTEST_MAIN(InstrAboutTest)
#include "ui_instr_about_test.moc"
