// Pictures of the board's play aids for the user guide, each the board as
// the game window draws it (its colours, pieces and coordinates) with one
// aid showing:
//   mark-last-move.png     the last move's two squares
//   mark-check.png         the king in check
//   mark-legal-moves.png   a selected piece with the squares it can reach
//   mark-hint.png          a suggested move
//   promotion-chooser.png  the chooser of a promotion
//   keyboard-focus.png     the keyboard's focus frame on a picked-up piece
#include "board/ChessBoard.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

Square Sq(const char* name)
{
    return SquareAt(name[0] - 'a' + 1, name[1] - '0');
}

// A board in the game window's look, shown in a window of its own.
struct Scene {
    Scene()
    {
        window = std::make_unique<QWidget>();
        window->resize(420, 420);
        board = new TChessBoard(window.get(), true);
        board->move(0, 0);
        board->SetAnimateMoves(false);
        QFont coordFont(QStringLiteral("Arial"));
        coordFont.setStyleHint(QFont::SansSerif);
        coordFont.setPixelSize(9);
        board->SetCoordFont(coordFont);
        const QImage sheet = LoadSheetResource(QStringLiteral("CUSTOMSET"));
        if (!sheet.isNull())
            board->SetCustomPieceSet(&sheet);
        board->SetDisplayCoords(
            CoordSet{DisplayCoords::West, DisplayCoords::North, DisplayCoords::East, DisplayCoords::South});
        board->SetSizeOfBorder(24);
        board->SetSizeOfSquare(44);
        board->SetSquareColorDark(QColor(0x80, 0x00, 0x00));
        board->SetSquareColorLight(QColor(0x80, 0x80, 0x00));
        board->resize(8 * 44 + 48, 8 * 44 + 48);
        window->show();
    }
    void Play(std::initializer_list<const char*> moves)
    {
        for (const char* m : moves)
            if (!board->MakeMove(Sq(m), Sq(m + 2)))
                std::fprintf(stderr, "boardshots: %s refused\n", m);
    }
    QPoint Centre(Square s) const
    {
        int x = 0, y = 0;
        board->SquareOrigin(s, x, y);
        return QPoint(x + 22, y + 22);
    }
    void Click(Square s) { QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, Centre(s)); }
    std::unique_ptr<QWidget> window;
    TChessBoard* board = nullptr;
};

bool Save(const QDir& folder, const char* name, const std::function<void(Scene&)>& setUp)
{
    Scene scene;
    setUp(scene);
    QCoreApplication::processEvents();
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (!scene.board->grab().save(path)) {
        std::fprintf(stderr, "boardshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: boardshots <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists()) {
        std::fprintf(stderr, "boardshots: no folder %s\n", argv[1]);
        return 2;
    }
    bool ok = true;
    ok &= Save(folder, "mark-last-move.png", [](Scene& s) {
        s.board->SetHighlightLastMove(true);
        s.Play({"e2e4", "e7e5", "g1f3", "b8c6"});
    });
    ok &= Save(folder, "mark-check.png", [](Scene& s) {
        s.board->SetHighlightLastMove(true);
        s.board->SetHighlightCheck(true);
        s.Play({"e2e4", "e7e5", "f1c4", "d7d6", "d1f3", "b8c6", "f3f7"});
    });
    ok &= Save(folder, "mark-legal-moves.png", [](Scene& s) {
        s.board->SetClickToMove(true);
        s.board->SetShowLegalMoves(true);
        s.Play({"e2e4", "e7e5", "g1f3", "b8c6", "f1c4", "d7d6"});
        s.Click(Sq("f3"));
    });
    ok &= Save(folder, "mark-hint.png", [](Scene& s) {
        s.Play({"e2e4", "e7e5"});
        s.board->SetHintMove(Sq("g1"), Sq("f3"));
    });
    ok &= Save(folder, "promotion-chooser.png", [](Scene& s) {
        s.board->SetAskPromotionPiece(true);
        s.board->SetClickToMove(true);
        s.board->SetPosition(std::string("    k   ") + "  P     " + std::string(40, ' ') + "      K ");
        s.Click(Sq("c7"));
        s.Click(Sq("c8"));
    });
    ok &= Save(folder, "keyboard-focus.png", [](Scene& s) {
        s.board->SetShowLegalMoves(true);
        s.window->activateWindow();
        if (!QTest::qWaitForWindowActive(s.window.get()))
            std::fprintf(stderr, "boardshots: the window did not become active\n");
        // As reached with Tab: the frame starts on e2.
        s.board->clearFocus();
        s.board->setFocus(Qt::TabFocusReason);
        for (Qt::Key key :
             {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return, Qt::Key_Up, Qt::Key_Up, Qt::Key_Left})
            QTest::keyClick(s.board, key);
    });
    return ok ? 0 : 1;
}
