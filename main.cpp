// Orvane Personality Test: the program's start. The ground floor (app/) sets
// up the run and its language; the features hand it what they need: the
// evaluation reads its words, the saved tests and kept results are tidied
// after a crash, and the main window (shell/) opens the rest.
#include <QApplication>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/core/program_identity.h"
#include "app/core/start_arguments.h"
#include "app/desktop_session.h"
#include "app/language.h"
#include "app/saved_files_folder.h"
#include "evaluation/language_words.h"
#include "persistence/core/durable_file.h"
#include "results/kept_results_folder.h"
#include "shell/frmTestMain.h"

int main(int argc, char** argv) {
    const orv::StartArguments start = orv::ReadStartArguments({argv + 1, argv + argc});
    switch (start.choice) {
        case orv::StartChoice::kHelp:
            std::fputs(orv::ProgramHelpText().c_str(), stdout);
            return 0;
        case orv::StartChoice::kVersion:
            std::fputs(orv::ProgramVersionText().c_str(), stdout);
            return 0;
        case orv::StartChoice::kWrongArgument:
            std::fprintf(stderr, "orvtest: unknown option %s\n%s", start.wrong.c_str(),
                         orv::kProgramUsage);
            return 2;
        case orv::StartChoice::kRun:
            break;
    }
    std::vector<char*> arguments(argv, argv + argc);
    std::string platform_flag = "-platform";
    std::string platform;
    if (!start.names_platform) {
        const std::string missing = orv::app::MissingDesktopSession();
        if (!missing.empty()) {
            std::fprintf(stderr, "%s\n", missing.c_str());
            return 1;
        }
        // The platform goes on the command line, not into the environment, so
        // that the programs started from here (the browser) choose their own.
        platform = orv::app::PreferredPlatform();
        if (!platform.empty()) {
            arguments.push_back(platform_flag.data());
            arguments.push_back(platform.data());
        }
    }
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    // The application name is the X window class; with the desktop file name
    // it lets the desktop match the windows to the program's menu entry.
    QApplication::setApplicationName(QString::fromLatin1(orv::kAppId));
    QApplication::setApplicationVersion(QString::fromLatin1(orv::kVersion));
    QApplication::setDesktopFileName(QString::fromLatin1(orv::kAppId));
    QApplication application(count, arguments.data());
    QApplication::setQuitOnLastWindowClosed(false);
    orv::app::SetUpLanguage(start.language);
    orv::evaluation::SetUpWords(orv::app::RunLanguage());
    // What writes cut short by a crash left in the saved tests' folder and
    // the kept results' folder.
    orv::RemoveStaleTemporaries(orv::app::SavedFilesFolder());
    orv::RemoveStaleTemporaries(orv::results::KeptResultsFolder());

    auto main_window = std::make_unique<frmTestMain>();
    main_window->show();
    return QApplication::exec();
}
