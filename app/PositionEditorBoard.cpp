#include "app/PositionEditorBoard.h"

#include "app/PositionEditorModel.h"
#include "board/BoardWords.h"
#include "core/PieceLetter.h"

#include <QAccessible>
#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The game window's look: its square colours and a black border with white
// coordinates.
const QColor LightSquare(0x80, 0x80, 0x00);
const QColor DarkSquare(0x80, 0x00, 0x00);

QByteArray PieceMime(char piece, Square from)
{
    QByteArray data(1, piece);
    if (from != Square::None)
        data += QByteArray::fromStdString(LowerSquareName(from));
    return data;
}

// The piece and the square it left of a drag's data; false for data that
// is not a piece.
bool ReadPieceMime(const QMimeData* mime, char& piece, Square& from)
{
    if (mime == nullptr || !mime->hasFormat(QString::fromLatin1(PieceMimeType)))
        return false;
    const QByteArray data = mime->data(QString::fromLatin1(PieceMimeType));
    if (data.isEmpty() || !IsPieceLetter(data[0]))
        return false;
    piece = data[0];
    from = data.size() == 3 ? SquareFromName(data[1], data[2]) : Square::None;
    return true;
}

} // namespace

PositionEditorBoard::PositionEditorBoard(PositionEditorModel* model, QWidget* parent) : QWidget(parent), model_(model)
{
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(tr("Tabuleiro de montagem"));
    connect(model_, &PositionEditorModel::changed, this, [this] {
        update();
        DescribeCursor();
    });
    DescribeCursor();
}

QSize PositionEditorBoard::sizeHint() const
{
    return {8 * SquareSize + 2 * Border, 8 * SquareSize + 2 * Border};
}

void PositionEditorBoard::SetWhiteOnTop(bool on)
{
    if (on == whiteOnTop_)
        return;
    whiteOnTop_ = on;
    update();
}

void PositionEditorBoard::SetCursor(Square square)
{
    if (square == Square::None || square == cursor_)
        return;
    cursor_ = square;
    update();
    DescribeCursor();
    emit cursorMoved(cursor_);
}

QRect PositionEditorBoard::SquareRect(Square square) const
{
    if (square == Square::None)
        return {};
    const int column = whiteOnTop_ ? 8 - FileOf(square) : FileOf(square) - 1;
    const int row = whiteOnTop_ ? RankOf(square) - 1 : 8 - RankOf(square);
    return {Border + column * SquareSize, Border + row * SquareSize, SquareSize, SquareSize};
}

Square PositionEditorBoard::SquareAtPoint(QPoint point) const
{
    const int x = point.x() - Border;
    const int y = point.y() - Border;
    if (x < 0 || y < 0 || x >= 8 * SquareSize || y >= 8 * SquareSize)
        return Square::None;
    const int column = x / SquareSize;
    const int row = y / SquareSize;
    return whiteOnTop_ ? SquareAt(8 - column, row + 1) : SquareAt(column + 1, 8 - row);
}

void PositionEditorBoard::paintEvent(QPaintEvent*)
{
    pieces_.Prepare(devicePixelRatioF());
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(Qt::white);
    for (int i = 1; i <= 8; ++i) {
        const QRect file = SquareRect(SquareAt(i, 1));
        const QRect rank = SquareRect(SquareAt(1, i));
        const QString letter(QChar('a' + i - 1));
        const QString number = QString::number(i);
        painter.drawText(QRect(file.left(), 0, SquareSize, Border), Qt::AlignCenter, letter);
        painter.drawText(QRect(file.left(), height() - Border, SquareSize, Border), Qt::AlignCenter, letter);
        painter.drawText(QRect(0, rank.top(), Border, SquareSize), Qt::AlignCenter, number);
        painter.drawText(QRect(width() - Border, rank.top(), Border, SquareSize), Qt::AlignCenter, number);
    }
    const int inset = (SquareSize - pieces_.Size()) / 2;
    for (int n = 1; n <= 64; ++n) {
        const Square square = SquareFromOrd(n);
        const QRect r = SquareRect(square);
        painter.fillRect(r, IsLightSquare(square) ? LightSquare : DarkSquare);
        if (square != dragFrom_)
            pieces_.Draw(painter, r.left() + inset, r.top() + inset, model_->At(square));
    }
    // The keyboard's square, in two tones that stand out on either colour.
    if (hasFocus()) {
        const QRect r = SquareRect(cursor_);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, 4));
        painter.drawRect(r.adjusted(2, 2, -2, -2));
        painter.setPen(QPen(QColor(0xFF, 0xFF, 0x60), 2));
        painter.drawRect(r.adjusted(2, 2, -2, -2));
    }
}

void PositionEditorBoard::mousePressEvent(QMouseEvent* event)
{
    const Square square = SquareAtPoint(event->position().toPoint());
    if (square == Square::None)
        return;
    SetCursor(square);
    if (event->button() == Qt::RightButton) {
        model_->ClearSquare(square);
        return;
    }
    if (event->button() == Qt::LeftButton) {
        pressed_ = square;
        pressPoint_ = event->position().toPoint();
    }
}

void PositionEditorBoard::mouseMoveEvent(QMouseEvent* event)
{
    if (pressed_ == Square::None || !(event->buttons() & Qt::LeftButton))
        return;
    if ((event->position().toPoint() - pressPoint_).manhattanLength() < QApplication::startDragDistance())
        return;
    const Square from = pressed_;
    pressed_ = Square::None;
    if (model_->At(from) != EmptySquare)
        StartDrag(from);
}

void PositionEditorBoard::mouseReleaseEvent(QMouseEvent* event)
{
    const Square square = pressed_;
    pressed_ = Square::None;
    if (event->button() != Qt::LeftButton || square == Square::None)
        return;
    if (chosen_ != EmptySquare && square == SquareAtPoint(event->position().toPoint()))
        model_->Put(square, chosen_);
}

void PositionEditorBoard::StartDrag(Square from)
{
    const char piece = model_->At(from);
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(PieceMimeType), PieceMime(piece, from));
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->setPixmap(pieces_.Picture(piece));
    drag->setHotSpot(QPoint(pieces_.Size() / 2, pieces_.Size() / 2));
    dragFrom_ = from;
    update(SquareRect(from));
    const Qt::DropAction done = drag->exec(Qt::MoveAction);
    dragFrom_ = Square::None;
    // Dropped off the board: the piece is taken away.
    if (done == Qt::IgnoreAction && model_->At(from) == piece)
        model_->ClearSquare(from);
    update();
}

void PositionEditorBoard::dragEnterEvent(QDragEnterEvent* event)
{
    char piece = EmptySquare;
    Square from = Square::None;
    if (ReadPieceMime(event->mimeData(), piece, from))
        event->acceptProposedAction();
}

void PositionEditorBoard::dragMoveEvent(QDragMoveEvent* event)
{
    char piece = EmptySquare;
    Square from = Square::None;
    if (ReadPieceMime(event->mimeData(), piece, from) && SquareAtPoint(event->position().toPoint()) != Square::None)
        event->acceptProposedAction();
    else
        event->ignore();
}

void PositionEditorBoard::dropEvent(QDropEvent* event)
{
    if (!DropPiece(event->mimeData(), event->position().toPoint(), event->source() == this)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

bool PositionEditorBoard::DropPiece(const QMimeData* mime, QPoint at, bool fromThisBoard)
{
    char piece = EmptySquare;
    Square from = Square::None;
    const Square to = SquareAtPoint(at);
    if (!ReadPieceMime(mime, piece, from) || to == Square::None)
        return false;
    if (fromThisBoard && from != Square::None && model_->At(from) == piece)
        model_->MovePiece(from, to);
    else
        model_->Put(to, piece);
    SetCursor(to);
    return true;
}

void PositionEditorBoard::MoveCursor(int fileStep, int rankStep)
{
    // The arrows go as the board is seen.
    if (whiteOnTop_) {
        fileStep = -fileStep;
        rankStep = -rankStep;
    }
    const int file = FileOf(cursor_) + fileStep;
    const int rank = RankOf(cursor_) + rankStep;
    if (file >= 1 && file <= 8 && rank >= 1 && rank <= 8)
        SetCursor(SquareAt(file, rank));
}

void PositionEditorBoard::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left: MoveCursor(-1, 0); return;
    case Qt::Key_Right: MoveCursor(1, 0); return;
    case Qt::Key_Up: MoveCursor(0, 1); return;
    case Qt::Key_Down: MoveCursor(0, -1); return;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
    case Qt::Key_Space: model_->ClearSquare(cursor_); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (chosen_ != EmptySquare) {
            model_->Put(cursor_, chosen_);
            return;
        }
        break;
    default: break;
    }
    const QString text = event->text();
    if (text.size() == 1 && text[0].unicode() < 128 && IsPieceLetter(static_cast<char>(text[0].unicode()))) {
        model_->Put(cursor_, static_cast<char>(text[0].unicode()));
        return;
    }
    QWidget::keyPressEvent(event);
}

void PositionEditorBoard::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update(SquareRect(cursor_));
}

void PositionEditorBoard::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update(SquareRect(cursor_));
}

void PositionEditorBoard::DescribeCursor()
{
    const QString words = SquareWords(model_->State().Board, cursor_);
    if (accessibleDescription() == words)
        return;
    setAccessibleDescription(words);
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}
