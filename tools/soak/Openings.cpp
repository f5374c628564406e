// The opening lines and loadable positions of the soak games.
#include "Openings.h"

#include <sstream>

namespace {

TOpeningLine Line(std::string name, const std::string& moves)
{
    TOpeningLine line{std::move(name), {}};
    std::istringstream words(moves);
    for (std::string move; words >> move;)
        line.Moves.emplace_back(SquareFromName(move.substr(0, 2)), SquareFromName(move.substr(2, 2)));
    return line;
}

// Eight rank strings, rank 8 first, '.' for an empty square.
std::string Ranks(std::initializer_list<const char*> ranks)
{
    std::string placement;
    for (const char* rank : ranks)
        placement += rank;
    for (char& c : placement) {
        if (c == '.')
            c = ' ';
    }
    return placement;
}

} // namespace

Square SquareFromName(const std::string& name)
{
    if (name.size() != 2)
        return Square::None;
    return SquareAt(name[0] - 'a' + 1, name[1] - '0');
}

const std::vector<TOpeningLine>& OpeningLines()
{
    static const std::vector<TOpeningLine> lines = {
        Line("Ruy Lopez", "e2e4 e7e5 g1f3 b8c6 f1b5 a7a6 b5a4 g8f6 e1g1 f8e7"),
        Line("Italian", "e2e4 e7e5 g1f3 b8c6 f1c4 f8c5 c2c3 g8f6 d2d4 e5d4"),
        Line("Sicilian", "e2e4 c7c5 g1f3 d7d6 d2d4 c5d4 f3d4 g8f6 b1c3 a7a6"),
        Line("French", "e2e4 e7e6 d2d4 d7d5 b1c3 f8b4 e4e5 c7c5"),
        Line("Caro-Kann", "e2e4 c7c6 d2d4 d7d5 b1c3 d5e4 c3e4 c8f5"),
        Line("Scandinavian", "e2e4 d7d5 e4d5 d8d5 b1c3 d5a5 d2d4 g8f6"),
        Line("Queen's Gambit Declined", "d2d4 d7d5 c2c4 e7e6 b1c3 g8f6 c1g5 f8e7"),
        Line("King's Indian", "d2d4 g8f6 c2c4 g7g6 b1c3 f8g7 e2e4 d7d6 g1f3 e8g8"),
        Line("English", "c2c4 e7e5 b1c3 g8f6 g2g3 d7d5 c4d5 f6d5"),
        Line("Reti", "g1f3 d7d5 g2g3 g8f6 f1g2 e7e6 e1g1 f8e7"),
        Line("Petrov", "e2e4 e7e5 g1f3 g8f6 f3e5 d7d6 e5f3 f6e4"),
        Line("King's Gambit", "e2e4 e7e5 f2f4 e5f4 g1f3 g7g5"),
        // Short games that end in mate within the opening.
        Line("Scholar's mate", "e2e4 e7e5 f1c4 b8c6 d1h5 g8f6 h5f7"),
        Line("Fool's mate", "f2f3 e7e5 g2g4 d8h4"),
    };
    return lines;
}

const std::vector<TLoadablePosition>& LoadablePositions()
{
    // Neither king stands in check and both sides have moves, so each can be
    // loaded whichever side is to move.
    static const std::vector<TLoadablePosition> positions = {
        {"queen against king",
         Ranks({"........", "........", "....k...", "........", "........", "........", "...Q....", "....K..."}), true},
        {"rook against king",
         Ranks({"....k...", "........", "........", "........", "........", "........", "........", "R...K..."}), true},
        {"pawn ending",
         Ranks({"........", "....k...", "........", "........", "........", "....K...", "....P...", "........"}), true},
        {"rook and pawn ending",
         Ranks({"........", "..r.....", "........", "...k....", "........", "...K....", "...P....", "....R..."}),
         false},
        {"bishop and knight",
         Ranks({"........", "........", "........", "...k....", "........", "........", "........", "..B.KN.."}), true},
        {"knights only",
         Ranks({"....k...", "........", "..n.....", "........", "........", ".....N..", "........", "....K..."}), true},
        {"queens endgame",
         Ranks({"......k.", ".....ppp", "........", "...q....", "...Q....", "........", ".....PPP", "......K."}),
         false},
        {"open middlegame",
         Ranks({"r...r.k.", "pp...ppp", "..p.bn..", "q.......", "...P....", "..N..N..", "PP..QPPP", "R.B.R.K."}), true},
        {"closed middlegame",
         Ranks({"r.bq.rk.", "pp..bppp", "..n.p...", "..ppPn..", "...P....", "..PB.N..", "PP.N.PPP", "R..QK..R"}), true},
        {"mate threat",
         Ranks({"......k.", ".....ppp", "........", "........", "........", "........", ".....PPP", "R.....K."}), true},
    };
    return positions;
}
