// TForm1: the start screen, the application's main window. Three large
// labels over the title picture: "Novo Jogo" shows the game window, "Sobre"
// the about window, "Sair" ends the program. Each label turns red and plays
// the hover sound when the pointer enters it, and plays the click sound
// when clicked. From the keyboard, Tab and the arrow keys move among the
// labels and Enter or Space chooses one; the focused label, once a key has
// been used, looks as under the pointer.
#pragma once

#include <QString>
#include <QWidget>

class HoverLabel;
class QLabel;
class SoundPlayer;
class TForm2;

class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The windows the labels show. Until they are set the labels only
    // play their sounds ("Sair" still ends the program).
    void SetGameWindow(TForm2* form2) { Form2 = form2; }
    void SetAboutWindow(QWidget* form8) { Form8 = form8; }

    // The folder in which "FX/click.wav" and "FX/click2.wav" are looked
    // up, with a trailing "/"; the executable's folder by default.
    void SetSoundFolder(const QString& folder) { soundFolder_ = folder; }
    QString HoverSoundFile() const;
    QString ClickSoundFile() const;

    // Handlers, named after their controls and events.
    void Label1MouseEnter(QObject* Sender);
    void Label2MouseEnter(QObject* Sender);
    void Label3MouseEnter(QObject* Sender);
    void Label1MouseLeave(QObject* Sender);
    void Label2MouseLeave(QObject* Sender);
    void Label3MouseLeave(QObject* Sender);
    void Label1Click(QObject* Sender);
    void Label2Click(QObject* Sender);
    void Label3Click(QObject* Sender);

    QLabel* Image1 = nullptr;
    HoverLabel* Label1 = nullptr;
    HoverLabel* Label2 = nullptr;
    HoverLabel* Label3 = nullptr;
    SoundPlayer* MediaPlayer1 = nullptr;

    // The labels' colours.
    static QColor NormalColour() { return QColor(0xC0, 0xC0, 0xC0); }
    static QColor HoverColour() { return QColor(0xFF, 0x00, 0x00); }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    HoverLabel* MakeLabel(const QString& caption, int left, int top, const QFont& font);
    static void SetLabelColour(QLabel* label, const QColor& colour);
    void Highlight(QLabel* label);
    // Back to the normal colour, unless the keyboard's focus is on it.
    void Unlight(QLabel* label);
    // The keyboard's focus: lit from the first key on.
    void ConnectKeyboard(HoverLabel* label);
    void KeyboardUsed();
    void PlayClickSound();

    TForm2* Form2 = nullptr;
    QWidget* Form8 = nullptr;
    QString soundFolder_;
    bool mediaPrepared_ = false;
    bool keyboardInUse_ = false;
};
