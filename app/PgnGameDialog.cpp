// The game list of a PGN file.
#include "app/PgnGameDialog.h"

#include "app/GameRecord.h"
#include "core/OpeningNames.h"

#include "app/CoreErrorText.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

#include <stdexcept>

namespace {

QString TagText(const Game& game, const char* name)
{
    const std::optional<std::string> value = game.Tag(name);
    return value && *value != "?" && !value->empty() ? QString::fromStdString(*value) : QStringLiteral("?");
}

} // namespace

PgnGameDialog::PgnGameDialog(const std::vector<PgnGame>& games, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Abrir partida"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("GameList"));
    for (const PgnGame& game : games) {
        auto* item = new QListWidgetItem(Describe(game), list_);
        item->setData(Qt::UserRole, static_cast<qulonglong>(game.Index));
        if (!game.Ok)
            item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
        else if (!list_->currentItem())
            list_->setCurrentItem(item);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (item->flags() & Qt::ItemIsEnabled)
            accept();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(680, 360);
}

std::optional<std::size_t> PgnGameDialog::ChosenGame() const
{
    const QListWidgetItem* item = list_->currentItem();
    if (!item || !(item->flags() & Qt::ItemIsEnabled))
        return std::nullopt;
    return static_cast<std::size_t>(item->data(Qt::UserRole).toULongLong());
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

std::optional<std::size_t> ChoosePgnGame(const std::vector<PgnGame>& games, QWidget* parent)
{
    std::vector<std::size_t> readable;
    for (const PgnGame& game : games)
        if (game.Ok)
            readable.push_back(game.Index);
    if (readable.empty()) {
        if (games.empty())
            throw std::runtime_error(PgnGameDialog::tr("O arquivo não contém nenhuma partida.").toStdString());
        throw std::runtime_error(PgnGameErrorText(games.front()).toStdString());
    }
    if (readable.size() == 1 && games.size() == 1)
        return readable.front();
    PgnGameDialog dialog(games, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.ChosenGame();
}
