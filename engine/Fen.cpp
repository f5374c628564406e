// FEN reading and writing.
#include "engine/Fen.h"

#include <cctype>
#include <sstream>
#include <vector>

namespace {

constexpr std::string_view PieceLetters = "PNBRQKpnbrqk";

std::vector<std::string> SplitFields(std::string_view text)
{
    std::istringstream in{std::string(text)};
    std::vector<std::string> fields;
    for (std::string field; in >> field;)
        fields.push_back(field);
    return fields;
}

bool ParsePlacement(const std::string& field, GameState& state, std::string& error)
{
    int rank = 8;
    int file = 1;
    for (char c : field) {
        if (c == '/') {
            if (file != 9) {
                error = "rank " + std::to_string(rank) + " does not have 8 squares";
                return false;
            }
            if (--rank < 1) {
                error = "more than 8 ranks";
                return false;
            }
            file = 1;
        } else if (c >= '1' && c <= '8') {
            file += c - '0';
            if (file > 9) {
                error = "rank " + std::to_string(rank) + " has more than 8 squares";
                return false;
            }
        } else if (PieceLetters.find(c) != std::string_view::npos) {
            if (file > 8) {
                error = "rank " + std::to_string(rank) + " has more than 8 squares";
                return false;
            }
            state.Put(SquareAt(file, rank), c);
            ++file;
        } else {
            error = std::string("unexpected character '") + c + "' in the placement";
            return false;
        }
    }
    if (rank != 1 || file != 9) {
        error = "the placement does not describe 8 ranks of 8 squares";
        return false;
    }
    return true;
}

bool ParseCastling(const std::string& field, CastleSet& castling, std::string& error)
{
    castling = CastleSet();
    if (field == "-")
        return true;
    for (char c : field) {
        switch (c) {
        case 'K': castling.Include(CanStillCastle::WhiteKingSide); break;
        case 'Q': castling.Include(CanStillCastle::WhiteQueenSide); break;
        case 'k': castling.Include(CanStillCastle::BlackKingSide); break;
        case 'q': castling.Include(CanStillCastle::BlackQueenSide); break;
        default: error = "invalid castling field '" + field + "'"; return false;
        }
    }
    return true;
}

bool ParseEnPassant(const std::string& field, bool whiteToMove, Square& square, std::string& error)
{
    square = Square::None;
    if (field == "-")
        return true;
    const int rankWanted = whiteToMove ? 6 : 3;
    if (field.size() != 2 || field[0] < 'a' || field[0] > 'h' || field[1] - '0' != rankWanted) {
        error = "invalid en passant square '" + field + "'";
        return false;
    }
    square = SquareAt(field[0] - 'a' + 1, rankWanted);
    return true;
}

bool IsCounter(const std::string& field)
{
    if (field.empty() || field.size() > 6)
        return false;
    for (char c : field) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

} // namespace

bool ParseFen(std::string_view fen, GameState& state, std::string& error)
{
    const std::vector<std::string> fields = SplitFields(fen);
    if (fields.size() < 4 || fields.size() > 6) {
        error = "Invalid FEN: expected 4 to 6 fields, got " + std::to_string(fields.size());
        return false;
    }
    GameState parsed;
    parsed.Clear();
    std::string reason;
    bool ok = ParsePlacement(fields[0], parsed, reason);
    if (ok) {
        int whiteKings = 0;
        int blackKings = 0;
        for (int s = 1; s <= 64; ++s) {
            whiteKings += parsed.Board[s] == 'K';
            blackKings += parsed.Board[s] == 'k';
        }
        if (whiteKings != 1 || blackKings != 1) {
            reason = "each side needs exactly one king";
            ok = false;
        }
    }
    if (ok && fields[1] != "w" && fields[1] != "b") {
        reason = "side to move must be 'w' or 'b'";
        ok = false;
    }
    if (ok) {
        parsed.WhiteToMove = fields[1] == "w";
        ok = ParseCastling(fields[2], parsed.CastlingAllowed, reason) &&
            ParseEnPassant(fields[3], parsed.WhiteToMove, parsed.EnPassant, reason);
    }
    for (std::size_t i = 4; ok && i < fields.size(); ++i) {
        if (!IsCounter(fields[i])) {
            reason = "invalid move counter '" + fields[i] + "'";
            ok = false;
        }
    }
    if (!ok) {
        error = "Invalid FEN: " + reason;
        return false;
    }
    state = parsed;
    return true;
}

std::string FormatFen(const GameState& state)
{
    std::string fen;
    for (int rank = 8; rank >= 1; --rank) {
        int empty = 0;
        for (int file = 1; file <= 8; ++file) {
            const char c = state.At(SquareAt(file, rank));
            if (PieceLetters.find(c) == std::string_view::npos) {
                ++empty;
                continue;
            }
            if (empty)
                fen += static_cast<char>('0' + empty);
            empty = 0;
            fen += c;
        }
        if (empty)
            fen += static_cast<char>('0' + empty);
        if (rank > 1)
            fen += '/';
    }
    fen += state.WhiteToMove ? " w " : " b ";
    const CastleSet c = state.CastlingAllowed;
    std::string castling;
    if (c.Contains(CanStillCastle::WhiteKingSide))
        castling += 'K';
    if (c.Contains(CanStillCastle::WhiteQueenSide))
        castling += 'Q';
    if (c.Contains(CanStillCastle::BlackKingSide))
        castling += 'k';
    if (c.Contains(CanStillCastle::BlackQueenSide))
        castling += 'q';
    fen += castling.empty() ? "-" : castling;
    fen += ' ';
    if (state.EnPassant == Square::None) {
        fen += '-';
    } else {
        fen += static_cast<char>('a' + FileOf(state.EnPassant) - 1);
        fen += static_cast<char>('0' + RankOf(state.EnPassant));
    }
    fen += " 0 1";
    return fen;
}
