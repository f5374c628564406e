// kestravin-uci: the Kestravin 2005 engine as a UCI engine, for chess GUIs
// and for matches against other engines.
#include "UciSession.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <clocale>
#include <cstdio>
#include <iostream>

int main(int argc, char** argv)
{
    {
        // --help and --version as any program answers them; no other option.
        QCoreApplication application(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("kestravin-uci"));
        QCoreApplication::setApplicationVersion(QStringLiteral(KESTRAVIN_VERSION));
        QCommandLineParser parser;
        parser.setApplicationDescription(QCoreApplication::translate(
            "kestravin-uci",
            "O motor de xadrez do Kestravin 2005 pelo protocolo UCI: lê comandos UCI da entrada padrão "
            "e responde na saída padrão, para interfaces gráficas de xadrez."));
        const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                      QCoreApplication::translate("kestravin-uci", "Mostra esta ajuda e sai."));
        const QCommandLineOption version(
            {QStringLiteral("v"), QStringLiteral("version")},
            QCoreApplication::translate("kestravin-uci", "Mostra a versão do programa e sai."));
        parser.addOption(help);
        parser.addOption(version);
        if (!parser.parse(QCoreApplication::arguments())) {
            const QStringList unknown = parser.unknownOptionNames();
            const QString problem = unknown.isEmpty()
                ? parser.errorText()
                : QCoreApplication::translate("kestravin-uci", "opção desconhecida: %1")
                      .arg(unknown.first().size() == 1 ? QLatin1Char('-') + unknown.first()
                                                       : QStringLiteral("--") + unknown.first());
            std::fprintf(stderr, "kestravin-uci: %s\n%s\n", qPrintable(problem),
                         qPrintable(QCoreApplication::translate("kestravin-uci",
                                                                "Use \"kestravin-uci --help\" para ver as opções.")));
            return 2;
        }
        if (parser.isSet(help))
            parser.showHelp(0);
        if (parser.isSet(version))
            parser.showVersion();
    }
    // QCoreApplication took the user's locale for the C library; the protocol
    // reads and writes numbers the C way.
    std::setlocale(LC_ALL, "C");
    std::ios::sync_with_stdio(false);
    TUciSession session(std::cin, std::cout);
    session.Run();
    return 0;
}
