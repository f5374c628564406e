// The games of a PGN file as places in it (core/PgnIndex.h): the file is
// read once to find where each game begins, and a game is read from the
// file only when it is asked for. A file of 100 MB with 100,000 games is
// listed holding a few bytes a game, not every game read.
#pragma once

#include "core/PgnIndex.h"

#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

// Larger files are refused: while the games are found the file is held in
// memory once.
inline constexpr qint64 MaxIndexedPgnFileBytes = 1LL << 30;

class PgnFileIndex {
public:
    // Told the bytes done of a total now and then; false cancels.
    using Progress = std::function<bool(qint64 done, qint64 total)>;

    // Reads the file and finds its games; nothing when `progress` cancelled.
    // Throws std::runtime_error with the reason (in the interface
    // language) when the file is no regular file, cannot be read or is too
    // large.
    static std::optional<PgnFileIndex> Read(const QString& fileName, const Progress& progress = {});

    std::size_t Count() const { return places_.size(); }
    const PgnGamePlace& Place(std::size_t index) const { return places_[index]; }
    // Game `index` read from the file, readable or not (with its place in
    // the file). Throws when the file can no longer be read.
    PgnGame Game(std::size_t index) const;
    QString FileName() const { return fileName_; }

private:
    QString fileName_;
    qint64 size_ = 0;
    std::vector<PgnGamePlace> places_;
};
