#include "app/NewGameDialog.h"

#include "app/Application.h"
#include "app/ComputerLevels.h"
#include "app/GameStartChooser.h"
#include "core/Chess960.h"
#include "enginehelp/EngineChoice.h"
#include "enginehelp/UciStrength.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString ControlKey = QStringLiteral("Partida/ControleDeTempo");
const QString BlackControlKey = QStringLiteral("Partida/ControleDeTempoPretas");
const QString EngineOnKey = QStringLiteral("Partida/MotorInstalado");
const QString EngineProgramKey = QStringLiteral("Partida/ProgramaDoMotor");
const QString EngineEloKey = QStringLiteral("Partida/ForcaDoMotor");
const QString Chess960Key = QStringLiteral("Partida/Xadrez960");
const QString Chess960NumberKey = QStringLiteral("Partida/NumeroXadrez960");
const QString Chess960RandomKey = QStringLiteral("Partida/Xadrez960Sorteado");

// "5 + 3": minutes and increment seconds, as players say a preset.
QString PresetName(const TimeControl& control)
{
    const TimePeriod& period = control.Periods.front();
    return QStringLiteral("%1 + %2").arg(period.Base / 60000).arg(period.Bonus / 1000);
}

TimeControl Stored(const QSettings& settings, const QString& key)
{
    if (const auto control = ParseTimeControl(settings.value(key).toString().toStdString()))
        return *control;
    return {};
}

} // namespace

std::pair<TimeControl, TimeControl> NewGameChoices::StoredTimeControls(const QSettings& settings)
{
    const TimeControl white = Stored(settings, ControlKey);
    return {white, settings.contains(BlackControlKey) ? Stored(settings, BlackControlKey) : white};
}

void NewGameChoices::StoreTimeControls(QSettings& settings, const TimeControl& white, const TimeControl& black)
{
    settings.setValue(ControlKey, QString::fromStdString(TimeControlToPgn(white)));
    if (black == white)
        settings.remove(BlackControlKey);
    else
        settings.setValue(BlackControlKey, QString::fromStdString(TimeControlToPgn(black)));
}

void NewGameChoices::ReadStoredEngine(const QSettings& settings)
{
    InstalledEngine = settings.value(EngineOnKey, false).toBool();
    EngineProgram = settings.value(EngineProgramKey).toString();
    if (EngineProgram.isEmpty())
        EngineProgram = EngineChoice::FindInstalledStockfish();
    EngineElo =
        std::clamp(settings.value(EngineEloKey, DefaultEngineElo).toInt(), WeakestEngineElo, StrongestEngineElo);
}

void NewGameChoices::StoreEngine(QSettings& settings) const
{
    settings.setValue(EngineOnKey, InstalledEngine);
    settings.setValue(EngineProgramKey, EngineProgram);
    settings.setValue(EngineEloKey, EngineElo);
}

void NewGameChoices::ReadStoredStart(const QSettings& settings)
{
    const int number = settings.value(Chess960NumberKey, -1).toInt();
    const bool chess960 = settings.value(Chess960Key, false).toBool();
    Chess960Number = chess960 ? std::clamp(number, 0, Chess960PositionCount - 1) : -1;
    Chess960Random = settings.value(Chess960RandomKey, false).toBool();
}

void NewGameChoices::StoreStart(QSettings& settings) const
{
    settings.setValue(Chess960Key, Chess960Number >= 0);
    if (Chess960Number >= 0) {
        settings.setValue(Chess960NumberKey, Chess960Number);
        settings.setValue(Chess960RandomKey, Chess960Random);
    }
}

TimeControlEditor::TimeControlEditor(QWidget* parent) : QWidget(parent)
{
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    Minutes = new QDoubleSpinBox(this);
    Minutes->setRange(0, 600);
    Minutes->setDecimals(1);
    Minutes->setValue(5);
    Minutes->setSuffix(tr(" min"));
    form->addRow(tr("Tempo:"), Minutes);
    Bonus = new QSpinBox(this);
    Bonus->setRange(0, 600);
    Bonus->setSuffix(tr(" s"));
    BonusKind = new QComboBox(this);
    BonusKind->addItems({tr("de acréscimo por lance (Fischer)"), tr("de atraso simples por lance"),
                         tr("de atraso Bronstein por lance")});
    auto* bonusRow = new QHBoxLayout;
    bonusRow->addWidget(Bonus);
    bonusRow->addWidget(BonusKind, 1);
    form->addRow(tr("Bônus:"), bonusRow);
    Moves = new QSpinBox(this);
    Moves->setRange(0, 200);
    Moves->setSpecialValueText(tr("a partida toda"));
    Moves->setSuffix(tr(" lances"));
    form->addRow(tr("Período:"), Moves);
    ThenMinutes = new QDoubleSpinBox(this);
    ThenMinutes->setRange(0, 600);
    ThenMinutes->setDecimals(1);
    ThenMinutes->setSuffix(tr(" min"));
    ThenMinutes->setSpecialValueText(tr("o mesmo período de novo"));
    form->addRow(tr("Depois:"), ThenMinutes);
    Minutes->setAccessibleName(tr("Tempo em minutos"));
    Bonus->setAccessibleName(tr("Bônus em segundos"));
    BonusKind->setAccessibleName(tr("Tipo de bônus"));
    Moves->setAccessibleName(tr("Lances do primeiro período"));
    ThenMinutes->setAccessibleName(tr("Minutos depois do primeiro período"));
    connect(Moves, &QSpinBox::valueChanged, this, [this] { UpdateEnabled(); });
    UpdateEnabled();
}

void TimeControlEditor::UpdateEnabled()
{
    ThenMinutes->setEnabled(Moves->value() > 0);
}

TimeControl TimeControlEditor::Value() const
{
    const auto kind = static_cast<DelayKind>(BonusKind->currentIndex());
    const ClockMs bonus = ClockMs{Bonus->value()} * 1000;
    const auto ms = [](double minutes) { return static_cast<ClockMs>(minutes * 60000.0 + 0.5); };
    TimeControl control{{TimePeriod{Moves->value(), ms(Minutes->value()), bonus, kind}}};
    if (Moves->value() > 0 && ThenMinutes->value() > 0)
        control.Periods.push_back(TimePeriod{0, ms(ThenMinutes->value()), bonus, kind});
    if (control.Periods.front().Base == 0 && bonus == 0)
        control.Periods.front().Base = 60000; // a clock with no time at all cannot be played
    return control;
}

void TimeControlEditor::SetValue(const TimeControl& control)
{
    if (control.IsNone())
        return;
    const TimePeriod& first = control.Periods.front();
    Minutes->setValue(static_cast<double>(first.Base) / 60000.0);
    Bonus->setValue(static_cast<int>(first.Bonus / 1000));
    BonusKind->setCurrentIndex(static_cast<int>(first.Kind));
    Moves->setValue(first.Moves);
    ThenMinutes->setValue(control.Periods.size() > 1 ? static_cast<double>(control.Periods[1].Base) / 60000.0 : 0.0);
    UpdateEnabled();
}

NewGameDialog::NewGameDialog(const NewGameChoices& current, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NovaPartida"));
    setWindowTitle(tr("Nova partida"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);

    const QStringList players = {tr("Pessoa"), tr("Computador")};
    WhitePlayer = new QComboBox(this);
    WhitePlayer->setObjectName(QStringLiteral("Brancas"));
    WhitePlayer->addItems(players);
    WhitePlayer->setCurrentIndex(current.ComputerWhite ? 1 : 0);
    form->addRow(tr("&Brancas:"), WhitePlayer);
    BlackPlayer = new QComboBox(this);
    BlackPlayer->setObjectName(QStringLiteral("Pretas"));
    BlackPlayer->addItems(players);
    BlackPlayer->setCurrentIndex(current.ComputerBlack ? 1 : 0);
    form->addRow(tr("&Pretas:"), BlackPlayer);

    Level = new QComboBox(this);
    Level->setObjectName(QStringLiteral("Nivel"));
    for (const ComputerLevel& level : ComputerLevels())
        Level->addItem(level.Name);
    Level->setCurrentIndex(static_cast<int>(ComputerLevelIndex(current.Level)));
    form->addRow(tr("&Nível do computador:"), Level);

    Opponent = new QComboBox(this);
    Opponent->setObjectName(QStringLiteral("Adversario"));
    Opponent->addItems({tr("O do programa"), tr("Motor instalado")});
    Opponent->setCurrentIndex(current.InstalledEngine ? 1 : 0);
    Opponent->setToolTip(tr("Um motor UCI instalado, como o stockfish, joga pelo computador; se ele falhar, o nível "
                            "escolhido continua a partida."));
    form->addRow(tr("&Motor:"), Opponent);
    EngineProgram = new QLineEdit(current.EngineProgram, this);
    EngineProgram->setObjectName(QStringLiteral("ProgramaDoMotor"));
    EngineProgram->setPlaceholderText(tr("nenhum motor encontrado; escolha o programa"));
    EngineProgram->setAccessibleName(tr("Programa do motor"));
    BrowseEngine = new QPushButton(tr("Procurar…"), this);
    BrowseEngine->setObjectName(QStringLiteral("ProcurarMotor"));
    auto* programRow = new QHBoxLayout;
    programRow->addWidget(EngineProgram, 1);
    programRow->addWidget(BrowseEngine);
    // A row of two widgets: its label needs its buddy named for the mnemonic.
    auto* programLabel = new QLabel(tr("P&rograma:"), this);
    programLabel->setBuddy(EngineProgram);
    form->addRow(programLabel, programRow);
    EngineElo = new QSpinBox(this);
    EngineElo->setObjectName(QStringLiteral("ForcaDoMotor"));
    EngineElo->setRange(WeakestEngineElo, StrongestEngineElo);
    EngineElo->setSingleStep(50);
    EngineElo->setValue(current.EngineElo);
    EngineElo->setSuffix(tr(" Elo"));
    EngineElo->setAccessibleName(tr("Força do motor em pontos Elo"));
    form->addRow(tr("&Força:"), EngineElo);
    connect(BrowseEngine, &QPushButton::clicked, this, &NewGameDialog::ChooseEngineProgram);

    Clock = new QComboBox(this);
    Clock->setObjectName(QStringLiteral("Relogio"));
    Clock->addItem(tr("Sem relógio"));
    for (const TimeControl& preset : PresetTimeControls())
        Clock->addItem(PresetName(preset));
    Clock->addItem(tr("Personalizado"));
    form->addRow(tr("&Controle de tempo:"), Clock);

    Custom = new QGroupBox(tr("Controle personalizado"), this);
    auto* customLayout = new QVBoxLayout(Custom);
    WhiteControl = new TimeControlEditor(Custom);
    customLayout->addWidget(WhiteControl);
    BlackDiffers = new QCheckBox(tr("Outro controle para as pretas"), Custom);
    customLayout->addWidget(BlackDiffers);
    BlackControl = new TimeControlEditor(Custom);
    customLayout->addWidget(BlackControl);
    layout->addWidget(Custom);

    StartChooser = new GameStartChooser(current.Chess960Number, current.Chess960Random, current.StartFen, this);
    Start = StartChooser->Start;
    layout->addWidget(StartChooser);

    auto* note = new QLabel(tr("Os relógios começam depois do primeiro lance das pretas."), this);
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Começar"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancelar"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    SelectControl(current.White, current.Black);
    for (QComboBox* box : {WhitePlayer, BlackPlayer, Clock, Opponent})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { UpdateEnabled(); });
    connect(BlackDiffers, &QCheckBox::toggled, this, [this] { UpdateEnabled(); });
    UpdateEnabled();
}

void NewGameDialog::SelectControl(const TimeControl& white, const TimeControl& black)
{
    if (white.IsNone() && black.IsNone()) {
        Clock->setCurrentIndex(0);
        return;
    }
    const auto& presets = PresetTimeControls();
    if (white == black)
        for (std::size_t i = 0; i < presets.size(); ++i)
            if (presets[i] == white) {
                Clock->setCurrentIndex(static_cast<int>(i) + 1);
                return;
            }
    Clock->setCurrentIndex(Clock->count() - 1);
    WhiteControl->SetValue(white);
    BlackControl->SetValue(black.IsNone() ? white : black);
    BlackDiffers->setChecked(black != white);
}

void NewGameDialog::ChooseEngineProgram()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Escolher o programa do motor"),
                                                      QFileInfo(EngineProgram->text()).absolutePath());
    if (!path.isEmpty())
        EngineProgram->setText(path);
}

void NewGameDialog::UpdateEnabled()
{
    const bool computer = WhitePlayer->currentIndex() == 1 || BlackPlayer->currentIndex() == 1;
    Level->setEnabled(computer);
    Opponent->setEnabled(computer);
    const bool engine = computer && Opponent->currentIndex() == 1;
    EngineProgram->setEnabled(engine);
    BrowseEngine->setEnabled(engine);
    EngineElo->setEnabled(engine);
    const bool custom = Clock->currentIndex() == Clock->count() - 1;
    Custom->setEnabled(custom);
    BlackControl->setEnabled(custom && BlackDiffers->isChecked());
}

NewGameChoices NewGameDialog::Choices() const
{
    NewGameChoices choices;
    choices.ComputerWhite = WhitePlayer->currentIndex() == 1;
    choices.ComputerBlack = BlackPlayer->currentIndex() == 1;
    const auto levels = ComputerLevels();
    choices.Level = levels.at(static_cast<std::size_t>(std::max(0, Level->currentIndex()))).Level;
    choices.InstalledEngine = Opponent->currentIndex() == 1;
    choices.EngineProgram = EngineProgram->text().trimmed();
    choices.EngineElo = EngineElo->value();
    choices.StartFen = StartChooser->SetUpFen();
    choices.Chess960Number = StartChooser->Chess960Number();
    choices.Chess960Random = StartChooser->Random();
    const int clock = Clock->currentIndex();
    if (clock == Clock->count() - 1) {
        choices.White = WhiteControl->Value();
        choices.Black = BlackDiffers->isChecked() ? BlackControl->Value() : choices.White;
    } else if (clock > 0) {
        choices.White = choices.Black = PresetTimeControls()[static_cast<std::size_t>(clock - 1)];
    }
    return choices;
}
