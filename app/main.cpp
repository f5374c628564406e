// The program's entry: sets up the application, creates every window once,
// in order (the start screen first, the application's main window), and
// runs the message loop, which shows the start screen.
#include "app/Application.h"
#include "app/Unit1.h"
#include "app/Unit2.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kestravin"));
    QApplication::setApplicationDisplayName(ApplicationTitle());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));

    TForm1 Form1;
    TForm2 Form2;
    Form1.SetGameWindow(&Form2);

    Form1.show();
    return QApplication::exec();
}
