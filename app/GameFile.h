// Game files: the board's 64-character position string, written byte for
// byte and read back whole, nothing else (no side to move, no history).
//
// How the main window uses it (errors are std::runtime_error, shown by
// RunGuarded in the standard error box; the board is untouched then):
//
//     // members of TForm2:  GameSaveDialog Salvar;  GameOpenDialog Abrir;
//     void TForm2::Salvar1Click() {
//         RunGuarded([this] { SaveGameWithDialog(Salvar, this, ChessBoard1->Position()); });
//     }
//     void TForm2::Abrir1Click() {
//         RunGuarded([this] {
//             if (const auto text = LoadGameWithDialog(Abrir, this))
//                 ChessBoard1->SetPosition(*text);
//         });
//     }
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>

class QFileDialog;
class QWidget;

// The most characters the text buffer between file and board holds: the
// 64 KiB less one of a classic multi-line edit control. Line breaks count as
// two characters (CR LF).
inline constexpr qsizetype GameTextCapacity = 65535;

// Writes `position` to `fileName` exactly as given (no line end added),
// through a temporary file that replaces the old one only once it is
// complete, so a failure never leaves a damaged or truncated file behind.
// Throws "Cannot create file "<full path>". <cause>".
void SaveGameFile(const QString& fileName, const std::string& position);

// The text buffer's reading of a file's bytes: a NUL byte ends the text and
// every line break (CR, LF or CR LF) becomes CR LF. Each byte is one
// character. Throws "Text exceeds memo capacity" past GameTextCapacity.
std::string GameTextFromBytes(const QByteArray& bytes);

// Reads `fileName` whole and returns its text as GameTextFromBytes gives it,
// ready for the board's Position. Throws "Cannot open file "<full path>".
// <cause>" or "Text exceeds memo capacity". Never reads more of a huge file
// than the capacity needs.
std::string LoadGameFile(const QString& fileName);

// Gives a file dialog a size at which its list shows every column whole
// (name, size, type, date) instead of Qt's narrow default.
void SizeFileDialog(QFileDialog& dialog);

// The save dialog: no title, filter or folder of its own; it starts with the
// name last chosen in it and asks before replacing an existing file.
class GameSaveDialog {
public:
    // The chosen file's path, or an empty string when the user cancels.
    QString Execute(QWidget* parent);
    // Sets up `dialog` as Execute shows it (also used by tests).
    void Configure(QFileDialog& dialog) const;
    QString FileName() const { return fileName_; }

private:
    QString fileName_;
};

// The open dialog: starts in the folder "/MUSICAS" when there is one (the
// system's usual folder otherwise), or with the name last chosen in it; no
// filter.
class GameOpenDialog {
public:
    static constexpr const char* InitialFolder = "/MUSICAS";

    QString Execute(QWidget* parent);
    void Configure(QFileDialog& dialog) const;
    QString FileName() const { return fileName_; }

private:
    QString fileName_;
};

// "Salvar": shows the dialog, then writes the position. False when the user
// cancelled (nothing is written).
bool SaveGameWithDialog(GameSaveDialog& dialog, QWidget* parent, const std::string& position);

// "Carregar": shows the dialog, then reads the file. No value when the user
// cancelled; otherwise the text to give to the board's Position.
std::optional<std::string> LoadGameWithDialog(GameOpenDialog& dialog, QWidget* parent);
