// The start of the program in one language, as orvtest starts: from main()
// until the main window is painted, in milliseconds on standard output.
// Built into the program folder, so that it finds the language folders;
// tools/bench/startup.sh runs it in English and each language in turn.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <cstdio>
#include <optional>
#include <string>

#include "app/core/program_identity.h"
#include "app/language.h"
#include "app/saved_files_folder.h"
#include "evaluation/language_words.h"
#include "persistence/core/durable_file.h"
#include "results/kept_results_folder.h"
#include "shell/frmTestMain.h"

namespace {

// Ends the event loop at the first paint of the watched window.
class FirstPaint : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QCoreApplication::exit(0);
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    const std::string language = argc > 1 ? argv[1] : "en";
    QApplication::setApplicationName(QString::fromLatin1(orv::kAppId));
    QApplication application(argc, argv);
    orv::app::SetUpLanguage(language);
    orv::evaluation::SetUpWords(orv::app::RunLanguage());
    // What writes cut short by a crash left in the saved tests' folder and
    // the kept results' folder.
    orv::RemoveStaleTemporaries(orv::app::SavedFilesFolder());
    orv::RemoveStaleTemporaries(orv::results::KeptResultsFolder());
    frmTestMain main_window;
    FirstPaint painted;
    main_window.installEventFilter(&painted);
    main_window.show();
    QApplication::exec();
    std::printf("%.2f\n", clock.nsecsElapsed() / 1e6);
    return 0;
}
