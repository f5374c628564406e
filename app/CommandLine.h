// The program's command line, answered the way a person expects of any
// program: --help and --version print to standard output and end the
// program at once, without a display; an unknown option is refused with a
// short message and exit status 2; other arguments (game files) are left to
// the program.
#pragma once

#include <QStringList>

#include <optional>

// Before the application object exists: if the command line asks for --help
// or --version, prints the answer and returns the exit status (0). Returns
// nothing otherwise, also for options that only Qt's windowing layer knows
// (-platform, -style...), which AnswerCommandLine checks later.
std::optional<int> AnswerInformationRequest(int argc, char** argv);

// Once QApplication has taken its own options off the command line and the
// translators are installed: answers
// --help and --version, refuses an unknown option (message on standard
// error, returns 2), or returns nothing and puts the positional arguments
// in `files`.
std::optional<int> AnswerCommandLine(const QStringList& arguments, QStringList* files = nullptr);
