// The list of a PGN file's games in the chooser: a model that reads each
// game only when its row is first asked for, and a view whose type-ahead
// goes by game number.
#pragma once

#include "app/PgnGameDialog.h"

#include <QAbstractListModel>
#include <QCache>
#include <QElapsedTimer>
#include <QListView>

#include <cstddef>
#include <optional>
#include <vector>

// The games of the list, each read when it is first shown; what was read is
// kept (a line of text for the latest rows, whether it is readable for all).
class PgnGameListModel : public QAbstractListModel {
public:
    PgnGameListModel(PgnGameSource source, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // An unreadable game is neither enabled nor selectable.
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    bool Readable(std::size_t row) const;
    // The first readable game from `row` on, reading as far as needed.
    std::optional<std::size_t> FirstReadable(std::size_t row = 0) const;

private:
    enum : char { Unknown, Yes, No };

    QString Line(std::size_t row) const;

    PgnGameSource source_;
    mutable std::vector<char> readable_;
    mutable QCache<int, QString> lines_;
};

// Type-ahead by game number only: the rows' texts are read from the file as
// they are shown, and a search through every row's text would read them all.
class PgnGameListView : public QListView {
public:
    using QListView::QListView;

    void keyboardSearch(const QString& search) override;

private:
    QString typed_;
    QElapsedTimer timer_;
};
