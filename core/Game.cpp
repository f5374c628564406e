// The recorded game.
#include "core/Game.h"

#include "core/Chess960.h"
#include "core/Rules.h"
#include "core/San.h"

#include <algorithm>

namespace {

// A pawn move or a capture starts the half-move clock again.
bool ResetsClock(const GameState& state, const ChessMove& move)
{
    const char piece = state.At(move.From);
    return piece == 'P' || piece == 'p' || state.At(move.To) != EmptySquare;
}

} // namespace

bool operator==(const GameVariation& a, const GameVariation& b)
{
    return a.StartComment == b.StartComment && a.Moves == b.Moves;
}

Game::Game()
{
    start_.State = GameState::Initial();
    last_ = start_.State;
}

std::optional<std::string> Game::Tag(std::string_view name) const
{
    for (const GameTag& tag : tags_)
        if (tag.Name == name)
            return tag.Value;
    return std::nullopt;
}

void Game::SetTag(std::string_view name, std::string_view value)
{
    for (GameTag& tag : tags_)
        if (tag.Name == name) {
            tag.Value = value;
            return;
        }
    tags_.push_back({std::string(name), std::string(value)});
}

void Game::RemoveTag(std::string_view name)
{
    std::erase_if(tags_, [name](const GameTag& tag) { return tag.Name == name; });
}

void Game::SetStart(const FenPosition& start)
{
    start_ = start;
    moves_.clear();
    last_ = start_.State;
    lastClock_ = start_.HalfMoveClock;
    WriteStartTags();
}

void Game::SetStartCounters(int moveNumber, int halfMoveClock)
{
    start_.State.CurrentMove = moveNumber;
    start_.HalfMoveClock = halfMoveClock;
    last_ = start_.State;
    lastClock_ = start_.HalfMoveClock;
    for (const GameMove& move : moves_) {
        lastClock_ = ResetsClock(last_, move.Move) ? 0 : lastClock_ + 1;
        last_ = PositionAfter(last_, move.Move);
    }
    WriteStartTags();
}

void Game::WriteStartTags()
{
    if (start_.State.Chess960)
        SetTag("Variant", "Chess960");
    else if (IsChess960Variant(Tag("Variant").value_or(std::string())))
        RemoveTag("Variant");
    if (const int number = Chess960StartNumber(start_.State); number >= 0)
        SetTag(Chess960NumberTag, std::to_string(number));
    else
        RemoveTag(Chess960NumberTag);
    if (StartsFromStandardPosition()) {
        RemoveTag("SetUp");
        RemoveTag("FEN");
    } else {
        SetTag("SetUp", "1");
        SetTag("FEN", WriteFen(start_.State, start_.HalfMoveClock));
    }
}

bool IsChess960Variant(std::string_view variant)
{
    std::string lower;
    for (char c : variant)
        if (c != ' ' && c != '-')
            lower += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    return lower == "chess960" || lower == "fischerandom" || lower == "fischerrandom" || lower == "960";
}

bool Game::StartsFromStandardPosition() const
{
    return !start_.State.Chess960 && WriteFen(start_.State, start_.HalfMoveClock) == StandardStartFen;
}

bool Game::AddMove(const ChessMove& move, std::string* error)
{
    if (!IsLegalMove(last_, move)) {
        if (error)
            *error = "lance ilegal: " + MoveToCoordinates(move);
        return false;
    }
    GameMove recorded;
    recorded.Move = move;
    recorded.San = MoveToSan(last_, move);
    const bool resets = ResetsClock(last_, move);
    last_ = PositionAfter(last_, move);
    lastClock_ = resets ? 0 : lastClock_ + 1;
    moves_.push_back(std::move(recorded));
    return true;
}

void Game::Truncate(std::size_t plies)
{
    if (plies >= moves_.size())
        return;
    const GameState position = PositionAt(plies);
    const int clock = HalfMoveClockAt(plies);
    moves_.resize(plies);
    last_ = position;
    lastClock_ = clock;
}

GameState Game::PositionAt(std::size_t plies) const
{
    if (plies >= moves_.size())
        return last_;
    GameState state = start_.State;
    for (std::size_t i = 0; i < plies; ++i)
        state = PositionAfter(state, moves_[i].Move);
    return state;
}

int Game::HalfMoveClockAt(std::size_t plies) const
{
    if (plies >= moves_.size())
        return lastClock_;
    GameState state = start_.State;
    int clock = start_.HalfMoveClock;
    for (std::size_t i = 0; i < plies; ++i) {
        clock = ResetsClock(state, moves_[i].Move) ? 0 : clock + 1;
        state = PositionAfter(state, moves_[i].Move);
    }
    return clock;
}

std::string Game::FenAt(std::size_t plies) const
{
    return WriteFen(PositionAt(plies), HalfMoveClockAt(plies));
}

bool Game::IsResultToken(std::string_view text)
{
    return text == "1-0" || text == "0-1" || text == "1/2-1/2" || text == "*";
}

std::string Game::RulesResult(const GameState& state)
{
    if (!HasMobility(state)) {
        if (SideToMoveInCheck(state))
            return state.WhiteToMove ? "0-1" : "1-0";
        return "1/2-1/2";
    }
    if (MatingMaterial(state.Board, true) < 5 && MatingMaterial(state.Board, false) < 5)
        return "1/2-1/2";
    return "*";
}

void Game::SetResult(std::string_view result)
{
    result_ = IsResultToken(result) ? std::string(result) : std::string("*");
    SetTag("Result", result_);
}

std::optional<PlayerType> Game::Player(bool white) const
{
    const std::optional<std::string> value = Tag(white ? "WhiteType" : "BlackType");
    if (value == "program")
        return PlayerType::Program;
    if (value == "human")
        return PlayerType::Human;
    return std::nullopt;
}

void Game::SetPlayer(bool white, PlayerType type)
{
    SetTag(white ? "WhiteType" : "BlackType", type == PlayerType::Program ? "program" : "human");
}

std::optional<int> Game::Level() const
{
    const std::optional<std::string> value = Tag("KestravinLevel");
    if (value && value->size() == 1 && (*value)[0] >= '1' && (*value)[0] <= '5')
        return (*value)[0] - '0';
    return std::nullopt;
}

void Game::SetLevel(int level)
{
    SetTag("KestravinLevel", std::to_string(std::clamp(level, 1, 5)));
}
