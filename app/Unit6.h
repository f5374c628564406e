// TForm6, "Jogo Online": an embedded web view showing a free online chess
// site. The view is created on the first showing (the browser engine is
// heavy) and pointed at the site on every showing, so closing and showing
// the window loads the page anew. Pages that cannot load (no network) are
// shown by the view in its own way; the program reports nothing.
//
// Created hidden at start-up; the main window shows it with ShowWindow(Form6).
#pragma once

#include <QUrl>
#include <QWidget>

class QWebEngineView;

class TForm6 : public QWidget {
    Q_OBJECT

public:
    explicit TForm6(QWidget* parent = nullptr);

    // The online chess site shown in the window.
    static QUrl OnlineSite();

    // The browser view, or null before the window was first shown.
    QWebEngineView* WebBrowser1() const { return WebBrowser1_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Points the view at the site, creating it on the first showing.
    void FormShow();

    QWebEngineView* WebBrowser1_ = nullptr;
};
