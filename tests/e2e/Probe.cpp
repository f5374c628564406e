// Helper of the end-to-end test, run on the same X display as the program:
//   probe clipboard                 prints the clipboard's text
//   probe render-status TEXT FILE   saves the game window's status line
//                                   showing TEXT, as the program draws it
//   probe render-message TEXT FILE  saves the program's message box with TEXT
//   probe move-lines FROM-TO ...    plays the moves on a game window of its
//                                   own and prints the move list's lines
//   probe render-board FILE normal|turned FROM-TO ...
//                                   saves the game window's board after the
//                                   moves, White below or turned
//   probe score-sheet PGN PDF       prints the score sheet of the file's
//                                   first game to a PDF file
#include "app/Application.h"
#include "app/GameRecord.h"
#include "app/MoveListBox.h"
#include "app/ScoreSheet.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPrinter>
#include <QTextStream>

#include <cstdio>

namespace {

Square ParseSquare(const QString& text)
{
    if (text.size() != 2)
        return Square::None;
    const int file = text[0].toLower().unicode() - 'a' + 1;
    const int rank = text[1].unicode() - '0';
    if (file < 1 || file > 8 || rank < 1 || rank > 8)
        return Square::None;
    return SquareAt(file, rank);
}

int PrintClipboard()
{
    // The owner answers through the X server; give it a moment.
    QElapsedTimer timer;
    timer.start();
    QString text;
    while (timer.elapsed() < 3000) {
        text = QGuiApplication::clipboard()->text();
        if (!text.isEmpty())
            break;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    QTextStream(stdout) << text << Qt::endl;
    return text.isEmpty() ? 1 : 0;
}

int RenderStatus(const QString& text, const QString& file)
{
    TForm2 form(nullptr, true);
    form.FormShow(&form);
    form.Panel1->setText(text);
    return form.Panel1->grab().save(file) ? 0 : 1;
}

int RenderMessage(const QString& text, const QString& file)
{
    QMessageBox* box = CreateMessageBox(text);
    box->move(0, 0);
    box->show();
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    const bool saved = box->grab().save(file);
    delete box;
    return saved ? 0 : 1;
}

int MoveLines(const QStringList& moves)
{
    SetMessageSink([](const QString&) {});
    TForm2 form(nullptr, true);
    for (const QString& move : moves) {
        const QStringList ends = move.split('-');
        if (ends.size() != 2 || !form.ChessBoard1->MakeMove(ParseSquare(ends[0]), ParseSquare(ends[1]))) {
            std::fprintf(stderr, "probe: cannot play %s\n", qPrintable(move));
            return 1;
        }
    }
    QTextStream out(stdout);
    for (const QString& line : form.ListBox1->Lines())
        out << line << Qt::endl;
    return 0;
}

int RenderBoard(const QString& file, bool turned, const QStringList& moves)
{
    SetMessageSink([](const QString&) {});
    TForm2 form(nullptr, true);
    form.ChessBoard1->SetAnimateMoves(false);
    form.move(0, 0);
    form.show();
    for (const QString& move : moves) {
        const QStringList ends = move.split('-');
        if (ends.size() != 2 || !form.ChessBoard1->MakeMove(ParseSquare(ends[0]), ParseSquare(ends[1]))) {
            std::fprintf(stderr, "probe: cannot play %s\n", qPrintable(move));
            return 1;
        }
    }
    form.ChessBoard1->SetWhiteOnTop(turned);
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return form.ChessBoard1->grab().save(file) ? 0 : 1;
}

int PrintSheet(const QString& pgn, const QString& pdf)
{
    try {
        const std::vector<PgnGame> games = ReadPgnFile(pgn);
        if (games.empty() || !games.front().Ok) {
            std::fprintf(stderr, "probe: no readable game in %s\n", qPrintable(pgn));
            return 1;
        }
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        std::printf("%d pages\n", PrintScoreSheet(games.front().Value, printer));
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "probe: %s\n", e.what());
        return 1;
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.value(0) == "clipboard")
        return PrintClipboard();
    if (args.value(0) == "render-status" && args.size() == 3)
        return RenderStatus(args[1], args[2]);
    if (args.value(0) == "render-message" && args.size() == 3)
        return RenderMessage(args[1], args[2]);
    if (args.value(0) == "move-lines")
        return MoveLines(args.mid(1));
    if (args.value(0) == "render-board" && args.size() >= 3)
        return RenderBoard(args[1], args[2] == "turned", args.mid(3));
    if (args.value(0) == "score-sheet" && args.size() == 3)
        return PrintSheet(args[1], args[2]);
    std::fprintf(stderr, "usage: probe clipboard | render-status TEXT FILE | render-message TEXT FILE | move-lines FROM-TO... "
                         "| render-board FILE normal|turned FROM-TO... | score-sheet PGN PDF\n");
    return 2;
}
