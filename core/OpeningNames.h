// The names of the openings: a table of named positions (ECO code, English
// name, the line that reaches it), read from tab-separated text, and the
// name of a game: the last position of the game, walking back from its
// end, that the table knows. Positions are compared, not move orders, so a
// transposition is named as the line it reaches.
#pragma once

#include "core/GameState.h"

class Game;

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct TOpeningName {
    std::string Eco;   // "C60"
    std::string Name;  // "Ruy Lopez: Morphy Defense"
    std::string Moves; // "1. e4 e5 2. Nf3 Nc6 3. Bb5 a6"
};

class TOpeningTable {
public:
    // Reads lines "eco<TAB>name<TAB>moves" (a header line "eco..." and
    // blank lines are passed over). A line whose moves cannot be played is
    // counted in Refused() and left out. Later lines for a position already
    // named do not replace it.
    void AddTsv(std::string_view text);
    std::size_t Size() const { return names_.size(); }
    int Refused() const { return refused_; }
    const std::vector<TOpeningName>& Names() const { return names_; }

    // The table's name of this very position, or nullptr.
    const TOpeningName* Find(const GameState& state) const;
    // The name of a game from the positions it went through, start first:
    // the last of them that the table names, or nullptr.
    const TOpeningName* NameOf(const std::vector<GameState>& positions) const;

    // The table shipped with the program (built in).
    static const TOpeningTable& Shipped();

private:
    std::vector<TOpeningName> names_;
    std::unordered_map<std::uint64_t, std::size_t> byPosition_;
    int refused_ = 0;
};

// The name as the game window shows it in Portuguese: the family in
// Portuguese where one is in common use ("Ruy Lopez" becomes "Abertura
// Espanhola"), the rest as the table has it.
std::string PortugueseOpeningName(std::string_view englishName);

// The positions of a recorded game, its start first.
std::vector<GameState> GamePositions(const Game& game);
// Writes the game's ECO and Opening tags (the table's English name) as the
// table names it, replacing what it had; false, leaving its tags as they
// were, when no position of the game is named.
bool SetOpeningTags(Game& game, const TOpeningTable& table = TOpeningTable::Shipped());
