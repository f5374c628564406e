// The program's entry: sets up the application, creates every window once,
// in order (the start screen first, the application's main window), and
// runs the message loop, which shows the start screen.
#include "app/Application.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit4.h"
#include "app/Unit6.h"
#include "app/Unit8.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kestravin"));
    QApplication::setApplicationDisplayName(ApplicationTitle());
    InitApplicationResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));

    TForm1 Form1;
    TForm2 Form2;
    TForm4 Form4;
    TForm6 Form6;
    TForm8 Form8;

    Form1.SetGameWindow(&Form2);
    Form1.SetAboutWindow(&Form8);
    Form2.SetMediaPlayerWindow(&Form4);
    Form2.SetOnlineWindow(&Form6);
    Form2.SetAboutWindow(&Form8);

    Form1.show();
    return QApplication::exec();
}
