// The promotion chooser: when AskPromotionPiece is set, a person's pawn that
// reaches the last rank waits while four pieces (queen, rook, bishop,
// knight), drawn with the board's own piece images, stand in a column from
// the promotion square towards the middle of the board. A click on one, or
// the keyboard, makes the move with it; Escape or a click anywhere else
// cancels, leaving the pawn where it was and the game unchanged.
//
// The chooser is a child of the board covering it with a veil. It holds the
// mouse and the keyboard while open, so a click outside the board reaches it
// too.
#include "board/ChessBoard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <array>

class TChessBoard::PromotionChooser : public QWidget {
public:
    PromotionChooser(TChessBoard& board, Square square, bool white) : QWidget(&board), board_(board), square_(square)
    {
        setObjectName(QStringLiteral("promotionChooser"));
        setAccessibleName(QCoreApplication::translate("TChessBoard", "Escolha a peça da promoção"));
        setFocusPolicy(Qt::StrongFocus);
        setMouseTracking(true);
        setGeometry(board.rect());
        static constexpr std::array<char, 4> kLetters = {'q', 'r', 'b', 'n'};
        for (std::size_t i = 0; i < kLetters.size(); ++i) {
            letters_[i] = kLetters[i];
            const char piece = white ? static_cast<char>(kLetters[i] - 'a' + 'A') : kLetters[i];
            pieces_[i] = piece;
        }
    }

    void Open()
    {
        show();
        raise();
        setFocus(Qt::OtherFocusReason);
        // Not every platform lets a widget grab the mouse: a press on any
        // other widget of the program is caught on its way as well.
        qApp->installEventFilter(this);
        grabMouse();
        grabKeyboard();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &board_ && event->type() == QEvent::Resize) {
            setGeometry(board_.rect());
            return false;
        }
        const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
        if (!press || !watched->isWidgetType() || watched == this)
            return false;
        board_.PromotionChosen(0);
        return true;
    }

    // The four cells, from the promotion square towards the middle of the
    // board, as the board stands now (its size or orientation may change
    // while the chooser waits).
    std::array<QRect, 4> Cells() const
    {
        const int S = board_.sizeOfSquare_;
        int column = 0;
        int row = 0;
        board_.ScreenCell(square_, column, row);
        const int step = row < 4 ? 1 : -1;
        std::array<QRect, 4> cells;
        for (std::size_t i = 0; i < cells.size(); ++i)
            cells[i] =
                QRect(board_.boardLeft_ + column * S, board_.boardTop_ + (row + step * static_cast<int>(i)) * S, S, S);
        return cells;
    }

    // The cell under a point of the chooser, -1 for none.
    int CellAt(QPoint at) const
    {
        const std::array<QRect, 4> cells = Cells();
        for (std::size_t i = 0; i < cells.size(); ++i)
            if (cells[i].contains(at))
                return static_cast<int>(i);
        return -1;
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const std::array<QRect, 4> cells = Cells();
        const int offset = (board_.sizeOfSquare_ - board_.pieceSize_) / 2;
        QPainter p(this);
        p.fillRect(rect(), QColor(0, 0, 0, 80));
        p.setRenderHint(QPainter::Antialiasing, true);
        const QRect column = cells.front().united(cells.back());
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawRoundedRect(QRectF(column).translated(2, 3), 6, 6);
        p.setBrush(QColor(248, 248, 244));
        p.setPen(QPen(QColor(70, 70, 70), 1));
        p.drawRoundedRect(QRectF(column).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (static_cast<int>(i) == current_) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(60, 130, 240, 90));
                p.drawRoundedRect(QRectF(cells[i]).adjusted(2, 2, -2, -2), 5, 5);
            }
            // The board's own piece images, as it draws them on a square.
            const QImage& image = board_.pieceImages_.Masked(board_.PieceImageIndex(pieces_[i]));
            p.drawImage(cells[i].topLeft() + QPoint(offset, offset), image);
        }
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        event->accept();
        const int cell = CellAt(event->position().toPoint());
        board_.PromotionChosen(cell >= 0 ? letters_[static_cast<std::size_t>(cell)] : 0);
    }

    void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        const int cell = CellAt(event->position().toPoint());
        if (cell >= 0 && cell != current_) {
            current_ = cell;
            update();
        }
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        event->accept();
        // The queen's cell touches the promotion square; the others follow
        // it towards the middle of the board.
        const std::array<QRect, 4> cells = Cells();
        const bool downwards = cells[1].top() > cells[0].top();
        switch (event->key()) {
        case Qt::Key_Escape: board_.PromotionChosen(0); return;
        case Qt::Key_Up:
        case Qt::Key_Down: {
            const int towardsMiddle = (event->key() == Qt::Key_Down) == downwards ? 1 : -1;
            current_ = std::clamp(current_ + towardsMiddle, 0, 3);
            update();
            return;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space: board_.PromotionChosen(letters_[static_cast<std::size_t>(current_)]); return;
        // The Portuguese initials (Dama, Torre, Bispo, Cavalo) and the
        // English ones.
        case Qt::Key_D:
        case Qt::Key_Q: board_.PromotionChosen('q'); return;
        case Qt::Key_T:
        case Qt::Key_R: board_.PromotionChosen('r'); return;
        case Qt::Key_B: board_.PromotionChosen('b'); return;
        case Qt::Key_C:
        case Qt::Key_N: board_.PromotionChosen('n'); return;
        default: return;
        }
    }

private:
    TChessBoard& board_;
    Square square_;
    // The letters handed to OnPromotion and the pieces shown, queen first.
    std::array<char, 4> letters_{};
    std::array<char, 4> pieces_{};
    int current_ = 0;
};

bool TChessBoard::OpenPromotionChooser(Square from, Square to)
{
    if (!aids_.AskPromotionPiece || !IsLegalMove(from, to))
        return false;
    const char pawn = PieceAt(from);
    if (!((pawn == 'P' && RankOf(to) == 8) || (pawn == 'p' && RankOf(to) == 1)))
        return false;
    ClosePromotionChooser();
    promotionFrom_ = from;
    promotionTo_ = to;
    chooser_ = new PromotionChooser(*this, to, pawn == 'P');
    chooser_->Open();
    return true;
}

void TChessBoard::PromotionChosen(char piece)
{
    const Square from = promotionFrom_;
    const Square to = promotionTo_;
    ClosePromotionChooser();
    if (piece == 0)
        return;
    // The chosen piece reaches OnPromotion as its NewPiece; the property
    // keeps the value it had for the moves that ask nothing.
    const char kept = promotionPiece_;
    promotionPiece_ = piece;
    PlayerMove(from, to);
    promotionPiece_ = kept;
}

void TChessBoard::ClosePromotionChooser()
{
    if (chooser_ == nullptr)
        return;
    PromotionChooser* chooser = chooser_;
    chooser_ = nullptr;
    promotionFrom_ = promotionTo_ = Square::None;
    qApp->removeEventFilter(chooser);
    chooser->releaseKeyboard();
    chooser->releaseMouse();
    // The focus comes back to the board before the chooser hides: hiding
    // the focused chooser would pass the focus on as Tab does, which shows
    // the keyboard's frame to a mouse user.
    if (chooser->hasFocus())
        setFocus(Qt::OtherFocusReason);
    chooser->hide();
    // Possibly inside the chooser's own event handler.
    chooser->deleteLater();
}
