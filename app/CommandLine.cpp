// The program's command line (see CommandLine.h).
#include "app/CommandLine.h"

#include "app/Application.h"
#include "app/Language.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QCoreApplication::translate("CommandLine", "Mostra esta ajuda e sai.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QCoreApplication::translate("CommandLine", "Mostra a versão do programa e sai.")};
};

void SetUp(QCommandLineParser& parser, const Options& options)
{
    QCoreApplication::setApplicationName(QStringLiteral("kestravin"));
    // The project's version (cmake/BuildInfo.cmake).
    QCoreApplication::setApplicationVersion(QStringLiteral(KESTRAVIN_VERSION));
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Kestravin 2005: xadrez para uma ou duas pessoas, contra o computador ou um amigo."));
    parser.addOption(options.help);
    parser.addOption(options.version);
    parser.addPositionalArgument(
        QCoreApplication::translate("CommandLine", "partida.pgn"),
        QCoreApplication::translate("CommandLine", "Abre a partida do arquivo PGN na janela do jogo."),
        QCoreApplication::translate("CommandLine", "[partida.pgn]"));
}

// Prints the answer to --help or --version, if asked; showHelp and
// showVersion end the process with status 0.
void AnswerIfAsked(QCommandLineParser& parser, const Options& options)
{
    if (parser.isSet(options.help))
        parser.showHelp(0);
    if (parser.isSet(options.version))
        parser.showVersion();
}

} // namespace

std::optional<int> AnswerInformationRequest(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    {
        QCommandLineParser parser;
        Options options;
        SetUp(parser, options);
        // A parse error may be one of Qt's own options: QApplication takes
        // those off first, and AnswerCommandLine judges what is left.
        if (!parser.parse(arguments) || !(parser.isSet(options.help) || parser.isSet(options.version)))
            return std::nullopt;
    }
    // showHelp and showVersion need an application object, and a core one
    // needs no display. The answer speaks the interface language.
    QCoreApplication application(argc, argv);
    InitApplicationResources();
    InstallTranslators(application, ChosenLanguage());
    QCommandLineParser parser;
    Options options;
    SetUp(parser, options);
    parser.parse(arguments);
    AnswerIfAsked(parser, options);
    return 0;
}

std::optional<int> AnswerCommandLine(const QStringList& arguments, QStringList* files)
{
    QCommandLineParser parser;
    Options options;
    SetUp(parser, options);
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        const QString problem = unknown.isEmpty()
            ? parser.errorText()
            : QCoreApplication::translate("CommandLine", "opção desconhecida: %1")
                  .arg(unknown.first().size() == 1 ? QLatin1Char('-') + unknown.first()
                                                   : QStringLiteral("--") + unknown.first());
        std::fprintf(
            stderr, "kestravin: %s\n%s\n", qPrintable(problem),
            qPrintable(QCoreApplication::translate("CommandLine", "Use \"kestravin --help\" para ver as opções.")));
        return 2;
    }
    AnswerIfAsked(parser, options);
    if (files)
        *files = parser.positionalArguments();
    return std::nullopt;
}
