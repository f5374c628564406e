// The computer player's engine: its own position with make and take-back,
// the move generators, the evaluation and the iterative-deepening alpha-beta
// search. It knows nothing of threads, widgets or protocols: its owner sets
// the links to the position to read (normally the board component's fields),
// calls FindBestMove, and reads the chosen move from PVTable[0][0]. All its
// storage is fixed-size and inside the object; nothing is allocated while it
// searches. Engine square s is the Square with ordinal s + 1.
#pragma once

#include "core/CastleSet.h"
#include "core/Square.h"
#include "engine/EngineTypes.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <span>

struct GameState;
struct TWeakPlayStyle;
class TWeakRandom;

// Told after every finished iteration of FindBestMove (the UCI front end
// prints it). Called on the searching thread.
class TSearchObserver {
public:
    virtual ~TSearchObserver() = default;
    virtual void IterationDone(int depth, int score, std::uint64_t nodes) = 0;
};

class TChessEngine {
public:
    TChessEngine() = default;
    TChessEngine(const TChessEngine&) = delete;
    TChessEngine& operator=(const TChessEngine&) = delete;

    // Links to the position that LoadPosition reads, set by the owner. A
    // missing link reads as an empty board, White to move, no castling
    // rights, no en passant square and a search depth of 0.
    const BoardArray* BoardRef = nullptr;
    const bool* WhiteToMoveRef = nullptr;
    const CastleSet* CastlingAllowedRef = nullptr;
    const Square* EnPassantRef = nullptr;
    const std::atomic<int>* SearchDepthRef = nullptr;
    // Chess960 (both missing: standard chess): whether the position is one,
    // and the files (1..8) of the rooks of the four rights.
    const bool* Chess960Ref = nullptr;
    const std::array<std::uint8_t, 4>* CastlingRookFileRef = nullptr;

    // Set from another thread to end the search at once.
    std::atomic<bool> StopRequested{false};

    // Limits of the searches beside their depth, kept until changed: a node
    // count (0 for none) and a moment (time_point::max() for none). Either
    // ends a search where it stands, like a stop request; both are looked
    // at every LimitCheckInterval nodes, so a search without them runs
    // exactly as it would otherwise. The deadline may be moved from another
    // thread while a search runs.
    void SetNodeLimit(std::uint64_t nodes) { NodeLimit_ = nodes; }
    void SetDeadline(std::chrono::steady_clock::time_point deadline)
    {
        DeadlineTicks_.store(deadline.time_since_epoch().count(), std::memory_order_relaxed);
    }
    // Restricts the moves searched at the root to these (none: all moves).
    // Moves beyond RootMoveCapacity are ignored.
    void SetRootMoves(std::span<const TEngineMove> moves);
    static constexpr int LimitCheckInterval = 1024;
    static constexpr int RootMoveCapacity = 256;

    // Optional; told of each finished iteration.
    TSearchObserver* Observer = nullptr;

    // Points every position link at one state.
    void LinkTo(const GameState& state);

    // Position and move generation.
    void LoadPosition();
    void GenerateMoves();
    void GenerateCaptures();
    // In check, with one king: lists only the moves that CannotAnswerCheck
    // does not rule out, as GenerateMoves lists them (same flags and
    // scores), in no particular order. False, listing nothing, when the
    // side to move is not in check or has not exactly one king.
    bool GenerateCheckAnswers();
    bool DoMove(TEngineMove move);
    // Whether DoMove would accept the move, without making it.
    bool MoveIsLegal(TEngineMove move);
    // Whether the move is one that cannot answer the check the side to move
    // is known to be in (DoMove refuses it). Most moves generated in check
    // are such, and the search passes them over without a call.
    bool CannotAnswerCheck(TEngineMove move) const
    {
        return SideInCheck[Ply] > 0 && (EvasionTargets[Ply] & (std::uint64_t{1} << move.To)) == 0 &&
            SquarePiece[move.From] != engine::King && !(move.Flags & engine::FlagEnPassant);
    }
    void UndoMove();
    bool SquareAttacked(int target, int byColour) const;
    bool IsInCheck(int colour) const;

    // Evaluation.
    void PrepareEvalTables();
    int Evaluate() const;

    // Search.
    // What every search starts from: the position loaded, the tables and
    // counters cleared, the limits armed.
    void BeginSearch(bool followingPV);
    void FindBestMove();
    // A beginners' level's move, chosen instead of FindBestMove's
    // (engine/WeakPlay.cpp); the limits and the root moves apply. False when
    // the side to move has no legal move.
    bool ChooseWeakMove(const TWeakPlayStyle& style, TWeakRandom& random, TEngineMove& move);
    int AlphaBeta(int alpha, int beta, int depth);
    int Quiescence(int alpha, int beta);
    void PickBestMove(int index);
    void BoostPVMove();
    void SortByScore(int from, int to);

    // Writes the current engine position back as a board state (the side to
    // move, castling rights and en passant square included).
    void StorePosition(GameState& state) const;

    // Read access for the owner, the tools and the tests.
    int SquareColourAt(int s) const { return SquareColour[s]; }
    int SquarePieceAt(int s) const { return SquarePiece[s]; }
    int GetSideToMove() const { return SideToMove; }
    int GetCastleRights() const { return CastleRights; }
    int GetEnPassantSquare() const { return EnPassantSquare; }
    bool IsChess960() const { return Chess960_; }
    // The square a move goes to as the UCI protocol writes it: a Chess960
    // castling (whose To is the king's destination) goes to its rook.
    int UciTargetSquare(TEngineMove move) const
    {
        return (Chess960_ && (move.Flags & engine::FlagCastle)) ? CastleRookSquare_[CastleRightOf(move)] : move.To;
    }
    int CurrentPly() const { return Ply; }
    // The moves generated at the current ply, in list order.
    std::span<const TMoveEntry> CurrentMoves() const
    {
        return {MoveList.data() + PlyStart[Ply], static_cast<std::size_t>(PlyEnd[Ply] - PlyStart[Ply])};
    }
    // The chosen move after FindBestMove, and the line behind it.
    TEngineMove BestMove() const { return PVTable[0][0]; }
    std::span<const TEngineMove> PrincipalVariation() const
    {
        return {PVTable[0].data(), static_cast<std::size_t>(PVLength[0] > 0 ? PVLength[0] : 0)};
    }
    int LastScore() const { return LastScore_; }
    // How the last FindBestMove went: whether a limit ended it, the
    // iterations it finished and the best move of the last of them.
    bool LimitReached() const { return LimitReached_; }
    int CompletedDepth() const { return CompletedDepth_; }
    TEngineMove CompletedMove() const { return CompletedMove_; }
    // The move to play after FindBestMove: the best move of the last
    // finished iteration, or with useUnfinished the unfinished iteration's
    // best so far; with neither, the legal root move the move ordering puts
    // first. False when the side to move has no legal move (or none among
    // the root moves). Call it with the position at the root.
    bool MoveToPlay(TEngineMove& move, bool useUnfinished);
    std::uint64_t Nodes() const { return Nodes_; }
    int PieceSquareValue(int colour, int piece, int s) const { return PieceSquare[colour][piece][s]; }

private:
    // The generators write through a cursor into the move list and return
    // it advanced, so that it stays in a register while a list is built.
    TMoveEntry* AddMove(TMoveEntry* out, int from, int to, int flags);
    TMoveEntry* AddPromotions(TMoveEntry* out, int from, int to, int flags);
    TMoveEntry* AppendEntry(TMoveEntry* out, int from, int to, int promote, int flags, int score);
    template <bool CapturesOnly>
    TMoveEntry* GeneratePieceMoves(TMoveEntry* out, int s);
    template <int piece, bool CapturesOnly>
    TMoveEntry* GenerateSliderMoves(TMoveEntry* out, int s);
    template <int line, bool CapturesOnly>
    TMoveEntry* GenerateAlongLine(TMoveEntry* out, int s, std::uint64_t occupied);
    TMoveEntry* GenerateEnPassant(TMoveEntry* out);
    TMoveEntry* AddCastlings(TMoveEntry* out);
    bool CastlingAllowedNow(int to);
    bool Chess960CastlingAllowedNow(int from, int to);
    // The right (0..3, the CastleSet bit order) a castling uses, by its
    // destination.
    static int CastleRightOf(TEngineMove move)
    {
        return (move.To < 8 ? 2 : 0) + (engine::FileIndex(move.To) < 4 ? 1 : 0);
    }
    void PrepareChess960Castling();
    bool DoChess960Castling(TEngineMove move);
    void UndoChess960Castling(TEngineMove move);
    bool MoveNeedsCheckTest(int from, int flags);
    bool RefusedBeforeMaking(TEngineMove move, bool& testCheck);
    void KeepSoundCastleRights();
    void KeepSoundEnPassant();
    // Every change of a square goes through these two, which keep the
    // piece sets in step with the arrays.
    void PutPiece(int s, int colour, int piece)
    {
        if (SquareColour[s] != engine::EmptyCode)
            RemoveFromSets(s);
        SquareColour[s] = colour;
        SquarePiece[s] = piece;
        AddToSets(s);
    }
    void ClearSquare(int s)
    {
        if (SquareColour[s] == engine::EmptyCode)
            return;
        RemoveFromSets(s);
        SquareColour[s] = engine::EmptyCode;
        SquarePiece[s] = engine::EmptyCode;
    }
    // Moves the piece on from (piece code `piece`) to the empty square to,
    // where it becomes newPiece (a promotion, or its undoing).
    void MovePiece(int from, int to, int piece, int newPiece)
    {
        const int side = SquareColour[from];
        const std::uint64_t fromBit = std::uint64_t{1} << from;
        const std::uint64_t toBit = std::uint64_t{1} << to;
        Occupancy[side] ^= fromBit | toBit;
        if (piece == newPiece) {
            PieceMask[side][piece] ^= fromBit | toBit;
        } else {
            PieceMask[side][piece] ^= fromBit;
            PieceMask[side][newPiece] ^= toBit;
        }
        PieceSquareSum[side] += PieceSquare[side][newPiece][to] - PieceSquare[side][piece][from];
        if (piece == engine::Pawn)
            --PawnsOnFile[side][engine::FileIndex(from) + 1];
        if (newPiece == engine::Pawn)
            ++PawnsOnFile[side][engine::FileIndex(to) + 1];
        SquareColour[to] = side;
        SquarePiece[to] = newPiece;
        SquareColour[from] = engine::EmptyCode;
        SquarePiece[from] = engine::EmptyCode;
    }
    void AddToSets(int s)
    {
        const std::uint64_t bit = std::uint64_t{1} << s;
        Occupancy[SquareColour[s]] |= bit;
        PieceMask[SquareColour[s]][SquarePiece[s]] |= bit;
        PieceSquareSum[SquareColour[s]] += PieceSquare[SquareColour[s]][SquarePiece[s]][s];
        if (SquarePiece[s] == engine::Pawn)
            ++PawnsOnFile[SquareColour[s]][engine::FileIndex(s) + 1];
    }
    void RemoveFromSets(int s)
    {
        const std::uint64_t bit = std::uint64_t{1} << s;
        Occupancy[SquareColour[s]] &= ~bit;
        PieceMask[SquareColour[s]][SquarePiece[s]] &= ~bit;
        PieceSquareSum[SquareColour[s]] -= PieceSquare[SquareColour[s]][SquarePiece[s]][s];
        if (SquarePiece[s] == engine::Pawn)
            --PawnsOnFile[SquareColour[s]][engine::FileIndex(s) + 1];
    }
    void RebuildPieceSets();
    bool SideToMoveInCheck();
    std::uint64_t CheckEvasionTargets() const;
    std::array<std::int32_t, 2> PawnStructure() const;
    bool SliderOnLine(int target, std::uint64_t sliders, bool diagonal, std::uint64_t occupied) const;
    bool AttackedBy(int target, const std::array<std::uint64_t, 6>& pieces, int byColour, std::uint64_t occupied,
                    std::uint64_t removed) const;
    bool MoveLeavesKingAttacked(int from, int to, int flags) const;
    void SwapSides();
    void UpdatePrincipalVariation(TEngineMove move);
    bool MoveListOverflowed() const;
    int StaticBound(int alpha, int beta) const;
    void KeepRootMoves();
    void CheckLimits();
    bool SideToMoveIsMated();
    // Whether the search must end where it stands: a limit reached (looked
    // at every LimitCheckInterval nodes) or a stop requested.
    bool Interrupted()
    {
        if (Nodes_ >= NextLimitCheck_)
            CheckLimits();
        return LimitReached_ || StopRequested.load(std::memory_order_relaxed);
    }

    // Position.
    std::array<std::int32_t, 64> SquareColour{};
    std::array<std::int32_t, 64> SquarePiece{};
    std::int32_t SideToMove = engine::White;
    std::int32_t Opponent = engine::Black;
    std::int32_t CastleRights = 0;
    std::int32_t EnPassantSquare = -1;
    std::int32_t Ply = 0;

    // Chess960: castling moves the king from its square to g or c (the
    // move's To, From == To when it stands there already) and the right's
    // rook to f or d. Set by LoadPosition; the standard tables are used
    // when off.
    bool Chess960_ = false;
    std::array<std::int32_t, 4> CastleRookSquare_{63, 56, 7, 0};
    std::array<std::int32_t, 4> CastleKingSquare_{60, 60, 4, 4};
    // Per right: the squares that must be empty (between king or rook and
    // its destination, the two of them not counted), and those the king
    // crosses or lands on, which must not be attacked.
    std::array<std::uint64_t, 4> CastlePathMask_{};
    std::array<std::uint64_t, 4> CastleSafeMask_{};
    // The rights kept by a move from or to each square.
    std::array<std::int32_t, 64> CastleKeep960_{};

    // Derived from the arrays and kept in step by PutPiece and ClearSquare:
    // the squares of each colour's pieces, and of each kind of piece, as
    // masks with bit s for engine square s.
    std::array<std::uint64_t, 2> Occupancy{};
    std::array<std::array<std::uint64_t, 6>, 2> PieceMask{};
    // Each colour's PieceSquare entries summed over its pieces.
    std::array<std::int32_t, 2> PieceSquareSum{};
    // Pawns per file, file a at index 1; indexes 0 and 9 stay 0 so that
    // the neighbours of the edge files need no special case.
    std::array<std::array<std::int32_t, 10>, 2> PawnsOnFile{};
    // Whether the side to move at each ply is in check: -1 not yet known.
    std::array<std::int8_t, engine::MaxPly + 1> SideInCheck{};
    // While in check: the squares where a move of a piece other than the
    // king can end the check (the checker's square and those between it
    // and the king; none in double check). Every other square in it when
    // the side has more or fewer than one king.
    std::array<std::uint64_t, engine::MaxPly + 1> EvasionTargets{};

    // Moves of all plies, each ply's delimited by PlyStart and PlyEnd.
    std::array<TMoveEntry, engine::MoveListSize> MoveList{};
    std::array<std::int32_t, engine::MaxPly> PlyStart{};
    std::array<std::int32_t, engine::MaxPly> PlyEnd{};
    bool MoveListFull = false; // the last generation did not fit
    std::array<TUndoRecord, engine::MaxPly> UndoStack{};

    // Evaluation tables prepared from the root position: material and square
    // bonus together, [colour][piece][square].
    std::array<std::array<std::array<std::int32_t, 64>, 6>, 2> PieceSquare{};

    // Pawn terms of recently scored pawn placements, cleared with the tables.
    struct TPawnCacheEntry {
        std::uint64_t WhitePawns = 0;
        std::uint64_t BlackPawns = 0;
        std::array<std::int32_t, 2> Score{};
        bool Valid = false;
    };
    static constexpr int PawnCacheBits = 10;
    mutable std::array<TPawnCacheEntry, 1 << PawnCacheBits> PawnCache{};

    // Search.
    std::array<std::array<std::int32_t, 64>, 64> HistoryScore{};
    std::array<std::array<TEngineMove, engine::MaxPly>, engine::MaxPly> PVTable{};
    std::array<std::int32_t, engine::MaxPly> PVLength{};
    bool FollowingPV = false;
    int LastScore_ = 0;
    std::uint64_t Nodes_ = 0;

    // Limits and how the last search went.
    std::uint64_t NodeLimit_ = 0;
    std::atomic<std::chrono::steady_clock::rep> DeadlineTicks_{
        std::chrono::steady_clock::time_point::max().time_since_epoch().count()};
    std::uint64_t NextLimitCheck_ = 0;
    bool LimitReached_ = false;
    std::array<TEngineMove, RootMoveCapacity> RootMoves_{};
    int RootMoveCount_ = 0;
    // The current iteration has a best move yet (in BestMove: a root move
    // searched in full and better than those before).
    bool RootMoveFound_ = false;
    int CompletedDepth_ = 0;
    TEngineMove CompletedMove_;
};
