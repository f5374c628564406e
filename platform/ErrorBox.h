// The application's standard error box: how an error that escapes a user
// interface handler reaches the user. The text gets a full stop when it has
// none, the box has an error icon, one OK button and the caption
// "Kestravin 2005"; the program then goes on.
//
// Handlers that can fail throw std::runtime_error with the message and are
// run through RunGuarded:
//
//     void TForm2::Salvar1Click() { RunGuarded([this] { ... }); }
//
// Tests call SetErrorBoxSink to receive the shown text instead of a modal box.
#pragma once

#include <QString>

#include <exception>
#include <functional>
#include <utility>

// The text as the box shows it: trailing white space dropped and a full stop
// added unless the text already ends in one. An empty message stays empty.
QString ErrorBoxText(const QString& message);

// Shows ErrorBoxText(message) in a modal error box, or hands it to the sink
// when one is set. Without a widget application the text goes to stderr.
void ShowErrorBox(const QString& message);

// Replaces the modal box by a function that receives the shown text (with
// its full stop). An empty function restores the box.
void SetErrorBoxSink(std::function<void(const QString&)> sink);

// Runs the handler. An exception escaping it ends the handler and is shown
// in the error box; the result then is false.
template <typename F>
bool RunGuarded(F&& handler)
{
    try {
        std::forward<F>(handler)();
        return true;
    } catch (const std::exception& e) {
        ShowErrorBox(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowErrorBox(QStringLiteral("Unknown error"));
    }
    return false;
}
