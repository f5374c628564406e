// TChessBoard's construction and its position and game-state properties:
// the position string, side to move, castling rights, en passant square,
// move number, new game, and the rule tests asked of the current position.
#include "board/ChessBoard.h"
#include "board/ChessBoardAccessible.h"

#include "core/Rules.h"

TChessBoard::TChessBoard(QWidget* parent, bool designMode) : QWidget(parent), designMode_(designMode)
{
    InstallBoardAccessibility();
    setAccessibleName(tr("Tabuleiro"));
    InitView();
    ResetGame();
    if (!designMode_)
        CreateSearchThread();
}

TChessBoard::~TChessBoard()
{
    DestroySearchThread();
    DoneView();
}

std::string TChessBoard::Position() const
{
    return PositionString(game_.Board);
}

void TChessBoard::SetPosition(const std::string& position)
{
    StopThinking();
    ParsePositionString(game_.Board, position);
    aids_.SetPositionFromPlay(false);
    acceptsMoves_ = true;
    Paint();
    ShownPositionChanged();
}

void TChessBoard::SetWhiteToMove(bool value)
{
    StopThinking();
    game_.WhiteToMove = value;
    aids_.SetPositionFromPlay(false);
}

void TChessBoard::SetCastlingAllowed(CastleSet value)
{
    game_.CastlingAllowed = value;
    NotifySearchThread();
}

void TChessBoard::SetChess960(bool value)
{
    game_.Chess960 = value;
    history_.SetCastlingRules(game_);
    NotifySearchThread();
}

void TChessBoard::SetCastlingRookFiles(const std::array<std::uint8_t, 4>& files)
{
    game_.CastlingRookFile = files;
    history_.SetCastlingRules(game_);
    NotifySearchThread();
}

void TChessBoard::SetEnPassant(Square value)
{
    if (!IsEnPassantRankSquare(value))
        return;
    StopThinking();
    game_.EnPassant = value;
}

void TChessBoard::SetCurrentMove(int)
{
    // The move number follows the moves; a written value is discarded.
}

void TChessBoard::NewGame()
{
    ResetGame();
    Paint();
    ShownPositionChanged();
}

void TChessBoard::ResetGame()
{
    StopThinking();
    game_.Board = GameState::InitialBoard();
    game_.WhiteToMove = true;
    game_.CurrentMove = 1;
    history_.Restart();
    game_.EnPassant = Square::None;
    game_.CastlingAllowed = CastleSet::All();
    game_.Chess960 = false;
    game_.CastlingRookFile = GameState().CastlingRookFile;
    history_.SetCastlingRules(game_);
    aids_.SetPositionFromPlay(false);
    acceptsMoves_ = true;
}

bool TChessBoard::IsLegalMove(Square oldSq, Square newSq) const
{
    if (Ord(oldSq) < 1 || Ord(oldSq) > 64 || Ord(newSq) < 1 || Ord(newSq) > 64)
        return false;
    if (!acceptsMoves_ || (threefoldEndsGame_ && ThreefoldRepetition()))
        return false;
    return IsMoveAllowed(game_, oldSq, newSq);
}

bool TChessBoard::HasLegalMove() const
{
    return HasMobility(game_);
}

bool TChessBoard::WhiteKingAttacked(Square oldSq, Square newSq) const
{
    return ::WhiteKingAttacked(game_, oldSq, newSq);
}

bool TChessBoard::BlackKingAttacked(Square oldSq, Square newSq) const
{
    return ::BlackKingAttacked(game_, oldSq, newSq);
}
