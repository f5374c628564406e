// The game window's opponent beside the "Dificuldade" menu: the playing
// level among all seven (the two beginners' levels included, for the new
// game dialog), and "Opções › Livro de aberturas", which lets the computer
// open from a Polyglot book (Debian's gnuchess-book by default, or a file
// the user picks), each level to its own depth. Off by default: without
// it the computer plays as specified.
#pragma once

#include "engine/PlayingLevels.h"

#include <QObject>
#include <QString>

#include <array>
#include <memory>

class QAction;
class QMenu;
class QWidget;
class TChessBoard;
class TPolyglotBook;

class TOpponentController : public QObject {
    Q_OBJECT

public:
    // Adds "Livro de aberturas" to the options menu (before its first
    // separator) and follows the five items of "Dificuldade" (levels, Super
    // Fácil first); window is the parent of its dialogs and its owner.
    TOpponentController(TChessBoard* board, QMenu* options, const std::array<QAction*, 5>& levels, QWidget* window);

    // The level the computer plays, one of PlayingLevels(); the five items
    // of "Dificuldade" choose the five searching levels.
    const TPlayingLevel& Level() const { return *level_; }
    void SetLevel(const TPlayingLevel& level);

    bool BookEnabled() const;
    // Turns the book on (reading the chosen file; said in an error box and
    // left off when it cannot be read) or off. Remembered.
    void SetBookEnabled(bool on);
    // The book's file: the one chosen, else Debian's.
    QString BookPath() const;
    // Reads another file as the book; remembered when it can be read.
    bool UseBookFile(const QString& path);

    QMenu* BookMenu() const { return bookMenu_; }

private:
    void ChooseBookFile();
    bool LoadBook(const QString& path, bool quiet = false);
    void ApplyStyle();

    TChessBoard* board_;
    QWidget* window_;
    const TPlayingLevel* level_;
    std::shared_ptr<const TPolyglotBook> book_;
    QMenu* bookMenu_ = nullptr;
    QAction* useBookAction_ = nullptr;
    QAction* chooseBookAction_ = nullptr;
};
