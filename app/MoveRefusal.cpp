// Reasons for refused typed moves: the text is read loosely (castling,
// coordinates, algebraic with either letter set) and the move it names is
// followed through the rules until the first one it breaks.
#include "app/MoveRefusal.h"

#include "board/BoardWords.h"
#include "core/MoveList.h"
#include "core/Rules.h"
#include "core/San.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

// Each text is marked with QT_TRANSLATE_NOOP, so that lupdate finds it.
QString Tr(const char* text)
{
    return QCoreApplication::translate("MoveRefusal", text);
}

QString Name(Square square)
{
    return QString::fromStdString(LowerSquareName(square));
}

// "A torre", "O cavalo": the piece as a sentence begins with it.
QString ThePiece(char piece)
{
    switch (std::toupper(static_cast<unsigned char>(piece))) {
    case 'K': return Tr(QT_TRANSLATE_NOOP("MoveRefusal", "O rei"));
    case 'Q': return Tr(QT_TRANSLATE_NOOP("MoveRefusal", "A dama"));
    case 'R': return Tr(QT_TRANSLATE_NOOP("MoveRefusal", "A torre"));
    case 'B': return Tr(QT_TRANSLATE_NOOP("MoveRefusal", "O bispo"));
    case 'N': return Tr(QT_TRANSLATE_NOOP("MoveRefusal", "O cavalo"));
    default: return Tr(QT_TRANSLATE_NOOP("MoveRefusal", "O peão"));
    }
}

// "Nenhuma torre", "Nenhum cavalo".
QString NoPiece(char piece)
{
    switch (std::toupper(static_cast<unsigned char>(piece))) {
    case 'K': return Tr(QT_TRANSLATE_NOOP("MoveRefusal", "Nenhum rei"));
    case 'Q': return Tr(QT_TRANSLATE_NOOP("MoveRefusal", "Nenhuma dama"));
    case 'R': return Tr(QT_TRANSLATE_NOOP("MoveRefusal", "Nenhuma torre"));
    case 'B': return Tr(QT_TRANSLATE_NOOP("MoveRefusal", "Nenhum bispo"));
    case 'N': return Tr(QT_TRANSLATE_NOOP("MoveRefusal", "Nenhum cavalo"));
    default: return Tr(QT_TRANSLATE_NOOP("MoveRefusal", "Nenhum peão"));
    }
}

char Own(const GameState& state, char upper)
{
    return state.WhiteToMove ? upper : static_cast<char>(std::tolower(static_cast<unsigned char>(upper)));
}

bool IsOwn(const GameState& state, Square square)
{
    return PieceColor(state.Board, square) == (state.WhiteToMove ? 1 : 0);
}

bool ByRule(const GameState& state, Square from, Square to)
{
    switch (std::toupper(static_cast<unsigned char>(state.At(from)))) {
    case 'P': return ValidPawnMove(state, from, to);
    case 'N': return ValidKnightMove(state, from, to);
    case 'B': return ValidBishopMove(state, from, to);
    case 'R': return ValidRookMove(state, from, to);
    case 'Q': return ValidQueenMove(state, from, to);
    case 'K': return ValidKingMove(state, from, to);
    default: return false;
    }
}

// The piece's way from one square to the other were the board empty, and
// whether something stands on it.
bool WouldReachOnEmptyBoard(char piece, Square from, Square to, bool& blocked, const BoardArray& board)
{
    const int df = FileOf(to) - FileOf(from), dr = RankOf(to) - RankOf(from);
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(piece)));
    const bool straight = (df == 0) != (dr == 0);
    const bool diagonal = df != 0 && std::abs(df) == std::abs(dr);
    bool line = false;
    if (upper == 'R')
        line = straight;
    else if (upper == 'B')
        line = diagonal;
    else if (upper == 'Q')
        line = straight || diagonal;
    else if (upper == 'P') {
        const int forward = piece == 'P' ? 1 : -1;
        const int home = piece == 'P' ? 2 : 7;
        line = df == 0 && (dr == forward || (dr == 2 * forward && RankOf(from) == home));
    }
    if (!line)
        return false;
    const int steps = std::max(std::abs(df), std::abs(dr));
    const int fs = (df > 0) - (df < 0), rs = (dr > 0) - (dr < 0);
    blocked = false;
    for (int i = 1; i < steps; ++i)
        if (board[Ord(SquareAt(FileOf(from) + i * fs, RankOf(from) + i * rs))] != EmptySquare)
            blocked = true;
    return true;
}

// How far a move of one piece got before a rule stopped it; the best
// explained reason among several pieces wins.
struct Finding {
    int depth = -1; // 0 cannot reach, 1 blocked, 2 leaves the king in check, 3 legal
    QString reason;
};

// Why the side to move cannot castle on that side (as a castling that the
// rules refuse).
QString CastlingRefusal(const GameState& state, bool queenSide)
{
    const Square kingFrom = state.WhiteToMove ? Square::E1 : Square::E8;
    const CanStillCastle right = state.WhiteToMove
        ? (queenSide ? CanStillCastle::WhiteQueenSide : CanStillCastle::WhiteKingSide)
        : (queenSide ? CanStillCastle::BlackQueenSide : CanStillCastle::BlackKingSide);
    const Square rook = SquareAt(queenSide ? 1 : 8, RankOf(kingFrom));
    if (state.At(kingFrom) != Own(state, 'K') || state.At(rook) != Own(state, 'R') ||
        !state.CastlingAllowed.Contains(right))
        return Tr(QT_TRANSLATE_NOOP("MoveRefusal", "O roque não é mais possível: o rei ou a torre já se moveram."));
    for (int file = queenSide ? 2 : 6; file <= (queenSide ? 4 : 7); ++file)
        if (state.At(SquareAt(file, RankOf(kingFrom))) != EmptySquare)
            return Tr(QT_TRANSLATE_NOOP("MoveRefusal", "O roque não é possível: há peças entre o rei e a torre."));
    return Tr(QT_TRANSLATE_NOOP("MoveRefusal",
                                "O roque não é possível: o rei está em xeque ou passaria por uma casa atacada."));
}

Finding FollowMove(const GameState& state, Square from, Square to)
{
    const char piece = state.At(from);
    const bool pawn = std::toupper(static_cast<unsigned char>(piece)) == 'P';
    if (IsMoveAllowed(state, from, to))
        return {3, {}};
    const Square home = state.WhiteToMove ? Square::E1 : Square::E8;
    if (piece == Own(state, 'K') && from == home && RankOf(to) == RankOf(from) &&
        std::abs(FileOf(to) - FileOf(from)) == 2)
        return {2, CastlingRefusal(state, FileOf(to) < FileOf(from))};
    if (ByRule(state, from, to)) {
        if (std::toupper(static_cast<unsigned char>(piece)) == 'K')
            return {2, Tr(QT_TRANSLATE_NOOP("MoveRefusal", "O rei não pode ir a %1: ficaria em xeque.")).arg(Name(to))};
        if (SideToMoveInCheck(state))
            return {2,
                    Tr(QT_TRANSLATE_NOOP("MoveRefusal", "O rei está em xeque, e %1 para %2 não o tira do xeque."))
                        .arg(Name(from), Name(to))};
        return {2,
                Tr(QT_TRANSLATE_NOOP("MoveRefusal", "%1 em %2 não pode ir a %3: deixaria o rei em xeque."))
                    .arg(ThePiece(piece), Name(from), Name(to))};
    }
    bool blocked = false;
    const bool line = WouldReachOnEmptyBoard(piece, from, to, blocked, state.Board);
    if (pawn) {
        const bool target = state.At(to) != EmptySquare;
        if (line && (blocked || target))
            return {
                1,
                Tr(QT_TRANSLATE_NOOP("MoveRefusal", "O peão não chega a %1: há uma peça no caminho.")).arg(Name(to))};
        const int forward = piece == 'P' ? 1 : -1;
        if (std::abs(FileOf(to) - FileOf(from)) == 1 && RankOf(to) - RankOf(from) == forward && !target)
            return {
                1,
                Tr(QT_TRANSLATE_NOOP("MoveRefusal", "O peão só anda na diagonal para capturar, e não há peça em %1."))
                    .arg(Name(to))};
    } else if (line && blocked) {
        return {1,
                Tr(QT_TRANSLATE_NOOP("MoveRefusal", "%1 não chega a %2: há uma peça no caminho."))
                    .arg(ThePiece(piece), Name(to))};
    }
    return {
        0, Tr(QT_TRANSLATE_NOOP("MoveRefusal", "%1 em %2 não chega a %3.")).arg(ThePiece(piece), Name(from), Name(to))};
}

// The reason for a piece of a kind (upper-case letter) going to a square,
// among the mover's pieces of that kind on the given file and rank (0: any).
Finding FollowPieces(const GameState& state, char upper, int file, int rank, Square to, const QString& text,
                     const PieceLetters& letters)
{
    const char piece = Own(state, upper);
    std::vector<Square> pieces;
    for (int index = 1; index <= 64; ++index) {
        const Square square = SquareFromOrd(index);
        if (state.At(square) == piece && (file == 0 || FileOf(square) == file) && (rank == 0 || RankOf(square) == rank))
            pieces.push_back(square);
    }
    if (pieces.empty())
        return {-1,
                Tr(QT_TRANSLATE_NOOP("MoveRefusal", "Não há %1 que corresponda a “%2”.")).arg(PieceWords(piece), text)};
    if (IsOwn(state, to))
        return {0, Tr(QT_TRANSLATE_NOOP("MoveRefusal", "Em %1 já há uma peça sua.")).arg(Name(to))};
    Finding best;
    std::vector<Square> legal;
    for (Square from : pieces) {
        Finding found = FollowMove(state, from, to);
        if (found.depth == 3)
            legal.push_back(from);
        if (found.depth > best.depth)
            best = found;
    }
    if (legal.size() > 1) {
        QStringList squares;
        for (Square from : legal)
            squares.append(Name(from));
        ChessMove move;
        move.From = legal.front();
        move.To = to;
        const QString example = QString::fromStdString(MoveToSan(state, move, letters));
        return {
            3,
            Tr(QT_TRANSLATE_NOOP("MoveRefusal", "Mais de uma peça chega a %1 (%2): escreva de onde sai, como em %3."))
                .arg(Name(to), squares.join(Tr(QT_TRANSLATE_NOOP("MoveRefusal", " e "))), example)};
    }
    if (legal.size() == 1)
        return {3,
                Tr(QT_TRANSLATE_NOOP("MoveRefusal", "Confira a peça da promoção: escreva, por exemplo, %1=D."))
                    .arg(Name(to))};
    if (pieces.size() > 1 && best.depth == 0)
        return {0, Tr(QT_TRANSLATE_NOOP("MoveRefusal", "%1 chega a %2.")).arg(NoPiece(piece), Name(to))};
    return best;
}

} // namespace

QString MoveRefusal(const GameState& state, const std::string& typed)
{
    QString text = QString::fromStdString(typed).trimmed();
    const QString shown = text;
    text.remove(QRegularExpression(QStringLiteral("[+#!?]+$")));
    const QString notAMove =
        Tr(QT_TRANSLATE_NOOP("MoveRefusal", "“%1” não é um lance: escreva, por exemplo, Cf3, exd5, O-O ou e2e4."))
            .arg(shown);

    // Castling.
    static const QRegularExpression castling(QStringLiteral("^([O0o])-?\\1(-?\\1)?$"));
    if (const auto match = castling.match(text); match.hasMatch())
        return CastlingRefusal(state, match.capturedLength(2) > 0);

    // Coordinates: e2e4, e2-e4, e7e8=D.
    static const QRegularExpression coordinates(QStringLiteral("^([a-h][1-8])[-x]?([a-h][1-8])(=?[A-Za-z])?$"));
    if (const auto match = coordinates.match(text); match.hasMatch()) {
        const std::string fromName = match.captured(1).toStdString(), toName = match.captured(2).toStdString();
        const Square from = SquareFromName(fromName[0], fromName[1]);
        const Square to = SquareFromName(toName[0], toName[1]);
        if (state.At(from) == EmptySquare)
            return Tr(QT_TRANSLATE_NOOP("MoveRefusal", "Não há peça em %1.")).arg(Name(from));
        if (!IsOwn(state, from))
            return state.WhiteToMove
                ? Tr(QT_TRANSLATE_NOOP("MoveRefusal", "A peça em %1 é das pretas, e é a vez das brancas."))
                      .arg(Name(from))
                : Tr(QT_TRANSLATE_NOOP("MoveRefusal", "A peça em %1 é das brancas, e é a vez das pretas."))
                      .arg(Name(from));
        if (IsOwn(state, to))
            return Tr(QT_TRANSLATE_NOOP("MoveRefusal", "Em %1 já há uma peça sua.")).arg(Name(to));
        const Finding found = FollowMove(state, from, to);
        if (found.depth == 3)
            return Tr(QT_TRANSLATE_NOOP("MoveRefusal", "Confira a peça da promoção: escreva, por exemplo, %1=D."))
                .arg(Name(to));
        return found.reason;
    }

    // Algebraic: a piece letter of either set (none for a pawn), where it
    // comes from, the square it goes to.
    static const QRegularExpression algebraic(
        QStringLiteral("^([KQRBNDTC])?([a-h])?([1-8])?[x:]?([a-h][1-8])(=?[KQRBNDTCkqrbndtc])?$"));
    const auto match = algebraic.match(text);
    if (!match.hasMatch())
        return notAMove;
    const QString letter = match.captured(1);
    const int file = match.capturedLength(2) ? match.captured(2).at(0).unicode() - 'a' + 1 : 0;
    const int rank = match.capturedLength(3) ? match.captured(3).toInt() : 0;
    const std::string toName = match.captured(4).toStdString();
    const Square to = SquareFromName(toName[0], toName[1]);
    // A pawn's move without a file ("e4") is the pawn of the square's file.
    const int pieceFile = letter.isEmpty() && file == 0 ? FileOf(to) : file;
    struct Reading {
        char kind;
        PieceLetters letters;
    };
    std::vector<Reading> readings;
    if (letter.isEmpty())
        readings = {{'P', PortugueseLetters}};
    else
        switch (letter.at(0).toLatin1()) {
        case 'K': readings = {{'K', EnglishLetters}}; break;
        case 'Q': readings = {{'Q', EnglishLetters}}; break;
        case 'D': readings = {{'Q', PortugueseLetters}}; break;
        // The English rook, the Portuguese king.
        case 'R': readings = {{'R', EnglishLetters}, {'K', PortugueseLetters}}; break;
        case 'T': readings = {{'R', PortugueseLetters}}; break;
        case 'B': readings = {{'B', PortugueseLetters}}; break;
        case 'N': readings = {{'N', EnglishLetters}}; break;
        case 'C': readings = {{'N', PortugueseLetters}}; break;
        default: return notAMove;
        }
    Finding best;
    for (const Reading& reading : readings) {
        const Finding found = FollowPieces(state, reading.kind, pieceFile, rank, to, shown, reading.letters);
        if (found.depth > best.depth || best.reason.isEmpty())
            best = found;
    }
    return best.reason;
}

QString AmbiguousLettersRefusal(const std::string& text, const std::string& first, const std::string& second)
{
    return Tr(QT_TRANSLATE_NOOP("MoveRefusal",
                                "“%1” é ambíguo: pode ser %2 ou %3; escreva o lance com as casas, como %2."))
        .arg(QString::fromStdString(text), QString::fromStdString(first), QString::fromStdString(second));
}

QString GameOverRefusal()
{
    return Tr(QT_TRANSLATE_NOOP("MoveRefusal", "A partida terminou: o tabuleiro não aceita mais lances."));
}

QString PausedRefusal()
{
    return Tr(QT_TRANSLATE_NOOP("MoveRefusal", "A partida está em pausa: escolha Partida › Continuar para seguir."));
}

QString ThinkingRefusal()
{
    return Tr(QT_TRANSLATE_NOOP("MoveRefusal", "O computador está pensando: espere o lance dele."));
}
