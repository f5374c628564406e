#include "enginehelp/EngineChoice.h"

#include "enginehelp/MoveLine.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace EngineChoice {

QString FindInstalledStockfish()
{
    QString found = QStandardPaths::findExecutable(QStringLiteral("stockfish"));
    if (found.isEmpty())
        found = QStandardPaths::findExecutable(QStringLiteral("stockfish"),
                                               {QStringLiteral("/usr/games"), QStringLiteral("/usr/local/games")});
    return found;
}

QList<TEngineEntry> Available(const QSettings& settings)
{
    QList<TEngineEntry> entries{{BuiltinEngineName(), QString()}};
    QStringList seen;
    const auto add = [&](const QString& program) {
        const QString canonical = QFileInfo(program).absoluteFilePath();
        if (program.isEmpty() || seen.contains(canonical))
            return;
        seen.append(canonical);
        entries.append({QFileInfo(program).fileName(), program});
    };
    add(FindInstalledStockfish());
    for (const QString& program : settings.value(QLatin1String(AddedKey)).toStringList())
        add(program);
    return entries;
}

QString Chosen(const QSettings& settings)
{
    return settings.value(QLatin1String(ChosenKey)).toString();
}

void Choose(QSettings& settings, const QString& program)
{
    settings.setValue(QLatin1String(ChosenKey), program);
}

void Add(QSettings& settings, const QString& program)
{
    QStringList added = settings.value(QLatin1String(AddedKey)).toStringList();
    if (!added.contains(program))
        added.append(program);
    settings.setValue(QLatin1String(AddedKey), added);
}

} // namespace EngineChoice
