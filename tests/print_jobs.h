#pragma once

// A window test's own print jobs, told apart from whatever else is printed on
// the machine at the same time (another build's tests, a user): the test
// prints under a title no other job has and asks the print server for the
// jobs of that title.
#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QUuid>
#include <memory>

namespace orv::testing {

inline QString OwnJobTitle() {
    return QStringLiteral("orvane-test-") + QUuid::createUuid().toString(QUuid::Id128);
}

// The default printer, as the program takes it, with its jobs titled
// `title`; null when there is no default printer. For SetPrinterFactory.
inline std::unique_ptr<QPrinter> TitledDefaultPrinter(const QString& title) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return nullptr;
    }
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setDocName(title);
    return printer;
}

// The states ("pending", "processing", "completed", "aborted", ...) of this
// user's jobs titled `title` on the local print server.
inline QStringList PrintJobStates(const QString& title) {
    QProcess ipp;
    ipp.start(QStringLiteral("ipptool"), {"-c", "ipp://localhost/", "/dev/stdin"});
    // Only the owner of a job is told its title.
    ipp.write(
        "{ OPERATION Get-Jobs GROUP operation-attributes-tag"
        " ATTR charset attributes-charset utf-8"
        " ATTR language attributes-natural-language en ATTR uri printer-uri $uri"
        " ATTR name requesting-user-name $user ATTR keyword which-jobs all"
        " ATTR keyword requested-attributes job-name,job-state"
        " DISPLAY job-name DISPLAY job-state }");
    ipp.closeWriteChannel();
    ipp.waitForFinished(30000);
    QStringList states;
    for (const QString& line : QString::fromUtf8(ipp.readAllStandardOutput()).split('\n')) {
        if (line.startsWith(title + ',')) {
            states << line.mid(title.size() + 1);
        }
    }
    return states;
}

// The PDF that the PDF printer (scripts/start-print-server.sh) made of a job
// titled `title`, "" if none: in $HOME/PDF, named by the title and more.
inline QString PrintedPdf(const QString& title) {
    const QDir folder(QDir::home().filePath(QStringLiteral("PDF")));
    const QStringList names = folder.entryList({title + "*.pdf"}, QDir::Files);
    return names.isEmpty() ? QString() : folder.filePath(names[0]);
}

}  // namespace orv::testing
