// The chooser's list of games (see PgnGameList.h).
#include "app/PgnGameList.h"

#include <stdexcept>

PgnGameListModel::PgnGameListModel(PgnGameSource source, QObject* parent)
    : QAbstractListModel(parent)
    , source_(std::move(source))
    , readable_(source_.Count, Unknown)
    , lines_(4096)
{
}

int PgnGameListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(source_.Count);
}

QVariant PgnGameListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return Line(static_cast<std::size_t>(index.row()));
    return {};
}

Qt::ItemFlags PgnGameListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = QAbstractListModel::flags(index);
    return Readable(static_cast<std::size_t>(index.row())) ? flags
                                                           : flags & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
}

bool PgnGameListModel::Readable(std::size_t row) const
{
    if (readable_[row] == Unknown)
        Line(row);
    return readable_[row] == Yes;
}

std::optional<std::size_t> PgnGameListModel::FirstReadable(std::size_t row) const
{
    for (; row < source_.Count; ++row)
        if (Readable(row))
            return row;
    return std::nullopt;
}

QString PgnGameListModel::Line(std::size_t row) const
{
    const int key = static_cast<int>(row);
    if (const QString* line = lines_.object(key))
        return *line;
    QString line;
    try {
        const PgnGame game = source_.Game(row);
        readable_[row] = game.Ok ? Yes : No;
        line = PgnGameDialog::Describe(game);
    } catch (const std::runtime_error& e) {
        // The file went away or changed while the list is open.
        readable_[row] = No;
        line = QStringLiteral("%1. %2").arg(row + 1).arg(QString::fromUtf8(e.what()));
    }
    lines_.insert(key, new QString(line));
    return line;
}

void PgnGameListView::keyboardSearch(const QString& search)
{
    if (!timer_.isValid() || timer_.elapsed() > 1000)
        typed_.clear();
    timer_.start();
    typed_ += search;
    bool ok = false;
    const qulonglong number = typed_.toULongLong(&ok);
    if (!ok || number == 0 || number > static_cast<qulonglong>(model()->rowCount())) {
        typed_.clear();
        return;
    }
    setCurrentIndex(model()->index(static_cast<int>(number - 1), 0));
}
