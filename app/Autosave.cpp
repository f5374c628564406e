// The autosave at start-up (see Autosave.h).
#include "app/Autosave.h"

#include "app/GameRecord.h"
#include "core/EndRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <stdexcept>

bool GameHasEnded(const Game& game)
{
    return game.Result() != "*" || Game::RulesResult(game.FinalPosition()) != "*";
}

bool KeptAfterItsEnd(const Game& game)
{
    switch (RecordedOutcome(game).Reason) {
    case EndReason::None:
    case EndReason::Checkmate:
    case EndReason::Stalemate:
    case EndReason::InsufficientMaterial: return false;
    default: return true;
    }
}

QString SetAsideAutosaveName(const QDateTime& when)
{
    return AutosaveFileName() + QStringLiteral(".ilegivel-") + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
}

namespace {

// QSaveFile writes "<name>.XXXXXX" beside the file and renames it once
// complete; a process killed meanwhile leaves it behind.
void RemoveInterruptedWrites()
{
    const QFileInfo autosave(AutosaveFileName());
    const QDir folder = autosave.absoluteDir();
    if (!folder.exists())
        return;
    const QRegularExpression temporary(QStringLiteral("^") + QRegularExpression::escape(autosave.fileName()) +
                                       QStringLiteral("\\.[A-Za-z0-9]{6}$"));
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden))
        if (temporary.match(name).hasMatch())
            QFile::remove(folder.filePath(name));
}

} // namespace

AutosaveFound TakeAutosave(const QDateTime& now)
{
    AutosaveFound found;
    RemoveInterruptedWrites();
    const QString fileName = AutosaveFileName();
    if (!QFileInfo::exists(fileName))
        return found;
    try {
        const std::vector<PgnGame> games = ReadPgnFile(fileName);
        if (games.empty())
            found.Problem = QCoreApplication::translate("Autosave", "O arquivo não contém nenhuma partida.");
        else if (!games.front().Ok)
            found.Problem = PgnGameErrorText(games.front());
        else
            found.Value = games.front().Value;
    } catch (const std::runtime_error& e) {
        found.Problem = QString::fromUtf8(e.what());
    }
    if (found.Value) {
        if (GameHasEnded(*found.Value) && !KeptAfterItsEnd(*found.Value)) {
            found.Value.reset();
            RemoveAutosave();
        }
        return found;
    }
    found.SetAsideAs = SetAsideAutosave(now);
    return found;
}

QString SetAsideAutosave(const QDateTime& now)
{
    const QString fileName = AutosaveFileName();
    QString aside = SetAsideAutosaveName(now);
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = SetAsideAutosaveName(now) + QLatin1Char('-') + QString::number(n);
    if (QFile::rename(fileName, aside))
        return aside;
    // Never read again at every start, even where it cannot be kept.
    QFile::remove(fileName);
    return QString();
}
