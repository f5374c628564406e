#include "app/PositionEditorDialog.h"

#include "app/CoreErrorText.h"
#include "app/PiecePalette.h"
#include "app/PositionEditorBoard.h"
#include "app/PositionEditorModel.h"
#include "app/PositionProblemText.h"
#include "app/SpokenNotice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr std::array<CanStillCastle, 4> Rights{CanStillCastle::WhiteKingSide, CanStillCastle::WhiteQueenSide,
                                               CanStillCastle::BlackKingSide, CanStillCastle::BlackQueenSide};

QPushButton* Button(const QString& text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    // Enter belongs to the board and the fields, never to a default button.
    button->setAutoDefault(false);
    return button;
}

} // namespace

PositionEditorDialog::PositionEditorDialog(const QString& fen, QWidget* parent)
    : QDialog(parent)
    , model_(new PositionEditorModel(this))
{
    setObjectName(QStringLiteral("MontarPosicao"));
    setWindowTitle(tr("Montar posição"));
    NotationError error;
    if (!model_->SetFen(fen.trimmed().toStdString(), error))
        model_->SetStartPosition();
    CreateControls();
    ConnectControls();
    ShowModel();
    Board->setFocus();
}

void PositionEditorDialog::CreateControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    layout->addLayout(top);

    auto* left = new QVBoxLayout;
    top->addLayout(left);
    Board = new PositionEditorBoard(model_, this);
    Board->setObjectName(QStringLiteral("TabuleiroDeMontagem"));
    auto* boardLabel = new QLabel(tr("&Tabuleiro (setas e letras: K Q R B N P brancas, k q r b n p pretas; "
                                     "Delete apaga):"),
                                  this);
    boardLabel->setWordWrap(true);
    boardLabel->setMaximumWidth(Board->sizeHint().width());
    boardLabel->setBuddy(Board);
    left->addWidget(boardLabel);
    left->addWidget(Board);
    left->addStretch(1);

    auto* right = new QVBoxLayout;
    top->addLayout(right);
    Palette = new PiecePalette(this);
    Palette->setObjectName(QStringLiteral("Pecas"));
    auto* paletteLabel = new QLabel(tr("Peça&s (escolha uma e clique nas casas, ou arraste):"), this);
    paletteLabel->setWordWrap(true);
    paletteLabel->setBuddy(Palette->Button(PiecePalette::Letters.front()));
    right->addWidget(paletteLabel);
    right->addWidget(Palette);

    auto* boardButtons = new QHBoxLayout;
    StartButton = Button(tr("Posição &inicial"), "PosicaoInicial", this);
    EmptyButton = Button(tr("Tabuleiro &vazio"), "TabuleiroVazio", this);
    TurnButton = Button(tr("Vi&rar tabuleiro"), "VirarTabuleiro", this);
    for (QPushButton* button : {StartButton, EmptyButton, TurnButton})
        boardButtons->addWidget(button);
    right->addLayout(boardButtons);

    auto* turn = new QGroupBox(tr("Vez de jogar"), this);
    auto* turnLayout = new QHBoxLayout(turn);
    WhiteToMove = new QRadioButton(tr("&Brancas"), turn);
    WhiteToMove->setObjectName(QStringLiteral("VezBrancas"));
    BlackToMove = new QRadioButton(tr("&Pretas"), turn);
    BlackToMove->setObjectName(QStringLiteral("VezPretas"));
    WhiteToMove->setAccessibleName(tr("Vez das brancas"));
    BlackToMove->setAccessibleName(tr("Vez das pretas"));
    turnLayout->addWidget(WhiteToMove);
    turnLayout->addWidget(BlackToMove);
    turnLayout->addStretch(1);
    right->addWidget(turn);

    auto* castling = new QGroupBox(tr("R&oque ainda possível"), this);
    auto* castlingLayout = new QGridLayout(castling);
    const QString castlingNames[4] = {tr("Brancas O-O"), tr("Brancas O-O-O"), tr("Pretas O-O"), tr("Pretas O-O-O")};
    const QString castlingWords[4] = {tr("Roque pequeno das brancas"), tr("Roque grande das brancas"),
                                      tr("Roque pequeno das pretas"), tr("Roque grande das pretas")};
    const char* castlingObjects[4] = {"RoqueK", "RoqueQ", "Roquek", "Roqueq"};
    for (std::size_t i = 0; i < Castling.size(); ++i) {
        Castling[i] = new QCheckBox(castlingNames[i], castling);
        Castling[i]->setObjectName(QString::fromLatin1(castlingObjects[i]));
        Castling[i]->setAccessibleName(castlingWords[i]);
        castlingLayout->addWidget(Castling[i], static_cast<int>(i / 2), static_cast<int>(i % 2));
    }
    right->addWidget(castling);

    auto* form = new QFormLayout;
    EnPassant = new QComboBox(this);
    EnPassant->setObjectName(QStringLiteral("EnPassant"));
    EnPassant->setAccessibleName(tr("Casa de en passant"));
    form->addRow(tr("&En passant:"), EnPassant);
    MoveNumber = new QSpinBox(this);
    MoveNumber->setObjectName(QStringLiteral("NumeroDoLance"));
    MoveNumber->setRange(1, MaxFenMoveNumber);
    MoveNumber->setAccessibleName(tr("Número do lance"));
    form->addRow(tr("&Lance número:"), MoveNumber);
    HalfMoveClock = new QSpinBox(this);
    HalfMoveClock->setObjectName(QStringLiteral("MeiosLances"));
    HalfMoveClock->setRange(0, 2 * MaxFenMoveNumber);
    HalfMoveClock->setAccessibleName(tr("Meios-lances desde a última captura ou lance de peão"));
    HalfMoveClock->setToolTip(tr("Meios-lances desde a última captura ou lance de peão (regra dos 50 lances)"));
    form->addRow(tr("&Meios-lances sem captura nem lance de peão:"), HalfMoveClock);
    right->addLayout(form);
    right->addStretch(1);

    auto* fenRow = new QFormLayout;
    FenField = new QLineEdit(this);
    FenField->setObjectName(QStringLiteral("Fen"));
    FenField->setAccessibleName(tr("Posição em FEN"));
    FenField->setMaxLength(200);
    fenRow->addRow(tr("&FEN:"), FenField);
    layout->addLayout(fenRow);

    ProblemList = new QLabel(this);
    ProblemList->setObjectName(QStringLiteral("Problemas"));
    ProblemList->setWordWrap(true);
    ProblemList->setTextFormat(Qt::PlainText);
    ProblemList->setAccessibleName(tr("Problemas da posição"));
    layout->addWidget(ProblemList);

    auto* bottom = new QHBoxLayout;
    Reason = new QLabel(this);
    Reason->setObjectName(QStringLiteral("Motivo"));
    Reason->setWordWrap(true);
    Reason->setTextFormat(Qt::PlainText);
    bottom->addWidget(Reason, 1);
    PlayButton = Button(tr("&Jogar a partir daqui"), "JogarDaqui", this);
    AnalyseButton = Button(tr("&Analisar"), "Analisar", this);
    CloseButton = Button(tr("Fe&char"), "Fechar", this);
    for (QPushButton* button : {PlayButton, AnalyseButton, CloseButton})
        bottom->addWidget(button);
    layout->addLayout(bottom);
    ProblemNotice = new SpokenNotice(this);

    // From the board through the palette and the position's details to the
    // FEN and the commands.
    QList<QWidget*> order{Board};
    for (const char piece : PiecePalette::Letters)
        order.append(Palette->Button(piece));
    order << StartButton << EmptyButton << TurnButton << WhiteToMove << BlackToMove;
    for (QCheckBox* box : Castling)
        order.append(box);
    order << EnPassant << MoveNumber << HalfMoveClock << FenField << PlayButton << AnalyseButton << CloseButton;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void PositionEditorDialog::ConnectControls()
{
    connect(model_, &PositionEditorModel::changed, this, [this] { ShowModel(); });
    connect(Palette, &PiecePalette::chosenChanged, this, [this](char piece) { Board->SetChosenPiece(piece); });
    connect(StartButton, &QPushButton::clicked, model_, &PositionEditorModel::SetStartPosition);
    connect(EmptyButton, &QPushButton::clicked, model_, &PositionEditorModel::SetEmptyBoard);
    connect(TurnButton, &QPushButton::clicked, this, [this] { Board->SetWhiteOnTop(!Board->WhiteOnTop()); });
    connect(WhiteToMove, &QRadioButton::toggled, this, [this](bool on) {
        if (!showing_)
            model_->SetWhiteToMove(on);
    });
    for (std::size_t i = 0; i < Castling.size(); ++i)
        connect(Castling[i], &QCheckBox::toggled, this, [this, i](bool on) {
            if (!showing_)
                model_->SetCastlingRight(Rights[i], on);
        });
    connect(EnPassant, &QComboBox::currentIndexChanged, this, [this] {
        if (!showing_)
            model_->SetEnPassant(static_cast<Square>(EnPassant->currentData().toInt()));
    });
    connect(MoveNumber, &QSpinBox::valueChanged, this, [this](int value) {
        if (!showing_)
            model_->SetMoveNumber(value);
    });
    connect(HalfMoveClock, &QSpinBox::valueChanged, this, [this](int value) {
        if (!showing_)
            model_->SetHalfMoveClock(value);
    });
    connect(FenField, &QLineEdit::textEdited, this, [this](const QString& text) { FenEdited(text); });
    connect(PlayButton, &QPushButton::clicked, this, [this] { Finish(Outcome::Play); });
    connect(AnalyseButton, &QPushButton::clicked, this, [this] { Finish(Outcome::Analyse); });
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
}

void PositionEditorDialog::ShowModel()
{
    showing_ = true;
    const GameState& state = model_->State();
    (state.WhiteToMove ? WhiteToMove : BlackToMove)->setChecked(true);
    for (std::size_t i = 0; i < Castling.size(); ++i) {
        const bool has = model_->HasCastlingRight(Rights[i]);
        Castling[i]->setChecked(has);
        // A right the placement does not allow can only be taken away.
        Castling[i]->setEnabled(has || model_->CastlingAvailable(Rights[i]));
    }
    std::vector<Square> squares = model_->EnPassantChoices();
    if (state.EnPassant != Square::None && std::find(squares.begin(), squares.end(), state.EnPassant) == squares.end())
        squares.push_back(state.EnPassant);
    EnPassant->clear();
    EnPassant->addItem(tr("nenhuma"), static_cast<int>(Square::None));
    for (const Square square : squares)
        EnPassant->addItem(QString::fromStdString(LowerSquareName(square)), static_cast<int>(square));
    EnPassant->setCurrentIndex(std::max(0, EnPassant->findData(static_cast<int>(state.EnPassant))));
    EnPassant->setEnabled(EnPassant->count() > 1);
    MoveNumber->setValue(state.CurrentMove);
    HalfMoveClock->setValue(model_->HalfMoveClock());
    if (!typing_) {
        FenField->setText(Fen());
        fenError_.clear();
    }
    showing_ = false;
    ShowProblems();
}

void PositionEditorDialog::FenEdited(const QString& text)
{
    NotationError error;
    typing_ = true;
    const bool read = model_->SetFen(text.trimmed().toStdString(), error);
    typing_ = false;
    if (read) {
        fenError_.clear();
    } else {
        fenError_ = tr("O FEN não pode ser lido: %1.").arg(NotationErrorText(error));
    }
    ShowProblems();
}

void PositionEditorDialog::ShowProblems()
{
    const QStringList before = problems_;
    problems_ = fenError_.isEmpty() ? PositionProblemTexts(model_->Problems()) : QStringList{fenError_};
    // Said once they change (not as the editor opens).
    if (problemsShown_ && problems_ != before)
        ProblemNotice->Tell(problems_.isEmpty() ? tr("A posição pode ser jogada.") : problems_.join(QLatin1Char(' ')));
    problemsShown_ = true;
    if (problems_.isEmpty()) {
        ProblemList->setText(tr("A posição pode ser jogada."));
        ProblemList->setStyleSheet(QString());
        Reason->clear();
    } else {
        QStringList lines;
        for (const QString& problem : problems_)
            lines.append(QStringLiteral("• ") + problem);
        ProblemList->setText(lines.join(QLatin1Char('\n')));
        ProblemList->setStyleSheet(QStringLiteral("color: #a00000;"));
        Reason->setText(tr("Corrija a posição para jogar ou analisar: %1").arg(problems_.front()));
    }
    const bool playable = problems_.isEmpty();
    PlayButton->setEnabled(playable);
    AnalyseButton->setEnabled(playable);
    // Screen readers hear why the commands wait.
    PlayButton->setAccessibleDescription(Reason->text());
    AnalyseButton->setAccessibleDescription(Reason->text());
}

QString PositionEditorDialog::Fen() const
{
    return QString::fromStdString(model_->Fen());
}

void PositionEditorDialog::Finish(Outcome outcome)
{
    if (!problems_.isEmpty())
        return;
    outcome_ = outcome;
    accept();
}
