// The board's signals: every listener of a signal hears it, each signal
// comes right after the event slot of its moment (and also when no slot is
// set), and gameEnded names how the game ended.
#include "BoardTestSupport.h"

#include <QObject>

#include <gtest/gtest.h>

#include <memory>

using namespace boardtest;
using Events = std::vector<std::string>;

namespace {

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string EndName(TGameEnd end)
{
    switch (end) {
    case TGameEnd::Mate: return "Mate";
    case TGameEnd::Stalemate: return "Stalemate";
    case TGameEnd::NoMatingMaterial: return "NoMatingMaterial";
    case TGameEnd::ThreefoldRepetition: return "ThreefoldRepetition";
    }
    return "?";
}

// Records the board's signals as "signal moveMade e2e4", "signal
// shownPositionChanged", "signal gameEnded Mate", into `events` (which an
// EventLog may share, so that slots and signals come in one sequence).
class SignalLog : public QObject {
public:
    SignalLog(TChessBoard& board, std::vector<std::string>& events) : events_(events)
    {
        connect(&board, &TChessBoard::moveMade, this, [this](Square from, Square to) {
            events_.push_back("signal moveMade " + Lower(SquareName(from) + SquareName(to)));
        });
        connect(&board, &TChessBoard::shownPositionChanged, this,
                [this] { events_.push_back("signal shownPositionChanged"); });
        connect(&board, &TChessBoard::gameEnded, this,
                [this](TGameEnd end) { events_.push_back("signal gameEnded " + EndName(end)); });
    }

private:
    std::vector<std::string>& events_;
};

// OnShownPositionChanged joins the slots EventLog records.
void LogShownPosition(TChessBoard& board, EventLog& log)
{
    board.OnShownPositionChanged = [&log](QObject*) { log.events.push_back("ShownPositionChanged"); };
}

TEST(BoardSignals, EveryListenerOfASignalHearsIt)
{
    TChessBoard board(nullptr, true);
    std::vector<std::string> first;
    std::vector<std::string> second;
    SignalLog one(board, first);
    auto two = std::make_unique<SignalLog>(board, second);
    // A third listener through a plain function, as a helper with no
    // QObject of its own would connect.
    int moves = 0;
    QObject::connect(&board, &TChessBoard::moveMade, &board, [&moves] { ++moves; });

    ASSERT_TRUE(board.MakeMove(Square::E2, Square::E4));
    const Events heard{"signal moveMade e2e4", "signal shownPositionChanged"};
    EXPECT_EQ(first, heard);
    EXPECT_EQ(second, heard);
    EXPECT_EQ(moves, 1);

    // A slot's handler set later replaces nothing of the listeners.
    board.OnShownPositionChanged = [](QObject*) {};
    board.OnLegalMove = [](QObject*, Square, Square) {};
    first.clear();
    second.clear();
    ASSERT_TRUE(board.GotoMove(1, true));
    EXPECT_EQ(first, Events{"signal shownPositionChanged"});
    EXPECT_EQ(second, Events{"signal shownPositionChanged"});

    // A listener that is gone hears nothing more; the others go on.
    two.reset();
    first.clear();
    ASSERT_TRUE(board.MakeMove(Square::D2, Square::D4));
    EXPECT_EQ(first, (Events{"signal moveMade d2d4", "signal shownPositionChanged"}));
    EXPECT_EQ(moves, 2);
}

TEST(BoardSignals, EachSignalComesRightAfterItsSlot)
{
    TChessBoard board(nullptr, true);
    EventLog log(board);
    LogShownPosition(board, log);
    SignalLog listener(board, log.events);
    ASSERT_TRUE(Play(board, {"f2f3", "e7e5", "g2g4"}));
    log.Take();
    ASSERT_TRUE(board.MakeMove(Square::D8, Square::H4));
    EXPECT_EQ(log.Take(),
              (Events{"LegalMove d8h4", "signal moveMade d8h4", "Check", "Mate", "signal gameEnded Mate", "Paint",
                      "ShownPositionChanged", "signal shownPositionChanged"}));

    board.NewGame();
    EXPECT_EQ(log.Take(), (Events{"ShownPositionChanged", "signal shownPositionChanged"}));
    board.SetPosition("init");
    EXPECT_EQ(log.Take(), (Events{"ShownPositionChanged", "signal shownPositionChanged"}));
}

TEST(BoardSignals, TheyComeAlsoWithoutHandlersAndLeaveTheGuardAlone)
{
    TChessBoard board(nullptr, true);
    Events heard;
    SignalLog listener(board, heard);
    ASSERT_TRUE(Play(board, {"f2f3", "e7e5", "g2g4", "d8h4"}));
    EXPECT_EQ(Events(heard.end() - 3, heard.end()),
              (Events{"signal moveMade d8h4", "signal gameEnded Mate", "signal shownPositionChanged"}));
    // The guard belongs to the slots: without OnMate it stays clear.
    EXPECT_FALSE(board.EndEventGuard());

    // A refused move says nothing.
    heard.clear();
    EXPECT_FALSE(board.MakeMove(Square::A2, Square::A3));
    EXPECT_TRUE(heard.empty());

    // A move taken back shows another position.
    ASSERT_TRUE(board.TakeBack(1));
    EXPECT_EQ(heard, Events{"signal shownPositionChanged"});
}

TEST(BoardSignals, GameEndedNamesTheDrawOncePerMove)
{
    struct Case {
        const char* fen;
        std::vector<std::string> moves;
        std::string ended; // the last move's gameEnded, or "" for none
    };
    const Case cases[] = {
        {"7k/8/6K1/8/8/8/8/5Q2 w - -", {"f1f7"}, "signal gameEnded Stalemate"},
        {"k7/8/8/8/3p4/8/1B6/4K3 w - -", {"b2d4"}, "signal gameEnded NoMatingMaterial"},
        // Stalemate and too little material at once: the stalemate is named.
        {"k7/2K5/8/2B5/8/8/8/8 w - -", {"c5b6"}, "signal gameEnded Stalemate"},
        {"6k1/5ppp/8/8/8/8/8/R3K3 w - -", {"a1a8"}, "signal gameEnded Mate"},
        {"6k1/5ppp/8/8/8/8/8/R3K3 w - -", {"a1a2"}, ""},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -",
         {"g1f3", "g8f6", "f3g1", "f6g8", "g1f3", "g8f6", "f3g1", "f6g8"},
         "signal gameEnded ThreefoldRepetition"},
    };
    for (const Case& c : cases) {
        TChessBoard board(nullptr, true);
        SetUpFen(board, c.fen);
        Events heard;
        SignalLog listener(board, heard);
        ASSERT_TRUE(Play(board, c.moves)) << c.fen;
        Events ends;
        for (const std::string& e : heard)
            if (e.rfind("signal gameEnded", 0) == 0)
                ends.push_back(e);
        EXPECT_EQ(ends, c.ended.empty() ? Events{} : Events{c.ended}) << c.fen;
    }
}

} // namespace
