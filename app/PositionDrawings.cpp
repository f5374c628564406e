// The drawings of the game's positions (see PositionDrawings.h).
#include "app/PositionDrawings.h"

#include "app/GameRecord.h"
#include "board/ChessBoard.h"
#include "core/Fen.h"
#include "platform/ProgramSettings.h"

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QTimer>

#include <cctype>
#include <functional>

namespace {

const QString SwitchKey = QStringLiteral("Opcoes/SetasECirculos");

// Walks a line of moves and its variations, depth first, with the key of
// the position after each move.
void WalkMoves(std::vector<GameMove>& moves, const std::string& startKey,
               const std::function<void(std::string& comment, const std::string& key)>& visit)
{
    std::string key = startKey;
    for (GameMove& move : moves) {
        for (GameVariation& variation : move.Variations)
            WalkMoves(variation.Moves, key, visit);
        key = TPositionDrawings::KeyAfter(key, move.Move);
        visit(move.Comment, key);
    }
}

} // namespace

TPositionDrawings::TPositionDrawings(TChessBoard* board, QMenu* optionsMenu, QObject* parent)
    : QObject(parent)
    , board_(board)
{
    switch_ = new QAction(tr("Setas e círculos com o botão direito"), this);
    switch_->setObjectName(QStringLiteral("SetasECirculos1"));
    switch_->setCheckable(true);
    switch_->setStatusTip(tr("Com o botão direito do mouse: arraste para desenhar uma seta, clique para marcar uma "
                             "casa com um círculo; Shift, Ctrl e Alt mudam a cor."));
    switch_->setChecked(ProgramSettings().value(SwitchKey, false).toBool());
    board_->SetDrawsMarks(switch_->isChecked());
    QAction* before = nullptr;
    for (QAction* action : optionsMenu->actions()) {
        if (action->isSeparator() || action->menu() != nullptr) {
            before = action;
            break;
        }
    }
    optionsMenu->insertAction(before, switch_);
    connect(switch_, &QAction::toggled, this, [this](bool on) {
        ProgramSettings().setValue(SwitchKey, on);
        board_->SetDrawsMarks(on);
        if (on)
            ShowShownPosition();
    });

    connect(board_, &TChessBoard::drawingChanged, this, &TPositionDrawings::KeepBoardDrawing);
    // The board tells of a new position before it has recorded the move
    // that led there: the drawing is looked up once the move is complete.
    connect(board_, &TChessBoard::shownPositionChanged, this,
            [this] { QTimer::singleShot(0, this, &TPositionDrawings::ShowShownPosition); });
}

std::string TPositionDrawings::StartKey(const GameState& start)
{
    // The FEN's first four fields: the counters do not make the position.
    const std::string fen = WriteFen(start);
    std::size_t end = 0;
    for (int field = 0; field < 4 && end != std::string::npos; ++field)
        end = fen.find(' ', end + (field > 0 ? 1 : 0));
    return end == std::string::npos ? fen : fen.substr(0, end);
}

std::string TPositionDrawings::KeyAfter(const std::string& key, const ChessMove& move)
{
    std::string next = key;
    next += ' ';
    next += LowerSquareName(move.From);
    next += LowerSquareName(move.To);
    if (move.Promotion != EmptySquare && move.Promotion != '\0')
        next += static_cast<char>(std::tolower(static_cast<unsigned char>(move.Promotion)));
    return next;
}

std::string TPositionDrawings::ShownKey() const
{
    const BoardGame board = GameFromBoard(*board_);
    std::string key = StartKey(board.Record.StartState());
    const std::vector<GameMove>& moves = board.Record.Moves();
    for (std::size_t i = 0; i < board.ShownPly && i < moves.size(); ++i)
        key = KeyAfter(key, moves[i].Move);
    return key;
}

void TPositionDrawings::KeepBoardDrawing()
{
    const std::string key = ShownKey();
    if (board_->Drawing().Empty())
        drawings_.erase(key);
    else
        drawings_[key] = board_->Drawing();
    emit DrawingsChanged();
}

void TPositionDrawings::ShowShownPosition()
{
    const auto kept = drawings_.find(ShownKey());
    board_->SetDrawing(kept == drawings_.end() ? BoardDrawing{} : kept->second);
}

void TPositionDrawings::Forget()
{
    drawings_.clear();
    board_->SetDrawing(BoardDrawing{});
}

void TPositionDrawings::ReadFrom(const Game& game)
{
    drawings_.clear();
    const std::string start = StartKey(game.StartState());
    const auto keep = [this](const std::string& comment, const std::string& key) {
        BoardDrawing drawing = CommentDrawing(comment);
        if (!drawing.Empty())
            drawings_[key] = std::move(drawing);
    };
    keep(game.StartComment(), start);
    Game copy = game;
    WalkMoves(copy.Moves(), start, [&](std::string& comment, const std::string& key) { keep(comment, key); });
}

void TPositionDrawings::WriteInto(Game& game) const
{
    const std::string start = StartKey(game.StartState());
    const auto write = [this](std::string& comment, const std::string& key) {
        const auto kept = drawings_.find(key);
        comment = WithCommentDrawing(comment, kept == drawings_.end() ? BoardDrawing{} : kept->second);
    };
    std::string startComment = game.StartComment();
    write(startComment, start);
    game.SetStartComment(std::move(startComment));
    WalkMoves(game.Moves(), start, write);
}

BoardDrawing TPositionDrawings::DrawingAt(const Game& game, std::size_t plies) const
{
    std::string key = StartKey(game.StartState());
    for (std::size_t i = 0; i < plies && i < game.PlyCount(); ++i)
        key = KeyAfter(key, game.Moves()[i].Move);
    const auto kept = drawings_.find(key);
    return kept == drawings_.end() ? BoardDrawing{} : kept->second;
}
