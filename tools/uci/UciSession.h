// The UCI protocol: reads commands line by line, keeps the current position
// and options, and drives the search. Bad input is answered with an
// "info string" that says what is wrong; the session goes on.
#pragma once

#include "UciPerft.h"
#include "UciSearch.h"

#include "core/GameState.h"
#include "core/PolyglotBook.h"
#include "engine/WeakPlay.h"

#include <iosfwd>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class TUciSession {
public:
    TUciSession(std::istream& in, std::ostream& out);

    // Serves commands until "quit" or the end of the input.
    void Run();

private:
    // Each returns false when the session should end.
    bool Handle(const std::string& line);
    void HandleUci();
    void HandlePosition(const std::vector<std::string>& words);
    void HandleGo(const std::vector<std::string>& words);
    void HandleSetOption(const std::vector<std::string>& words);
    // Adds the named move of the current position to the search moves, or
    // says why it cannot.
    void AddSearchMove(const std::string& text, std::vector<TEngineMove>& moves);
    // Answers the go from the book when OwnBook is on, the book has a move
    // and the game is within the level's book plies.
    bool AnswerFromBook(const TGoLimits& limits);
    // Reads the book file if not read yet; false (said once) when it cannot.
    bool BookReady();

    void Write(const std::string& line);
    void Info(const std::string& text) { Write("info string " + text); }

    std::istream& in_;
    std::ostream& out_;
    std::mutex outputMutex_;
    // None after a refused FEN, until the next good position.
    std::optional<GameState> position_ = GameState::Initial();
    int positionPly_ = 0;   // half-moves of the game before position_
    bool chess960_ = false; // the option UCI_Chess960
    bool ownBook_ = false;
    std::string bookPath_;
    TPolyglotBook book_;
    bool bookTried_ = false;
    TWeakRandom bookRandom_;
    int depthOption_ = DefaultDepth;
    TUciSearch search_;
    TUciPerft perft_;

    static constexpr int DefaultDepth = 5;
    static constexpr int MaxDepthOption = TUciSearch::MaxDepth;
    static constexpr int MaxPerftDepth = 10;
};
