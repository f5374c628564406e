// How the computer player chooses beside its search depth: as a beginners'
// level, and from an opening book. The default (neither) is the specified
// player: it searches to its depth and plays the search's move.
#pragma once

#include "engine/PlayingLevels.h"
#include "engine/WeakPlay.h"

#include <memory>

class TPolyglotBook;

struct TComputerStyle {
    // Choose as a beginners' level does (WeakPlay.h) instead of searching.
    bool Beginner = false;
    TWeakPlayStyle Style;
    // Play the book's moves while the game has had fewer than BookPlies
    // half-moves; no book when empty. Shared, never changed once set.
    std::shared_ptr<const TPolyglotBook> Book;
    int BookPlies = 0;

    // The style of a level, with the book (or none) to use to the level's
    // own depth.
    static TComputerStyle OfLevel(const TPlayingLevel& level, std::shared_ptr<const TPolyglotBook> book)
    {
        TComputerStyle style;
        style.Beginner = level.Beginner();
        style.Style = level.Style;
        style.Book = std::move(book);
        style.BookPlies = style.Book ? level.BookPlies : 0;
        return style;
    }
};
