// A recorded game as game files hold it: its tags, the position it starts
// from, the moves of its main line with their SAN, comments, NAGs and the
// variations played instead of them (nested to any depth), and its result. Positions are not stored; any ply is reached
// by replaying from the start, which also keeps the record consistent by construction.
#pragma once

#include "core/Fen.h"
#include "core/MoveList.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

struct GameTag {
    std::string Name;
    std::string Value;
};

struct GameMove;

// Moves played instead of a move of the line it hangs on, from the position
// before that move; its moves may have variations of their own.
struct GameVariation {
    std::string StartComment; // the comment before its first move
    std::vector<GameMove> Moves;

    friend bool operator==(const GameVariation&, const GameVariation&);
};

struct GameMove {
    ChessMove Move;
    std::string San;       // English SAN with check and mate marks
    std::string Comment;   // text of the comments that follow the move, joined
    std::vector<int> Nags; // numeric annotation glyphs ($1 = "!", ...)
    // Alternatives to this move, in the order the file gave them.
    std::vector<GameVariation> Variations;

    friend bool operator==(const GameMove&, const GameMove&) = default;
};

// A Variant tag's value names Chess960 ("Chess960", "chess 960",
// "Fischerandom", any case).
bool IsChess960Variant(std::string_view variant);
// The tag that names a Chess960 game's start position by its number
// (0..959), beside its FEN tag.
inline constexpr std::string_view Chess960NumberTag = "Chess960Number";

// Who plays a side, kept in the tags WhiteType and BlackType.
enum class PlayerType { Human, Program };

class Game {
public:
    Game();

    // Tags in their order; SetTag replaces a tag of the same name or adds it
    // at the end.
    const std::vector<GameTag>& Tags() const { return tags_; }
    std::optional<std::string> Tag(std::string_view name) const;
    void SetTag(std::string_view name, std::string_view value);
    void RemoveTag(std::string_view name);

    // A game from a position; the moves are cleared. With the standard start
    // the SetUp and FEN tags go, else they are set. A Chess960 start always
    // has them, with the tag Variant "Chess960", and one of the 960 start
    // positions also the tag Chess960Number.
    void SetStart(const FenPosition& start);
    // Sets the move number and half-move clock of the start, keeping the
    // moves (recorded by something that does not count them).
    void SetStartCounters(int moveNumber, int halfMoveClock);
    const GameState& StartState() const { return start_.State; }
    int StartHalfMoveClock() const { return start_.HalfMoveClock; }
    bool StartsFromStandardPosition() const;

    // The comment before the first move.
    const std::string& StartComment() const { return startComment_; }
    void SetStartComment(std::string comment) { startComment_ = std::move(comment); }

    const std::vector<GameMove>& Moves() const { return moves_; }
    std::vector<GameMove>& Moves() { return moves_; }
    std::size_t PlyCount() const { return moves_.size(); }

    // Appends a move legal in the final position (its SAN is written);
    // returns false, with a Portuguese reason, when it is not legal.
    bool AddMove(const ChessMove& move, std::string* error = nullptr);
    // Drops the moves after the first `plies`.
    void Truncate(std::size_t plies);

    // The position after the first `plies` moves (0: the start).
    GameState PositionAt(std::size_t plies) const;
    // The half-move clock (plies since a capture or pawn move) there.
    int HalfMoveClockAt(std::size_t plies) const;
    GameState FinalPosition() const { return PositionAt(moves_.size()); }
    std::string FenAt(std::size_t plies) const;
    std::string FinalFen() const { return FenAt(moves_.size()); }

    // The game termination marker: "1-0", "0-1", "1/2-1/2" or "*". Setting
    // it also sets the Result tag.
    const std::string& Result() const { return result_; }
    void SetResult(std::string_view result);
    static bool IsResultToken(std::string_view text);
    // The result the rules give a position: "1-0" or "0-1" when the side
    // to move is mated, "1/2-1/2" after stalemate or when neither side has
    // the material to mate, else "*".
    static std::string RulesResult(const GameState& state);

    // WhiteType/BlackType ("human", "program"), absent when not recorded.
    std::optional<PlayerType> Player(bool white) const;
    void SetPlayer(bool white, PlayerType type);
    // KestravinLevel, the search depth 1..5 of the program's side; absent
    // when missing or not a level.
    std::optional<int> Level() const;
    void SetLevel(int level);

private:
    void WriteStartTags();

    std::vector<GameTag> tags_;
    FenPosition start_;
    std::string startComment_;
    std::vector<GameMove> moves_;
    std::string result_ = "*";
    // The final position, kept so that appending a move costs one move.
    GameState last_;
    int lastClock_ = 0;
};
