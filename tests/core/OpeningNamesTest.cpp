// The names of the openings: every row of the shipped table names itself by
// its own moves, transpositions are named by the position reached, a game
// is named by the last named position it passed, and the Portuguese
// families.
#include "core/OpeningNames.h"

#include "core/Game.h"
#include "core/MoveList.h"
#include "core/San.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// The positions of a game given in SAN from the start, start first.
std::vector<GameState> Positions(const std::string& line)
{
    std::vector<GameState> positions{GameState::Initial()};
    std::istringstream in(line);
    for (std::string word; in >> word;) {
        if (word.back() == '.')
            continue;
        ChessMove move;
        std::string error;
        EXPECT_TRUE(ReadSan(positions.back(), word, move, error)) << line << ": " << word << ": " << error;
        positions.push_back(PositionAfter(positions.back(), move));
    }
    return positions;
}

} // namespace

TEST(OpeningNames, EveryRowOfTheShippedTableNamesItself)
{
    const TOpeningTable& table = TOpeningTable::Shipped();
    EXPECT_EQ(table.Refused(), 0);
    // 3,807 rows, each a position of its own.
    EXPECT_EQ(table.Size(), 3807u);
    for (const TOpeningName& row : table.Names()) {
        const TOpeningName* named = table.NameOf(Positions(row.Moves));
        ASSERT_NE(named, nullptr) << row.Moves;
        EXPECT_EQ(named, &row) << row.Eco << " " << row.Name << " is named " << named->Name;
    }
}

TEST(OpeningNames, KnownLinesAndTranspositions)
{
    const TOpeningTable& table = TOpeningTable::Shipped();
    const TOpeningName* spanish = table.NameOf(Positions("1. e4 e5 2. Nf3 Nc6 3. Bb5"));
    ASSERT_NE(spanish, nullptr);
    EXPECT_EQ(spanish->Eco, "C60");
    EXPECT_EQ(spanish->Name, "Ruy Lopez");
    // Moves beyond the table keep the last name reached.
    const TOpeningName* later =
        table.NameOf(Positions("1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 4. Ba4 Nf6 5. O-O Be7 6. h3 h6 7. a3"));
    ASSERT_NE(later, nullptr);
    EXPECT_EQ(later->Eco.substr(0, 2), "C8");
    // The same position by another order of moves has the same name.
    const TOpeningName* direct = table.NameOf(Positions("1. d4 Nf6 2. c4 e6 3. Nc3 Bb4"));
    const TOpeningName* transposed = table.NameOf(Positions("1. c4 e6 2. Nc3 Nf6 3. d4 Bb4"));
    ASSERT_NE(direct, nullptr);
    ASSERT_NE(transposed, nullptr);
    EXPECT_EQ(direct, transposed);
    EXPECT_EQ(direct->Name, "Nimzo-Indian Defense");
    // The start itself has no name; a game that never reaches a named
    // position has none.
    EXPECT_EQ(table.NameOf(Positions("")), nullptr);
    EXPECT_EQ(table.Find(GameState::Initial()), nullptr);
}

TEST(OpeningNames, ATableFromTextRefusesLinesThatCannotBePlayed)
{
    TOpeningTable table;
    table.AddTsv("eco\tname\tpgn\nB00\tKing's Pawn Game\t1. e4\r\nX99\tNonsense\t1. e5\n\nB01\tScandinavian "
                 "Defense\t1. e4 d5\nB99\tSame Position\t1. e4 d5\n");
    EXPECT_EQ(table.Size(), 2u);
    EXPECT_EQ(table.Refused(), 1);
    const TOpeningName* name = table.NameOf(Positions("1. e4 d5 2. exd5"));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->Name, "Scandinavian Defense");
    EXPECT_EQ(name->Moves, "1. e4 d5");
}

TEST(OpeningNames, PortugueseFamilies)
{
    EXPECT_EQ(PortugueseOpeningName("Ruy Lopez"), "Abertura Espanhola");
    EXPECT_EQ(PortugueseOpeningName("Ruy Lopez: Morphy Defense"), "Abertura Espanhola: Morphy Defense");
    EXPECT_EQ(PortugueseOpeningName("Sicilian Defense: Najdorf Variation"), "Defesa Siciliana: Najdorf Variation");
    EXPECT_EQ(PortugueseOpeningName("King's Gambit Accepted"), "Gambito do Rei Aceito");
    EXPECT_EQ(PortugueseOpeningName("Sicilian Defense, something"), "Sicilian Defense, something");
    EXPECT_EQ(PortugueseOpeningName("Grob Opening"), "Grob Opening");
}

TEST(OpeningNames, TagsOfASavedGame)
{
    Game game;
    GameState state = GameState::Initial();
    std::istringstream in("e4 c5 Nf3 d6 d4 cxd4 Nxd4 Nf6 Nc3 a6 Be2");
    for (std::string word; in >> word;) {
        ChessMove move;
        std::string error;
        ASSERT_TRUE(ReadSan(state, word, move, error)) << word;
        ASSERT_TRUE(game.AddMove(move));
        state = PositionAfter(state, move);
    }
    game.SetTag("ECO", "A00");
    game.SetTag("Opening", "Wrong");
    ASSERT_TRUE(SetOpeningTags(game));
    EXPECT_EQ(game.Tag("ECO"), "B92");
    EXPECT_EQ(game.Tag("Opening"), "Sicilian Defense: Najdorf Variation, Opocensky Variation");
    // A game without a named position keeps its tags.
    Game empty;
    empty.SetTag("ECO", "A00");
    EXPECT_FALSE(SetOpeningTags(empty));
    EXPECT_EQ(empty.Tag("ECO"), "A00");
}
