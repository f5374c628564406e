// Shared set-up of the side windows (see SideWindow.h).
#include "app/SideWindow.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

void SetUpSideWindow(QWidget* window, const QString& caption, QSize clientSize)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    window->setWindowTitle(caption);
    window->setFixedSize(clientSize);
    // Closing hides the window; it lives, with its state, until the program ends.
    window->setAttribute(Qt::WA_QuitOnClose, false);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->setFont(SideWindowFont(11));
}

QFont SideWindowFont(int pixelHeight, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

void ShowPicture(QLabel* label, const QImage& picture)
{
    if (picture.isNull())
        label->clear();
    else
        label->setPixmap(QPixmap::fromImage(picture));
}
