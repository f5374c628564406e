// Where the program finds the data files it ships beside itself: the sounds
// and the music folder (beside the executable) and the help documents
// (current folder first, then the program's own data folders).
#pragma once

#include <QString>
#include <QStringList>

// The folder that holds the running executable, with a trailing "/".
QString ExecutableDir();

// The folders searched for a help document, in order: the current folder,
// the executable's folder, then the installed data folders
// (<prefix>/share/kestravin beside the executable's bin folder, and
// kestravin/ under each of the system's data folders). Each ends in "/".
QStringList HelpDocumentFolders();

// The absolute path of the first existing file `relativeName` (for example
// "DOC/JOGO.html") in HelpDocumentFolders(), or an empty string when none
// of them holds it. A name that would leave its folder ("..", an absolute
// path) is not looked up.
QString FindHelpDocument(const QString& relativeName);
