// TForm8, "Sobre o Kestravin 2005": the about box. The title art covers the
// window; the contact e-mail and the web site address open through the
// desktop; clicking the picture shows the author credit line.
//
// The addresses are chosen when the program is built (KESTRAVIN_CONTACT,
// KESTRAVIN_HOMEPAGE). Without a web site the "Website:" line offers the
// installed user guide; without an e-mail address (or a guide) the line says
// so and is no link.
//
// Created hidden at start-up; the start screen's "Sobre" and the main menu's
// "Sobre" show it with ShowWindow(Form8).
#pragma once

#include <QUrl>
#include <QWidget>

class HoverLabel;
class QLabel;

class TForm8 : public QWidget {
    Q_OBJECT

public:
    // The about box with the addresses the program was built with.
    explicit TForm8(QWidget* parent = nullptr);
    // The about box with other addresses; either may be empty.
    TForm8(const QString& contactEmail, const QUrl& webSite, QWidget* parent = nullptr);

    // The addresses the program was built with; empty when none was given.
    static QString ContactEmail();
    static QUrl WebSite();
    static QString CreditLine();
    // The help document offered in place of a missing web site.
    // In the language shown when it is installed in that language.
    static QString UserGuideDocument();

    // What the "Website:" line opens: the web site, else the installed user
    // guide, else nothing (an empty address).
    QUrl WebSiteLink() const { return webSiteLink_; }

    // A click on the picture: a message box with the credit line.
    void Image1Click();
    // A click on the e-mail address: the desktop opens "mailto:<address>".
    void Label6Click();
    // A click on the web site address (or the user guide): the desktop opens it.
    void Label7Click();

    HoverLabel* Image1;
    QLabel* Label4;
    QLabel* Label5;
    HoverLabel* Label6;
    HoverLabel* Label7;

private:
    QString contactEmail_;
    QUrl webSiteLink_;
};
