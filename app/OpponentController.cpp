// The opponent beside "Dificuldade": see OpponentController.h.
#include "app/OpponentController.h"

#include "board/ChessBoard.h"
#include "core/PolyglotBook.h"
#include "engine/BookPlay.h"
#include "engine/ComputerStyle.h"
#include "platform/ErrorBox.h"
#include "platform/ProgramSettings.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace {

const QString BookEnabledKey = QStringLiteral("Opcoes/LivroDeAberturas");
const QString BookFileKey = QStringLiteral("Opcoes/ArquivoDoLivro");
// A beginners' level, which "Dificuldade" does not list, by its plain name.
const QString BeginnerLevelKey = QStringLiteral("Partida/NivelDeIniciante");

} // namespace

TOpponentController::TOpponentController(TChessBoard* board, QMenu* options, const std::array<QAction*, 5>& levels,
                                         QWidget* window)
    : QObject(window)
    , board_(board)
    , window_(window)
    , level_(PlayingLevelOfDepth(board->SearchDepth()))
{
    if (level_ == nullptr)
        level_ = &PlayingLevels()[2];
    const QString beginner = ProgramSettings().value(BeginnerLevelKey).toString();
    if (const TPlayingLevel* stored = FindPlayingLevel(beginner.toStdString()); stored != nullptr && stored->Beginner())
        level_ = stored;

    bookMenu_ = new QMenu(tr("Livro de aberturas"), options);
    bookMenu_->setObjectName(QStringLiteral("LivroDeAberturas1"));
    useBookAction_ = bookMenu_->addAction(tr("Abrir com o livro"));
    useBookAction_->setObjectName(QStringLiteral("UsarLivro1"));
    useBookAction_->setCheckable(true);
    useBookAction_->setStatusTip(tr("O computador varia as aberturas com as jogadas do livro, mais longe nos níveis "
                                    "mais fortes."));
    chooseBookAction_ = bookMenu_->addAction(tr("Escolher livro…"));
    chooseBookAction_->setObjectName(QStringLiteral("EscolherLivro1"));
    // With the other switches, before the separator that ends them.
    QAction* before = nullptr;
    for (QAction* action : options->actions()) {
        if (action->isSeparator()) {
            before = action;
            break;
        }
    }
    options->insertMenu(before, bookMenu_);

    connect(useBookAction_, &QAction::triggered, this, [this](bool on) { SetBookEnabled(on); });
    connect(chooseBookAction_, &QAction::triggered, this, &TOpponentController::ChooseBookFile);
    // The five items of "Dificuldade" choose the searching levels; they run
    // their own handlers first.
    for (int depth = 1; depth <= static_cast<int>(levels.size()); ++depth) {
        connect(levels[static_cast<std::size_t>(depth - 1)], &QAction::triggered, this, [this, depth] {
            if (const TPlayingLevel* level = PlayingLevelOfDepth(depth))
                SetLevel(*level);
        });
    }

    // A remembered book that has gone away is left off without a word at
    // start-up; turning it on again says why it cannot be read.
    if (ProgramSettings().value(BookEnabledKey, false).toBool() && LoadBook(BookPath(), true))
        useBookAction_->setChecked(true);
    ApplyStyle();
}

void TOpponentController::SetLevel(const TPlayingLevel& level)
{
    level_ = &level;
    if (!level.Beginner())
        board_->SetSearchDepth(level.SearchDepth);
    if (level.Beginner())
        ProgramSettings().setValue(
            BeginnerLevelKey,
            QString::fromUtf8(level.PlainName.data(), static_cast<qsizetype>(level.PlainName.size())));
    else
        ProgramSettings().remove(BeginnerLevelKey);
    ApplyStyle();
}

bool TOpponentController::BookEnabled() const
{
    return useBookAction_->isChecked() && book_ != nullptr;
}

void TOpponentController::SetBookEnabled(bool on)
{
    if (on && !LoadBook(BookPath()))
        on = false;
    if (!on)
        book_.reset();
    useBookAction_->setChecked(on);
    ProgramSettings().setValue(BookEnabledKey, on);
    ApplyStyle();
}

QString TOpponentController::BookPath() const
{
    const QString chosen = ProgramSettings().value(BookFileKey).toString();
    return chosen.isEmpty() ? QString::fromUtf8(DefaultBookPath) : chosen;
}

bool TOpponentController::UseBookFile(const QString& path)
{
    if (!LoadBook(path))
        return false;
    ProgramSettings().setValue(BookFileKey, path);
    useBookAction_->setChecked(true);
    ProgramSettings().setValue(BookEnabledKey, true);
    ApplyStyle();
    return true;
}

void TOpponentController::ChooseBookFile()
{
    const QString path =
        QFileDialog::getOpenFileName(window_, tr("Escolher livro de aberturas"), QFileInfo(BookPath()).absolutePath(),
                                     tr("Livros Polyglot (*.bin);;Todos os arquivos (*)"));
    if (!path.isEmpty())
        UseBookFile(path);
}

bool TOpponentController::LoadBook(const QString& path, bool quiet)
{
    auto book = std::make_shared<TPolyglotBook>();
    const TBookError error = book->Load(path.toStdString());
    if (error == TBookError::None) {
        book_ = std::move(book);
        return true;
    }
    if (quiet)
        return false;
    switch (error) {
    case TBookError::None: return true;
    case TBookError::CannotRead:
        ShowErrorBox(tr("Não foi possível ler o livro de aberturas %1. Instale o pacote gnuchess-book ou escolha "
                        "outro livro em Opções › Livro de aberturas.")
                         .arg(path));
        return false;
    case TBookError::NotABook:
        ShowErrorBox(tr("O arquivo %1 não é um livro de aberturas no formato Polyglot.").arg(path));
        return false;
    }
    return false;
}

void TOpponentController::ApplyStyle()
{
    board_->SetComputerStyle(TComputerStyle::OfLevel(*level_, useBookAction_->isChecked() ? book_ : nullptr));
}
