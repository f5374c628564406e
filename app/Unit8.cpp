// TForm8, the about box (see Unit8.h).
#include "app/Unit8.h"

#include "app/Application.h"
#include "app/HoverLabel.h"
#include "app/SideWindow.h"
#include "platform/JpegImage.h"
#include "platform/ShellOpen.h"

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

} // namespace

TForm8::TForm8(QWidget* parent)
    : QWidget(parent)
    , Image1(new HoverLabel(QString(), this))
    , Label4(MakeLabel<QLabel>(this, QStringLiteral("E-mail:"), 24, 72, "#C0C0C0"))
    , Label5(MakeLabel<QLabel>(this, QStringLiteral("Website:"), 24, 88, "#C0C0C0"))
    , Label6(MakeLabel<HoverLabel>(this, ContactEmail(), 80, 72, "#0000FF"))
    , Label7(MakeLabel<HoverLabel>(this, WebSite().toString(), 80, 88, "#0000FF"))
{
    SetUpSideWindow(this, QStringLiteral("Sobre o Kestravin 2005"), QSize(450, 207));
    move(192, 114);

    Image1->setGeometry(0, 0, 450, 209);
    InitApplicationResources();
    ShowPicture(Image1, LoadJpeg(QStringLiteral(":/pictures/about.jpg")));
    Image1->lower();

    Label6->setCursor(Qt::PointingHandCursor);
    Label7->setCursor(Qt::PointingHandCursor);
    connect(Image1, &HoverLabel::Clicked, this, &TForm8::Image1Click);
    connect(Label6, &HoverLabel::Clicked, this, &TForm8::Label6Click);
    connect(Label7, &HoverLabel::Clicked, this, &TForm8::Label7Click);
}

QString TForm8::ContactEmail() { return QStringLiteral("contato@kestravin.example"); }

QUrl TForm8::WebSite() { return QUrl(QStringLiteral("https://www.kestravin.example/")); }

QString TForm8::CreditLine()
{
    return QStringLiteral("Kestravin 2005 - xadrez para um ou dois jogadores, escrito pela equipe Kestravin.");
}

void TForm8::Image1Click() { ShowMessage(CreditLine()); }

void TForm8::Label6Click() { ShellOpen(QUrl(QStringLiteral("mailto:") + ContactEmail())); }

void TForm8::Label7Click() { ShellOpen(WebSite()); }
