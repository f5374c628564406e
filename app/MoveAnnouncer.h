// Tells each move in words, for people who listen to the game: after every
// move (a person's or the computer's) the move in words ("Pretas: cavalo g8
// para f6, xeque") goes to screen readers as a notification (SpokenNotice),
// which they speak whatever has the focus, and becomes the status line's
// accessible description; with "Opções › Falar lances" on, the words are
// also spoken through Qt's text-to-speech in the interface language.
// "Ler posição" shows the pieces, a rank or the turn in a message box, which
// screen readers read as it opens.
#pragma once

#include "board/BoardWords.h"

#include <QObject>
#include <QString>

class QAction;
class QLabel;
class QMenu;
class QTextToSpeech;
class SpokenNotice;
class TChessBoard;

// The facts of the move that led to the board's shown position, read from
// its history; `valid` false when no move led there.
struct LastMove {
    bool valid = false;
    MoveFacts facts;
};
LastMove LastMoveOf(const TChessBoard& board);

class MoveAnnouncer : public QObject {
    Q_OBJECT

public:
    MoveAnnouncer(TChessBoard* board, QLabel* statusLine, QObject* parent = nullptr);

    // Adds "Falar lances" to `options` and the reading commands to `game`.
    void AddMenuItems(QMenu* game, QMenu* options);

    // After every move (the board's moveMade): announces the move that led
    // to the shown position, once the move's events are all delivered.
    void MoveMade();

    // The last announcement (tests).
    QString LastAnnouncement() const { return lastAnnouncement_; }
    // Whether a speech engine is there, and why not when it is not.
    bool SpeechAvailable() const { return speechAvailable_; }
    QString SpeechUnavailableReason() const { return speechUnavailableReason_; }
    QAction* SpeakAction() const { return speakAction_; }

    // Says a text: to the screen reader as a notification and through the
    // status line, and aloud when speech is on.
    void Say(const QString& text);
    // Shows a reading of the position in a message box (read by screen
    // readers as it opens), and says it aloud when speech is on.
    void Show(const QString& text);
    SpokenNotice* Notice() const { return notice_; }

private:
    void AnnounceNow();
    void SetUpSpeech();
    // Starts the speech engine on first use; false (and the reason kept)
    // when it cannot speak.
    bool StartSpeech();
    // The status line's description and the speech, for both.
    void Tell(const QString& text);

    TChessBoard* board_;
    QLabel* statusLine_;
    SpokenNotice* notice_;
    QTextToSpeech* speech_ = nullptr;
    QAction* speakAction_ = nullptr;
    bool speechAvailable_ = false;
    QString speechUnavailableReason_;
    QString lastAnnouncement_;
    bool pending_ = false;
};
