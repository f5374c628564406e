// The game window's engine help: hint, analysis panel, game review and the
// choice of the analysing engine.
#include "app/AnalysisController.h"

#include "app/Application.h"
#include "app/EvaluationGraph.h"
#include "app/MoveListText.h"
#include "board/ChessBoard.h"
#include "enginehelp/AnalysisService.h"
#include "enginehelp/EngineChoice.h"
#include "enginehelp/GameReviewer.h"
#include "enginehelp/MoveLine.h"
#include "platform/ErrorBox.h"
#include "platform/ProgramSettings.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>

#include <vector>

QString DifficultyStatusTip(int level)
{
    // In a player's words; the measured strength of each level (tools/ladder)
    // is in the README's guide.
    switch (level) {
    case 1:
        return QCoreApplication::translate("TAnalysisController",
                                           "O nível mais fácil: o computador só olha o próprio lance e muitas vezes "
                                           "deixa peças para você tomar. Bom para aprender os movimentos.");
    case 2:
        return QCoreApplication::translate("TAnalysisController",
                                           "Para iniciantes: o computador já vê a sua resposta, mas ainda erra "
                                           "bastante. Bem mais forte que Super Fácil.");
    case 3:
        return QCoreApplication::translate("TAnalysisController",
                                           "Para quem já joga partidas inteiras: o computador quase não entrega "
                                           "peças. Mais forte que Fácil, um pouco mais fraco que Difícil.");
    case 4:
        return QCoreApplication::translate("TAnalysisController",
                                           "Para quem joga com frequência: o computador prepara ataques de dois "
                                           "lances. Um pouco mais forte que Médio.");
    case 5:
        return QCoreApplication::translate("TAnalysisController",
                                           "O nível mais forte: o computador pensa mais lances à frente e demora "
                                           "mais para jogar. Mais forte que Difícil.");
    default: return {};
    }
}

namespace {

Square SquareOfUci(QStringView text)
{
    if (text.size() < 2)
        return Square::None;
    const int file = text[0].unicode() - 'a';
    const int rank = text[1].unicode() - '1';
    if (file < 0 || file > 7 || rank < 0 || rank > 7)
        return Square::None;
    // A8 is ordinal 1, H1 ordinal 64.
    return static_cast<Square>((7 - rank) * 8 + file + 1);
}

} // namespace

TAnalysisController::TAnalysisController(TChessBoard* board, MoveListText* moveText, QMainWindow* window,
                                         QMenu* gameMenu, QMenu* optionsMenu)
    : QObject(window)
    , board_(board)
    , moveText_(moveText)
    , window_(window)
{
    setObjectName(QStringLiteral("Analysis"));
    panelService_ = new TAnalysisService(this);
    hintService_ = new TAnalysisService(this);
    reviewService_ = new TAnalysisService(this);
    reviewer_ = new TGameReviewer(reviewService_, this);
    for (TAnalysisService* service : {panelService_, hintService_, reviewService_})
        connect(service, &TAnalysisService::EngineFailed, this, &TAnalysisController::EngineFailed);

    CreatePanel();
    CreateMenus(gameMenu, optionsMenu);
    FollowBoard();
    ApplyEngine(EngineChoice::Chosen(ProgramSettings()));
    shownPosition_ = ShownState();
    // The panel's line is written as the move list is.
    SetAlgebraic(moveText_->Algebraic());

    connect(panelService_, &TAnalysisService::Report, this,
            [this](std::uint64_t, const TAnalysisReport& report) { ShowReport(report, false); });
    connect(panelService_, &TAnalysisService::Finished, this,
            [this](std::uint64_t, const QString&, const TAnalysisReport& last) { ShowReport(last, true); });
    connect(hintService_, &TAnalysisService::Finished, this,
            [this](std::uint64_t, const QString& best, const TAnalysisReport&) {
                hintAction_->setEnabled(true);
                // A hint for a position no longer shown is of no use.
                if (best.size() < 4 || hintPosition_ != ShownState())
                    return;
                ShowHint(SquareOfUci(best), SquareOfUci(QStringView(best).mid(2)));
            });
    connect(reviewer_, &TGameReviewer::Done, this, &TAnalysisController::ReviewDone);
}

TAnalysisController::~TAnalysisController()
{
    // The services go with this object; their searches are ended by them.
    if (reviewer_)
        reviewer_->disconnect(this);
}

GameState TAnalysisController::ShownState() const
{
    return board_->State();
}

TEvaluationGraph* TAnalysisController::ReviewGraph() const
{
    return graph_;
}

const TGameReview& TAnalysisController::LastReview() const
{
    return moveText_->Review();
}

void TAnalysisController::CreateMenus(QMenu* gameMenu, QMenu* optionsMenu)
{
    hintAction_ = gameMenu->addAction(tr("Dica"));
    hintAction_->setObjectName(QStringLiteral("Dica1"));
    hintAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    hintAction_->setStatusTip(tr("Mostra no tabuleiro um bom lance para quem joga agora."));
    connect(hintAction_, &QAction::triggered, this, &TAnalysisController::Hint);

    analysisAction_ = dock_->toggleViewAction();
    analysisAction_->setText(tr("Análise"));
    analysisAction_->setObjectName(QStringLiteral("Analise1"));
    analysisAction_->setShortcut(QKeySequence(Qt::Key_F5));
    analysisAction_->setStatusTip(tr("Mostra ou esconde a avaliação do motor para a posição no tabuleiro."));
    gameMenu->addAction(analysisAction_);
    // The panel has changed its visibility once the action's own handlers ran.
    connect(analysisAction_, &QAction::triggered, this,
            [this] { QTimer::singleShot(0, this, &TAnalysisController::FitWindow); });

    reviewAction_ = gameMenu->addAction(tr("Revisar partida"));
    reviewAction_->setObjectName(QStringLiteral("RevisarPartida1"));
    reviewAction_->setStatusTip(tr("Procura os erros da partida e os marca na lista de jogadas."));
    connect(reviewAction_, &QAction::triggered, this, &TAnalysisController::StartReview);

    engineMenu_ = optionsMenu->addMenu(tr("Motor de análise"));
    engineMenu_->setObjectName(QStringLiteral("MotorDeAnalise1"));
    engineGroup_ = new QActionGroup(this);
    RebuildEngineMenu();
}

void TAnalysisController::RebuildEngineMenu()
{
    engineMenu_->clear();
    for (QAction* action : engineGroup_->actions())
        engineGroup_->removeAction(action);
    const QSettings settings = ProgramSettings();
    const QString chosen = panelService_->UsingUci() ? panelService_->UciEngine() : QString();
    for (const TEngineEntry& entry : EngineChoice::Available(settings)) {
        QAction* action = engineMenu_->addAction(entry.Name);
        action->setCheckable(true);
        action->setData(entry.Program);
        action->setToolTip(entry.Program);
        action->setChecked(entry.Program == chosen);
        engineGroup_->addAction(action);
        const QString program = entry.Program;
        connect(action, &QAction::triggered, this, [this, program] { ChooseEngine(program); });
    }
    engineMenu_->addSeparator();
    QAction* add = engineMenu_->addAction(tr("Adicionar motor…"));
    add->setObjectName(QStringLiteral("AdicionarMotor1"));
    connect(add, &QAction::triggered, this, &TAnalysisController::AddEngine);
}

void TAnalysisController::AddEngine()
{
    const QString program = QFileDialog::getOpenFileName(window_, tr("Escolher o programa do motor de análise"));
    if (program.isEmpty())
        return;
    const QFileInfo info(program);
    if (!info.isFile() || !info.isExecutable()) {
        QMessageBox::warning(window_, ApplicationTitle(),
                             tr("“%1” não é um programa que possa ser executado.").arg(info.fileName()));
        return;
    }
    QSettings settings = ProgramSettings();
    EngineChoice::Add(settings, info.absoluteFilePath());
    ChooseEngine(info.absoluteFilePath());
}

void TAnalysisController::ChooseEngine(const QString& program)
{
    QSettings settings = ProgramSettings();
    EngineChoice::Choose(settings, program);
    failedPrograms_.removeAll(program);
    ApplyEngine(program);
}

void TAnalysisController::ApplyEngine(const QString& program)
{
    // An engine that is gone since it was chosen is not tried.
    const QString usable = !program.isEmpty() && QFileInfo(program).isExecutable() ? program : QString();
    if (reviewer_->Running())
        reviewer_->Cancel();
    for (TAnalysisService* service : {panelService_, hintService_, reviewService_})
        service->SetUciEngine(usable);
    hintAction_->setEnabled(true);
    RebuildEngineMenu();
    if (panelVisible_)
        StartPanelAnalysis();
}

void TAnalysisController::EngineFailed(const QString& message)
{
    // Every service met the same engine: one message, and all of them go on
    // with the built-in engine.
    const QString program = panelService_->UciEngine();
    for (TAnalysisService* service : {panelService_, hintService_, reviewService_}) {
        if (service != sender())
            service->FallBackToBuiltin();
    }
    if (failedPrograms_.contains(program))
        return;
    failedPrograms_.append(program);
    engineMessages_.append(message);
    RebuildEngineMenu();
    if (panelVisible_ && !panelService_->Searching())
        StartPanelAnalysis();
    auto* box = new QMessageBox(QMessageBox::Warning, ApplicationTitle(), message, QMessageBox::Ok, window_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

void TAnalysisController::CreatePanel()
{
    dock_ = new QDockWidget(tr("Análise"), window_);
    dock_->setObjectName(QStringLiteral("AnalysisPanel"));
    dock_->setFeatures(QDockWidget::DockWidgetClosable);
    dock_->setAllowedAreas(Qt::BottomDockWidgetArea);
    auto* body = new QWidget(dock_);
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(8, 4, 8, 6);
    column->setSpacing(2);
    auto* row = new QHBoxLayout();
    row->setSpacing(16);
    scoreLabel_ = new QLabel(QStringLiteral("–"), body);
    scoreLabel_->setObjectName(QStringLiteral("AnalysisScore"));
    QFont big = scoreLabel_->font();
    big.setPixelSize(20);
    big.setBold(true);
    scoreLabel_->setFont(big);
    scoreLabel_->setMinimumWidth(80);
    depthLabel_ = new QLabel(body);
    depthLabel_->setObjectName(QStringLiteral("AnalysisDepth"));
    speedLabel_ = new QLabel(body);
    speedLabel_->setObjectName(QStringLiteral("AnalysisSpeed"));
    engineLabel_ = new QLabel(body);
    engineLabel_->setObjectName(QStringLiteral("AnalysisEngine"));
    row->addWidget(scoreLabel_);
    row->addWidget(depthLabel_);
    row->addWidget(speedLabel_);
    row->addStretch(1);
    row->addWidget(engineLabel_);
    column->addLayout(row);
    lineLabel_ = new QLabel(body);
    lineLabel_->setObjectName(QStringLiteral("AnalysisLine"));
    lineLabel_->setWordWrap(true);
    lineLabel_->setMinimumHeight(30);
    lineLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lineLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(lineLabel_);
    dock_->setWidget(body);
    window_->addDockWidget(Qt::BottomDockWidgetArea, dock_);
    dock_->hide();
    connect(dock_, &QDockWidget::visibilityChanged, this, &TAnalysisController::PanelVisibilityChanged);
}

void TAnalysisController::FitWindow()
{
    // The game window has a fixed size: it grows by the panel and back.
    if (window_->layout())
        window_->layout()->activate();
    const QSize size = window_->sizeHint();
    if (!size.isValid())
        return;
    window_->setMinimumSize(0, 0);
    window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window_->setFixedSize(size);
}

void TAnalysisController::PanelVisibilityChanged(bool visible)
{
    if (visible == panelVisible_)
        return;
    panelVisible_ = visible;
    if (visible) {
        StartPanelAnalysis();
    } else {
        // Hidden, the panel costs nothing: its search ends at once.
        panelService_->Stop();
    }
}

void TAnalysisController::StartPanelAnalysis()
{
    scoreLabel_->setText(QStringLiteral("…"));
    depthLabel_->clear();
    speedLabel_->clear();
    lineLabel_->clear();
    shownLine_.clear();
    engineLabel_->setText(panelService_->EngineName());
    TAnalysisRequest request;
    request.State = ShownState();
    panelState_ = request.State;
    request.MaxDepth = efforts_.PanelDepth;
    panelService_->Start(request);
}

void TAnalysisController::ShowReport(const TAnalysisReport& report, bool finished)
{
    if (finished && report.Depth == 0 && report.PvUci.isEmpty()) {
        shownLine_.clear();
        const GameState state = ShownState();
        if (!IsAnalysablePosition(state)) {
            scoreLabel_->setText(QStringLiteral("–"));
            lineLabel_->setText(tr("Esta posição não pode surgir numa partida: não há o que analisar."));
            return;
        }
        scoreLabel_->setText(report.Score.Mate ? tr("Mate") : tr("Afogado"));
        depthLabel_->clear();
        speedLabel_->clear();
        lineLabel_->setText(report.Score.Mate ? tr("Xeque-mate: a partida terminou.") : tr("Empate por afogamento."));
        return;
    }
    if (report.Depth == 0 && !finished)
        return;
    const QLocale locale(QLocale::Portuguese, QLocale::Brazil);
    scoreLabel_->setText(report.Score.Text());
    depthLabel_->setText(tr("Profundidade %1%2").arg(report.Depth).arg(finished ? tr(" (fim)") : QString()));
    speedLabel_->setText(tr("%1 nós/s").arg(locale.toString(static_cast<qulonglong>(report.NodesPerSecond))));
    engineLabel_->setText(report.EngineName);
    lineLabel_->setText(report.PvText);
    shownLine_ = report.PvUci;
}

void TAnalysisController::SetAlgebraic(bool on)
{
    algebraic_ = on;
    const TMoveNotation notation = on ? TMoveNotation::Algebraic : TMoveNotation::Coordinates;
    panelService_->SetNotation(notation);
    if (!shownLine_.isEmpty())
        lineLabel_->setText(MoveLineText(panelState_, shownLine_, notation));
}

void TAnalysisController::Hint()
{
    // One hint at a time: a second request while searching does nothing.
    if (hintService_->Searching())
        return;
    hintPosition_ = ShownState();
    TAnalysisRequest request;
    request.State = ShownState();
    request.MaxDepth = efforts_.HintDepth;
    request.TimeLimitMs = efforts_.HintTimeMs;
    request.UciMoveTimeMs = efforts_.HintUciMoveTimeMs;
    hintService_->Start(request);
}

void TAnalysisController::ShowHint(Square from, Square to)
{
    if (from == Square::None || to == Square::None)
        return;
    hintFrom_ = from;
    hintTo_ = to;
    board_->SetHintMove(from, to);
    emit HintShown(from, to);
}

void TAnalysisController::ClearHint()
{
    if (hintFrom_ == Square::None && !hintService_->Searching())
        return;
    hintService_->Stop();
    hintAction_->setEnabled(true);
    hintFrom_ = Square::None;
    hintTo_ = Square::None;
    board_->ClearHintMove();
}

void TAnalysisController::FollowBoard()
{
    // A move is looked at once it is complete (its castling, promotion and
    // en passant steps come after moveMade), also while a message box opened
    // by the move's events waits; the board tells every other change of the
    // shown position as it happens (a line of the move list chosen, a new
    // game, a loaded position, a move taken back or replayed).
    connect(board_, &TChessBoard::moveMade, this,
            [this] { QTimer::singleShot(0, this, &TAnalysisController::ShownPositionMaybeChanged); });
    connect(board_, &TChessBoard::shownPositionChanged, this, &TAnalysisController::ShownPositionMaybeChanged);
    connect(moveText_, &MoveListText::NotationChanged, this, &TAnalysisController::SetAlgebraic);
}

void TAnalysisController::ShownPositionMaybeChanged()
{
    if (graph_)
        graph_->SetShownSlot(board_->CurrentMove(), board_->WhiteToMove());
    // The panel's line is numbered from the position's move number: the
    // same position reached at another move is analysed again.
    const GameState shown = ShownState();
    if (shown == shownPosition_ && shown.CurrentMove == shownPosition_.CurrentMove)
        return;
    shownPosition_ = shown;
    ClearHint();
    if (panelVisible_)
        StartPanelAnalysis();
}

void TAnalysisController::StartReview()
{
    if (reviewer_->Running())
        return;
    const std::vector<TReviewPosition> positions = ReviewPositions(board_->History());
    if (positions.size() < 2) {
        QMessageBox::information(window_, ApplicationTitle(), tr("A partida ainda não tem lances para revisar."));
        return;
    }
    reviewer_->SetEffort(efforts_.ReviewDepth, efforts_.ReviewUciMoveTimeMs);
    auto* progress =
        new QProgressDialog(tr("Revisando a partida…"), tr("Cancelar"), 0, static_cast<int>(positions.size()), window_);
    progress->setObjectName(QStringLiteral("ReviewProgress"));
    progress->setWindowTitle(tr("Revisar partida"));
    // Wide enough for the whole title in the window manager's bar.
    progress->setMinimumWidth(WidthForTitle(progress, progress->windowTitle()));
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(0);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    progress->setAttribute(Qt::WA_DeleteOnClose);
    progress_ = progress;
    connect(reviewer_, &TGameReviewer::Progress, progress, &QProgressDialog::setValue);
    connect(progress, &QProgressDialog::canceled, reviewer_, &TGameReviewer::Cancel);
    connect(reviewer_, &TGameReviewer::Cancelled, progress, &QProgressDialog::close);
    connect(reviewer_, &TGameReviewer::Done, progress, &QProgressDialog::close);
    progress->show();
    reviewer_->Start(positions);
}

void TAnalysisController::ReviewDone(const TGameReview& review)
{
    moveText_->SetReview(review);
    ShowReviewSummary();
}

void TAnalysisController::ShowReviewSummary()
{
    if (summary_)
        summary_->close();
    auto* dialog = new QDialog(window_);
    dialog->setObjectName(QStringLiteral("ReviewSummary"));
    dialog->setWindowTitle(tr("Revisão da partida"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    auto* column = new QVBoxLayout(dialog);
    // The evaluation over the game; a click shows that position.
    graph_ = new TEvaluationGraph(dialog);
    graph_->SetCurve(EvaluationCurve(moveText_->Review()));
    graph_->SetShownSlot(board_->CurrentMove(), board_->WhiteToMove());
    connect(graph_, &TEvaluationGraph::slotChosen, this, [this](int moveNumber, bool whiteToMove) {
        RunGuarded([this, moveNumber, whiteToMove] { board_->GotoMove(moveNumber, whiteToMove); });
        ShownPositionMaybeChanged();
    });
    column->addWidget(new QLabel(tr("Avaliação ao longo da partida (clique para ver a posição):"), dialog));
    column->addWidget(graph_);
    int dubious = 0;
    int mistakes = 0;
    int blunders = 0;
    const TGameReview& review = moveText_->Review();
    for (const TReviewedMove& move : review.Moves) {
        dubious += move.Mark == TMoveMark::Dubious;
        mistakes += move.Mark == TMoveMark::Mistake;
        blunders += move.Mark == TMoveMark::Blunder;
    }
    auto* counts = new QLabel(
        tr("Lances duvidosos (?!): %1\nErros (?): %2\nErros graves (?\?): %3").arg(dubious).arg(mistakes).arg(blunders),
        dialog);
    column->addWidget(counts);
    const std::vector<TReviewedMove> worst = review.WorstMoves(3);
    summaryList_ = new QListWidget(dialog);
    summaryList_->setObjectName(QStringLiteral("ReviewWorstMoves"));
    if (worst.empty()) {
        column->addWidget(new QLabel(tr("Nenhum erro encontrado. Boa partida!"), dialog));
        summaryList_->hide();
    } else {
        column->addWidget(new QLabel(tr("Os maiores erros (clique para ver a posição):"), dialog));
        for (const TReviewedMove& move : worst) {
            const QString side = move.WhiteMoved ? tr("Brancas") : tr("Pretas");
            const QString loss = QString::number(move.LossCp / 100.0, 'f', 2);
            const QString mark = QString::fromStdString(MarkText(move.Mark));
            const QString dots = move.WhiteMoved ? QString() : QStringLiteral("... ");
            const std::optional<QString> san = algebraic_
                ? MoveListText::AlgebraicMove(board_->History(), move.MoveNumber, move.WhiteMoved,
                                              board_->PromotionPiece())
                : std::nullopt;
            const QString text = san
                ? tr("%1. %2%3 %4  (%5, perde %6)").arg(move.MoveNumber).arg(dots, *san, mark, side, loss)
                : tr("%1. %2%3-%4 %5  (%6, perde %7)")
                      .arg(move.MoveNumber)
                      .arg(dots)
                      .arg(QString::fromStdString(SquareName(move.From)))
                      .arg(QString::fromStdString(SquareName(move.To)))
                      .arg(mark)
                      .arg(side)
                      .arg(loss);
            auto* item = new QListWidgetItem(text, summaryList_);
            item->setData(Qt::UserRole, move.MoveNumber);
            item->setData(Qt::UserRole + 1, move.WhiteMoved);
        }
        connect(summaryList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
            const TReviewedMove* move =
                LastReview().Find(item->data(Qt::UserRole).toInt(), item->data(Qt::UserRole + 1).toBool());
            if (move)
                GotoReviewedMove(*move);
        });
    }
    column->addWidget(summaryList_);
    auto* buttons = new QDialogButtonBox(dialog);
    buttons->addButton(tr("Fechar"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    column->addWidget(buttons);
    summary_ = dialog;
    dialog->show();
    emit ReviewShown();
}

void TAnalysisController::GotoReviewedMove(const TReviewedMove& move)
{
    RunGuarded([this, &move] { board_->GotoMove(move.MoveNumber, move.WhiteMoved); });
    ShownPositionMaybeChanged();
}
