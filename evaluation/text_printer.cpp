#include "evaluation/text_printer.h"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QTextOption>

#include "app/form_look.h"

namespace orv::evaluation {

namespace {

PrinterFactory& Factory() {
    static PrinterFactory factory;
    return factory;
}

std::unique_ptr<QPrinter> DefaultPrinter() {
    if (Factory()) {
        return Factory()();
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return nullptr;
    }
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

}  // namespace

QFont PrinterFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(10);
    return font;
}

QString PrintableLines(const std::string& text) {
    QString lines = app::FromFileText(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}

PrintOutcome PrintText(QPrinter& printer, const std::string& text) {
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(PrinterFont());
    QTextOption option = document.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document.setDefaultTextOption(option);
    document.setPlainText(PrintableLines(text));

    QPainter painter;
    if (!painter.begin(&printer)) {
        return PrintOutcome::kFailed;
    }
    // Lay the text out in the printer's resolution, one page at a time; a
    // set page size also keeps the document from adding page numbers.
    document.documentLayout()->setPaintDevice(&printer);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    document.setPageSize(page.size());
    for (int index = 0; index < document.pageCount(); ++index) {
        if (index > 0 && !printer.newPage()) {
            painter.end();
            return PrintOutcome::kFailed;
        }
        const QRectF area(0, index * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(0, -area.top());
        document.drawContents(&painter, area);
        painter.restore();
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        return PrintOutcome::kFailed;
    }
    return PrintOutcome::kPrinted;
}

PrintOutcome PrintOnDefaultPrinter(const std::string& text) {
    const std::unique_ptr<QPrinter> printer = DefaultPrinter();
    if (printer == nullptr) {
        return PrintOutcome::kNoPrinter;
    }
    return PrintText(*printer, text);
}

void SetPrinterFactory(PrinterFactory factory) {
    Factory() = std::move(factory);
}

}  // namespace orv::evaluation
