// Which engine analyses: the built-in one, an installed Stockfish, or an
// engine program the user added. The choice and the added programs are
// remembered in the settings.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QSettings;

struct TEngineEntry {
    QString Name;    // shown in the menu
    QString Program; // empty for the built-in engine
};

namespace EngineChoice {
inline constexpr const char* ChosenKey = "analysis/engine";
inline constexpr const char* AddedKey = "analysis/addedEngines";

// Stockfish on the search path, or in the folders Debian puts games in;
// empty when there is none.
QString FindInstalledStockfish();
// The built-in engine first, then Stockfish if found, then the added
// programs (each once).
QList<TEngineEntry> Available(const QSettings& settings);
// The chosen program; empty (the built-in engine) when none was chosen.
QString Chosen(const QSettings& settings);
void Choose(QSettings& settings, const QString& program);
// Adds a program to the remembered list (once).
void Add(QSettings& settings, const QString& program);
} // namespace EngineChoice
