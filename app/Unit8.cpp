// TForm8, the about box (see Unit8.h).
#include "app/Unit8.h"

#include "app/Application.h"
#include "app/HoverLabel.h"
#include "app/Language.h"
#include "app/SideWindow.h"
#include "platform/DataPaths.h"
#include "platform/JpegImage.h"
#include "platform/ShellOpen.h"

#include <QCoreApplication>
#include <QLabel>

namespace {

// A transparent bold label of the about box, 11 pixels high, in `color`.
template <typename Label>
Label* MakeLabel(QWidget* parent, const QString& text, int left, int top, const char* color)
{
    auto* label = new Label(text, parent);
    label->setFont(SideWindowFont(11, true));
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(QLatin1String(color)));
    label->move(left, top);
    label->adjustSize();
    return label;
}

// A line's text, and whether it is a link: a link shows the pointing hand.
void ShowAddress(HoverLabel* label, const QString& text, bool link)
{
    label->setText(text);
    label->adjustSize();
    if (link)
        label->setCursor(Qt::PointingHandCursor);
    else
        label->unsetCursor();
}

QString NotGiven()
{
    return QCoreApplication::translate("TForm8", "não informado");
}

} // namespace

TForm8::TForm8(QWidget* parent) : TForm8(ContactEmail(), WebSite(), parent) {}

TForm8::TForm8(const QString& contactEmail, const QUrl& webSite, QWidget* parent)
    : QWidget(parent)
    , Image1(new HoverLabel(QString(), this))
    , Label4(MakeLabel<QLabel>(this, tr("E-mail:"), 24, 72, "#C0C0C0"))
    , Label5(MakeLabel<QLabel>(this, tr("Website:"), 24, 88, "#C0C0C0"))
    , Label6(MakeLabel<HoverLabel>(this, QString(), 80, 72, "#0000FF"))
    , Label7(MakeLabel<HoverLabel>(this, QString(), 80, 88, "#0000FF"))
    , contactEmail_(contactEmail.trimmed())
{
    SetUpSideWindow(this, tr("Sobre o Kestravin 2005"), QSize(450, 207));
    move(192, 114);

    Image1->setGeometry(0, 0, 450, 209);
    InitApplicationResources();
    ShowPicture(Image1, LoadJpeg(PictureInShownLanguage(QStringLiteral(":/pictures/about.jpg"))));
    Image1->lower();

    ShowAddress(Label6, contactEmail_.isEmpty() ? NotGiven() : contactEmail_, !contactEmail_.isEmpty());
    if (webSite.isValid() && !webSite.isEmpty()) {
        webSiteLink_ = webSite;
        ShowAddress(Label7, webSite.toString(), true);
    } else {
        // Looked up once, like the rest of the box: a person who installs the
        // guide later sees it on the next start.
        const QString guide = FindHelpDocument(UserGuideDocument());
        if (!guide.isEmpty())
            webSiteLink_ = QUrl::fromLocalFile(guide);
        ShowAddress(Label7,
                    guide.isEmpty() ? NotGiven()
                                    : QCoreApplication::translate("TForm8", "Guia: regras do xadrez e como jogar"),
                    !guide.isEmpty());
    }
    connect(Image1, &HoverLabel::Clicked, this, &TForm8::Image1Click);
    connect(Label6, &HoverLabel::Clicked, this, &TForm8::Label6Click);
    connect(Label7, &HoverLabel::Clicked, this, &TForm8::Label7Click);
}

// KESTRAVIN_CONTACT and KESTRAVIN_HOMEPAGE come from the build (cmake/BuildInfo.cmake).
QString TForm8::ContactEmail()
{
    return QStringLiteral(KESTRAVIN_CONTACT);
}

QUrl TForm8::WebSite()
{
    return QUrl(QStringLiteral(KESTRAVIN_HOMEPAGE));
}

QString TForm8::UserGuideDocument()
{
    return HelpDocumentInShownLanguage(QStringLiteral("DOC/JOGO.html"));
}

QString TForm8::CreditLine()
{
    return tr("Kestravin 2005 - xadrez para um ou dois jogadores, escrito pela equipe Kestravin.");
}

void TForm8::Image1Click()
{
    ShowMessage(CreditLine());
}

void TForm8::Label6Click()
{
    if (!contactEmail_.isEmpty())
        ShellOpen(QUrl(QStringLiteral("mailto:") + contactEmail_));
}

void TForm8::Label7Click()
{
    if (!webSiteLink_.isEmpty())
        ShellOpen(webSiteLink_);
}
