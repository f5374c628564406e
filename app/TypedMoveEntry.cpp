// The typed-move entry and its reading of moves.
#include "app/TypedMoveEntry.h"

#include "app/CoreErrorText.h"
#include "board/ChessBoard.h"
#include "core/San.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

TypedMove ReadTypedMove(const GameState& state, const std::string& text)
{
    TypedMove result;
    ChessMove english, portuguese;
    NotationError englishError, portugueseError;
    const bool englishOk = ReadMoveText(state, text, english, englishError, EnglishLetters);
    const bool portugueseOk = ReadMoveText(state, text, portuguese, portugueseError, PortugueseLetters);
    if (englishOk && portugueseOk && !(english == portuguese)) {
        // "Rf1" is a rook's move in English and a king's in Portuguese.
        result.error = QCoreApplication::translate("TypedMoveEntry", "Lance ambíguo: “%1” pode ser %2 ou %3.")
                           .arg(QString::fromStdString(text), QString::fromStdString(MoveToCoordinates(english)),
                                QString::fromStdString(MoveToCoordinates(portuguese)));
        return result;
    }
    if (englishOk || portugueseOk) {
        result.ok = true;
        result.move = englishOk ? english : portuguese;
        return result;
    }
    // The reason from the letters that know the piece: "Qh4" where the queen
    // cannot go is an illegal move, not an unknown Portuguese letter.
    const bool portugueseUnknownLetter = portugueseError.Reason == NotationReason::UnknownPieceLetter;
    result.error = NotationErrorText(portugueseUnknownLetter ? englishError : portugueseError);
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
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(prompt_);
    layout->addWidget(edit_, 1);
    layout->addWidget(message_);
    prompt_->setBuddy(edit_);
    edit_->setAccessibleName(tr("Lance"));
    edit_->setMaxLength(16);
    message_->setStyleSheet(QStringLiteral("color: #B00000;"));
    edit_->installEventFilter(this);
    board_->installEventFilter(this);
    connect(edit_, &QLineEdit::returnPressed, this, [this] { Submit(); });
    connect(edit_, &QLineEdit::textEdited, message_, &QLabel::clear);
    hide();
}

void TypedMoveEntry::Open(const QString& start)
{
    const QRect area = board_->geometry();
    const int height = sizeHint().height();
    setGeometry(area.left() + 8, area.bottom() - height - 8, std::min(area.width() - 16, 360), height);
    message_->clear();
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
        message_->setText(tr("O computador está pensando."));
        return false;
    }
    const GameState state = GameState::FromPlacement(board_->Position(), board_->WhiteToMove(),
                                                     board_->CastlingAllowed(), board_->EnPassant());
    const TypedMove typed = ReadTypedMove(state, text);
    if (!typed.ok) {
        message_->setText(typed.error);
        message_->setAccessibleDescription(typed.error);
        return false;
    }
    // The board's own rules have the last word (its end of game, too).
    if (!board_->IsLegalMove(typed.move.From, typed.move.To)) {
        message_->setText(tr("Lance ilegal."));
        return false;
    }
    const char promotion = board_->PromotionPiece();
    if (typed.move.Promotion != EmptySquare)
        board_->SetPromotionPiece(typed.move.Promotion);
    const bool made = board_->PlayerMove(typed.move.From, typed.move.To);
    board_->SetPromotionPiece(promotion);
    if (!made) {
        message_->setText(tr("Lance ilegal."));
        return false;
    }
    Close();
    return true;
}

void TypedMoveEntry::Close()
{
    hide();
    edit_->clear();
    message_->clear();
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
