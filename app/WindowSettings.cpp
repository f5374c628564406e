// The switches of the menu "Opções" and what the game window remembers
// between runs: every switch, the difficulty, which sides the computer
// plays and where the window stood. Nothing stored (a first run) leaves the
// window exactly as it is laid out: every switch off, the computer on Black,
// the lowest level, the window centred.
#include "app/MoveListBox.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"
#include "platform/ErrorBox.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QGuiApplication>
#include <QHideEvent>
#include <QMenu>
#include <QScreen>
#include <QSettings>

namespace {

namespace Key {
    const QString Difficulty = QStringLiteral("Jogo/Dificuldade");
    const QString ComputerPlaysWhite = QStringLiteral("Jogadores/ComputadorBrancas");
    const QString ComputerPlaysBlack = QStringLiteral("Jogadores/ComputadorPretas");
    const QString WindowPosition = QStringLiteral("Janela/Posicao");
} // namespace Key

} // namespace

void TForm2::CreateOptionActions()
{
    // The switches come first, the language's submenu after them.
    QAction* before = Idioma1 != nullptr ? Idioma1->menuAction() : nullptr;
    if (before != nullptr)
        before = Opcoes1->insertSeparator(before);
    const auto option = [this, &before](const char* name, const QString& caption, const QString& key,
                                        std::function<void(bool)> apply) {
        auto* action = new QAction(caption, this);
        Opcoes1->insertAction(before, action);
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(true);
        action->setProperty("settingsKey", key);
        connect(action, &QAction::toggled, this, [this, key, apply = std::move(apply)](bool on) {
            RunGuarded([&] { apply(on); });
            SaveSetting(key, on);
        });
        return action;
    };
    TChessBoard* board = ChessBoard1;
    MoverComCliques1 = option("MoverComCliques1", tr("Mover com cliques"), QStringLiteral("Opcoes/MoverComCliques"),
                              [board](bool on) { board->SetClickToMove(on); });
    DestacarUltimoLance1 =
        option("DestacarUltimoLance1", tr("Destacar último lance"), QStringLiteral("Opcoes/DestacarUltimoLance"),
               [board](bool on) { board->SetHighlightLastMove(on); });
    DestacarXeque1 = option("DestacarXeque1", tr("Destacar xeque"), QStringLiteral("Opcoes/DestacarXeque"),
                            [board](bool on) { board->SetHighlightCheck(on); });
    MostrarLancesPossiveis1 =
        option("MostrarLancesPossiveis1", tr("Mostrar lances possíveis"),
               QStringLiteral("Opcoes/MostrarLancesPossiveis"), [board](bool on) { board->SetShowLegalMoves(on); });
    EscolherPeca1 = option("EscolherPeca1", tr("Escolher peça na promoção"), QStringLiteral("Opcoes/EscolherPeca"),
                           [board](bool on) { board->SetAskPromotionPiece(on); });
    MostrarVez1 = option("MostrarVez1", tr("Mostrar de quem é a vez"), QStringLiteral("Opcoes/MostrarVez"),
                         [this](bool) { UpdateTurnMarks(); });
    AcompanharLista1 = option("AcompanharLista1", tr("Acompanhar a lista"), QStringLiteral("Opcoes/AcompanharLista"),
                              [this](bool) { FollowMoveList(); });
    AvisarFim1 = option("AvisarFim1", tr("Avisar fim de partida"), QStringLiteral("Opcoes/AvisarFim"), [](bool) {});
    AnimacaoLenta1 = option("AnimacaoLenta1", tr("Animação lenta"), QStringLiteral("Opcoes/AnimacaoLenta"),
                            [this](bool on) { ChessBoard1->SetAnimationDelay(on ? SlowAnimationDelay : 0); });
}

void TForm2::LoadSettings()
{
    const QSettings settings(SettingsOrganisation(), SettingsApplication());
    for (QAction* action : Opcoes1->actions()) {
        const QString key = action->property("settingsKey").toString();
        if (action->isCheckable() && !key.isEmpty() && settings.contains(key))
            action->setChecked(settings.value(key).toBool());
    }
    if (settings.contains(Key::Difficulty)) {
        const int depth = settings.value(Key::Difficulty).toInt();
        const QList<QAction*> levels = difficultyGroup_->actions();
        if (depth >= 1 && depth <= levels.size())
            levels[depth - 1]->trigger();
    }
    if (settings.contains(Key::ComputerPlaysBlack))
        (settings.value(Key::ComputerPlaysBlack).toBool() ? Computador1 : Humano1)->setChecked(true);
    if (settings.contains(Key::ComputerPlaysWhite))
        (settings.value(Key::ComputerPlaysWhite).toBool() ? Computador2 : Humano2)->setChecked(true);

    // From now on every choice is written as it is made.
    connect(difficultyGroup_, &QActionGroup::triggered, this,
            [this] { SaveSetting(Key::Difficulty, ChessBoard1->SearchDepth()); });
    for (QCheckBox* box : {Computador1, Humano1, Computador2, Humano2})
        connect(box, &QCheckBox::toggled, this, [this](bool on) {
            if (!on)
                return;
            SaveSetting(Key::ComputerPlaysWhite, ChessBoard1->ComputerPlaysWhite());
            SaveSetting(Key::ComputerPlaysBlack, ChessBoard1->ComputerPlaysBlack());
        });
}

void TForm2::SaveSetting(const QString& key, const QVariant& value) const
{
    QSettings settings(SettingsOrganisation(), SettingsApplication());
    settings.setValue(key, value);
}

void TForm2::SaveWindowPosition() const
{
    if (shownOnce_)
        SaveSetting(Key::WindowPosition, pos());
}

bool TForm2::RestoreWindowPosition()
{
    const QSettings settings(SettingsOrganisation(), SettingsApplication());
    const QVariant stored = settings.value(Key::WindowPosition);
    if (!stored.isValid())
        return false;
    const QPoint position = stored.toPoint();
    // A screen that is gone since leaves the window centred.
    const QRect frame(position, size());
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersected(frame).width() >= 100 &&
            screen->availableGeometry().contains(frame.topLeft() + QPoint(20, 20))) {
            move(position);
            return true;
        }
    }
    return false;
}

void TForm2::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous())
        SaveWindowPosition();
    QMainWindow::hideEvent(event);
}
