// SAN written and read back over every legal move of many positions, the
// marks and forms real files use, and the reasons a text is refused.
#include "NotationTestSupport.h"

#include "core/San.h"

#include <set>

namespace {

// Positions beyond the perft suite, each chosen for a notation case.
constexpr const char* notationPositions[] = {
    // Knights that share a file or a rank.
    "4k3/8/8/1N3N2/8/8/8/RN2K2R w KQ - 0 1",
    // Three queens: Qh4e1 needs file and rank.
    "1k6/8/8/8/4Q2Q/8/8/K6Q w - - 0 1",
    // En passant on both wings and a promotion with capture.
    "1r2k3/P7/8/3pP3/8/8/8/4K3 w - d6 0 1",
    // Black promotions, checks and mates.
    "k7/8/8/8/8/8/5p2/4R2K b - - 0 1",
    "6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1",
};

std::vector<GameState> AllPositions()
{
    std::vector<GameState> states;
    for (const NamedFen& named : StandardPositions)
        states.push_back(FenState(named.Fen));
    for (const char* fen : notationPositions)
        states.push_back(FenState(fen));
    // And every position one move into the suite, for many more cases.
    const std::size_t roots = states.size();
    for (std::size_t i = 0; i < roots; ++i)
        for (const ChessMove& move : LegalMoves(states[i]))
            states.push_back(PositionAfter(states[i], move));
    return states;
}

std::string San(const char* fen, ChessMove move)
{
    return MoveToSan(FenState(fen), move);
}

ChessMove Read(const char* fen, std::string_view text, const PieceLetters& letters = EnglishLetters)
{
    ChessMove move;
    std::string error;
    EXPECT_TRUE(ReadSan(FenState(fen), text, move, error, letters)) << text << ": " << error;
    return move;
}

std::string Refusal(const char* fen, std::string_view text, const PieceLetters& letters = EnglishLetters)
{
    ChessMove move;
    std::string error;
    EXPECT_FALSE(ReadSan(FenState(fen), text, move, error, letters)) << text;
    return error;
}

} // namespace

TEST(CoreSan, EveryLegalMoveRoundTripsInBothLetterSetsAndAsCoordinates)
{
    std::size_t moves = 0;
    for (const GameState& state : AllPositions()) {
        const std::vector<ChessMove> legal = LegalMoves(state);
        std::set<std::string> written;
        for (const ChessMove& move : legal) {
            ++moves;
            const std::string san = MoveToSan(state, move);
            EXPECT_TRUE(written.insert(san).second) << "two moves written " << san;
            ChessMove back;
            std::string error;
            ASSERT_TRUE(ReadSan(state, san, back, error)) << san << ": " << error;
            EXPECT_EQ(back, move) << san;

            const std::string portuguese = MoveToSan(state, move, PortugueseLetters);
            ASSERT_TRUE(ReadSan(state, portuguese, back, error, PortugueseLetters)) << portuguese << ": " << error;
            EXPECT_EQ(back, move) << portuguese;

            ASSERT_TRUE(ReadMoveText(state, MoveToCoordinates(move), back, error)) << error;
            EXPECT_EQ(back, move) << MoveToCoordinates(move);
        }
    }
    EXPECT_GT(moves, 5000u);
}

TEST(CoreSan, DisambiguatesByFileThenRankThenBoth)
{
    const char* knights = "4k3/8/8/1N3N2/8/8/8/RN2K2R w KQ - 0 1";
    EXPECT_EQ(San(knights, {Square::B5, Square::D6}), "Nbd6+"); // f5 on another file
    EXPECT_EQ(San(knights, {Square::F5, Square::D4}), "Nfd4");
    EXPECT_EQ(San(knights, {Square::B5, Square::C3}), "N5c3"); // b1 on the same file
    EXPECT_EQ(San(knights, {Square::B1, Square::C3}), "N1c3");
    EXPECT_EQ(San(knights, {Square::B5, Square::A7}), "Na7");
    EXPECT_EQ(San(knights, {Square::A1, Square::A8}), "Ra8+");
    EXPECT_EQ(San(knights, {Square::H1, Square::F1}), "Rf1");
    const char* queens = "1k6/8/8/8/4Q2Q/8/8/K6Q w - - 0 1";
    EXPECT_EQ(San(queens, {Square::H4, Square::E1}), "Qh4e1");
    EXPECT_EQ(San(queens, {Square::E4, Square::E1}), "Qee1");
    EXPECT_EQ(San(queens, {Square::H1, Square::E1}), "Q1e1");
}

TEST(CoreSan, CastlingEnPassantPromotionCheckAndMate)
{
    EXPECT_EQ(San("r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", {Square::E1, Square::G1}), "O-O");
    EXPECT_EQ(San("r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", {Square::E8, Square::C8}), "O-O-O");
    const char* passant = "1r2k3/P7/8/3pP3/8/8/8/4K3 w - d6 0 1";
    EXPECT_EQ(San(passant, {Square::E5, Square::D6}), "exd6");
    EXPECT_EQ(San(passant, {Square::A7, Square::B8, 'N'}), "axb8=N");
    EXPECT_EQ(San(passant, {Square::A7, Square::A8, 'Q'}), "a8=Q");
    EXPECT_EQ(San(passant, {Square::A7, Square::A8, 'R'}), "a8=R");
    EXPECT_EQ(San(passant, {Square::A7, Square::B8, 'B'}), "axb8=B");
    EXPECT_EQ(MoveToSan(FenState(passant), {Square::A7, Square::B8, 'Q'}, PortugueseLetters), "axb8=D+");
    const char* black = "k7/8/8/8/8/8/5p2/4R2K b - - 0 1";
    EXPECT_EQ(San(black, {Square::F2, Square::F1, 'Q'}), "f1=Q+");
    EXPECT_EQ(San(black, {Square::F2, Square::F1, 'N'}), "f1=N");
    EXPECT_EQ(San(black, {Square::F2, Square::E1, 'Q'}), "fxe1=Q+");
    EXPECT_EQ(San(black, {Square::F2, Square::E1, 'N'}), "fxe1=N");
    EXPECT_EQ(San("6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1", {Square::A1, Square::A8}), "Ra8#");
    EXPECT_EQ(MoveToSan(FenState("6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1"), {Square::A1, Square::A8}, PortugueseLetters),
              "Ta8#");
    EXPECT_EQ(MoveToSan(FenState("6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1"), {Square::G1, Square::F2}, PortugueseLetters),
              "Rf2");
}

TEST(CoreSan, ReadsTheFormsRealFilesUse)
{
    const char* start = "r3k3/p6P/8/8/8/5N2/8/R3K2R w KQq - 0 1";
    EXPECT_EQ(Read(start, "0-0"), (ChessMove{Square::E1, Square::G1, EmptySquare}));
    EXPECT_EQ(Read(start, "O-O-O+"), (ChessMove{Square::E1, Square::C1, EmptySquare}));
    EXPECT_EQ(Read(start, "0-0-0"), (ChessMove{Square::E1, Square::C1, EmptySquare}));
    EXPECT_EQ(Read(start, "h8Q"), (ChessMove{Square::H7, Square::H8, 'Q'}));
    EXPECT_EQ(Read(start, "h8=N!?"), (ChessMove{Square::H7, Square::H8, 'N'}));
    EXPECT_EQ(Read(start, "h8(R)"), (ChessMove{Square::H7, Square::H8, 'R'}));
    EXPECT_EQ(Read(start, "Nf3-d4??"), (ChessMove{Square::F3, Square::D4, EmptySquare}));
    EXPECT_EQ(Read(start, "Nfd4"), (ChessMove{Square::F3, Square::D4, EmptySquare}));
    EXPECT_EQ(Read(start, "N3xd4!"), (ChessMove{Square::F3, Square::D4, EmptySquare}));
    EXPECT_EQ(Read(start, "Rh1h6"), (ChessMove{Square::H1, Square::H6, EmptySquare}));
    // Portuguese letters: R is the king, T the rook, C the knight.
    EXPECT_EQ(Read(start, "Rd2", PortugueseLetters), (ChessMove{Square::E1, Square::D2, EmptySquare}));
    EXPECT_EQ(Read(start, "Td1", PortugueseLetters), (ChessMove{Square::A1, Square::D1, EmptySquare}));
    EXPECT_EQ(Read(start, "Cd4", PortugueseLetters), (ChessMove{Square::F3, Square::D4, EmptySquare}));
    EXPECT_EQ(Read(start, "h8=D", PortugueseLetters), (ChessMove{Square::H7, Square::H8, 'Q'}));
    EXPECT_EQ(Read(start, "Rd1"), (ChessMove{Square::A1, Square::D1, EmptySquare}));
}

TEST(CoreSan, RefusesWithAReason)
{
    const char* start = "r3k3/p6P/8/8/8/5N2/8/R3K2R w KQq - 0 1";
    EXPECT_EQ(Refusal(start, "Nd5"), "lance ilegal: \"Nd5\"");
    EXPECT_EQ(Refusal(start, "h8"), "falta a peça da promoção em \"h8\"");
    EXPECT_EQ(Refusal(start, "Ng1=Q"), "promoção num lance que não é de promoção: \"Ng1=Q\"");
    EXPECT_EQ(Refusal(start, "Zf3"), "letra de peça desconhecida 'Z' em \"Zf3\"");
    EXPECT_EQ(Refusal(start, "Kg1"), "lance ilegal: \"Kg1\""); // castling is written O-O
    EXPECT_EQ(Refusal(start, "e9"), "lance inválido: \"e9\"");
    EXPECT_EQ(Refusal(start, ""), "lance inválido: \"\"");
    EXPECT_EQ(Refusal(start, "Dd1", PortugueseLetters), "lance ilegal: \"Dd1\"");
    EXPECT_EQ(Refusal(start, "Nd4", PortugueseLetters), "letra de peça desconhecida 'N' em \"Nd4\"");
    EXPECT_EQ(Refusal("1k6/8/8/8/4Q2Q/8/8/K6Q w - - 0 1", "Qe1"), "lance ambíguo: \"Qe1\"");
    EXPECT_EQ(Refusal("1k6/8/8/8/4Q2Q/8/8/K6Q w - - 0 1", "Qhe1"), "lance ambíguo: \"Qhe1\"");
    // A pinned knight's move is not legal, so the other knight's is not ambiguous.
    EXPECT_EQ(Read("4k3/4r3/8/8/8/8/2N1N3/4K3 w - - 0 1", "Nd4").From, Square::C2);
    EXPECT_EQ(San("4k3/4r3/8/8/8/8/2N1N3/4K3 w - - 0 1", {Square::C2, Square::D4}), "Nd4");
}

TEST(CoreSan, CoordinateMovesAsTyped)
{
    const GameState state = FenState("4k3/1P6/8/8/8/8/4P3/4K2R w K - 0 1");
    ChessMove move;
    std::string error;
    ASSERT_TRUE(ReadMoveText(state, "e2-e4", move, error)) << error;
    EXPECT_EQ(move, (ChessMove{Square::E2, Square::E4, EmptySquare}));
    ASSERT_TRUE(ReadMoveText(state, "b7b8q", move, error)) << error;
    EXPECT_EQ(move, (ChessMove{Square::B7, Square::B8, 'Q'}));
    ASSERT_TRUE(ReadMoveText(state, "b7b8=N", move, error)) << error;
    EXPECT_EQ(move.Promotion, 'N');
    ASSERT_TRUE(ReadMoveText(state, "b7b8c", move, error, PortugueseLetters)) << error;
    EXPECT_EQ(move.Promotion, 'N');
    ASSERT_TRUE(ReadMoveText(state, "e1g1", move, error)) << error;
    EXPECT_EQ(move, (ChessMove{Square::E1, Square::G1, EmptySquare}));
    ASSERT_TRUE(ReadMoveText(state, "Rh8+", move, error)) << error;
    EXPECT_EQ(move, (ChessMove{Square::H1, Square::H8, EmptySquare}));
    EXPECT_FALSE(ReadMoveText(state, "b7b8", move, error));
    EXPECT_EQ(error, "falta a peça da promoção em \"b7b8\"");
    EXPECT_FALSE(ReadMoveText(state, "e2e5", move, error));
    EXPECT_EQ(error, "lance ilegal: \"e2e5\"");
    EXPECT_FALSE(ReadMoveText(state, "e2e4q", move, error));
    EXPECT_EQ(error, "promoção num lance que não é de promoção: \"e2e4q\"");
}
