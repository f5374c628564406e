// The names of the openings: see OpeningNames.h.
#include "core/OpeningNames.h"

#include "core/Game.h"
#include "core/MoveList.h"
#include "core/PolyglotKey.h"
#include "core/San.h"

#include <array>
#include <sstream>
#include <utility>

namespace {

std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

// Plays a line of SAN moves with move numbers ("1. e4 e5 2. Nf3") from the
// start; false when a move cannot be played.
bool PlayLine(std::string_view line, GameState& state)
{
    state = GameState::Initial();
    std::istringstream in{std::string(line)};
    for (std::string word; in >> word;) {
        if (!word.empty() && word.back() == '.')
            continue;
        ChessMove move;
        std::string error;
        if (!ReadSan(state, word, move, error))
            return false;
        state = PositionAfter(state, move);
    }
    return true;
}

} // namespace

// The shipped table's files (resources/openings), built in at build time
// (core/EmbedOpenings.cmake).
extern const char* const KestravinShippedOpenings[];
extern const std::size_t KestravinShippedOpeningsCount;

const TOpeningTable& TOpeningTable::Shipped()
{
    static const TOpeningTable table = [] {
        TOpeningTable shipped;
        for (std::size_t i = 0; i < KestravinShippedOpeningsCount; ++i)
            shipped.AddTsv(KestravinShippedOpenings[i]);
        return shipped;
    }();
    return table;
}

void TOpeningTable::AddTsv(std::string_view text)
{
    for (std::string_view line : SplitLines(text)) {
        if (line.empty() || line.rfind("eco\t", 0) == 0)
            continue;
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
        GameState state;
        if (tab2 == std::string_view::npos || !PlayLine(line.substr(tab2 + 1), state)) {
            ++refused_;
            continue;
        }
        const std::uint64_t key = PolyglotKey(state);
        if (byPosition_.contains(key))
            continue;
        byPosition_.emplace(key, names_.size());
        names_.push_back({std::string(line.substr(0, tab1)), std::string(line.substr(tab1 + 1, tab2 - tab1 - 1)),
                          std::string(line.substr(tab2 + 1))});
    }
}

const TOpeningName* TOpeningTable::Find(const GameState& state) const
{
    const auto found = byPosition_.find(PolyglotKey(state));
    return found == byPosition_.end() ? nullptr : &names_[found->second];
}

const TOpeningName* TOpeningTable::NameOf(const std::vector<GameState>& positions) const
{
    for (auto it = positions.rbegin(); it != positions.rend(); ++it) {
        if (const TOpeningName* name = Find(*it))
            return name;
    }
    return nullptr;
}

std::string PortugueseOpeningName(std::string_view englishName)
{
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 32> Families{{
        {"Ruy Lopez", "Abertura Espanhola"},
        {"Sicilian Defense", "Defesa Siciliana"},
        {"French Defense", "Defesa Francesa"},
        {"Caro-Kann Defense", "Defesa Caro-Kann"},
        {"Italian Game", "Abertura Italiana"},
        {"Scotch Game", "Abertura Escocesa"},
        {"Vienna Game", "Abertura Vienense"},
        {"Four Knights Game", "Abertura dos Quatro Cavalos"},
        {"Three Knights Opening", "Abertura dos Três Cavalos"},
        {"Bishop's Opening", "Abertura do Bispo"},
        {"English Opening", "Abertura Inglesa"},
        {"Catalan Opening", "Abertura Catalã"},
        {"Réti Opening", "Abertura Réti"},
        {"King's Gambit Accepted", "Gambito do Rei Aceito"},
        {"King's Gambit Declined", "Gambito do Rei Recusado"},
        {"King's Gambit", "Gambito do Rei"},
        {"Queen's Gambit Accepted", "Gambito da Dama Aceito"},
        {"Queen's Gambit Declined", "Gambito da Dama Recusado"},
        {"Queen's Gambit", "Gambito da Dama"},
        {"King's Indian Defense", "Defesa Índia do Rei"},
        {"Queen's Indian Defense", "Defesa Índia da Dama"},
        {"Nimzo-Indian Defense", "Defesa Nimzoíndia"},
        {"Slav Defense", "Defesa Eslava"},
        {"Semi-Slav Defense", "Defesa Semi-Eslava"},
        {"Dutch Defense", "Defesa Holandesa"},
        {"Scandinavian Defense", "Defesa Escandinava"},
        {"Petrov's Defense", "Defesa Petrov"},
        {"Philidor Defense", "Defesa Philidor"},
        {"Alekhine Defense", "Defesa Alekhine"},
        {"Pirc Defense", "Defesa Pirc"},
        {"Modern Defense", "Defesa Moderna"},
        {"Two Knights Defense", "Defesa dos Dois Cavalos"},
    }};
    const std::string_view family = englishName.substr(0, englishName.find(':'));
    for (const auto& [english, portuguese] : Families) {
        if (family == english)
            return std::string(portuguese) + std::string(englishName.substr(family.size()));
    }
    return std::string(englishName);
}

std::vector<GameState> GamePositions(const Game& game)
{
    std::vector<GameState> positions{game.StartState()};
    for (const GameMove& move : game.Moves())
        positions.push_back(PositionAfter(positions.back(), move.Move));
    return positions;
}

bool SetOpeningTags(Game& game, const TOpeningTable& table)
{
    const TOpeningName* name = table.NameOf(GamePositions(game));
    if (name == nullptr)
        return false;
    game.SetTag("ECO", name->Eco);
    game.SetTag("Opening", name->Name);
    return true;
}
