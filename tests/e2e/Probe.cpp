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
//   probe geometry                  lays out the program's windows unseen and
//                                   prints where their parts stand, so that
//                                   scripts never copy the layout's numbers
//   probe score-sheet PGN PDF       prints the score sheet of the file's
//                                   first game to a PDF file
//   probe training-record FILE      writes a training record of a dozen
//                                   exercises done (pictures of the progress)
#include "app/Application.h"
#include "app/ExercisePlayer.h"
#include "app/GameRecord.h"
#include "app/HoverLabel.h"
#include "app/MediaPlayerBar.h"
#include "app/MoveListBox.h"
#include "app/PositionEditorBoard.h"
#include "app/PositionEditorDialog.h"
#include "app/ScoreSheet.h"
#include "app/TrainingDatabase.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit4.h"
#include "board/ChessBoard.h"
#include "core/Fen.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
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
    // Laid out as shown, but never mapped: the program's own windows are
    // the only ones the scripts see on the display.
    box->setAttribute(Qt::WA_DontShowOnScreen);
    box->show();
    QCoreApplication::processEvents();
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

// Lays the window out as when shown, without mapping it: the real
// program on the same display is not disturbed.
void LayOut(QWidget& window)
{
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    QCoreApplication::processEvents();
}

void PrintRect(QTextStream& out, const QString& name, const QRect& r)
{
    out << name << ' ' << r.x() << ' ' << r.y() << ' ' << r.width() << ' ' << r.height() << Qt::endl;
}

// "WINDOW x y w h" with the window's place on the screen, then
// "WINDOW.CHILD x y w h" for each named widget, relative to the window.
void PrintWindow(QTextStream& out, QWidget& window)
{
    const QString name = window.objectName();
    PrintRect(out, name, window.geometry());
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (child->objectName().isEmpty() || child->isWindow() || !child->isVisibleTo(&window))
            continue;
        PrintRect(out, name + '.' + child->objectName(), QRect(child->mapTo(&window, QPoint()), child->size()));
    }
}

// "Form2.menu.MENU x y w h LETTER" for each menu of the menu bar, LETTER
// being its Alt key, and "Form2.item.MENU.ITEM x y w h" for each item, in
// the menu's popup, which opens below the menu's title.
void PrintMenus(QTextStream& out, TForm2& form)
{
    QMenuBar* bar = form.menuBar();
    for (QAction* action : bar->actions()) {
        QMenu* menu = action->menu();
        if (!menu || !action->isVisible())
            continue;
        const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
        const QString letter =
            mnemonic.isEmpty() ? QStringLiteral("-") : QKeySequence(mnemonic[0].key()).toString().toLower();
        const QRect r(bar->mapTo(&form, bar->actionGeometry(action).topLeft()), bar->actionGeometry(action).size());
        out << "Form2.menu." << menu->objectName() << ' ' << r.x() << ' ' << r.y() << ' ' << r.width() << ' '
            << r.height() << ' ' << letter << Qt::endl;
        menu->ensurePolished();
        menu->sizeHint(); // lays the items out
        for (QAction* entry : menu->actions()) {
            const QString entryName = entry->menu() ? entry->menu()->objectName() : entry->objectName();
            if (entry->isSeparator() || !entry->isVisible() || entryName.isEmpty())
                continue;
            PrintRect(out, QStringLiteral("Form2.item.%1.%2").arg(menu->objectName(), entryName),
                      menu->actionGeometry(entry));
        }
    }
}

// "Form2.square.e2 x y w h" for each square of the game window's board.
void PrintSquares(QTextStream& out, TForm2& form)
{
    TChessBoard* board = form.ChessBoard1;
    const int size = board->SizeOfSquare();
    for (int file = 1; file <= 8; ++file) {
        for (int rank = 1; rank <= 8; ++rank) {
            int x = 0, y = 0;
            board->SquareOrigin(SquareAt(file, rank), x, y);
            const QString name = QStringLiteral("Form2.square.%1%2").arg(QChar('a' + file - 1)).arg(rank);
            PrintRect(out, name, QRect(board->mapTo(&form, QPoint(x, y)), QSize(size, size)));
        }
    }
}

// "ExercisePlayer.square.e2 x y w h" for each square of the exercise
// player's board, White at the bottom, relative to the player's window.
void PrintExerciseSquares(QTextStream& out, TExercisePlayer& player)
{
    TChessBoard* board = player.Board();
    const int size = board->SizeOfSquare();
    for (int file = 1; file <= 8; ++file) {
        for (int rank = 1; rank <= 8; ++rank) {
            int x = 0, y = 0;
            board->SquareOrigin(SquareAt(file, rank), x, y);
            const QString name = QStringLiteral("ExercisePlayer.square.%1%2").arg(QChar('a' + file - 1)).arg(rank);
            PrintRect(out, name, QRect(board->mapTo(&player, QPoint(x, y)), QSize(size, size)));
        }
    }
}

int Geometry()
{
    SetMessageSink([](const QString&) {});
    QTextStream out(stdout);
    TForm1 form1;
    LayOut(form1);
    PrintWindow(out, form1);

    TForm2 form2(nullptr, true);
    LayOut(form2);
    PrintWindow(out, form2);
    PrintMenus(out, form2);
    PrintSquares(out, form2);

    TExercisePlayer player;
    player.ShowExercise(TExercise{"probe", std::string(StandardStartFen), {"e2e4"}, 1500, {}}, QStringLiteral("-"));
    LayOut(player);
    PrintWindow(out, player);
    PrintExerciseSquares(out, player);

    TForm4 form4(nullptr);
    form4.setObjectName(QStringLiteral("Form4"));
    LayOut(form4);
    PrintWindow(out, form4);
    // Its parts carry no names of their own.
    const auto part = [&](const char* name, QWidget* w) {
        PrintRect(out, QStringLiteral("Form4.%1").arg(QLatin1String(name)),
                  QRect(w->mapTo(&form4, QPoint()), w->size()));
    };
    part("Label1", form4.Label1);
    part("PlayButton", form4.MediaPlayer1->PlayButton());
    part("PauseButton", form4.MediaPlayer1->PauseButton());
    part("StopButton", form4.MediaPlayer1->StopButton());

    // The position editor, and "MontarPosicao.square.e2 x y w h" for each
    // square of its board.
    PositionEditorDialog editor(QString::fromLatin1(StandardStartFen.data()));
    LayOut(editor);
    PrintWindow(out, editor);
    for (int n = 1; n <= 64; ++n) {
        const Square square = SquareFromOrd(n);
        const QRect r = editor.Board->SquareRect(square);
        PrintRect(out, QStringLiteral("MontarPosicao.square.%1").arg(QString::fromStdString(LowerSquareName(square))),
                  QRect(editor.Board->mapTo(&editor, r.topLeft()), r.size()));
    }
    return 0;
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

// A training record of a person who has done a dozen exercises, some
// solved and some not (for the pictures of the progress view).
int WriteTrainingRecord(const QString& path)
{
    TTrainingDatabase db;
    if (!db.Open(path)) {
        std::fprintf(stderr, "probe: %s\n", qPrintable(db.Error()));
        return 1;
    }
    struct Try {
        const char* id;
        int rating;
        bool solved;
        std::vector<std::string> themes;
    };
    const std::vector<Try> tries{
        {"a1", 1450, true, {"mateIn1", "mate"}},           {"a2", 1550, true, {"fork", "material"}},
        {"a3", 1650, false, {"pin", "material"}},          {"a4", 1500, true, {"hangingPiece", "material"}},
        {"a5", 1700, true, {"mateIn2", "mate"}},           {"a6", 1750, false, {"fork", "material"}},
        {"a7", 1600, true, {"backRank", "mateIn1"}},       {"a8", 1800, true, {"promotion", "material"}},
        {"a9", 1850, false, {"mateIn3", "mate"}},          {"a10", 1700, true, {"pin", "material"}},
        {"a11", 1750, true, {"hangingPiece", "material"}}, {"a12", 1800, true, {"fork", "material"}},
    };
    std::int64_t at = 1'800'000'000;
    for (const Try& t : tries)
        db.RecordAttempt({t.id, TExerciseSource::ShippedSet, t.themes, t.rating, t.solved, at += 3600});
    db.RecordAttempt({"erro-1", TExerciseSource::OwnMistakes, {}, 1500, false, at += 3600});
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // The windows as on a first run, and nothing stored by them (the game
    // window remembers its place) where the program under test reads.
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
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
    if (args.value(0) == "geometry")
        return Geometry();
    if (args.value(0) == "training-record" && args.size() == 2)
        return WriteTrainingRecord(args[1]);
    if (args.value(0) == "score-sheet" && args.size() == 3)
        return PrintSheet(args[1], args[2]);
    std::fprintf(
        stderr,
        "usage: probe clipboard | render-status TEXT FILE | render-message TEXT FILE | move-lines FROM-TO... "
        "| render-board FILE normal|turned FROM-TO... | geometry | score-sheet PGN PDF | training-record FILE\n");
    return 2;
}
