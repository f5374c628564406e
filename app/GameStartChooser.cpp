#include "app/GameStartChooser.h"

#include "board/BoardWords.h"
#include "core/Chess960.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRandomGenerator>
#include <QSpinBox>

namespace {

// "♖♘♗♕♔♗♘♖" for "RNBQKBNR".
QString PieceFigures(const std::string& backRank)
{
    QString figures;
    for (const char piece : backRank) {
        switch (piece) {
        case 'K': figures += QChar(0x2654); break;
        case 'Q': figures += QChar(0x2655); break;
        case 'R': figures += QChar(0x2656); break;
        case 'B': figures += QChar(0x2657); break;
        case 'N': figures += QChar(0x2658); break;
        default: figures += QLatin1Char('?'); break;
        }
    }
    return figures;
}

} // namespace

GameStartChooser::GameStartChooser(int chess960Number, bool random, std::string setUpFen, QWidget* parent)
    : QWidget(parent)
    , setUpFen_(std::move(setUpFen))
{
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    Start = new QComboBox(this);
    Start->setObjectName(QStringLiteral("Inicio"));
    Start->addItem(tr("Posição inicial"));
    chess960Item_ = Start->count();
    Start->addItem(tr("Xadrez 960"));
    Start->setItemData(chess960Item_,
                       tr("Xadrez aleatório de Fischer: as peças da primeira fileira começam numa das 960 "
                          "ordens possíveis, iguais para os dois lados."),
                       Qt::ToolTipRole);
    if (!setUpFen_.empty()) {
        setUpItem_ = Start->count();
        Start->addItem(tr("Posição montada"));
        Start->setItemData(setUpItem_, QString::fromStdString(setUpFen_), Qt::ToolTipRole);
    }
    const bool chess960 = chess960Number >= 0 && chess960Number < Chess960PositionCount;
    Start->setCurrentIndex(setUpItem_ >= 0 ? setUpItem_ : chess960 ? chess960Item_ : 0);
    form->addRow(tr("&Início:"), Start);

    Number = new QSpinBox(this);
    Number->setObjectName(QStringLiteral("NumeroXadrez960"));
    Number->setRange(0, Chess960PositionCount - 1);
    Number->setValue(chess960Number >= 0 && chess960Number < Chess960PositionCount ? chess960Number
                                                                                   : Chess960StandardNumber);
    Number->setAccessibleName(tr("Número da posição do Xadrez 960"));
    Number->setToolTip(tr("De 0 a 959; 518 é a ordem de sempre."));
    RandomBox = new QCheckBox(tr("S&orteada"), this);
    RandomBox->setObjectName(QStringLiteral("Xadrez960Sorteado"));
    RandomBox->setChecked(random);
    BackRank = new QLabel(this);
    BackRank->setObjectName(QStringLiteral("PrimeiraFileira"));
    // The figures are small at the text's size.
    QFont figures = BackRank->font();
    figures.setPointSizeF(figures.pointSizeF() * 1.8);
    BackRank->setFont(figures);
    auto* row = new QHBoxLayout;
    row->addWidget(Number);
    row->addWidget(RandomBox);
    row->addWidget(BackRank, 1);
    auto* numberLabel = new QLabel(tr("Posição &960:"), this);
    numberLabel->setBuddy(Number);
    form->addRow(numberLabel, row);

    connect(Start, &QComboBox::currentIndexChanged, this, [this] { UpdateRow(); });
    connect(Number, &QSpinBox::valueChanged, this, [this] { UpdateRow(); });
    connect(RandomBox, &QCheckBox::toggled, this, [this] { UpdateRow(); });
    UpdateRow();
}

void GameStartChooser::UpdateRow()
{
    const bool chess960 = Chess960Chosen();
    Number->setEnabled(chess960 && !RandomBox->isChecked());
    RandomBox->setEnabled(chess960);
    BackRank->setEnabled(chess960);
    if (RandomBox->isChecked()) {
        BackRank->setText(tr("(sorteada ao começar)"));
        BackRank->setAccessibleDescription(QString());
        return;
    }
    const int number = Number->value();
    BackRank->setText(PieceFigures(Chess960BackRank(number)));
    BackRank->setAccessibleName(tr("Primeira fileira"));
    BackRank->setAccessibleDescription(RankWords(Chess960StartPosition(number).Board, 1));
}

std::string GameStartChooser::SetUpFen() const
{
    return setUpItem_ >= 0 && Start->currentIndex() == setUpItem_ ? setUpFen_ : std::string();
}

bool GameStartChooser::Chess960Chosen() const
{
    return Start->currentIndex() == chess960Item_;
}

bool GameStartChooser::Random() const
{
    return RandomBox->isChecked();
}

int GameStartChooser::Chess960Number() const
{
    if (!Chess960Chosen())
        return -1;
    if (RandomBox->isChecked())
        return static_cast<int>(QRandomGenerator::global()->bounded(Chess960PositionCount));
    return Number->value();
}
