// Announcing moves in words and reading the position aloud.
#include "app/MoveAnnouncer.h"

#include "app/Application.h"
#include "app/Language.h"
#include "app/SpokenNotice.h"
#include "board/ChessBoard.h"
#include "core/Rules.h"
#include "platform/ProgramSettings.h"

#include <QAccessible>
#include <QAction>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QTextToSpeech>
#include <QTimer>

#include <algorithm>

namespace {

const char* const SpeakKey = "options/speakMoves";

} // namespace

LastMove LastMoveOf(const TChessBoard& board)
{
    LastMove last;
    // The shown position was reached by the half-move played from the slot
    // before it.
    const bool moverWhite = !board.WhiteToMove();
    const int moverMove = moverWhite ? board.CurrentMove() : board.CurrentMove() - 1;
    const MoveInfo* slot = board.History().Slot(moverMove, moverWhite);
    if (!slot || slot->Placement.size() != 64 || slot->OldSq == Square::None || slot->NewSq == Square::None)
        return last;
    GameState before = board.History().SlotState(*slot, moverWhite);
    MoveFacts& facts = last.facts;
    facts.whiteMoved = moverWhite;
    facts.from = slot->OldSq;
    facts.to = slot->NewSq;
    facts.piece = before.At(slot->OldSq);
    facts.captured = before.At(slot->NewSq);
    if (IsEnPassantCapture(before, slot->OldSq, slot->NewSq))
        facts.captured = before.At(EnPassantVictimSquare(slot->OldSq, slot->NewSq));
    if (IsPieceLetter(slot->Promotion))
        facts.promotedTo = slot->Promotion;
    // Whether the mover's move gives check is read from the shown position.
    GameState now = board.State();
    const char king = board.WhiteToMove() ? 'K' : 'k';
    const bool hasKing = std::find(now.Board.begin() + 1, now.Board.end(), king) != now.Board.end();
    facts.check = hasKing &&
        (board.WhiteToMove() ? WhiteKingAttacked(now, Square::None, Square::None)
                             : BlackKingAttacked(now, Square::None, Square::None));
    facts.mate = facts.check && !HasMobility(now);
    last.valid = IsPieceLetter(facts.piece);
    return last;
}

MoveAnnouncer::MoveAnnouncer(TChessBoard* board, QLabel* statusLine, QObject* parent)
    : QObject(parent)
    , board_(board)
    , statusLine_(statusLine)
    , notice_(new SpokenNotice(statusLine->parentWidget() ? statusLine->parentWidget() : board->parentWidget()))
{
    SetUpSpeech();
    connect(board_, &TChessBoard::moveMade, this, &MoveAnnouncer::MoveMade);
}

void MoveAnnouncer::SetUpSpeech()
{
    // Only the plugins are looked at here: starting a speech engine can
    // take seconds (it connects to the speech server), so that waits until
    // speech is turned on.
    if (QTextToSpeech::availableEngines().isEmpty()) {
        speechUnavailableReason_ =
            tr("Nenhum sintetizador de voz está instalado (por exemplo speech-dispatcher com espeak-ng).");
        return;
    }
    speechAvailable_ = true;
}

bool MoveAnnouncer::StartSpeech()
{
    if (speech_)
        return true;
    speech_ = new QTextToSpeech(this);
    if (speech_->state() == QTextToSpeech::Error) {
        speechUnavailableReason_ = tr("O sintetizador de voz não pôde ser iniciado.");
        delete speech_;
        speech_ = nullptr;
        speechAvailable_ = false;
        return false;
    }
    const QLocale wanted(ChosenLanguage() == InterfaceLanguage::English ? QStringLiteral("en_US")
                                                                        : QStringLiteral("pt_BR"));
    for (const QLocale& locale : speech_->availableLocales())
        if (locale.language() == wanted.language()) {
            speech_->setLocale(locale);
            break;
        }
    return true;
}

void MoveAnnouncer::AddMenuItems(QMenu* game, QMenu* options)
{
    speakAction_ = options->addAction(tr("Falar lances"));
    speakAction_->setObjectName(QStringLiteral("FalarLances1"));
    speakAction_->setCheckable(true);
    const auto greyOut = [this] {
        speakAction_->setChecked(false);
        speakAction_->setEnabled(false);
        speakAction_->setToolTip(speechUnavailableReason_);
        speakAction_->setStatusTip(speechUnavailableReason_);
    };
    if (speechAvailable_) {
        connect(speakAction_, &QAction::toggled, this, [this, greyOut](bool on) {
            if (on && !StartSpeech()) {
                greyOut();
                Say(speechUnavailableReason_);
                return;
            }
            ProgramSettings().setValue(QLatin1String(SpeakKey), on);
        });
        speakAction_->setChecked(ProgramSettings().value(QLatin1String(SpeakKey), false).toBool());
    } else {
        greyOut();
    }

    QMenu* read = game->addMenu(tr("Ler posição"));
    read->setObjectName(QStringLiteral("LerPosicao1"));
    QAction* white = read->addAction(tr("Peças das Brancas"));
    white->setShortcut(QKeySequence(QStringLiteral("Alt+Shift+W")));
    connect(white, &QAction::triggered, this, [this] { Show(SideWords(board_->Board(), true)); });
    QAction* black = read->addAction(tr("Peças das Pretas"));
    black->setShortcut(QKeySequence(QStringLiteral("Alt+Shift+B")));
    connect(black, &QAction::triggered, this, [this] { Show(SideWords(board_->Board(), false)); });
    QAction* rank = read->addAction(tr("Uma fileira…"));
    rank->setShortcut(QKeySequence(QStringLiteral("Alt+Shift+R")));
    connect(rank, &QAction::triggered, this, [this] {
        bool ok = false;
        const int number =
            QInputDialog::getInt(board_->window(), tr("Ler fileira"), tr("Fileira (1 a 8):"), 1, 1, 8, 1, &ok);
        if (ok)
            Show(RankWords(board_->Board(), number));
    });
    QAction* turn = read->addAction(tr("De quem é a vez"));
    connect(turn, &QAction::triggered, this, [this] { Show(TurnWords(board_->WhiteToMove())); });
}

void MoveAnnouncer::MoveMade()
{
    // The move's events are still being delivered: announce once they are
    // done, when the position, the check and the promotion are final.
    if (pending_)
        return;
    pending_ = true;
    QTimer::singleShot(0, this, [this] { AnnounceNow(); });
}

void MoveAnnouncer::AnnounceNow()
{
    pending_ = false;
    const LastMove last = LastMoveOf(*board_);
    if (last.valid)
        Say(MoveWords(last.facts));
}

void MoveAnnouncer::Say(const QString& text)
{
    Tell(text);
    notice_->Tell(text);
}

void MoveAnnouncer::Show(const QString& text)
{
    Tell(text);
    ShowMessage(text);
}

void MoveAnnouncer::Tell(const QString& text)
{
    lastAnnouncement_ = text;
    // The status line's accessible description keeps the last words too,
    // for a reader that looks there.
    statusLine_->setAccessibleDescription(text);
    QAccessibleEvent event(statusLine_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
    if (speech_ && speakAction_ && speakAction_->isChecked())
        speech_->say(text);
}
