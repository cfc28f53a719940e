#pragma once

#include <QFont>
#include <QString>
#include <functional>
#include <memory>
#include <string>

class QPrinter;
class QWidget;

namespace orv::evaluation {

enum class PrintOutcome {
    kPrinted,
    kNoPrinter,  // the system has no printer
    kFailed,     // the printer would not take the document
    kCancelled,  // the user closed the print dialog without printing
};

// A typewriter face at `points`, in which the evaluation's indentation holds.
QFont TypewriterFont(double points);

// The text as it goes to paper: every CR LF (or lone CR) starts a new line.
// The text is UTF-8, or single-byte (Latin-1).
QString PrintableLines(const std::string& text, bool utf8 = false);

// Prints `text` as one document on `printer`, in the printer's font, with its
// line ends as new lines; lines too wide for the page go on in the next line,
// and pages break where the page is full. The job is named after the program
// unless the printer already has a document name.
PrintOutcome PrintText(QPrinter& printer, const std::string& text, bool utf8 = false);

// Prints one document with `print` on the system's default printer, at once.
// When the system has printers but none is the default, the standard print
// dialog (owned by `parent`) lets the user pick one first.
using PrintDocument = std::function<PrintOutcome(QPrinter&)>;
PrintOutcome PrintOnDefaultPrinter(const PrintDocument& print, QWidget* parent);

// Prints `text` as one document on the system's default printer (as above).
PrintOutcome PrintEvaluationText(const std::string& text, QWidget* parent, bool utf8 = false);

// Replaces the default printer (for tests); an empty factory restores it.
// A factory that returns null stands for a system without a default printer.
using PrinterFactory = std::function<std::unique_ptr<QPrinter>()>;
void SetPrinterFactory(PrinterFactory factory);

}  // namespace orv::evaluation
