// "Opções › Mostrar nome da abertura": see OpeningNameDisplay.h.
#include "app/OpeningNameDisplay.h"

#include "app/GameRecord.h"
#include "app/Language.h"
#include "board/ChessBoard.h"
#include "core/Chess960.h"
#include "core/OpeningNames.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

TOpeningNameDisplay::TOpeningNameDisplay(TChessBoard* board, QMenu* options, QWidget* window)
    : QObject(window)
    , board_(board)
    , window_(window)
{
    action_ = new QAction(tr("Mostrar nome da abertura"), this);
    action_->setObjectName(QStringLiteral("MostrarNomeDaAbertura1"));
    action_->setCheckable(true);
    action_->setChecked(ShowOpeningNames());
    QAction* before = nullptr;
    for (QAction* action : options->actions()) {
        if (action->isSeparator()) {
            before = action;
            break;
        }
    }
    options->insertAction(before, action_);
    connect(action_, &QAction::toggled, this, [this](bool on) {
        SetShowOpeningNames(on);
        Refresh();
    });
    connect(board_, &TChessBoard::shownPositionChanged, this, &TOpeningNameDisplay::Refresh);
    connect(board_, &TChessBoard::moveMade, this, &TOpeningNameDisplay::Refresh);
    Refresh();
}

QString TOpeningNameDisplay::Chess960Name(const GameState& start)
{
    const int number = Chess960StartNumber(start);
    return number >= 0 ? tr("Xadrez 960 nº %1").arg(number) : tr("Xadrez 960");
}

QString TOpeningNameDisplay::CurrentName() const
{
    const BoardGame game = GameFromBoard(*board_);
    if (game.Record.StartState().Chess960)
        return Chess960Name(game.Record.StartState());
    std::vector<GameState> positions = GamePositions(game.Record);
    positions.resize(std::min(positions.size(), game.ShownPly + 1));
    const TOpeningName* name = TOpeningTable::Shipped().NameOf(positions);
    if (name == nullptr)
        return {};
    return OpeningNameText(*name, ShownLanguage() == InterfaceLanguage::Portuguese);
}

void TOpeningNameDisplay::Refresh()
{
    // The name follows the window's own title; with the switch off the
    // title is left alone, but for a Chess960 game's start.
    const QString separator = QStringLiteral(" — ");
    QString title = window_->windowTitle();
    if (!shownName_.isEmpty() && title.endsWith(separator + shownName_))
        title.chop(separator.size() + shownName_.size());
    shownName_ = action_->isChecked() || board_->Chess960() ? CurrentName() : QString();
    if (!shownName_.isEmpty())
        title += separator + shownName_;
    if (title != window_->windowTitle())
        window_->setWindowTitle(title);
}
