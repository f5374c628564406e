// Printing the move list: its lines go straight to the printer, one
// paragraph per line, laid out page by page over the printer's whole
// printable area (no margins of its own, no header, footer or page numbers,
// an empty print-job title). An empty list prints one blank page.
//
// How the main window uses it ("Imprimir"):
//
//     void TForm2::BitBtn1Click() {
//         RunGuarded([this] { PrintMoveList(linesOfListBox1); });
//     }
#pragma once

#include <QFont>
#include <QStringList>

class QPrinter;
class QTextDocument;

// The font of the printed text: the window's default font, 8 points.
QFont MoveListPrintFont();

// Fills `document` with one paragraph per line, in MoveListPrintFont.
void FillMoveListDocument(QTextDocument& document, const QStringList& lines);

// Prints on the system's default printer without a dialog. Throws
// "There is no default printer currently selected" when there is none and
// "Printer selected is not valid" when it cannot be used; nothing is printed
// then.
void PrintMoveList(const QStringList& lines);

// Prints on `printer` (a PDF printer in tests). Throws "Printer selected is
// not valid" when the printer cannot start the job. Returns the number of
// pages printed.
int PrintMoveList(const QStringList& lines, QPrinter& printer);
