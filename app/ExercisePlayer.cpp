#include "app/ExercisePlayer.h"

#include "app/Application.h"
#include "app/ExerciseThemes.h"
#include "app/GameRecord.h"
#include "board/ChessBoard.h"
#include "board/PieceSet.h"
#include "core/Fen.h"
#include "core/Game.h"
#include "platform/ErrorBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cctype>

namespace {

constexpr int SquareSize = 48;
constexpr int BorderSize = 20;
constexpr int PanelWidth = 260;

// The first hint's mark over a square: the tint of the board's own hint,
// with a frame, drawn above the board and letting the mouse through.
class PieceMark : public QWidget {
public:
    explicit PieceMark(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setObjectName(QStringLiteral("ExercisePieceMark"));
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(40, 120, 255, 110));
        p.setPen(QPen(QColor(20, 70, 200), 3));
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
};

void LookLikeTheGameBoard(TChessBoard& board)
{
    board.SetComputerPlaysWhite(false);
    board.SetComputerPlaysBlack(false);
    board.SetAnimateMoves(true);
    board.SetAnimationDelay(1);
    board.SetBorderColor(Qt::black);
    QFont coordFont(QStringLiteral("Arial"));
    coordFont.setStyleHint(QFont::SansSerif);
    coordFont.setPixelSize(9);
    board.SetCoordFont(coordFont);
    board.SetCoordFontColor(Qt::white);
    board.SetDisplayCoords(
        CoordSet{DisplayCoords::West, DisplayCoords::North, DisplayCoords::East, DisplayCoords::South});
    board.SetSquareColorDark(QColor(0x80, 0x00, 0x00));
    board.SetSquareColorLight(QColor(0x80, 0x80, 0x00));
    const QImage large = LoadSheetResource(QStringLiteral("CUSTOMSET@2x"));
    board.SetCustomPieceSetLarge(large.isNull() ? nullptr : &large);
    const QImage sheet = LoadSheetResource(QStringLiteral("CUSTOMSET"));
    if (!sheet.isNull())
        board.SetCustomPieceSet(&sheet);
    board.SetStandardSize(StandardSet::Size40);
    board.SetSizeOfBorder(BorderSize);
    board.SetSizeOfSquare(SquareSize);
    // The person plays by any of the board's ways.
    board.SetClickToMove(true);
    board.SetAskPromotionPiece(true);
    board.SetHighlightLastMove(true);
    board.SetHighlightCheck(true);
}

bool OnLastRank(Square square)
{
    const std::string name = LowerSquareName(square);
    return name.size() == 2 && (name[1] == '1' || name[1] == '8');
}

} // namespace

TExercisePlayer::TExercisePlayer(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("ExercisePlayer"));
    setWindowTitle(tr("Exercícios"));
    setAttribute(Qt::WA_QuitOnClose, false);

    board_ = new TChessBoard(this, true);
    board_->setObjectName(QStringLiteral("ExerciseBoard"));
    LookLikeTheGameBoard(*board_);
    board_->setFixedSize(8 * SquareSize + 2 * BorderSize, 8 * SquareSize + 2 * BorderSize);
    board_->SetAcceptsMoves(false);
    pieceMark_ = new PieceMark(board_);

    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("ExerciseCaption"));
    caption_->setWordWrap(true);
    task_ = new QLabel(this);
    task_->setObjectName(QStringLiteral("ExerciseTask"));
    QFont big = task_->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    task_->setFont(big);
    feedback_ = new QLabel(this);
    feedback_->setObjectName(QStringLiteral("ExerciseFeedback"));
    feedback_->setWordWrap(true);
    feedback_->setMinimumHeight(60);
    feedback_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    themes_ = new QLabel(this);
    themes_->setObjectName(QStringLiteral("ExerciseThemes"));
    themes_->setWordWrap(true);
    rating_ = new QLabel(this);
    rating_->setObjectName(QStringLiteral("ExerciseRating"));
    rating_->setWordWrap(true);

    hintButton_ = new QPushButton(tr("Dica"), this);
    hintButton_->setObjectName(QStringLiteral("ExerciseHint"));
    solutionButton_ = new QPushButton(tr("Mostrar solução"), this);
    solutionButton_->setObjectName(QStringLiteral("ExerciseSolution"));
    nextButton_ = new QPushButton(tr("Próximo"), this);
    nextButton_->setObjectName(QStringLiteral("ExerciseNext"));
    progressButton_ = new QPushButton(tr("Progresso"), this);
    progressButton_->setObjectName(QStringLiteral("ExerciseProgress"));

    auto* panel = new QVBoxLayout;
    panel->addWidget(caption_);
    panel->addWidget(task_);
    panel->addWidget(feedback_);
    panel->addWidget(themes_);
    panel->addStretch(1);
    panel->addWidget(hintButton_);
    panel->addWidget(solutionButton_);
    panel->addWidget(nextButton_);
    panel->addSpacing(12);
    panel->addWidget(progressButton_);
    panel->addWidget(rating_);
    // The panel keeps one width, so the window does not change size from
    // one exercise to the next.
    auto* side = new QWidget(this);
    side->setFixedWidth(PanelWidth);
    side->setLayout(panel);
    panel->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout(this);
    row->addWidget(board_, 0, Qt::AlignTop);
    row->addWidget(side);

    connect(board_, &TChessBoard::moveMade, this, &TExercisePlayer::PersonMoved);
    connect(hintButton_, &QPushButton::clicked, this, &TExercisePlayer::Hint);
    connect(solutionButton_, &QPushButton::clicked, this, &TExercisePlayer::ShowSolution);
    connect(nextButton_, &QPushButton::clicked, this, &TExercisePlayer::NextRequested);
    connect(progressButton_, &QPushButton::clicked, this, &TExercisePlayer::ProgressRequested);
    UpdateButtons();
}

bool TExercisePlayer::ShowExercise(const TExercise& exercise, const QString& caption)
{
    queue_.clear();
    playing_ = false;
    reported_ = false;
    loaded_ = false;
    exercise_ = exercise;
    caption_->setText(caption);
    themes_->clear();
    MarkPiece(Square::None);
    std::string error;
    FenPosition start;
    if (!session_.Start(exercise.Fen, exercise.Solution, error) || !ReadFen(exercise.Fen, start, error)) {
        ShowNothing(tr("O exercício %1 não pode ser jogado: %2.")
                        .arg(QString::fromStdString(exercise.Id), QString::fromStdString(error)));
        return false;
    }
    Game game;
    game.SetStart(start);
    if (!RunGuarded([this, &game] { PutGameOnBoard(game, *board_, 0); }))
        return false;
    board_->SetWhiteOnTop(!session_.PersonPlaysWhite());
    board_->SetAcceptsMoves(true);
    loaded_ = true;
    task_->setText(session_.PersonPlaysWhite() ? tr("Brancas jogam") : tr("Pretas jogam"));
    feedback_->setText(tr("Encontre o melhor lance."));
    UpdateButtons();
    board_->setFocus();
    return true;
}

void TExercisePlayer::ShowNothing(const QString& text)
{
    queue_.clear();
    loaded_ = false;
    session_ = TExerciseSession();
    MarkPiece(Square::None);
    board_->SetAcceptsMoves(false);
    caption_->clear();
    task_->clear();
    themes_->clear();
    feedback_->setText(text);
    UpdateButtons();
}

void TExercisePlayer::SetRatingText(const QString& text)
{
    rating_->setText(text);
}

void TExercisePlayer::PersonMoved(Square from, Square to)
{
    if (playing_ || !loaded_)
        return;
    // Judged once the move and its events are complete (a promotion's
    // piece stands on its square only then).
    board_->SetAcceptsMoves(false);
    QTimer::singleShot(0, this, [this, from, to] { Judge(from, to); });
}

void TExercisePlayer::Judge(Square from, Square to)
{
    MarkPiece(Square::None);
    ChessMove move{from, to, EmptySquare};
    const char piece = session_.Position().At(from);
    if ((piece == 'P' || piece == 'p') && OnLastRank(to))
        move.Promotion = static_cast<char>(std::toupper(static_cast<unsigned char>(board_->PieceAt(to))));
    const TExerciseAnswer answer = session_.Play(move);
    switch (answer.Verdict) {
    case TMoveVerdict::Wrong:
        feedback_->setText(tr("Não é esse lance. Tente outro ou veja a solução."));
        RunGuarded([this] { board_->TakeBack(1); });
        board_->SetAcceptsMoves(true);
        ReportOnce();
        break;
    case TMoveVerdict::Right:
        feedback_->setText(tr("Certo! Agora a resposta…"));
        PlayMoves({*answer.Reply});
        break;
    case TMoveVerdict::Solved:
        if (answer.Reply)
            PlayMoves({*answer.Reply});
        else
            Finish();
        break;
    case TMoveVerdict::Over: break;
    }
    UpdateButtons();
}

void TExercisePlayer::PlayMoves(std::vector<ChessMove> moves)
{
    queue_ = std::move(moves);
    board_->SetAcceptsMoves(false);
    QTimer::singleShot(replyDelay_, this, &TExercisePlayer::PlayNextQueued);
}

void TExercisePlayer::PlayNextQueued()
{
    if (queue_.empty())
        return;
    const ChessMove move = queue_.front();
    queue_.erase(queue_.begin());
    playing_ = true;
    board_->SetAcceptsMoves(true);
    if (move.Promotion != EmptySquare)
        board_->SetPromotionPiece(move.Promotion);
    RunGuarded([this, move] { board_->MakeMove(move.From, move.To); });
    playing_ = false;
    if (!queue_.empty()) {
        board_->SetAcceptsMoves(false);
        QTimer::singleShot(replyDelay_, this, &TExercisePlayer::PlayNextQueued);
        return;
    }
    if (session_.Over()) {
        Finish();
        return;
    }
    feedback_->setText(tr("Certo! Continue: qual é o próximo lance?"));
    board_->setFocus();
    UpdateButtons();
}

void TExercisePlayer::Finish()
{
    board_->SetAcceptsMoves(false);
    MarkPiece(Square::None);
    const bool solved = session_.Result() == TExerciseResult::Solved;
    feedback_->setText(solved ? tr("Resolvido!") : tr("Fim do exercício: desta vez não foi resolvido."));
    themes_->setText(exercise_.Themes.empty() ? QString() : tr("Temas: %1").arg(ExerciseThemeNames(exercise_.Themes)));
    ReportOnce();
    UpdateButtons();
    nextButton_->setFocus();
}

void TExercisePlayer::ReportOnce()
{
    if (reported_ || session_.Result() == TExerciseResult::Open)
        return;
    reported_ = true;
    emit Attempted(session_.Result() == TExerciseResult::Solved);
}

void TExercisePlayer::Hint()
{
    if (!loaded_ || session_.Over() || Playing())
        return;
    const int level = session_.NextHint();
    if (level == 1) {
        MarkPiece(session_.HintFrom());
        feedback_->setText(tr("Dica: a peça marcada é a que deve jogar."));
    } else {
        MarkPiece(Square::None);
        board_->SetHintMove(session_.HintFrom(), session_.HintTo());
        feedback_->setText(tr("Dica: o lance está marcado no tabuleiro."));
        ReportOnce();
    }
    UpdateButtons();
    board_->setFocus();
}

void TExercisePlayer::ShowSolution()
{
    if (!loaded_ || session_.Over() || Playing())
        return;
    MarkPiece(Square::None);
    std::vector<ChessMove> rest = session_.ShowSolution();
    ReportOnce();
    feedback_->setText(tr("A solução:"));
    PlayMoves(std::move(rest));
    UpdateButtons();
}

void TExercisePlayer::MarkPiece(Square square)
{
    markedPiece_ = square;
    if (square == Square::None) {
        pieceMark_->hide();
        return;
    }
    int x = 0;
    int y = 0;
    board_->SquareOrigin(square, x, y);
    pieceMark_->setGeometry(x, y, board_->SizeOfSquare(), board_->SizeOfSquare());
    pieceMark_->show();
    pieceMark_->raise();
}

void TExercisePlayer::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    MarkPiece(markedPiece_);
}

void TExercisePlayer::UpdateButtons()
{
    const bool open = loaded_ && !session_.Over();
    hintButton_->setEnabled(open && session_.HintLevel() < 2);
    solutionButton_->setEnabled(open);
    nextButton_->setEnabled(!open);
}
