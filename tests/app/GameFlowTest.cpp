// The whole game in the game window: "Nova partida…" and its remembered
// choices, the clocks on a hand-driven time source (the flag, take-back,
// pause, the computer's thinking budget, the record and the autosave), and
// the ends beyond the board's rules: resigning, draw offers to a person and
// to the computer, the 50-move claim from exactly the 100th half-move, the
// 75-move end, threefold repetition left to a claim and the fivefold end.
#include "AppTestSupport.h"
#include "app/Autosave.h"
#include "app/GameClocks.h"
#include "app/GameEnding.h"
#include "app/GameFiles.h"
#include "app/GameRecord.h"
#include "app/ScoreSheet.h"
#include "app/TypedMoveEntry.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"
#include "core/ClockComment.h"
#include "engine/PlayingLevels.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

namespace {

void Settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

TimeControl Control(const char* pgn)
{
    return ParseTimeControl(pgn).value_or(TimeControl{});
}

class GameFlow : public ::testing::Test {
protected:
    GameFlow()
    {
        form.Clocks->SetTimeSource([this] { return now; });
        form.Ending->SetQuestion([this](const QString& text) {
            questions.append(text);
            return answer;
        });
    }
    // A game of two people (no computer thread in design mode anyway).
    void StartGame(const char* white, const char* black = nullptr, bool computerBlack = false)
    {
        NewGameChoices choices;
        choices.ComputerWhite = false;
        choices.ComputerBlack = computerBlack;
        choices.White = Control(white);
        choices.Black = Control(black != nullptr ? black : white);
        form.StartNewGame(choices);
        Settle();
    }
    // A new game from a position of these pieces, White to move.
    void StartFrom(std::initializer_list<std::pair<Square, char>> pieces, const char* control,
                   bool computerBlack = false)
    {
        StartGame(control, nullptr, computerBlack);
        std::string placement(64, ' ');
        for (const auto& [square, piece] : pieces)
            placement[static_cast<std::size_t>(Ord(square) - 1)] = piece;
        form.ChessBoard1->SetPosition(placement);
        form.ChessBoard1->SetCastlingAllowed(CastleSet());
        form.ChessBoard1->SetWhiteToMove(true);
        form.Clocks->StartGame(Control(control), Control(control));
        Settle();
    }
    void Play(Square from, Square to, ClockMs thinking = 0)
    {
        now += thinking;
        ASSERT_TRUE(form.ChessBoard1->MakeMove(from, to)) << Ord(from) << "-" << Ord(to);
        Settle();
    }
    // Plays a move that is no capture, no pawn move and no check, to a
    // position not seen before (so that nothing repeats), picked by a
    // seeded generator among all such moves.
    void PlayQuietMove()
    {
        TChessBoard& board = *form.ChessBoard1;
        std::vector<std::pair<Square, Square>> candidates;
        std::vector<std::string> results;
        for (int from = 1; from <= 64; ++from) {
            const Square a = SquareFromOrd(from);
            const char piece = board.PieceAt(a);
            if (piece == ' ' || piece == 'P' || piece == 'p')
                continue;
            for (int to = 1; to <= 64; ++to) {
                const Square b = SquareFromOrd(to);
                if (board.PieceAt(b) != ' ' || !board.IsLegalMove(a, b))
                    continue;
                const bool check = board.WhiteToMove() ? board.BlackKingAttacked(a, b) : board.WhiteKingAttacked(a, b);
                std::string after = board.Position();
                after[static_cast<std::size_t>(to - 1)] = piece;
                after[static_cast<std::size_t>(from - 1)] = ' ';
                after += board.WhiteToMove() ? 'b' : 'w';
                if (check || seen.count(after) != 0)
                    continue;
                candidates.emplace_back(a, b);
                results.push_back(after);
            }
        }
        ASSERT_FALSE(candidates.empty()) << "no new quiet move in " << board.Position();
        const std::size_t pick = random() % candidates.size();
        seen.insert(results[pick]);
        ASSERT_TRUE(board.MakeMove(candidates[pick].first, candidates[pick].second));
    }
    QString Status() const { return form.Panel1->text(); }
    Game Record() const { return form.GameFiles->CurrentGame(); }

    CapturedBoxes boxes;
    ClockMs now = 1'000'000;
    bool answer = true;
    QStringList questions;
    std::set<std::string> seen;
    std::mt19937 random{20261207};
    TForm2 form{nullptr, true};
};

TEST_F(GameFlow, WithoutAClockNothingIsShownAndTheBoardKeepsItsLimit)
{
    EXPECT_FALSE(form.Clocks->Enabled());
    EXPECT_FALSE(form.Clocks->Label(true)->isVisibleTo(&form));
    EXPECT_FALSE(form.Clocks->Label(false)->isVisibleTo(&form));
    EXPECT_EQ(form.Client->size(), QSize(792, 546));
    EXPECT_EQ(form.ChessBoard1->ThinkingTimeLimit(), TChessBoard::DefaultThinkingTimeLimit);
    EXPECT_EQ(form.NovaPartida1->shortcut(), QKeySequence("Ctrl+Shift+N"));
    EXPECT_FALSE(form.Ending->ClaimDrawAction()->isEnabled());
    EXPECT_FALSE(form.Ending->PauseAction()->isEnabled());
    EXPECT_FALSE(form.Ending->ThreefoldOnClaimAction()->isChecked());
    Play(Square::E2, Square::E4, 50000);
    const Game game = Record();
    EXPECT_FALSE(game.Tag("TimeControl").has_value());
    EXPECT_EQ(game.Moves().front().Comment, "");
}

TEST_F(GameFlow, NewGameChoicesAreAppliedAndRemembered)
{
    form.SetNewGameAsker([](const NewGameChoices& current) {
        EXPECT_TRUE(current.White.IsNone());
        NewGameChoices chosen = current;
        chosen.ComputerWhite = true;
        chosen.ComputerBlack = false;
        chosen.Level = PlayingLevelOfDepth(3);
        chosen.White = Control("180+2");
        chosen.Black = Control("40/5400:1800");
        return std::optional<NewGameChoices>(chosen);
    });
    form.NovaPartida1->trigger();
    Settle();
    EXPECT_TRUE(form.ChessBoard1->ComputerPlaysWhite());
    EXPECT_FALSE(form.ChessBoard1->ComputerPlaysBlack());
    EXPECT_EQ(form.ChessBoard1->SearchDepth(), 3);
    EXPECT_TRUE(form.Clocks->Label(true)->isVisibleTo(&form));
    // The computer on a clock thinks within its budget; a person's turn
    // leaves the board its own limit.
    EXPECT_LT(form.ChessBoard1->ThinkingTimeLimit(), 10000);
    form.Humano2->click();
    Settle();
    EXPECT_EQ(form.ChessBoard1->ThinkingTimeLimit(), TChessBoard::DefaultThinkingTimeLimit);
    form.Computador2->click();
    Settle();
    EXPECT_LT(form.ChessBoard1->ThinkingTimeLimit(), 10000);
    const QSettings settings(TForm2::SettingsOrganisation(), TForm2::SettingsApplication());
    EXPECT_EQ(settings.value("Partida/ControleDeTempo").toString(), "180+2");
    EXPECT_EQ(settings.value("Partida/ControleDeTempoPretas").toString(), "40/5400:1800");
    EXPECT_TRUE(settings.value("Jogadores/ComputadorBrancas").toBool());
    // A control stored before start-up applies to the first game.
    TForm2 again(nullptr, true);
    EXPECT_TRUE(again.Clocks->Enabled());
    EXPECT_EQ(again.Clocks->Clock().Control(true), Control("180+2"));
    EXPECT_EQ(again.Clocks->Clock().Control(false), Control("40/5400:1800"));
    EXPECT_EQ(again.CurrentChoices().Level, PlayingLevelOfDepth(3));
}

TEST_F(GameFlow, ABeginnersLevelIsPlayedAndRememberedBesideTheFiveOfTheMenu)
{
    const TPlayingLevel* beginner = FindPlayingLevel("Iniciante");
    ASSERT_NE(beginner, nullptr);
    const int depthBefore = form.ChessBoard1->SearchDepth();
    form.SetNewGameAsker([beginner](const NewGameChoices& current) {
        NewGameChoices chosen = current;
        chosen.Level = beginner;
        return std::optional<NewGameChoices>(chosen);
    });
    form.NovaPartida1->trigger();
    Settle();
    EXPECT_TRUE(form.ChessBoard1->ComputerStyle().Beginner);
    // "Dificuldade" keeps its five items and its depth.
    EXPECT_EQ(form.Dificuldade1->actions().size(), 5);
    EXPECT_EQ(form.ChessBoard1->SearchDepth(), depthBefore);
    TForm2 again(nullptr, true);
    EXPECT_EQ(again.CurrentChoices().Level, beginner);
    EXPECT_TRUE(again.ChessBoard1->ComputerStyle().Beginner);
    // A level of the menu chosen there ends the beginners' level.
    again.Fcil1->trigger();
    EXPECT_FALSE(again.ChessBoard1->ComputerStyle().Beginner);
    TForm2 third(nullptr, true);
    EXPECT_EQ(third.CurrentChoices().Level, PlayingLevelOfDepth(2));
}

TEST_F(GameFlow, TheFlagEndsTheGameAndTheRecordSaysSo)
{
    StartGame("5");
    EXPECT_EQ(form.Clocks->Label(true)->text(), "0:05.0");
    Play(Square::E2, Square::E4, 60000); // the first moves take no time
    Play(Square::E7, Square::E5, 60000);
    Play(Square::G1, Square::F3, 2000);
    EXPECT_EQ(form.Clocks->Clock().Remaining(true), 3000);
    now += 4900;
    form.Clocks->Tick();
    EXPECT_FALSE(form.Ending->Over());
    EXPECT_EQ(form.Clocks->Label(false)->text(), "0:00.1");
    now += 100;
    form.Clocks->Tick();
    Settle();
    ASSERT_TRUE(form.Ending->Over());
    EXPECT_EQ(Status(), "As pretas perderam por tempo.");
    EXPECT_FALSE(form.ChessBoard1->IsLegalMove(Square::B8, Square::C6));
    EXPECT_FALSE(form.Ending->ResignAction()->isEnabled());
    const Game game = Record();
    EXPECT_EQ(game.Result(), "1-0");
    EXPECT_EQ(game.Tag("Termination"), "time forfeit");
    EXPECT_EQ(game.Tag("TimeControl"), "5");
    ASSERT_EQ(game.PlyCount(), 3U);
    EXPECT_EQ(CommentClock(game.Moves()[2].Comment), 3000);
    EXPECT_EQ(CommentClock(game.Moves()[0].Comment), 5000);
    // The score sheet says how it ended and on which clock.
    const QStringList heading = ScoreSheetOf(game).Heading;
    EXPECT_TRUE(heading.contains("Fim: As pretas perderam por tempo.")) << heading.join(" | ").toStdString();
    EXPECT_TRUE(heading.contains("Controle de tempo: 5")) << heading.join(" | ").toStdString();
    // The finished game stays in the autosave until a new game starts.
    form.GameFiles->AutosaveNow();
    ASSERT_TRUE(ReadAutosave().has_value());
    EXPECT_EQ(ReadAutosave()->Result(), "1-0");
    form.NovoJogo1->trigger();
    Settle();
    form.GameFiles->AutosaveNow();
    EXPECT_FALSE(ReadAutosave().has_value());
    EXPECT_FALSE(form.Ending->Over());
    EXPECT_TRUE(form.ChessBoard1->IsLegalMove(Square::E2, Square::E4));
}

TEST_F(GameFlow, TheFlagAgainstALoneKingIsADraw)
{
    StartFrom({{Square::E8, 'k'}, {Square::A1, 'Q'}, {Square::E1, 'K'}}, "5");
    Play(Square::A1, Square::A2);
    Play(Square::E8, Square::D8);
    Play(Square::A2, Square::A3);
    now += 6000; // Black's flag falls; White could mate
    form.Clocks->Tick();
    Settle();
    EXPECT_EQ(form.Ending->Outcome(), (GameOutcome{GameResult::WhiteWins, EndReason::TimeForfeit}));
    // White runs out with only a king against it: a draw.
    StartFrom({{Square::E8, 'k'}, {Square::A1, 'Q'}, {Square::E1, 'K'}}, "5");
    Play(Square::A1, Square::A2);
    Play(Square::E8, Square::D8);
    now += 6000;
    form.Clocks->Tick();
    Settle();
    EXPECT_EQ(form.Ending->Outcome(), (GameOutcome{GameResult::Draw, EndReason::TimeoutNoMaterial}));
}

TEST_F(GameFlow, NoFlagFallsAfterTheBoardHasEndedTheGame)
{
    // Mate: the clock of the side mated stops, also while the mate's box
    // is open (its event loop runs the clocks' timer), and after it.
    SetMessageSink([this](const QString& text) {
        boxes.messages.append(text);
        now += 60000;
        form.Clocks->Tick();
    });
    StartGame("8");
    Play(Square::F2, Square::F3);
    Play(Square::E7, Square::E5);
    Play(Square::G2, Square::G4, 1000);
    Play(Square::D8, Square::H4, 1000);
    ASSERT_EQ(boxes.messages, QStringList{"Cheque Mate!"});
    now += 60000;
    form.Clocks->Tick();
    Settle();
    EXPECT_TRUE(form.Clocks->Clock().Stopped());
    EXPECT_NE(form.Ending->Outcome().Reason, EndReason::TimeForfeit);
    EXPECT_EQ(Status(), "Cheque Mate!");
    Game game = Record();
    EXPECT_EQ(game.Result(), "0-1");
    EXPECT_NE(game.Tag("Termination"), "time forfeit");
    // Taken back, the game and White's clock go on.
    form.VoltarLance1->trigger();
    Settle();
    EXPECT_TRUE(form.Clocks->Clock().Running());
    EXPECT_EQ(form.Clocks->Clock().Remaining(false), 8000);
    SetMessageSink([this](const QString& text) { boxes.messages.append(text); });

    // Stalemate stays a draw however long the side without a move waits.
    StartFrom({{Square::H7, 'k'}, {Square::F7, 'K'}, {Square::G4, 'Q'}}, "5");
    Play(Square::G4, Square::G5);
    Play(Square::H7, Square::H8);
    Play(Square::G5, Square::G6);
    now += 60000;
    form.Clocks->Tick();
    Settle();
    EXPECT_FALSE(form.Ending->Over());
    EXPECT_EQ(Record().Result(), "1/2-1/2");

    // So does the repetition with which the board ends the game.
    StartGame("10");
    for (int i = 0; i < 2; ++i) {
        Play(Square::G1, Square::F3);
        Play(Square::G8, Square::F6);
        Play(Square::F3, Square::G1);
        Play(Square::F6, Square::G8);
    }
    ASSERT_FALSE(form.ChessBoard1->IsLegalMove(Square::G1, Square::F3));
    now += 60000;
    form.Clocks->Tick();
    Settle();
    EXPECT_NE(form.Ending->Outcome().Reason, EndReason::TimeForfeit);
    EXPECT_NE(Record().Result(), "0-1");
}

TEST_F(GameFlow, TakingBackAndRedoingRestoreTheClocks)
{
    StartGame("60+1");
    Play(Square::E2, Square::E4);
    Play(Square::E7, Square::E5);
    Play(Square::G1, Square::F3, 5000);  // White 56 s
    Play(Square::B8, Square::C6, 10000); // Black 51 s
    Play(Square::F1, Square::C4, 7000);  // White 50 s
    now += 3000;
    form.VoltarLance1->trigger(); // between people: one half-move
    Settle();
    EXPECT_EQ(form.Clocks->Clock().Remaining(true), 56000);
    EXPECT_EQ(form.Clocks->Clock().Remaining(false), 51000);
    EXPECT_TRUE(form.Clocks->Clock().WhiteToMove());
    now += 4000;
    form.RefazerLance1->trigger();
    Settle();
    EXPECT_EQ(form.Clocks->Clock().Remaining(true), 50000);
    EXPECT_FALSE(form.Clocks->Clock().WhiteToMove());
    // A game lost on time opens again when its move is taken back.
    now += 60000;
    form.Clocks->Tick();
    Settle();
    ASSERT_TRUE(form.Ending->Over());
    form.VoltarLance1->trigger();
    Settle();
    EXPECT_FALSE(form.Ending->Over());
    EXPECT_TRUE(form.ChessBoard1->IsLegalMove(Square::F1, Square::C4));
    EXPECT_EQ(form.Clocks->Clock().Remaining(true), 56000);
}

TEST_F(GameFlow, PauseHoldsTheBoardAndTheClocks)
{
    StartGame("60");
    Play(Square::E2, Square::E4);
    Play(Square::E7, Square::E5);
    now += 1000;
    ASSERT_TRUE(form.Ending->PauseAction()->isEnabled());
    form.Ending->PauseAction()->trigger();
    Settle();
    EXPECT_EQ(Status(), "Partida pausada.");
    EXPECT_FALSE(form.ChessBoard1->IsLegalMove(Square::G1, Square::F3));
    EXPECT_TRUE(form.Continuar1->isEnabled());
    now += 500000;
    form.Clocks->Tick();
    EXPECT_FALSE(form.Ending->Over());
    EXPECT_EQ(form.Clocks->Clock().Remaining(true), 59000);
    // A typed move is refused for the pause, not as if the game had ended.
    form.MoveEntry->Open(QStringLiteral("Cf3"));
    EXPECT_FALSE(form.MoveEntry->Submit());
    EXPECT_EQ(form.MoveEntry->Message()->text(), "A partida está em pausa: escolha Partida › Continuar para seguir.");
    form.MoveEntry->Edit()->setText(QString());
    form.MoveEntry->hide();
    form.Continuar1->trigger();
    Settle();
    EXPECT_TRUE(form.ChessBoard1->IsLegalMove(Square::G1, Square::F3));
    now += 1000;
    EXPECT_EQ(form.Clocks->Clock().Remaining(true), 58000);
}

TEST_F(GameFlow, ResigningAsksFirstAndTheSideToMoveResignsBetweenPeople)
{
    StartGame("-");
    EXPECT_FALSE(form.Ending->ResignAction()->isEnabled()); // nothing played yet
    Play(Square::E2, Square::E4);
    answer = false;
    form.Ending->ResignAction()->trigger();
    EXPECT_FALSE(form.Ending->Over());
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions.front(), "Abandonar a partida? As pretas perdem.");
    answer = true;
    form.Ending->ResignAction()->trigger();
    Settle();
    EXPECT_EQ(form.Ending->Outcome(), (GameOutcome{GameResult::WhiteWins, EndReason::Resignation}));
    EXPECT_EQ(Status(), "As pretas abandonaram.");
    EXPECT_EQ(Record().Result(), "1-0");
    EXPECT_EQ(Record().Tag("Termination"), "normal");
    // Against the computer (on Black), the person resigns for White.
    StartGame("-", nullptr, true);
    Play(Square::E2, Square::E4);
    Play(Square::E7, Square::E5);
    form.Ending->ResignAction()->trigger();
    EXPECT_EQ(form.Ending->Outcome(), (GameOutcome{GameResult::BlackWins, EndReason::Resignation}));
}

TEST_F(GameFlow, DrawOffersBetweenPeopleAndToTheComputer)
{
    StartGame("-");
    Play(Square::E2, Square::E4);
    answer = false;
    form.Ending->OfferDrawAction()->trigger();
    EXPECT_FALSE(form.Ending->Over());
    EXPECT_EQ(questions.back(), "As pretas propõem empate. As brancas aceitam?");
    EXPECT_EQ(Status(), "Empate recusado.");
    answer = true;
    form.Ending->OfferDrawAction()->trigger();
    EXPECT_EQ(form.Ending->Outcome(), (GameOutcome{GameResult::Draw, EndReason::Agreement}));
    EXPECT_EQ(Status(), "Empate por acordo.");

    StartGame("-", nullptr, true);
    Play(Square::E2, Square::E4);
    Play(Square::E7, Square::E5);
    int score = DrawAcceptMargin + 1;
    form.Ending->SetDrawJudge([&score] { return score; });
    form.Ending->OfferDrawAction()->trigger();
    EXPECT_FALSE(form.Ending->Over());
    EXPECT_EQ(boxes.messages.back(), "O computador recusou o empate.");
    score = DrawAcceptMargin;
    form.Ending->OfferDrawAction()->trigger();
    EXPECT_EQ(form.Ending->Outcome(), (GameOutcome{GameResult::Draw, EndReason::Agreement}));
}

TEST_F(GameFlow, TheComputerSearchesBeforeAnsweringADrawOffer)
{
    // Black (the computer) has an extra queen: it declines.
    StartFrom({{Square::E8, 'k'}, {Square::F8, 'q'}, {Square::D2, 'P'}, {Square::E1, 'K'}}, "-", true);
    Play(Square::D2, Square::D3);
    form.Ending->OfferDrawAction()->trigger();
    for (int i = 0; i < 300 && boxes.messages.isEmpty() && !form.Ending->Over(); ++i)
        QTest::qWait(10);
    EXPECT_FALSE(form.Ending->Over());
    EXPECT_EQ(boxes.messages.value(0), "O computador recusou o empate.");
}

TEST_F(GameFlow, TheComputerJudgesADrawOfferInChess960ByItsOwnCastling)
{
    // Black (the computer) is two rooks down, but castling onto its rook
    // (king b8 to c8, rook a8 to d8) mates the king boxed in on d1: only
    // Chess960's castling sees it, and then the offer is declined.
    StartFrom({{Square::A8, 'r'},
               {Square::B8, 'k'},
               {Square::C1, 'R'},
               {Square::D1, 'K'},
               {Square::E1, 'R'},
               {Square::C2, 'P'},
               {Square::E2, 'P'},
               {Square::H2, 'P'}},
              "-", true);
    TChessBoard& board = *form.ChessBoard1;
    board.SetChess960(true);
    board.SetCastlingRookFiles({8, 1, 8, 1});
    CastleSet rights;
    rights.Include(CanStillCastle::BlackQueenSide);
    board.SetCastlingAllowed(rights);
    Play(Square::H2, Square::H3);
    ASSERT_TRUE(board.IsLegalMove(Square::B8, Square::A8)) << "the castling the computer must see";
    form.Ending->OfferDrawAction()->trigger();
    for (int i = 0; i < 300 && boxes.messages.isEmpty() && !form.Ending->Over(); ++i)
        QTest::qWait(10);
    EXPECT_FALSE(form.Ending->Over()) << "a mate in one is no draw";
    EXPECT_EQ(boxes.messages.value(0), "O computador recusou o empate.");
}

TEST_F(GameFlow, FiftyMoveClaimFromTheHundredthHalfMoveAndTheEndAtTheHundredAndFiftieth)
{
    // A king, a rook and a knight each: quiet moves enough.
    StartFrom({{Square::A8, 'r'},
               {Square::B8, 'n'},
               {Square::E8, 'k'},
               {Square::A1, 'R'},
               {Square::B1, 'N'},
               {Square::E1, 'K'}},
              "-");
    for (int ply = 0; ply < 99; ++ply)
        PlayQuietMove();
    Settle();
    EXPECT_FALSE(form.Ending->ClaimDrawAction()->isEnabled());
    PlayQuietMove();
    Settle();
    EXPECT_TRUE(form.Ending->ClaimDrawAction()->isEnabled());
    for (int ply = 100; ply < 149; ++ply)
        PlayQuietMove();
    Settle();
    EXPECT_FALSE(form.Ending->Over());
    PlayQuietMove();
    Settle();
    EXPECT_EQ(form.Ending->Outcome(), (GameOutcome{GameResult::Draw, EndReason::SeventyFiveMoves}));
    EXPECT_EQ(Status(), "Empate: regra dos 75 lances.");
    EXPECT_FALSE(form.Ending->ClaimDrawAction()->isEnabled());
}

TEST_F(GameFlow, ClaimingTheFiftyMoveDraw)
{
    StartFrom({{Square::A8, 'r'},
               {Square::B8, 'n'},
               {Square::E8, 'k'},
               {Square::A1, 'R'},
               {Square::B1, 'N'},
               {Square::E1, 'K'}},
              "-");
    for (int ply = 0; ply < 100; ++ply)
        PlayQuietMove();
    Settle();
    form.Ending->ClaimDrawAction()->trigger();
    EXPECT_EQ(form.Ending->Outcome(), (GameOutcome{GameResult::Draw, EndReason::FiftyMoves}));
    EXPECT_EQ(Status(), "Empate: regra dos 50 lances.");
}

TEST_F(GameFlow, ThreefoldRepetitionLeftToAClaimAndTheFivefoldEnd)
{
    const auto shuffle = [this] {
        Play(Square::G1, Square::F3);
        Play(Square::G8, Square::F6);
        Play(Square::F3, Square::G1);
        Play(Square::F6, Square::G8);
    };
    // By default the third time ends the game, as the board's rules say.
    StartGame("-");
    shuffle();
    shuffle();
    EXPECT_FALSE(form.ChessBoard1->IsLegalMove(Square::G1, Square::F3));
    EXPECT_FALSE(form.Ending->ClaimDrawAction()->isEnabled());

    form.Ending->ThreefoldOnClaimAction()->trigger();
    EXPECT_TRUE(QSettings(TForm2::SettingsOrganisation(), TForm2::SettingsApplication())
                    .value("Opcoes/RepeticaoTriplaReivindicada")
                    .toBool());
    StartGame("-");
    shuffle();
    EXPECT_FALSE(form.Ending->ClaimDrawAction()->isEnabled());
    shuffle();
    EXPECT_TRUE(form.ChessBoard1->IsLegalMove(Square::G1, Square::F3));
    EXPECT_TRUE(form.Ending->ClaimDrawAction()->isEnabled());
    EXPECT_EQ(Record().Result(), "*");
    shuffle();
    EXPECT_FALSE(form.Ending->Over());
    shuffle();
    EXPECT_EQ(form.Ending->Outcome(), (GameOutcome{GameResult::Draw, EndReason::FivefoldRepetition}));
    // The claim itself.
    StartGame("-");
    shuffle();
    shuffle();
    form.Ending->ClaimDrawAction()->trigger();
    EXPECT_EQ(form.Ending->Outcome(), (GameOutcome{GameResult::Draw, EndReason::ThreefoldRepetition}));
    EXPECT_EQ(Status(), "Empate: repetição tripla.");
}

TEST_F(GameFlow, TheAutosaveBringsBackTheClocksPaused)
{
    StartGame("180+2");
    Play(Square::E2, Square::E4);
    Play(Square::E7, Square::E5);
    Play(Square::G1, Square::F3, 10000); // White 172 s
    now += 25300;                        // Black has used 25.3 s of its turn
    form.GameFiles->AutosaveNow();
    const auto saved = ReadAutosave();
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->Tag("BlackClock"), "0:02:34.7");

    TForm2 restored(nullptr, true);
    restored.Clocks->SetTimeSource([this] { return now; });
    ASSERT_TRUE(restored.GameFiles->RestoreAutosave());
    Settle();
    EXPECT_TRUE(restored.Ending->Paused());
    EXPECT_EQ(restored.Clocks->Clock().Remaining(true), 172000);
    EXPECT_EQ(restored.Clocks->Clock().Remaining(false), 154700);
    now += 100000; // time while paused is not charged
    EXPECT_EQ(restored.Clocks->Clock().Remaining(false), 154700);
    EXPECT_FALSE(restored.ChessBoard1->IsLegalMove(Square::B8, Square::C6));
    restored.Continuar1->trigger();
    now += 700;
    EXPECT_EQ(restored.Clocks->Clock().Remaining(false), 154000);
    EXPECT_TRUE(restored.ChessBoard1->IsLegalMove(Square::B8, Square::C6));
}

TEST_F(GameFlow, ClocksTellTheirTimeInWords)
{
    EXPECT_EQ(GameClocks::SpokenText(true, 298000), "Relógio das brancas: 4 minutos e 58 segundos");
    EXPECT_EQ(GameClocks::SpokenText(false, 61000), "Relógio das pretas: 1 minuto e 1 segundo");
    EXPECT_EQ(GameClocks::SpokenText(true, 3600000), "Relógio das brancas: 1 hora");
    EXPECT_EQ(GameClocks::SpokenText(true, 3723000), "Relógio das brancas: 1 hora, 2 minutos e 3 segundos");
    EXPECT_EQ(GameClocks::SpokenText(false, 0), "Relógio das pretas: 0 segundos");
    EXPECT_EQ(GameClocks::DisplayText(298200), "4:58");
    EXPECT_EQ(GameClocks::DisplayText(9340), "0:09.3");
    EXPECT_EQ(GameClocks::DisplayText(3723000), "1:02:03");
    EXPECT_EQ(GameClocks::DisplayText(-5), "0:00.0");

    StartGame("65");
    Play(Square::E2, Square::E4);
    Play(Square::E7, Square::E5);
    EXPECT_EQ(form.Clocks->Label(true)->accessibleName(), "Relógio das brancas: 1 minuto e 5 segundos");
    // The announcements go to the status line's accessible description.
    now += 5500;
    form.Clocks->Tick();
    EXPECT_EQ(form.Panel1->accessibleDescription(), "Brancas: um minuto.");
    now += 50000;
    form.Clocks->Tick();
    EXPECT_EQ(form.Panel1->accessibleDescription(), "Brancas: dez segundos.");
}

} // namespace
