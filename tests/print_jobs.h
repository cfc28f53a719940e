#pragma once

#include <QDir>
#include <QPrinterInfo>
#include <QProcess>
#include <QUuid>
#include <algorithm>
#include <memory>

namespace orv::testing {

// The lines the local print server answers (ipptool -c) to this user's
// requests, each an operation with its own attributes and what to show.
inline QStringList AskPrintServer(const QStringList& requests) {
    QString text;
    for (const QString& request : requests) {
        text += "{ OPERATION " + request.section(' ', 0, 0) +
                " GROUP operation-attributes-tag ATTR charset attributes-charset utf-8"
                " ATTR language attributes-natural-language en ATTR uri printer-uri $uri"
                " ATTR name requesting-user-name $user " +
                request.section(' ', 1) + " }";
    }
    QProcess ipp;
    ipp.start(QStringLiteral("ipptool"), {"-c", "ipp://localhost/", "/dev/stdin"});
    ipp.write(text.toUtf8());
    ipp.closeWriteChannel();
    ipp.waitForFinished(30000);
    return QString::fromUtf8(ipp.readAllStandardOutput()).split('\n');
}

// The print jobs a test submits from now on under a title of its own, told
// apart from whatever else is printed on the machine meanwhile (another
// build's tests, a user).
struct OwnPrintJobs {
    static QStringList Ids() {  // of every job the server keeps, and lines that are none
        return AskPrintServer({"Get-Jobs ATTR keyword which-jobs all DISPLAY job-id"});
    }
    // The default printer naming its jobs so; null without one. For SetPrinterFactory.
    std::unique_ptr<QPrinter> Printer() const {
        if (QPrinterInfo::defaultPrinter().isNull()) {
            return nullptr;
        }
        auto printer =
            std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        printer->setDocName(title);
        return printer;
    }
    // The states of the jobs so named ("pending", "completed", ...). The server
    // tells a completed job's title only when asked for that one job.
    QStringList States() const {
        QStringList requests, states;
        for (const QString& id : Ids()) {
            if (id.toInt() > newest) {
                requests << "Get-Job-Attributes ATTR integer job-id " + id +
                                " DISPLAY job-name DISPLAY job-state";
            }
        }
        for (const QString& line : requests.isEmpty() ? requests : AskPrintServer(requests)) {
            if (line.startsWith(title + ',')) {
                states << line.mid(title.size() + 1);
            }
        }
        return states;
    }
    // The PDF the PDF printer (scripts/start-print-server.sh) made of them,
    // in $HOME/PDF, named by the title and more.
    QString Pdf() const {
        const QDir folder(QDir::homePath() + "/PDF");
        return folder.filePath(folder.entryList({title + "*.pdf"}).value(0));
    }

    const QString title = "orvane-test-" + QUuid::createUuid().toString(QUuid::Id128);
    const int newest =
        std::ranges::max(Ids(), {}, [](const QString& id) { return id.toInt(); }).toInt();
};

}  // namespace orv::testing
