// The program's entry: sets up the application, creates every window once,
// in order (the start screen first, the application's main window), and
// runs the message loop, which shows the start screen.
#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/GameFiles.h"
#include "app/Language.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit4.h"
#include "app/Unit6.h"
#include "app/Unit8.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QIcon>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

// Start-up measurement: with KESTRAVIN_REPORT_FIRST_PAINT set, the program
// prints the wall-clock time (ms since the epoch) at which the start
// screen's first paint is done, and ends.
class FirstPaintReporter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            QTimer::singleShot(0, this, [] {
                std::printf("first paint %lld\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool reported_ = false;
};

} // namespace

int main(int argc, char** argv)
{
    // --help and --version answer before any window, and without a display.
    if (const std::optional<int> status = AnswerInformationRequest(argc, argv))
        return *status;
    QApplication application(argc, argv);
    // The title "Kestravin 2005" is each window's caption and every message
    // box's; it is not set as the display name, which Qt would append to the
    // side windows' own captions.
    QApplication::setApplicationName(QStringLiteral("kestravin"));
    InitApplicationResources();
    InstallTranslators(application, ChosenLanguage());
    QStringList files;
    if (const std::optional<int> status = AnswerCommandLine(QApplication::arguments(), &files))
        return *status;
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

    if (std::getenv("KESTRAVIN_REPORT_FIRST_PAINT"))
        Form1.installEventFilter(new FirstPaintReporter(&Form1));
    // An unfinished game comes back in the game window, where the start
    // screen's "Novo Jogo" shows it; a file named on the command line opens
    // there instead.
    Form2.GameFiles->RestoreAutosave();
    Form1.show();
    Form2.GameFiles->OpenFilesFromCommandLine(files);
    return QApplication::exec();
}
