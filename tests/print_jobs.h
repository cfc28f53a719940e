#pragma once

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QUuid>
#include <memory>

namespace orv::testing {

// The lines the local print server answers (ipptool -c) to requests of this
// user, each an operation and its own attributes and what to show of them.
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

// The ids of the jobs the print server keeps (with a line or two that are none).
inline QStringList PrintJobIds() {
    return AskPrintServer(
        {"Get-Jobs ATTR keyword which-jobs all"
         " ATTR keyword requested-attributes job-id DISPLAY job-id"});
}

// The print jobs a test submits from now on under a title of its own, told
// apart from whatever else is printed on the machine at the same time
// (another build's tests, a user).
class OwnPrintJobs {
  public:
    const QString title = "orvane-test-" + QUuid::createUuid().toString(QUuid::Id128);

    // The default printer naming its jobs `title`; null without a default
    // printer, like the program's own. For SetPrinterFactory.
    std::unique_ptr<QPrinter> Printer() const {
        if (QPrinterInfo::defaultPrinter().isNull()) {
            return nullptr;
        }
        auto printer =
            std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        printer->setDocName(title);
        return printer;
    }

    // The states ("pending", "processing", "completed", "aborted", ...) of the
    // jobs titled `title`, oldest first. The server tells the title of a
    // completed job only when asked for that job.
    QStringList States() const {
        QStringList requests, states;
        for (const QString& id : PrintJobIds()) {
            if (id.toInt() > before_) {
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

    // The PDF that the PDF printer (scripts/start-print-server.sh) made of a
    // job titled `title`, "" if none: in $HOME/PDF, named by the title and more.
    QString Pdf() const {
        const QDir folder(QDir::home().filePath(QStringLiteral("PDF")));
        const QStringList names = folder.entryList({title + "*.pdf"}, QDir::Files);
        return names.isEmpty() ? QString() : folder.filePath(names[0]);
    }

  private:
    int before_ = [] {  // the newest job's id
        int newest = 0;
        for (const QString& id : PrintJobIds()) {
            newest = qMax(newest, id.toInt());
        }
        return newest;
    }();
};

}  // namespace orv::testing
