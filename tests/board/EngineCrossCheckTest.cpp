// The board's rules against the computer player's move generator, written
// independently: along seeded random games, every position's list of legal
// square pairs from IsLegalMove must equal the engine's legal moves (its
// four promotions of one pawn move being one pair).
#include "BoardTestSupport.h"

#include "engine/ChessEngine.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>

using namespace boardtest;

namespace {

using PairSet = std::set<std::pair<int, int>>;

PairSet BoardPairs(const TChessBoard& board)
{
    PairSet pairs;
    const int side = board.WhiteToMove() ? 1 : 0;
    for (int from = 1; from <= 64; ++from) {
        if (PieceColor(board.Board(), SquareFromOrd(from)) != side)
            continue;
        for (int to = 1; to <= 64; ++to)
            if (board.IsLegalMove(SquareFromOrd(from), SquareFromOrd(to)))
                pairs.insert({from, to});
    }
    return pairs;
}

PairSet EnginePairs(const TChessBoard& board)
{
    TChessEngine engine;
    const GameState& state = board.State();
    engine.BoardRef = &state.Board;
    engine.WhiteToMoveRef = &state.WhiteToMove;
    engine.CastlingAllowedRef = &state.CastlingAllowed;
    engine.EnPassantRef = &state.EnPassant;
    engine.LoadPosition();
    engine.GenerateMoves();
    PairSet pairs;
    std::vector<TEngineMove> moves;
    for (const TMoveEntry& entry : engine.CurrentMoves())
        moves.push_back(entry.Move);
    for (TEngineMove move : moves)
        if (engine.DoMove(move)) {
            pairs.insert({move.From + 1, move.To + 1});
            engine.UndoMove();
        }
    return pairs;
}

std::string Describe(const PairSet& pairs)
{
    std::string text;
    for (const auto& [from, to] : pairs)
        text += SquareName(SquareFromOrd(from)) + SquareName(SquareFromOrd(to)) + " ";
    return text;
}

TEST(EngineCrossCheck, RandomGamesAgreeMoveForMove)
{
    std::mt19937 random(20051);
    int positions = 0;
    for (int game = 0; game < 24; ++game) {
        TChessBoard board(nullptr, true);
        for (int ply = 0; ply < 160; ++ply) {
            if (board.ThreefoldRepetition())
                break;
            const PairSet fromBoard = BoardPairs(board);
            const PairSet fromEngine = EnginePairs(board);
            ++positions;
            ASSERT_EQ(fromBoard, fromEngine) << "game " << game << " ply " << ply << "\nposition '" << board.Position()
                                             << "'\nboard only: " << Describe([&] {
                                                    PairSet d;
                                                    for (const auto& p : fromBoard)
                                                        if (!fromEngine.count(p))
                                                            d.insert(p);
                                                    return d;
                                                }())
                                             << "\nengine only: " << Describe([&] {
                                                    PairSet d;
                                                    for (const auto& p : fromEngine)
                                                        if (!fromBoard.count(p))
                                                            d.insert(p);
                                                    return d;
                                                }());
            if (fromBoard.empty())
                break;
            auto pick = fromBoard.begin();
            std::advance(pick, std::uniform_int_distribution<int>(0, static_cast<int>(fromBoard.size()) - 1)(random));
            ASSERT_TRUE(board.MakeMove(SquareFromOrd(pick->first), SquareFromOrd(pick->second)));
        }
    }
    EXPECT_GT(positions, 1000);
}

} // namespace
