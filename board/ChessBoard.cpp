// TChessBoard's construction and its position and game-state properties:
// the position string, side to move, castling rights, en passant square,
// move number, new game, and the rule tests asked of the current position.
#include "board/ChessBoard.h"
#include "board/ChessBoardAccessible.h"
#include "board/ChessBoardInputHost.h"

#include "core/Rules.h"

TChessBoard::TChessBoard(QWidget* parent, bool designMode)
    : QWidget(parent)
    , designMode_(designMode)
    , inputHost_(std::make_unique<InputHost>(*this))
    , input_(*inputHost_)
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
    return PositionString(game_.State().Board);
}

void TChessBoard::SetPosition(const std::string& position)
{
    StopThinking();
    game_.SetPlacement(position);
    aids_.SetPositionFromPlay(false);
    Paint();
    ShownPositionChanged();
}

void TChessBoard::SetWhiteToMove(bool value)
{
    StopThinking();
    game_.MutableState().WhiteToMove = value;
    aids_.SetPositionFromPlay(false);
}

void TChessBoard::SetCastlingAllowed(CastleSet value)
{
    game_.MutableState().CastlingAllowed = value;
    NotifySearchThread();
}

void TChessBoard::SetChess960(bool value)
{
    game_.SetChess960(value);
    NotifySearchThread();
}

void TChessBoard::SetCastlingRookFiles(const std::array<std::uint8_t, 4>& files)
{
    game_.SetCastlingRookFiles(files);
    NotifySearchThread();
}

void TChessBoard::SetEnPassant(Square value)
{
    if (!IsEnPassantRankSquare(value))
        return;
    StopThinking();
    game_.MutableState().EnPassant = value;
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
    game_.Reset();
    aids_.SetPositionFromPlay(false);
}

bool TChessBoard::IsLegalMove(Square oldSq, Square newSq) const
{
    return game_.IsLegalMove(oldSq, newSq);
}

bool TChessBoard::HasLegalMove() const
{
    return HasMobility(game_.State());
}

bool TChessBoard::WhiteKingAttacked(Square oldSq, Square newSq) const
{
    return ::WhiteKingAttacked(game_.State(), oldSq, newSq);
}

bool TChessBoard::BlackKingAttacked(Square oldSq, Square newSq) const
{
    return ::BlackKingAttacked(game_.State(), oldSq, newSq);
}
