// The board's game as a recorded game (core Game) and back: what the game
// window needs for "Abrir partida…", "Salvar partida…", the autosave and the
// move list in algebraic notation.
//
// How the window uses it (errors are std::runtime_error with a Portuguese
// text, shown by RunGuarded; the board keeps its game then):
//
//     // Salvar partida…
//     BoardGame game = GameFromBoard(*ChessBoard1);
//     game.Record.SetTag("Date", QDate::currentDate().toString("yyyy.MM.dd").toStdString());
//     RecordPlayers(game.Record, *ChessBoard1);
//     WritePgnFile(fileName, game.Record);
//
//     // Abrir partida…
//     const std::vector<PgnGame> games = ReadPgnFile(fileName);
//     // (let the user pick one of several; an unreadable one shows
//     //  PgnGameErrorText(game))
//     PutGameOnBoard(games[i].Value, *ChessBoard1);
//     RestorePlayers(games[i].Value, *ChessBoard1);
//
//     // after every move, and at the end of the program
//     WriteAutosave(GameFromBoard(*ChessBoard1).Record);
//     // at start: if (auto game = ReadAutosave()) PutGameOnBoard(*game, ...)
#pragma once

#include "core/Pgn.h"
#include "core/San.h"

#include <QString>

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <vector>

class TChessBoard;

struct BoardGame {
    Game Record;
    // The half-move the board shows: the last one, or an earlier one after
    // going back in the game.
    std::size_t ShownPly = 0;
    // The position was changed by hand during the game (a position set on
    // the board, a promotion to a piece chess has not): the record then
    // starts at the last such change, since PGN cannot hold the change.
    bool StartsAfterAnEdit = false;
};

// The board's recorded game, from its first position to the last one
// reached by play. A board on which no move has been made gives a game of
// no moves from the position it shows. The board's move numbers are kept;
// the half-move clock of the start is 0 (the board does not count it).
BoardGame GameFromBoard(const TChessBoard& board);

// Puts a game on the board: its start position, then every move made by the
// board's own MakeMove with the board's events and animation held back, and
// then the position after `ply` half-moves shown (the last by default). The
// board numbers the moves from 1. A game in a file is a record: every move
// is played, also after a threefold repetition, which the board's own rule
// would end in play. Should the board refuse a later move all the same, it
// stops there and the answer tells how far the game went; if it refuses
// the very first move the game it had is put back and std::runtime_error
// says so. The search thread is left stopped: the caller decides whether
// the computer goes on.
struct PutGameResult {
    std::size_t Played = 0; // half-moves on the board
    bool Stopped = false;   // fewer than the game's
    QString Reason;         // why, in the interface language
};
PutGameResult PutGameOnBoard(const Game& game, TChessBoard& board,
                             std::size_t ply = std::numeric_limits<std::size_t>::max());

// The tags for resuming a game exactly: WhiteType and BlackType ("human",
// "program") and KestravinLevel (the search depth, 1 to 5).
void RecordPlayers(Game& game, const TChessBoard& board);
// Sets the board's players and search depth from those tags; a tag that is
// missing leaves its setting alone.
void RestorePlayers(const Game& game, TChessBoard& board);

// The games of a PGN file, readable or not. Throws when the file cannot be
// opened or read, or is larger than MaxPgnFileBytes.
inline constexpr qint64 MaxPgnFileBytes = 256LL * 1024 * 1024;
std::vector<PgnGame> ReadPgnFile(const QString& fileName);
// "Partida 3, linha 12, coluna 7: lance ilegal: "Ke3"" for an unreadable
// game.
QString PgnGameErrorText(const PgnGame& game);

// Writes one game in export format through a temporary file that replaces
// the old one only once complete. Throws with the reason on failure.
void WritePgnFile(const QString& fileName, const Game& game);

// The autosave file in the program's data folder, written the same way.
QString AutosaveFileName();
void WriteAutosave(const Game& game);
// The autosaved game, or nothing when there is none or it cannot be read.
std::optional<Game> ReadAutosave();
void RemoveAutosave();

struct TOpeningName;
// Whether "Opções › Mostrar nome da abertura" is on (remembered); the game
// chooser and the saved games name the openings then.
bool ShowOpeningNames();
void SetShowOpeningNames(bool on);
// "C60 Abertura Espanhola" with the Portuguese families, else "C60 Ruy
// Lopez" (the table's English name, as the PGN tags have it).
QString OpeningNameText(const TOpeningName& name, bool portuguese);
