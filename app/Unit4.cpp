// TForm4, the media player window (see Unit4.h).
#include "app/Unit4.h"

#include "app/GameFile.h"

#include "app/Application.h"
#include "app/HoverLabel.h"
#include "app/Language.h"
#include "app/MediaPlayerBar.h"
#include "app/SideWindow.h"
#include "platform/ErrorBox.h"
#include "platform/JpegImage.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>

TForm4::TForm4(QWidget* parent)
    : QWidget(parent)
    , Image1(new QLabel(this))
    , Label1(new HoverLabel(tr("ABRIR"), this))
    , MediaPlayer1(new MediaPlayerBar(this))
{
    SetUpSideWindow(this, tr("Media Player"), QSize(274, 115));
    move(192, 114);

    Image1->setGeometry(0, 0, 274, 116);
    InitApplicationResources();
    ShowPicture(Image1, LoadJpeg(PictureInShownLanguage(QStringLiteral(":/pictures/mediaplayer.jpg"))));

    Label1->setGeometry(16, 24, 77, 29);
    Label1->setFont(SideWindowFont(24, true));
    Label1->setStyleSheet(QStringLiteral("color: #C0C0C0; background: transparent;"));
    Label1->setCursor(Qt::PointingHandCursor);
    connect(Label1, &HoverLabel::Clicked, this, &TForm4::Label1Click);

    MediaPlayer1->setGeometry(16, 80, 85, 28);
}

QString TForm4::MusicFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/MUSICAS");
}

void TForm4::Label1Click()
{
    RunGuarded([this] {
        MediaPlayer1->Close();
        QFileDialog OpenDialog1(this);
        OpenDialog1.setAcceptMode(QFileDialog::AcceptOpen);
        OpenDialog1.setFileMode(QFileDialog::ExistingFile);
        OpenDialog1.setDirectory(MusicFolder());
        SizeFileDialog(OpenDialog1);
        if (OpenDialog1.exec() != QDialog::Accepted)
            return;
        const QStringList files = OpenDialog1.selectedFiles();
        if (!files.isEmpty())
            MediaPlayer1->Open(files.front());
    });
}
