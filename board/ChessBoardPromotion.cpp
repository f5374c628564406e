// The board's side of the promotion chooser (board/PromotionChooser.h): when
// AskPromotionPiece is set, a person's pawn that reaches the last rank waits
// while the chooser, drawn with the board's own piece images, stands over
// the promotion square. The chosen piece makes the move; a cancellation
// leaves the pawn where it was and the game unchanged.
#include "board/ChessBoard.h"

void TChessBoard::CreatePromotionChooser()
{
    const auto place = [this](Square promotion) {
        int column = 0;
        int row = 0;
        ScreenCell(promotion, column, row);
        const int S = look_.SizeOfSquare;
        return PromotionChooser::Place{QRect(look_.BoardLeft + column * S, look_.BoardTop + row * S, S, S), row < 4,
                                       (S - look_.PieceSize()) / 2};
    };
    const auto pieceImage = [this](char piece) -> const QImage& {
        return look_.PieceImages().Masked(PieceImageIndex(piece));
    };
    chooser_ = new PromotionChooser(*this, place, pieceImage);
    connect(chooser_, &PromotionChooser::chosen, this, &TChessBoard::PromotionChosen);
}

bool TChessBoard::OpenPromotionChooser(Square from, Square to)
{
    if (!aids_.AskPromotionPiece || !IsLegalMove(from, to))
        return false;
    const char pawn = PieceAt(from);
    if (!((pawn == 'P' && RankOf(to) == 8) || (pawn == 'p' && RankOf(to) == 1)))
        return false;
    chooser_->Open(from, to, pawn == 'P');
    return true;
}

void TChessBoard::PromotionChosen(Square from, Square to, char piece)
{
    // The chosen piece reaches OnPromotion as its NewPiece; the property
    // keeps the value it had for the moves that ask nothing.
    const char kept = promotionPiece_;
    promotionPiece_ = piece;
    PlayerMove(from, to);
    promotionPiece_ = kept;
}
