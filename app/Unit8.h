// TForm8, "Sobre o Kestravin 2005": the about box. The title art covers the
// window; the contact e-mail and the web site address open through the
// desktop; clicking the picture shows the author credit line.
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
    explicit TForm8(QWidget* parent = nullptr);

    static QString ContactEmail();
    static QUrl WebSite();
    static QString CreditLine();

    // A click on the picture: a message box with the credit line.
    void Image1Click();
    // A click on the e-mail address: the desktop opens "mailto:<address>".
    void Label6Click();
    // A click on the web site address: the desktop opens it.
    void Label7Click();

    HoverLabel* Image1;
    QLabel* Label4;
    QLabel* Label5;
    HoverLabel* Label6;
    HoverLabel* Label7;
};
