// The game list of a PGN file.
#include "app/PgnGameDialog.h"

#include "app/GameRecord.h"
#include "app/PgnGameList.h"
#include "core/OpeningNames.h"

#include "app/CoreErrorText.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QListView>
#include <QProgressDialog>
#include <QVBoxLayout>

#include <memory>
#include <stdexcept>

namespace {

QString TagText(const Game& game, const char* name)
{
    const std::optional<std::string> value = game.Tag(name);
    return value && *value != "?" && !value->empty() ? QString::fromStdString(*value) : QStringLiteral("?");
}

} // namespace

PgnGameSource SourceOf(const std::vector<PgnGame>& games)
{
    return PgnGameSource{games.size(), [&games](std::size_t i) { return games[i]; }};
}

PgnGameSource SourceOf(const PgnFileIndex& index)
{
    return PgnGameSource{index.Count(), [&index](std::size_t i) { return index.Game(i); }};
}

PgnGameDialog::PgnGameDialog(PgnGameSource source, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Abrir partida"));
    model_ = new PgnGameListModel(std::move(source), this);
    list_ = new PgnGameListView(this);
    list_->setObjectName(QStringLiteral("GameList"));
    // Every row is one line: the view asks only the rows it shows.
    list_->setUniformItemSizes(true);
    list_->setModel(model_);
    if (const std::optional<std::size_t> first = model_->FirstReadable())
        list_->setCurrentIndex(model_->index(static_cast<int>(*first), 0));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        if (model_->flags(index) & Qt::ItemIsEnabled)
            accept();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(680, 360);
}

std::optional<std::size_t> PgnGameDialog::ChosenGame() const
{
    const QModelIndex current = list_->currentIndex();
    if (!current.isValid() || !(model_->flags(current) & Qt::ItemIsEnabled))
        return std::nullopt;
    return static_cast<std::size_t>(current.row());
}

QString PgnGameDialog::Describe(const PgnGame& game)
{
    if (!game.Ok)
        return tr("%1. Partida ilegível (linha %2, coluna %3: %4)")
            .arg(game.Index + 1)
            .arg(game.Line)
            .arg(game.Column)
            .arg(NotationErrorText(game.Problem));
    const Game& g = game.Value;
    const QString length =
        g.PlyCount() == 1 ? tr("1 meio-lance") : tr("%1 meios-lances").arg(static_cast<qulonglong>(g.PlyCount()));
    QString line = tr("%1. %2 – %3, %4, %5, %6 (%7)")
                       .arg(game.Index + 1)
                       .arg(TagText(g, "White"), TagText(g, "Black"), TagText(g, "Event"), TagText(g, "Date"),
                            QString::fromStdString(g.Result()), length);
    // With "Mostrar nome da abertura", the opening the game reached.
    if (ShowOpeningNames()) {
        if (const TOpeningName* name = TOpeningTable::Shipped().NameOf(GamePositions(g)))
            line += QStringLiteral(" — ") + OpeningNameText(*name, false);
    }
    return line;
}

std::optional<std::size_t> ChoosePgnGameFrom(const PgnGameSource& source, QWidget* parent)
{
    if (source.Count == 0)
        throw std::runtime_error(PgnGameDialog::tr("O arquivo não contém nenhuma partida.").toStdString());
    // Only a file whose games are all unreadable is read to its end here.
    PgnGameListModel games(source, nullptr);
    const std::optional<std::size_t> first = games.FirstReadable();
    if (!first)
        throw std::runtime_error(PgnGameErrorText(source.Game(0)).toStdString());
    if (source.Count == 1)
        return *first;
    PgnGameDialog dialog(source, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.ChosenGame();
}

std::optional<std::size_t> ChoosePgnGame(const std::vector<PgnGame>& games, QWidget* parent)
{
    return ChoosePgnGameFrom(SourceOf(games), parent);
}

std::optional<PgnFileIndex> IndexPgnFileShowingProgress(const QString& fileName, QWidget* parent)
{
    // Shown only once the reading has taken a moment: a file of the usual
    // size is read before anything would be seen.
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QProgressDialog> dialog;
    return PgnFileIndex::Read(fileName, [&](qint64 done, qint64 total) {
        if (!dialog) {
            if (clock.elapsed() < 300)
                return true;
            dialog = std::make_unique<QProgressDialog>(
                QCoreApplication::translate("PgnGameDialog", "Lendo as partidas de \"%1\"…").arg(fileName),
                QCoreApplication::translate("PgnGameDialog", "Cancelar"), 0, 1000, parent);
            dialog->setWindowTitle(QCoreApplication::translate("PgnGameDialog", "Abrir partida"));
            // Nothing else happens meanwhile: the reading owns the file and the game window.
            dialog->setWindowModality(Qt::ApplicationModal);
            dialog->setMinimumDuration(0);
        }
        dialog->setValue(static_cast<int>(done * 1000 / std::max<qint64>(total, 1)));
        QCoreApplication::processEvents();
        return !dialog->wasCanceled();
    });
}
