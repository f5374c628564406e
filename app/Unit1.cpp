// The start screen's layout and handlers.
#include "app/Unit1.h"

#include "app/Application.h"
#include "app/HoverLabel.h"
#include "app/Language.h"
#include "app/SoundPlayer.h"
#include "app/StartScreenFont.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"
#include "platform/DataPaths.h"
#include "platform/JpegImage.h"

#include <QCloseEvent>
#include <QLabel>
#include <QTimer>

namespace {

constexpr int ClientWidth = 632;
constexpr int ClientHeight = 446;
constexpr int ScreenLeft = 192;
constexpr int ScreenTop = 114;

// The widest caption and the width the layout gives it.
constexpr int WidestCaptionWidth = 294;

} // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), soundFolder_(ExecutableDir())
{
    InitApplicationResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ApplicationTitle());
    setFixedSize(ClientWidth, ClientHeight);
    move(ScreenLeft, ScreenTop);
    QFont windowFont(QStringLiteral("Liberation Sans"));
    windowFont.setPixelSize(11);
    setFont(windowFont);

    // The title art at its natural size from the top-left corner; the
    // window clips what lies beyond its client area.
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 640, 480);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QImage title = LoadJpeg(PictureInShownLanguage(QStringLiteral(":/pictures/title.jpg")));
    if (!title.isNull())
        Image1->setPixmap(QPixmap::fromImage(title));

    // The font is sized for the widest caption in the language shown.
    const QFont labelFont = StartScreenFont(tr("Novo Jogo"), WidestCaptionWidth);
    Label1 = MakeLabel(tr("Novo Jogo"), 168, 136, labelFont);
    Label2 = MakeLabel(tr("Sobre"), 232, 224, labelFont);
    Label3 = MakeLabel(tr("Sair"), 264, 328, labelFont);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3->setObjectName(QStringLiteral("Label3"));

    connect(Label1, &HoverLabel::MouseEntered, this, [this] { Label1MouseEnter(Label1); });
    connect(Label2, &HoverLabel::MouseEntered, this, [this] { Label2MouseEnter(Label2); });
    connect(Label3, &HoverLabel::MouseEntered, this, [this] { Label3MouseEnter(Label3); });
    connect(Label1, &HoverLabel::MouseLeft, this, [this] { Label1MouseLeave(Label1); });
    connect(Label2, &HoverLabel::MouseLeft, this, [this] { Label2MouseLeave(Label2); });
    connect(Label3, &HoverLabel::MouseLeft, this, [this] { Label3MouseLeave(Label3); });
    connect(Label1, &HoverLabel::Clicked, this, [this] { Label1Click(Label1); });
    connect(Label2, &HoverLabel::Clicked, this, [this] { Label2Click(Label2); });
    connect(Label3, &HoverLabel::Clicked, this, [this] { Label3Click(Label3); });

    for (HoverLabel* label : {Label1, Label2, Label3})
        ConnectKeyboard(label);

    MediaPlayer1 = new SoundPlayer(this);
}

void TForm1::ConnectKeyboard(HoverLabel* label)
{
    connect(label, &HoverLabel::KeyUsed, this, &TForm1::KeyboardUsed);
    connect(label, &HoverLabel::FocusEntered, this, [this, label] {
        if (keyboardInUse_)
            Highlight(label);
    });
    connect(label, &HoverLabel::FocusLeft, this, [label] {
        if (!label->underMouse())
            SetLabelColour(label, NormalColour());
    });
}

void TForm1::KeyboardUsed()
{
    if (keyboardInUse_)
        return;
    keyboardInUse_ = true;
    // Once the key has done its work (Tab may move the focus): the word
    // that has the focus then lights up.
    QTimer::singleShot(0, this, [this] {
        auto* label = qobject_cast<HoverLabel*>(focusWidget());
        if (label && label->palette().color(QPalette::WindowText) != HoverColour())
            Highlight(label);
    });
}

TForm1::~TForm1() = default;

HoverLabel* TForm1::MakeLabel(const QString& caption, int left, int top, const QFont& font)
{
    auto* label = new HoverLabel(caption, this);
    label->setFont(font);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAutoFillBackground(false);
    SetLabelColour(label, NormalColour());
    label->move(left, top);
    label->adjustSize();
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

void TForm1::SetLabelColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

QString TForm1::HoverSoundFile() const
{
    return soundFolder_ + QStringLiteral("FX/click.wav");
}

QString TForm1::ClickSoundFile() const
{
    return soundFolder_ + QStringLiteral("FX/click2.wav");
}

void TForm1::Highlight(QLabel* label)
{
    SetLabelColour(label, HoverColour());
    MediaPlayer1->Play(HoverSoundFile());
}

void TForm1::PlayClickSound()
{
    MediaPlayer1->Play(ClickSoundFile());
}

void TForm1::Label1MouseEnter(QObject*)
{
    Highlight(Label1);
}
void TForm1::Label2MouseEnter(QObject*)
{
    Highlight(Label2);
}
void TForm1::Label3MouseEnter(QObject*)
{
    Highlight(Label3);
}

void TForm1::Unlight(QLabel* label)
{
    if (!(keyboardInUse_ && label->hasFocus()))
        SetLabelColour(label, NormalColour());
}

void TForm1::Label1MouseLeave(QObject*)
{
    Unlight(Label1);
}
void TForm1::Label2MouseLeave(QObject*)
{
    Unlight(Label2);
}
void TForm1::Label3MouseLeave(QObject*)
{
    Unlight(Label3);
}

void TForm1::Label1Click(QObject*)
{
    // The sound player reports a sound it cannot play and returns, so the
    // action below always follows.
    PlayClickSound();
    ShowWindow(Form2);
}

void TForm1::Label2Click(QObject*)
{
    PlayClickSound();
    ShowWindow(Form8);
}

void TForm1::Label3Click(QObject*)
{
    PlayClickSound();
    if (Form2)
        Form2->ChessBoard1->ResumeThinking();
    EndApplication();
}

void TForm1::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    // Load the sounds once the screen has been drawn, so neither the first
    // sight of the start screen nor the first hover waits for them.
    if (!mediaPrepared_) {
        mediaPrepared_ = true;
        QTimer::singleShot(0, MediaPlayer1, [this] { MediaPlayer1->Prepare({HoverSoundFile(), ClickSoundFile()}); });
    }
}

bool TForm1::event(QEvent* event)
{
    // A key with no word focused yet (Tab then gives the first its focus).
    if (event->type() == QEvent::KeyPress)
        KeyboardUsed();
    return QWidget::event(event);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // The start screen is the main window: closing it ends the program,
    // even while the game window is open.
    QWidget::closeEvent(event);
    EndApplication();
}
