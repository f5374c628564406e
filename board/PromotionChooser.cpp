// The promotion chooser. See PromotionChooser.h.
#include "board/PromotionChooser.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace {

// The letters reported, queen first.
constexpr std::array<char, 4> kLetters = {'q', 'r', 'b', 'n'};

} // namespace

PromotionChooser::PromotionChooser(QWidget& host, PlaceOf place, PieceImageOf pieceImage)
    : QWidget(&host)
    , host_(host)
    , place_(std::move(place))
    , pieceImage_(std::move(pieceImage))
{
    setObjectName(QStringLiteral("promotionChooser"));
    setAccessibleName(QCoreApplication::translate("TChessBoard", "Escolha a peça da promoção"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    hide();
}

PromotionChooser::~PromotionChooser()
{
    if (open_)
        qApp->removeEventFilter(this);
}

void PromotionChooser::Open(Square from, Square to, bool white)
{
    Close();
    open_ = true;
    from_ = from;
    to_ = to;
    for (std::size_t i = 0; i < kLetters.size(); ++i)
        pieces_[i] = white ? static_cast<char>(kLetters[i] - 'a' + 'A') : kLetters[i];
    current_ = 0;
    setGeometry(host_.rect());
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
    // Not every platform lets a widget grab the mouse: a press on any other
    // widget of the program is caught on its way as well.
    qApp->installEventFilter(this);
    grabMouse();
    grabKeyboard();
}

void PromotionChooser::Close()
{
    if (!open_)
        return;
    open_ = false;
    from_ = to_ = Square::None;
    qApp->removeEventFilter(this);
    releaseKeyboard();
    releaseMouse();
    // The focus comes back to the host before the chooser hides: hiding the
    // focused chooser would pass the focus on as Tab does, which shows the
    // board's keyboard frame to a mouse user.
    if (hasFocus())
        host_.setFocus(Qt::OtherFocusReason);
    hide();
}

void PromotionChooser::Answer(char piece)
{
    const Square from = from_;
    const Square to = to_;
    Close();
    if (piece == 0)
        emit cancelled(from, to);
    else
        emit chosen(from, to, piece);
}

std::array<QRect, 4> PromotionChooser::Cells() const
{
    const Place place = place_(to_);
    const int size = place.Cell.height();
    const int step = place.Downwards ? size : -size;
    std::array<QRect, 4> cells;
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i] = place.Cell.translated(0, step * static_cast<int>(i));
    return cells;
}

int PromotionChooser::CellAt(QPoint at) const
{
    const std::array<QRect, 4> cells = Cells();
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (cells[i].contains(at))
            return static_cast<int>(i);
    return -1;
}

bool PromotionChooser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &host_ && event->type() == QEvent::Resize) {
        setGeometry(host_.rect());
        return false;
    }
    const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (!open_ || !press || !watched->isWidgetType() || watched == this)
        return false;
    Answer(0);
    return true;
}

void PromotionChooser::paintEvent(QPaintEvent*)
{
    const std::array<QRect, 4> cells = Cells();
    const int offset = place_(to_).PieceOffset;
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
        // The host's own piece images, as it draws them on a square.
        p.drawImage(cells[i].topLeft() + QPoint(offset, offset), pieceImage_(pieces_[i]));
    }
}

void PromotionChooser::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    const int cell = CellAt(event->position().toPoint());
    Answer(cell >= 0 ? kLetters[static_cast<std::size_t>(cell)] : 0);
}

void PromotionChooser::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

void PromotionChooser::mouseMoveEvent(QMouseEvent* event)
{
    const int cell = CellAt(event->position().toPoint());
    if (cell >= 0 && cell != current_) {
        current_ = cell;
        update();
    }
}

void PromotionChooser::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    // The queen's cell touches the promotion square; the others follow it
    // towards the middle of the board.
    const bool downwards = place_(to_).Downwards;
    switch (event->key()) {
    case Qt::Key_Escape: Answer(0); return;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int towardsMiddle = (event->key() == Qt::Key_Down) == downwards ? 1 : -1;
        current_ = std::clamp(current_ + towardsMiddle, 0, 3);
        update();
        return;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: Answer(kLetters[static_cast<std::size_t>(current_)]); return;
    // The Portuguese initials (Dama, Torre, Bispo, Cavalo) and the English
    // ones.
    case Qt::Key_D:
    case Qt::Key_Q: Answer('q'); return;
    case Qt::Key_T:
    case Qt::Key_R: Answer('r'); return;
    case Qt::Key_B: Answer('b'); return;
    case Qt::Key_C:
    case Qt::Key_N: Answer('n'); return;
    default: return;
    }
}
