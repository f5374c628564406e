// The game window's "Partida › Montar posição…": the position editor opens
// on the shown position, and what it sets up becomes the start of a new
// game (through "Nova partida…") or of an analysis.
#include "app/AnalysisController.h"
#include "app/GameFiles.h"
#include "app/PositionEditorDialog.h"
#include "app/Unit2.h"
#include "core/Chess960.h"
#include "core/Fen.h"
#include "platform/ErrorBox.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>

void TForm2::CreatePositionEditorAction()
{
    MontarPosicao1 = new QAction(tr("Montar posição…"), this);
    MontarPosicao1->setObjectName(QStringLiteral("MontarPosicao1"));
    MontarPosicao1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    MontarPosicao1->setStatusTip(
        tr("Põe as peças de uma posição à mão ou por FEN, para jogar ou analisar a partir dela."));
    // Right after "Nova partida…".
    const QList<QAction*> commands = Partida1->actions();
    Partida1->insertAction(commands.value(commands.indexOf(NovaPartida1) + 1), MontarPosicao1);
    connect(MontarPosicao1, &QAction::triggered, this, [this] { MontarPosicao1Click(MontarPosicao1); });
}

void TForm2::MontarPosicao1Click(QObject*)
{
    PositionEditorDialog dialog(GameFiles->ShownFen(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    switch (dialog.Chosen()) {
    case PositionEditorDialog::Outcome::Play: PlayFromPosition(dialog.Fen()); break;
    case PositionEditorDialog::Outcome::Analyse: AnalysePosition(dialog.Fen()); break;
    case PositionEditorDialog::Outcome::None: break;
    }
}

void TForm2::PlayFromPosition(const QString& fen)
{
    NewGameChoices current = CurrentChoices();
    current.StartFen = fen.toStdString();
    AskForNewGame(current);
}

void TForm2::AnalysePosition(const QString& fen)
{
    // Nobody's computer moves while the position is studied.
    Humano1->setChecked(true);
    Humano2->setChecked(true);
    StartFromPosition(fen.toStdString());
    if (!Analysis->AnalysisAction()->isChecked())
        Analysis->AnalysisAction()->trigger();
}

void TForm2::StartFromPosition(const std::string& fen)
{
    RunGuarded([this, &fen] { GameFiles->PasteFen(QString::fromStdString(fen)); });
    GameChanged();
    FollowMoveList();
}

void TForm2::StartChess960(int number)
{
    RunGuarded([this, number] { GameFiles->StartFrom(FenPosition{Chess960StartPosition(number), 0}); });
    GameChanged();
    FollowMoveList();
}
