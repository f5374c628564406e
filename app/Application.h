// Application-wide services of the windows: the application title, the
// plain message box that carries it, ending the program, and showing a
// side window. Message boxes and ending can be redirected, so that tests
// of the windows run without modal boxes and without leaving the event loop.
#pragma once

#include <QString>

#include <functional>

class QMessageBox;
class QWidget;

// Makes the program's pictures (":/pictures/...") available. Called by
// every window that shows one; repeated calls do nothing.
void InitApplicationResources();

// "Kestravin 2005": the task-bar text and every message box's caption.
QString ApplicationTitle();

// The width a window needs for the window manager to write its whole title
// in the title bar, beside the bar's own buttons (measured in the window's
// font, with room for a wider face in the bar).
int WidthForTitle(const QWidget* window, const QString& title);

// A message box with the text, one OK button and the application title as
// caption; returns when it is closed.
void ShowMessage(const QString& text);
// The box ShowMessage shows, not yet shown (also drawn by tests for
// comparison with the screen).
QMessageBox* CreateMessageBox(const QString& text, QWidget* parent = nullptr);
// Like ShowMessage, with a second button that puts `copied` (a file's
// location, say) on the clipboard; the text can be selected too.
void ShowMessageWithCopy(const QString& text, const QString& copyButton, const QString& copied);
// Tests capture the text instead of a modal box; an empty sink restores it.
void SetMessageSink(std::function<void(const QString&)> sink);

// Tells the application to end: the message loop finishes and the windows
// are destroyed.
void EndApplication();
// Tests record the request instead; an empty sink restores the real end.
void SetEndApplicationSink(std::function<void()> sink);

// Shows a window non-modally; one already visible is brought to the front.
void ShowWindow(QWidget* window);
