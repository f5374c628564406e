// Printing the move list (see MoveListPrinter.h).
#include "app/MoveListPrinter.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextCursor>
#include <QTextDocument>

#include <stdexcept>

namespace {

[[noreturn]] void ThrowInvalidPrinter()
{
    throw std::runtime_error("Printer selected is not valid");
}

} // namespace

QFont MoveListPrintFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

void FillMoveListDocument(QTextDocument& document, const QStringList& lines)
{
    document.clear();
    document.setDefaultFont(MoveListPrintFont());
    document.setDocumentMargin(0);
    QTextCursor cursor(&document);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock();
        cursor.insertText(lines[i]);
    }
}

void PrintMoveList(const QStringList& lines)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw std::runtime_error("There is no default printer currently selected");
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid() || printer.outputFormat() != QPrinter::NativeFormat)
        ThrowInvalidPrinter();
    PrintMoveList(lines, printer);
}

int PrintMoveList(const QStringList& lines, QPrinter& printer)
{
    printer.setDocName(QString());
    printer.setFullPage(false);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));

    QTextDocument document;
    FillMoveListDocument(document, lines);
    // Lay the text out for the printer itself, one page of the document per
    // printable area; the layout moves a line that would cross the bottom
    // edge to the next page.
    document.documentLayout()->setPaintDevice(&printer);
    const QRectF area = printer.pageRect(QPrinter::DevicePixel);
    if (area.width() <= 0 || area.height() <= 0)
        ThrowInvalidPrinter();
    document.setPageSize(area.size());
    const int pages = std::max(1, document.pageCount());

    QPainter painter;
    if (!painter.begin(&printer))
        ThrowInvalidPrinter();
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !printer.newPage())
            break;
        const QRectF onPage(0, page * area.height(), area.width(), area.height());
        painter.save();
        painter.translate(0, -onPage.top());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = onPage;
        painter.setClipRect(onPage);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
    }
    painter.end();
    return pages;
}
