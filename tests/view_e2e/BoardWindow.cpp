// A window with one board, for driving the board with real X pointer events.
//   view_e2e_board --out FOLDER [--look default|custom|aids]
// Writes FOLDER/ready with the centre of every square ("e2 X Y") in window
// coordinates once shown, and appends a line to FOLDER/events for every
// legal and illegal move and every promotion. When FOLDER/animate appears,
// the board makes e7-e5 itself, sliding the pawn slowly, as the computer's
// moves slide. The look "aids" switches on click-to-move, the legal-move
// marks and the promotion chooser, on a position with a pawn about to
// promote: kings on a8 and a1, White pawns on e7 and e2.
#include "board/ChessBoard.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

namespace {

void Append(const QString& path, const QString& line)
{
    QFile file(path);
    if (file.open(QIODevice::Append | QIODevice::Text))
        QTextStream(&file) << line << '\n';
}

QString Name(Square s)
{
    return QString(QChar('a' + FileOf(s) - 1)) + QString::number(RankOf(s));
}

// The main window's stored look: maroon and olive squares, coordinates on
// every side in a 9-pixel font, squares of 44, and the stored custom sheet.
void ApplyCustomLook(TChessBoard& board)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(9);
    board.SetCoordFont(font);
    board.SetCoordFontColor(Qt::white);
    board.SetDisplayCoords(CoordSet::All());
    board.SetSquareColorDark(QColor(0x80, 0x00, 0x00));
    board.SetSquareColorLight(QColor(0x80, 0x80, 0x00));
    const QImage sheet = LoadSheetResource(QStringLiteral("CUSTOMSET"));
    board.SetCustomPieceSet(&sheet);
    board.SetStandardSize(StandardSet::Size40);
    board.SetSizeOfBorder(24);
    board.SetSizeOfSquare(44);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int outAt = args.indexOf(QStringLiteral("--out"));
    if (outAt < 0 || outAt + 1 >= args.size())
        return 2;
    const QString out = args[outAt + 1];
    QDir().mkpath(out);
    const bool custom = args.contains(QStringLiteral("custom"));
    const bool aids = args.contains(QStringLiteral("aids"));

    QWidget window;
    const QString title = QStringLiteral("Kestravin board %1").arg(custom ? "custom" : aids ? "aids" : "default");
    window.setWindowTitle(title);
    window.resize(440, 440);
    window.move(0, 0);
    auto* board = new TChessBoard(&window, true);
    board->move(20, 20);
    board->resize(400, 400);
    if (custom)
        ApplyCustomLook(*board);
    if (aids) {
        board->SetClickToMove(true);
        board->SetShowLegalMoves(true);
        board->SetAskPromotionPiece(true);
        board->SetPosition(std::string("k       ") + "    P   " + std::string(32, ' ') + "    P   " + "K       ");
    }

    const QString events = QDir(out).filePath(QStringLiteral("events"));
    board->OnLegalMove = [&](QObject*, Square a, Square b) {
        Append(events,
               QStringLiteral("legal %1 %2 %3").arg(Name(a), Name(b), QString::fromStdString(board->Position())));
    };
    board->OnIllegalMove = [&](QObject*, Square a) { Append(events, QStringLiteral("illegal %1").arg(Name(a))); };
    board->OnPromotion = [&](QObject*, Square, Square, char& piece) {
        Append(events, QStringLiteral("promotion %1").arg(QChar(piece)));
    };

    window.show();
    QTimer::singleShot(300, [&] {
        auto centre = [&](Square s) {
            int x = 0, y = 0;
            board->SquareOrigin(s, x, y);
            const QPoint p =
                board->mapTo(&window, QPoint(x + board->SizeOfSquare() / 2, y + board->SizeOfSquare() / 2));
            return QStringLiteral("%1 %2").arg(p.x()).arg(p.y());
        };
        QFile ready(QDir(out).filePath(QStringLiteral("ready")));
        if (ready.open(QIODevice::WriteOnly | QIODevice::Text)) {
            QTextStream text(&ready);
            for (int q = 1; q <= 64; ++q)
                text << Name(SquareFromOrd(q)) << ' ' << centre(SquareFromOrd(q)) << '\n';
        }
    });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!QFile::exists(QDir(out).filePath(QStringLiteral("animate"))))
            return;
        poll.stop();
        board->SetAnimationDelay(20);
        board->MakeMove(Square::E7, Square::E5);
    });
    poll.start(50);
    return app.exec();
}
