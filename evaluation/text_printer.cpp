#include "evaluation/text_printer.h"

#include <QFont>
#include <QFontDatabase>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextLayout>
#include <QTextOption>

#include "app/core/app_title.h"
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

// The name of the job in the print queue, unless the printer came with one
// (a test names its own); nothing of it goes on paper.
void NameJob(QPrinter& printer) {
    if (printer.docName().isEmpty()) {
        printer.setDocName(QString::fromLatin1(kAppTitle));
    }
}

}  // namespace

QFont TypewriterFont(double points) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(points);
    return font;
}

QString PrintableLines(const std::string& text, bool utf8) {
    QString lines = utf8 ? QString::fromStdString(text) : app::FromFileText(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}

PrintOutcome PrintText(QPrinter& printer, const std::string& text, bool utf8) {
    NameJob(printer);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return PrintOutcome::kFailed;
    }
    // Lines are laid out in the printer's resolution; the painter's origin is
    // the top left of the printable area.
    // The font a printer starts with. At 9 points the longest evaluation line
    // (about 100 characters) fits across an A4 or Letter page.
    const QFont font(TypewriterFont(9), &printer);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    qreal top = 0;
    for (const QString& line : PrintableLines(text, utf8).split(QLatin1Char('\n'))) {
        QTextLayout layout(line, font, &printer);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine part = layout.createLine(); part.isValid(); part = layout.createLine()) {
            part.setLineWidth(page.width());
        }
        layout.endLayout();
        for (int index = 0; index < layout.lineCount(); ++index) {
            const QTextLine part = layout.lineAt(index);
            if (top > 0 && top + part.height() > page.height()) {
                if (!printer.newPage()) {
                    painter.end();
                    return PrintOutcome::kFailed;
                }
                top = 0;
            }
            part.draw(&painter, QPointF(0, top - part.y()));
            top += part.height();
        }
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        return PrintOutcome::kFailed;
    }
    return PrintOutcome::kPrinted;
}

PrintOutcome PrintOnDefaultPrinter(const PrintDocument& print, QWidget* parent) {
    if (const std::unique_ptr<QPrinter> printer = DefaultPrinter()) {
        NameJob(*printer);
        return print(*printer);
    }
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        return PrintOutcome::kNoPrinter;
    }
    QPrinter chosen(QPrinter::HighResolution);
    QPrintDialog dialog(&chosen, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return PrintOutcome::kCancelled;
    }
    NameJob(chosen);
    return print(chosen);
}

PrintOutcome PrintEvaluationText(const std::string& text, QWidget* parent, bool utf8) {
    return PrintOnDefaultPrinter([&](QPrinter& printer) { return PrintText(printer, text, utf8); },
                                 parent);
}

void SetPrinterFactory(PrinterFactory factory) {
    Factory() = std::move(factory);
}

}  // namespace orv::evaluation
