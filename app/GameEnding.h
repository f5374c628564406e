// How a game ends beyond the board's own rules, in the game window:
// "Partida › Pausar", "Abandonar" (confirmed first), "Propor empate"
// (between people the other side answers in a dialog; the computer answers
// by its rule, ComputerAcceptsDraw, on a short search of its own),
// "Reivindicar empate" (enabled exactly while a claim is valid), the
// option "Opções › Repetição tripla só quando reivindicada", the ends that
// come on their own (75 moves, fivefold repetition), the flag. An ended
// game holds the board (no move is accepted) and stops the clocks; the
// status line and, with "Avisar fim de partida", a notice say how it ended.
#pragma once

#include "core/EndRules.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>

class Game;
class GameClocks;
class QAction;
class QMenu;
class TBuiltinAnalyser;
class TChessBoard;

class GameEnding : public QObject {
    Q_OBJECT

public:
    struct Hooks {
        std::function<void(const QString&)> SetStatus; // the status line
        std::function<bool()> NoticesOn;               // "Avisar fim de partida"
        std::function<void()> GameChanged;             // commands, autosave, list
    };
    GameEnding(TChessBoard* board, GameClocks* clocks, Hooks hooks, QObject* parent = nullptr);

    // "Pausar", "Abandonar", "Propor empate" and "Reivindicar empate" in
    // `game` before `gameBefore`; the option in `options` before
    // `optionsBefore` (nullptr: at the end).
    void AddMenuItems(QMenu* game, QAction* gameBefore, QMenu* options, QAction* optionsBefore);
    QAction* PauseAction() const { return pause_; }
    QAction* ResignAction() const { return resign_; }
    QAction* OfferDrawAction() const { return offerDraw_; }
    QAction* ClaimDrawAction() const { return claimDraw_; }
    QAction* ThreefoldOnClaimAction() const { return threefoldOnClaim_; }

    const GameOutcome& Outcome() const { return outcome_; }
    bool Over() const { return outcome_.IsOver(); }
    // The status line's and the notice's words for an end.
    static QString OutcomeText(const GameOutcome& outcome);

    // A new game, a game put on the board, a take-back: the game is open
    // again (and not paused).
    void Reopen();
    // A recorded game put on the board: ended as its record says.
    void RestoreFrom(const Game& game);
    // Writes the outcome into a record of the board's game.
    void AddToRecord(Game& game) const;
    // After any change of the game: the automatic ends and what the
    // commands may do now.
    void GameChanged();
    // Ends the game now.
    void End(const GameOutcome& outcome);

    // "Pausar" and "Partida › Continuar".
    void Pause();
    bool Paused() const { return paused_; }
    // Leaves a pause; false when there was none.
    bool Resume();

    // The yes/no questions (tests answer them instead of a dialog).
    using Question = std::function<bool(const QString&)>;
    void SetQuestion(Question question) { question_ = std::move(question); }
    // The computer's evaluation of a draw offer, from its side, in
    // centipawns (tests answer it instead of a search); empty: searched.
    using DrawJudge = std::function<int()>;
    void SetDrawJudge(DrawJudge judge) { judge_ = std::move(judge); }

    // Who may act: the person's side against the computer, the side to move
    // between people; nullopt when the computer plays both sides.
    std::optional<bool> ActingSide() const;

private:
    void Resign();
    void OfferDraw();
    void ClaimDraw();
    void ComputerAnswers(int computerScore);
    void UpdateActions();
    bool Ask(const QString& text) const;
    // What the claims and the automatic ends see: the board's game up to
    // the position it shows.
    GameFacts ShownFacts(bool& atLastMove) const;
    void ApplyThreefoldOption(bool claimOnly);
    void HoldBoard();

    TChessBoard* board_;
    GameClocks* clocks_;
    Hooks hooks_;
    GameOutcome outcome_;
    bool paused_ = false;
    bool holding_ = false;
    QAction* pause_ = nullptr;
    QAction* resign_ = nullptr;
    QAction* offerDraw_ = nullptr;
    QAction* claimDraw_ = nullptr;
    QAction* threefoldOnClaim_ = nullptr;
    Question question_;
    DrawJudge judge_;
    TBuiltinAnalyser* analyser_ = nullptr;
    std::uint64_t offerId_ = 0;
    int lastScore_ = 0; // White's view, from the last finished iteration
    EndReason claimable_ = EndReason::None;
};
