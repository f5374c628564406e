// Helpers shared by the board model tests: setting a board up from FEN,
// naming squares, and recording the events a board fires, in order.
#pragma once

#include "board/ChessBoard.h"
#include "core/GameHistory.h"

#include "Placement.h"

#include <cctype>
#include <sstream>
#include <string>
#include <vector>

namespace boardtest {

// Sets placement, side to move, castling rights and en passant square.
inline void SetUpFen(TChessBoard& board, const std::string& fen)
{
    // Fields left out are "w", "-" and "-". The syntax alone is checked: the
    // board tests set up positions no game reaches.
    std::istringstream in(fen);
    std::string full;
    int fields = 0;
    for (std::string field; in >> field; ++fields)
        full += (full.empty() ? "" : " ") + field;
    for (; fields < 4; ++fields)
        full += fields == 1 ? " w" : " -";
    FenPosition read;
    NotationError error;
    ASSERT_TRUE(ReadFenSyntax(full, read, error)) << fen << ": " << PortugueseReason(error);
    board.SetPosition(PositionString(read.State.Board));
    board.SetWhiteToMove(read.State.WhiteToMove);
    board.SetCastlingAllowed(read.State.CastlingAllowed);
    if (read.State.EnPassant != Square::None)
        board.SetEnPassant(read.State.EnPassant);
}

// Every (from, to) pair that IsLegalMove accepts, as "e2e4" strings.
inline std::vector<std::string> LegalPairs(const TChessBoard& board)
{
    std::vector<std::string> pairs;
    for (int from = 1; from <= 64; ++from)
        for (int to = 1; to <= 64; ++to)
            if (board.IsLegalMove(SquareFromOrd(from), SquareFromOrd(to))) {
                std::string name = SquareName(SquareFromOrd(from)) + SquareName(SquareFromOrd(to));
                for (char& c : name)
                    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                pairs.push_back(name);
            }
    return pairs;
}

// Plays moves given as "e2e4" strings; false at the first refused one.
inline bool Play(TChessBoard& board, const std::vector<std::string>& moves)
{
    for (const std::string& m : moves)
        if (!board.MakeMove(Sq(m.c_str()), Sq(m.c_str() + 2)))
            return false;
    return true;
}

// Attaches a handler to all twelve event slots and records each event as a
// short text: "LegalMove e2e4", "Capture p", "Promotion", "Castle",
// "Check", "Mate", "StaleMate", "NoMatingMaterial", "Threefold", "Draw",
// "Paint", "Illegal e2".
class EventLog {
public:
    explicit EventLog(TChessBoard& board)
    {
        auto squares = [](Square a, Square b) {
            std::string s = SquareName(a) + SquareName(b);
            for (char& c : s)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            return s;
        };
        board.OnLegalMove = [this, squares](QObject*, Square a, Square b) {
            events.push_back("LegalMove " + squares(a, b));
        };
        board.OnCapture = [this](QObject*, Square, Square, char piece) {
            events.push_back(std::string("Capture ") + piece);
        };
        board.OnPromotion = [this](QObject*, Square, Square, char&) { events.push_back("Promotion"); };
        board.OnCastle = [this](QObject*, Square, Square) { events.push_back("Castle"); };
        board.OnCheck = [this](QObject*, Square, Square) { events.push_back("Check"); };
        board.OnMate = [this](QObject*, Square, Square) { events.push_back("Mate"); };
        board.OnStaleMate = [this](QObject*, Square, Square) { events.push_back("StaleMate"); };
        board.OnIllegalMove = [this](QObject*, Square s) { events.push_back("Illegal " + SquareName(s)); };
        board.OnNoMatingMaterial = [this](QObject*) { events.push_back("NoMatingMaterial"); };
        board.OnThreefoldPosition = [this](QObject*) { events.push_back("Threefold"); };
        board.OnDraw = [this](QObject*) { events.push_back("Draw"); };
        board.OnPaint = [this](QObject*) { events.push_back("Paint"); };
    }
    // The events recorded since the last call.
    std::vector<std::string> Take()
    {
        std::vector<std::string> taken;
        taken.swap(events);
        return taken;
    }
    std::vector<std::string> events;
};

} // namespace boardtest
