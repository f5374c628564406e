// One try at an exercise: a position, the side to move and a solution (the
// person's move, the reply, the person's next move, ...). The session says
// whether a move of the person is the expected one, gives the reply to
// play, hands out hints (first the piece to move, then the move) and knows
// the result. It changes no board: its owner shows the moves. Plain C++,
// no Qt.
//
// The result is Solved only when the whole solution was played without a
// wrong move, without the hint that names the move and without asking for
// the solution; the first of these makes it Failed, and the person may
// still go on to the end. A move that mates at once is right even where the
// solution names another.
#pragma once

#include "core/GameState.h"
#include "core/MoveList.h"

#include <optional>
#include <string>
#include <vector>

enum class TExerciseResult { Open, Solved, Failed };

enum class TMoveVerdict {
    Wrong,  // not the move: nothing changes, the person may try again
    Right,  // the expected move: the reply follows
    Solved, // the last move of the solution (or a mate)
    Over,   // the exercise has ended; nothing more is expected
};

struct TExerciseAnswer {
    TMoveVerdict Verdict = TMoveVerdict::Over;
    // The reply to the person's right move, already counted as played.
    std::optional<ChessMove> Reply;
};

class TExerciseSession {
public:
    // Reads the FEN and the solution in UCI moves ("e2e4", "e7e8q"); false
    // with the reason in Portuguese when the FEN is refused or a move of
    // the solution is not legal where it is played.
    bool Start(const std::string& fen, const std::vector<std::string>& solution, std::string& error);

    const GameState& StartPosition() const { return start_; }
    // The position the person is to move in (or the last one, when over).
    const GameState& Position() const { return position_; }
    bool PersonPlaysWhite() const { return start_.WhiteToMove; }
    const std::vector<ChessMove>& Solution() const { return solution_; }
    // Half-moves of the solution played so far.
    std::size_t Played() const { return played_; }

    // The person's move in the position now.
    TExerciseAnswer Play(const ChessMove& move);
    // The move the person should play now; nothing once over.
    std::optional<ChessMove> ExpectedMove() const;

    // Hints: 0 none, 1 the piece (its square), 2 the move. NextHint raises
    // the level (at most 2) and returns it; the move's hint fails the try.
    int HintLevel() const { return hintLevel_; }
    int NextHint();
    // The square of the piece to move (level 1 on), and its target (level 2).
    Square HintFrom() const;
    Square HintTo() const;

    // Gives up: the try is failed and the rest of the solution, from the
    // position now, is returned; the session is then over.
    std::vector<ChessMove> ShowSolution();

    TExerciseResult Result() const { return result_; }
    bool Over() const { return over_; }
    int WrongMoves() const { return wrongMoves_; }

private:
    void Fail();

    GameState start_;
    GameState position_;
    std::vector<ChessMove> solution_;
    std::size_t played_ = 0;
    int hintLevel_ = 0;
    int wrongMoves_ = 0;
    bool over_ = true;
    TExerciseResult result_ = TExerciseResult::Open;
};
