// The typed-move entry and its reading of moves.
#include "app/TypedMoveEntry.h"

#include "app/MoveRefusal.h"
#include "board/ChessBoard.h"
#include "core/San.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TypedMove ReadTypedMove(const GameState& state, const std::string& text)
{
    TypedMove result;
    ChessMove english, portuguese;
    NotationError englishError, portugueseError;
    const bool englishOk = ReadMoveText(state, text, english, englishError, EnglishLetters);
    const bool portugueseOk = ReadMoveText(state, text, portuguese, portugueseError, PortugueseLetters);
    if (englishOk && portugueseOk && !(english == portuguese)) {
        // "Rf1" is a rook's move in English and a king's in Portuguese.
        result.error = AmbiguousLettersRefusal(text, MoveToCoordinates(english), MoveToCoordinates(portuguese));
        return result;
    }
    if (englishOk || portugueseOk) {
        result.ok = true;
        result.move = englishOk ? english : portuguese;
        return result;
    }
    result.error = MoveRefusal(state, text);
    return result;
}

TypedMoveEntry::TypedMoveEntry(TChessBoard* board)
    : QFrame(board->parentWidget())
    , board_(board)
    , prompt_(new QLabel(tr("Lance:"), this))
    , edit_(new QLineEdit(this))
    , message_(new QLabel(this))
{
    setObjectName(QStringLiteral("TypedMoveEntry"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    // The reason for a refusal goes on a line of its own under the entry,
    // wrapped, so that it is read whole.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    auto* row = new QHBoxLayout;
    row->addWidget(prompt_);
    row->addWidget(edit_, 1);
    layout->addLayout(row);
    layout->addWidget(message_);
    message_->setWordWrap(true);
    message_->hide();
    prompt_->setBuddy(edit_);
    edit_->setAccessibleName(tr("Lance"));
    edit_->setMaxLength(16);
    message_->setStyleSheet(QStringLiteral("color: #B00000;"));
    edit_->installEventFilter(this);
    board_->installEventFilter(this);
    connect(edit_, &QLineEdit::returnPressed, this, [this] { Submit(); });
    connect(edit_, &QLineEdit::textEdited, this, [this] { Refuse(QString()); });
    hide();
}

void TypedMoveEntry::Open(const QString& start)
{
    const QRect area = board_->geometry();
    const int height = sizeHint().height();
    setGeometry(area.left() + 8, area.bottom() - height - 8, std::min(area.width() - 16, 360), height);
    Refuse(QString());
    edit_->setText(start);
    show();
    raise();
    edit_->setFocus(Qt::OtherFocusReason);
}

bool TypedMoveEntry::Submit()
{
    const std::string text = edit_->text().trimmed().toStdString();
    if (text.empty()) {
        Close();
        return false;
    }
    if (board_->Thinking()) {
        Refuse(ThinkingRefusal());
        return false;
    }
    const GameState state = board_->State();
    const TypedMove typed = ReadTypedMove(state, text);
    if (!typed.ok) {
        Refuse(typed.error);
        return false;
    }
    // The board's own rules have the last word (its end of game, too).
    if (!board_->IsLegalMove(typed.move.From, typed.move.To)) {
        Refuse(HeldBackReason());
        return false;
    }
    const char promotion = board_->PromotionPiece();
    if (typed.move.Promotion != EmptySquare)
        board_->SetPromotionPiece(typed.move.Promotion);
    const bool made = board_->PlayerMove(typed.move.From, typed.move.To);
    board_->SetPromotionPiece(promotion);
    if (!made) {
        Refuse(HeldBackReason());
        return false;
    }
    Close();
    return true;
}

QString TypedMoveEntry::HeldBackReason() const
{
    return paused_ && paused_() ? PausedRefusal() : GameOverRefusal();
}

void TypedMoveEntry::Refuse(const QString& reason)
{
    message_->setText(reason);
    message_->setAccessibleDescription(reason);
    message_->setVisible(!reason.isEmpty());
    // Grows upwards from the board's lower edge to show the whole reason.
    layout()->activate();
    const int bottom = geometry().bottom();
    const int height = heightForWidth(width()) > 0 ? heightForWidth(width()) : sizeHint().height();
    setGeometry(x(), bottom + 1 - height, width(), height);
}

void TypedMoveEntry::Close()
{
    hide();
    edit_->clear();
    Refuse(QString());
    board_->setFocus(Qt::OtherFocusReason);
}

bool TypedMoveEntry::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == edit_ && key->key() == Qt::Key_Escape) {
        Close();
        return true;
    }
    if (watched == board_ && !isVisible()) {
        // A letter or digit that can start a move opens the entry with it;
        // the board keeps its own keys (arrows, Enter, Space, Escape).
        const QString text = key->text();
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (plain && text.size() == 1 && (text.at(0).isLetter() || text.at(0) == u'0')) {
            Open(text);
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
