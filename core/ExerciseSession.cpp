#include "core/ExerciseSession.h"

#include "core/Fen.h"
#include "core/San.h"

bool TExerciseSession::Start(const std::string& fen, const std::vector<std::string>& solution, std::string& error)
{
    FenPosition read;
    if (!ReadFen(fen, read, error))
        return false;
    if (solution.empty()) {
        error = "o exercício não tem solução";
        return false;
    }
    std::vector<ChessMove> moves;
    GameState state = read.State;
    for (const std::string& text : solution) {
        ChessMove move;
        std::string why;
        if (!ReadCoordinateMove(state, text, move, why)) {
            error = "o lance " + text + " da solução não é válido: " + why;
            return false;
        }
        moves.push_back(move);
        state = PositionAfter(state, move);
    }
    start_ = read.State;
    position_ = read.State;
    solution_ = std::move(moves);
    played_ = 0;
    hintLevel_ = 0;
    wrongMoves_ = 0;
    over_ = false;
    result_ = TExerciseResult::Open;
    return true;
}

std::optional<ChessMove> TExerciseSession::ExpectedMove() const
{
    if (over_ || played_ >= solution_.size())
        return std::nullopt;
    return solution_[played_];
}

TExerciseAnswer TExerciseSession::Play(const ChessMove& move)
{
    const std::optional<ChessMove> expected = ExpectedMove();
    if (!expected)
        return {};
    if (!IsLegalMove(position_, move) || !(move == *expected)) {
        const bool mates = IsLegalMove(position_, move) && LegalMoves(PositionAfter(position_, move)).empty() &&
            SideToMoveInCheck(PositionAfter(position_, move));
        if (!mates) {
            ++wrongMoves_;
            Fail();
            return {TMoveVerdict::Wrong, std::nullopt};
        }
        // Another mate ends the exercise just as well.
        position_ = PositionAfter(position_, move);
        played_ = solution_.size();
    } else {
        position_ = PositionAfter(position_, move);
        ++played_;
    }
    hintLevel_ = 0;
    if (played_ >= solution_.size()) {
        over_ = true;
        if (result_ == TExerciseResult::Open)
            result_ = TExerciseResult::Solved;
        return {TMoveVerdict::Solved, std::nullopt};
    }
    const ChessMove reply = solution_[played_];
    position_ = PositionAfter(position_, reply);
    ++played_;
    if (played_ >= solution_.size()) {
        // A solution that ends on the reply: nothing is left for the person.
        over_ = true;
        if (result_ == TExerciseResult::Open)
            result_ = TExerciseResult::Solved;
        return {TMoveVerdict::Solved, reply};
    }
    return {TMoveVerdict::Right, reply};
}

int TExerciseSession::NextHint()
{
    if (over_)
        return hintLevel_;
    if (hintLevel_ < 2)
        ++hintLevel_;
    if (hintLevel_ == 2)
        Fail();
    return hintLevel_;
}

Square TExerciseSession::HintFrom() const
{
    const std::optional<ChessMove> expected = ExpectedMove();
    return expected && hintLevel_ >= 1 ? expected->From : Square::None;
}

Square TExerciseSession::HintTo() const
{
    const std::optional<ChessMove> expected = ExpectedMove();
    return expected && hintLevel_ >= 2 ? expected->To : Square::None;
}

std::vector<ChessMove> TExerciseSession::ShowSolution()
{
    if (over_)
        return {};
    Fail();
    std::vector<ChessMove> rest(solution_.begin() + static_cast<std::ptrdiff_t>(played_), solution_.end());
    for (const ChessMove& move : rest)
        position_ = PositionAfter(position_, move);
    played_ = solution_.size();
    over_ = true;
    hintLevel_ = 0;
    return rest;
}

void TExerciseSession::Fail()
{
    if (result_ == TExerciseResult::Open)
        result_ = TExerciseResult::Failed;
}
