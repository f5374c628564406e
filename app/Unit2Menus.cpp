// The game window's menu bar and the handlers of its items and of the
// print button.
#include "app/AnalysisController.h"
#include "app/Application.h"
#include "app/Language.h"
#include "app/MoveListBox.h"
#include "app/MoveListPrinter.h"
#include "app/PositionDrawings.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"
#include "platform/DataPaths.h"
#include "platform/ErrorBox.h"
#include "platform/ShellOpen.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

void TForm2::CreateMenus()
{
    QMenuBar* MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    const auto item = [this](QMenu* menu, const char* name, const QString& caption, void (TForm2::*handler)(QObject*)) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, action, handler] { (this->*handler)(action); });
        return action;
    };

    Kestravin1 = MainMenu1->addMenu(tr("&Jogo"));
    Kestravin1->setObjectName(QStringLiteral("Kestravin1"));
    NovoJogo1 = item(Kestravin1, "NovoJogo1", tr("Novo Jogo"), &TForm2::NovoJogo1Click);
    Dificuldade1 = Kestravin1->addMenu(tr("Dificuldade"));
    Dificuldade1->setObjectName(QStringLiteral("Dificuldade1"));
    SuperFcil1 = item(Dificuldade1, "SuperFcil1", tr("Super Fácil"), &TForm2::SuperFcil1Click);
    Fcil1 = item(Dificuldade1, "Fcil1", tr("Fácil"), &TForm2::Fcil1Click);
    Difcil1 = item(Dificuldade1, "Difcil1", tr("Médio"), &TForm2::Difcil1Click);
    Difcil2 = item(Dificuldade1, "Difcil2", tr("Difícil"), &TForm2::Difcil2Click);
    SuperDifcil1 = item(Dificuldade1, "SuperDifcil1", tr("Super Difícil"), &TForm2::SuperDifcil1Click);
    // The check mark follows the chosen level; it starts on the stored depth 1.
    difficultyGroup_ = new QActionGroup(this);
    for (QAction* level : {SuperFcil1, Fcil1, Difcil1, Difcil2, SuperDifcil1}) {
        level->setCheckable(true);
        difficultyGroup_->addAction(level);
    }
    SuperFcil1->setChecked(true);
    SetLevelTips();
    Abrir1 = item(Kestravin1, "Abrir1", tr("Carregar"), &TForm2::Abrir1Click);
    Salvar1 = item(Kestravin1, "Salvar1", tr("Salvar"), &TForm2::Salvar1Click);
    Sair1 = item(Kestravin1, "Sair1", tr("Sair"), &TForm2::Sair1Click);

    // The program's own additions: commands on the game in "Partida",
    // switches in "Opções". Each feature adds its items to them.
    Partida1 = MainMenu1->addMenu(tr("&Partida"));
    Partida1->setObjectName(QStringLiteral("Partida1"));
    // Training after the game's commands; TTrainingController adds its items.
    Treinar1 = MainMenu1->addMenu(tr("&Treinar"));
    Treinar1->setObjectName(QStringLiteral("Treinar1"));

    Online1 = MainMenu1->addMenu(tr("O&nline"));
    Online1->setObjectName(QStringLiteral("Online1"));
    Jogar1 = item(Online1, "Jogar1", tr("Jogar"), &TForm2::Jogar1Click);

    MediaPlayer1 = MainMenu1->addMenu(tr("&Media Player"));
    MediaPlayer1->setObjectName(QStringLiteral("MediaPlayer1"));
    Abrir3 = item(MediaPlayer1, "Abrir3", tr("Abrir"), &TForm2::Abrir3Click);

    Opcoes1 = MainMenu1->addMenu(tr("&Opções"));
    Opcoes1->setObjectName(QStringLiteral("Opcoes1"));
    CreateLanguageMenu();

    Ajuda1 = MainMenu1->addMenu(tr("&Ajuda"));
    Ajuda1->setObjectName(QStringLiteral("Ajuda1"));
    Regras1 = item(Ajuda1, "Regras1", tr("Regras"), &TForm2::Regras1Click);
    Histria1 = item(Ajuda1, "Histria1", tr("História"), &TForm2::Histria1Click);
    Sobre1 = item(Ajuda1, "Sobre1", tr("Sobre"), &TForm2::Sobre1Click);

    // The usual shortcuts, so that the game can be run from the keyboard;
    // the menus open with Alt and their underlined letters.
    NovoJogo1->setShortcut(QKeySequence::New);
    Sair1->setShortcut(QKeySequence::Quit);
    Regras1->setShortcut(QKeySequence::HelpContents);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(BitBtn1); });

    CreatePlayActions();
    CreateOptionActions();
}

void TForm2::NovoJogo1Click(QObject*)
{
    // Only the board starts afresh; the list, the status line, the players
    // and the difficulty stay as they are (the list, in either notation,
    // until the new game's first move rebuilds it). The board leaves its
    // computer player stopped; it plays at once when it has the first move.
    oldGameListed_ = true;
    Drawings->Forget();
    RunGuarded([this] { ChessBoard1->NewGame(); });
    StartClocksForNewGame();
    LetComputerMove();
    GameChanged();
    FollowMoveList();
}

void TForm2::SetLevelTips()
{
    const QList<QAction*> levels{SuperFcil1, Fcil1, Difcil1, Difcil2, SuperDifcil1};
    for (int i = 0; i < levels.size(); ++i) {
        const QString tip = DifficultyStatusTip(i + 1);
        if (!tip.isEmpty()) {
            levels[i]->setStatusTip(tip);
            // The window has no status bar: the menu shows the tip beside
            // the item the pointer rests on.
            levels[i]->setToolTip(tip);
        }
    }
    Dificuldade1->setToolTipsVisible(true);
}

void TForm2::SetSearchDepthFromMenu(int depth)
{
    RunGuarded([this, depth] { ChessBoard1->SetSearchDepth(depth); });
}

void TForm2::SuperFcil1Click(QObject*)
{
    SetSearchDepthFromMenu(1);
}
void TForm2::Fcil1Click(QObject*)
{
    SetSearchDepthFromMenu(2);
}
void TForm2::Difcil1Click(QObject*)
{
    SetSearchDepthFromMenu(3);
}
void TForm2::Difcil2Click(QObject*)
{
    SetSearchDepthFromMenu(4);
}
void TForm2::SuperDifcil1Click(QObject*)
{
    SetSearchDepthFromMenu(5);
}

void TForm2::Abrir1Click(QObject*)
{
    RunGuarded([this] {
        if (const auto text = LoadGameWithDialog(Abrir, this)) {
            ChessBoard1->SetPosition(*text);
            StartClocksForNewGame();
            // The board leaves its computer player stopped; it plays when
            // it is to move in the loaded position.
            LetComputerMove();
        }
    });
    GameChanged();
}

void TForm2::Salvar1Click(QObject*)
{
    RunGuarded([this] { SaveGameWithDialog(Salvar, this, ChessBoard1->Position()); });
}

void TForm2::BitBtn1Click(QObject*)
{
    RunGuarded([this] { PrintMoveList(ListBox1->Lines()); });
}

void TForm2::Sair1Click(QObject*)
{
    ChessBoard1->ResumeThinking();
    EndApplication();
}

void TForm2::Jogar1Click(QObject*)
{
    ShowWindow(Form6);
}
void TForm2::Abrir3Click(QObject*)
{
    ShowWindow(Form4);
}
void TForm2::Sobre1Click(QObject*)
{
    ShowWindow(Form8);
}

QString TForm2::RulesDocument()
{
    return HelpDocumentInShownLanguage(QStringLiteral("DOC/JOGO.html"));
}

QString TForm2::HistoryDocument()
{
    return HelpDocumentInShownLanguage(QStringLiteral("DOC/HISTORIA.html"));
}

void TForm2::Regras1Click(QObject*)
{
    OpenHelpDocument(RulesDocument());
}
void TForm2::Histria1Click(QObject*)
{
    OpenHelpDocument(HistoryDocument());
}

void TForm2::OpenHelpDocument(const QString& relativeName)
{
    // A document that is nowhere to be found reports nothing, like a shell
    // "open" whose result is not examined. One that no program could open
    // is said, with where it is, so that it can be opened by hand.
    const QString path = FindHelpDocument(relativeName);
    if (path.isEmpty())
        return;
    ShellOpenFile(path, this, [path] {
        ShowMessageWithCopy(QCoreApplication::translate("TForm2",
                                                        "Nenhum programa deste computador conseguiu abrir o documento. "
                                                        "Ele está em:\n\n%1\n\nAbra-o num navegador.")
                                .arg(QDir::toNativeSeparators(path)),
                            QCoreApplication::translate("TForm2", "Copiar o caminho"), QDir::toNativeSeparators(path));
    });
}
