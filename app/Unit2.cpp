// The main game window: its controls, their places, the board's stored
// settings and what happens when the window is shown.
#include "app/Unit2.h"

#include "app/AnalysisController.h"
#include "app/Application.h"
#include "app/GameClocks.h"
#include "app/GameEnding.h"
#include "app/GameFiles.h"
#include "app/LowTimeSound.h"
#include "app/MoveAnnouncer.h"
#include "app/MoveListBox.h"
#include "app/MoveListText.h"
#include "app/OpeningNameDisplay.h"
#include "app/OpponentController.h"
#include "app/PositionDrawings.h"
#include "app/TrainingController.h"
#include "app/TypedMoveEntry.h"
#include "board/ChessBoard.h"
#include "board/PieceSet.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include <algorithm>

namespace {

constexpr int ClientWidth = 792;
constexpr int ClientHeight = 546;

// The board as laid out, before FormShow gives it its place.
constexpr QRect BoardAsLaidOut(384, 136, 400, 400);
constexpr QRect BoardOnScreen(248, 8, 536, 536);

// A knight beside the player boxes. On a screen of more than one device
// pixel per logical pixel the twice as large picture, brought smoothly to
// the screen's own ratio, keeps it as sharp as the board's pieces.
QPixmap KnightPicture(const QString& name, qreal ratio)
{
    const QString path = QStringLiteral(":/pictures/") + name;
    const QPixmap plain(path + QStringLiteral(".png"));
    if (ratio <= 1.0)
        return plain;
    QImage large(path + QStringLiteral("@2x.png"));
    if (large.isNull() || plain.isNull())
        return plain;
    large.setDevicePixelRatio(1.0);
    const QSize device = (QSizeF(plain.size()) * ratio).toSize();
    QPixmap sharp = QPixmap::fromImage(
        device == large.size() ? large : large.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    sharp.setDevicePixelRatio(ratio);
    return sharp;
}

} // namespace

std::pair<int, bool> MoveSlotOfLine(int lineIndex)
{
    const int line = lineIndex + 1;
    return {line / 2 + 1, line % 2 == 0};
}

TForm2::TForm2(QWidget* parent, bool designMode)
    : QMainWindow(parent,
                  Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                      Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    InitApplicationResources();
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(ApplicationTitle());
    // Closing the game window only hides it; the start screen lives on.
    setAttribute(Qt::WA_QuitOnClose, false);
    QFont windowFont(QStringLiteral("Liberation Sans"));
    windowFont.setPixelSize(11);
    setFont(windowFont);

    Client = new QWidget(this);
    Client->setObjectName(QStringLiteral("Client"));
    Client->setFixedSize(ClientWidth, ClientHeight);
    setCentralWidget(Client);

    ChessBoard1 = new TChessBoard(Client, designMode);
    ChessBoard1->setObjectName(QStringLiteral("ChessBoard1"));
    ChessBoard1->setGeometry(BoardAsLaidOut);
    MoveText = new MoveListText(this);

    CreateControls();
    CreateMenus();
    ApplyBoardSettings();
    ConnectBoardEvents();
    ConnectControls();
    CreateHelpers();
    CreateGameFlow();
    LowTime = new LowTimeSound(ChessBoard1, Clocks, Opcoes1, Ending->ThreefoldOnClaimAction(), this);
    CreatePositionEditorAction();
    ConnectGameFiles();
    SetAccessibleNames();
    LoadSettings();
    setFixedSize(sizeHint());
}

void TForm2::CreateHelpers()
{
    // Their menu items follow one another in this order.
    Analysis = new TAnalysisController(ChessBoard1, MoveText, this, Partida1, Opcoes1);
    Announcer = new MoveAnnouncer(ChessBoard1, Panel1, this);
    Announcer->AddMenuItems(Partida1, Opcoes1);
    MoveEntry = new TypedMoveEntry(ChessBoard1);
    TGameFilesControls files;
    files.Window = this;
    files.GameMenu = Partida1;
    files.OptionsMenu = Opcoes1;
    files.NewGame = NovoJogo1;
    files.ComputerBlack = Computador1;
    files.HumanBlack = Humano1;
    files.ComputerWhite = Computador2;
    files.HumanWhite = Humano2;
    files.Levels = {SuperFcil1, Fcil1, Difcil1, Difcil2, SuperDifcil1};
    GameFiles = new TGameFiles(ChessBoard1, MoveText, files, this);
    Opponent = new TOpponentController(ChessBoard1, Opcoes1, files.Levels, this);
    OpeningName = new TOpeningNameDisplay(ChessBoard1, Opcoes1, this);
    Drawings = new TPositionDrawings(ChessBoard1, Opcoes1, this);
    connect(Drawings, &TPositionDrawings::DrawingsChanged, GameFiles, &TGameFiles::GameMayHaveChanged);
    Training = new TTrainingController(ChessBoard1, Analysis, Treinar1, this);

    // The list follows its text: written anew in the other notation, marked
    // where a review judged a move.
    connect(MoveText, &MoveListText::NotationChanged, this, [this] { RefreshMoveList(); });
    connect(MoveText, &MoveListText::ReviewChanged, this, [this] { ShowReviewMarks(); });
    // A game opened, pasted or restored was replayed without the board's
    // events and signals: the list, the commands and the engine help look
    // at it once it stands.
    connect(GameFiles, &TGameFiles::GamePutOnBoard, this, [this] {
        RebuildMoveList();
        GameChanged();
    });
    connect(GameFiles, &TGameFiles::GamePutOnBoard, Analysis, &TAnalysisController::ShownPositionMaybeChanged);
    connect(GameFiles, &TGameFiles::GamePutOnBoard, Drawings, &TPositionDrawings::ShowShownPosition);
    connect(GameFiles, &TGameFiles::GamePutOnBoard, OpeningName, &TOpeningNameDisplay::Refresh);
}

TForm2::~TForm2()
{
    // Ending the program destroys the window without hiding it first.
    if (isVisible())
        SaveWindowPosition();
}

void TForm2::CreateControls()
{
    Label1 = new QLabel(tr("Jogadas"), Client);
    Label1->setObjectName(QStringLiteral("Label1"));

    ListBox1 = new MoveListBox(Client);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));

    Panel1 = new QLabel(StatusText::Initial(), Client);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setAlignment(Qt::AlignCenter);

    BitBtn1 = new QPushButton(QIcon(QPixmap(QStringLiteral(":/pictures/printer.png"))), tr("Imprimir"), Client);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setIconSize(QSize(16, 16));

    Label2 = new QLabel(tr("Jogadores:"), Client);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);

    Image1 = new QLabel(Client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAttribute(Qt::WA_TranslucentBackground);
    Image1->setPixmap(KnightPicture(QStringLiteral("knight-red"), devicePixelRatioF()));

    Computador1 = new QCheckBox(tr("Computador"), Client);
    Computador1->setObjectName(QStringLiteral("Computador1"));
    Computador1->setChecked(true);
    Humano1 = new QCheckBox(tr("Humano"), Client);
    Humano1->setObjectName(QStringLiteral("Humano1"));

    Image2 = new QLabel(Client);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setAttribute(Qt::WA_TranslucentBackground);
    Image2->setPixmap(KnightPicture(QStringLiteral("knight-white"), devicePixelRatioF()));

    Computador2 = new QCheckBox(tr("Computador"), Client);
    Computador2->setObjectName(QStringLiteral("Computador2"));
    Humano2 = new QCheckBox(tr("Humano"), Client);
    Humano2->setObjectName(QStringLiteral("Humano2"));
    Humano2->setChecked(true);

    // The places the controls hold whenever the window is on screen;
    // FormShow puts them there again.
    FormShow(this);
    // Until the window is first shown the board stands where it was laid out.
    ChessBoard1->setGeometry(BoardAsLaidOut);
}

void TForm2::ApplyBoardSettings()
{
    TChessBoard& board = *ChessBoard1;
    board.SetAnimateMoves(true);
    board.SetAnimationDelay(0);
    board.SetBoardLines(false);
    board.SetBorderColor(Qt::black);
    board.SetCastlingAllowed(CastleSet{CanStillCastle::WhiteKingSide, CanStillCastle::WhiteQueenSide,
                                       CanStillCastle::BlackKingSide, CanStillCastle::BlackQueenSide});
    board.SetComputerPlaysBlack(true);
    board.SetComputerPlaysWhite(false);
    board.SetThinking(false);
    // "Arial" is matched to an installed sans-serif face by the font system.
    QFont coordFont(QStringLiteral("Arial"));
    coordFont.setStyleHint(QFont::SansSerif);
    coordFont.setPixelSize(9);
    board.SetCoordFont(coordFont);
    board.SetCoordFontColor(Qt::white);
    board.SetCurrentMove(1);
    // The stored custom sheet: grey White pieces and red Black pieces. Being
    // a valid sheet it is the one drawn; a missing one leaves the standard set.
    // Its pieces twice as large, for screens denser than one device pixel per
    // logical pixel (not read otherwise), come first, so the pieces are cut
    // once.
    const QImage customSheetLarge = LoadSheetResource(QStringLiteral("CUSTOMSET@2x"));
    board.SetCustomPieceSetLarge(customSheetLarge.isNull() ? nullptr : &customSheetLarge);
    const QImage customSheet = LoadSheetResource(QStringLiteral("CUSTOMSET"));
    if (!customSheet.isNull())
        board.SetCustomPieceSet(&customSheet);
    board.SetDisplayCoords(
        CoordSet{DisplayCoords::West, DisplayCoords::North, DisplayCoords::East, DisplayCoords::South});
    board.SetEnPassant(Square::None);
    board.SetPosition(InitialPositionString);
    board.SetResizable(false);
    board.SetResizeMinSize(100);
    board.SetResizeMaxSize(1000);
    board.SetSearchDepth(1);
    board.SetSizeOfBorder(24);
    board.SetSizeOfSquare(44);
    board.SetSquareColorDark(QColor(0x80, 0x00, 0x00));
    board.SetSquareColorLight(QColor(0x80, 0x80, 0x00));
    board.SetStandardSize(StandardSet::Size40);
    board.SetWhiteOnTop(false);
    board.SetWhiteToMove(true);
    board.SetThinkingPriority(TThreadPriority::tpNormal);
}

namespace {

// A label keeps the place the layout gives it and grows to its text when
// this platform's face is wider than the one the layout was made with.
void PlaceLabel(QLabel* label, int left, int top, int width, int height)
{
    label->setGeometry(left, top, std::max(width, label->sizeHint().width()), height);
}

} // namespace

void TForm2::FormShow(QObject*)
{
    PlaceLabel(Label1, 8, 8, 40, 13);
    ListBox1->setGeometry(8, 24, 209, 361);
    Panel1->setGeometry(8, 392, 209, 17);
    BitBtn1->setGeometry(8, 416, 153, 25);
    PlaceLabel(Label2, 8, 448, 63, 13);
    Image1->setGeometry(8, 464, 23, 33);
    Computador1->setGeometry(40, 464, 97, 17);
    Humano1->setGeometry(40, 480, 97, 17);
    Image2->setGeometry(8, 504, 23, 33);
    Computador2->setGeometry(40, 504, 97, 17);
    Humano2->setGeometry(40, 520, 97, 17);
    ChessBoard1->setGeometry(BoardOnScreen);
}

void TForm2::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        if (!centred_) {
            // Centred on the desktop the first time it appears, unless it
            // goes back where the user left it last time.
            if (RestoreWindowPosition()) {
            } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
                QRect frame(QPoint(), size());
                frame.moveCenter(screen->availableGeometry().center());
                move(frame.topLeft());
            }
            centred_ = true;
        }
        FormShow(this);
        shownOnce_ = true;
    }
    QMainWindow::showEvent(event);
}

void TForm2::SetStatus(const QString& text)
{
    Panel1->setText(text);
}

void TForm2::SetAccessibleNames()
{
    ListBox1->setAccessibleName(tr("Lista de lances"));
    Panel1->setAccessibleName(tr("Status"));
    Computador1->setAccessibleName(tr("Pretas: computador"));
    Humano1->setAccessibleName(tr("Pretas: humano"));
    Computador2->setAccessibleName(tr("Brancas: computador"));
    Humano2->setAccessibleName(tr("Brancas: humano"));
    BitBtn1->setAccessibleName(tr("Imprimir a lista de lances"));
}
