// kestravin-pgn FILE...            one line per game: file, index, result,
//                                  half-moves, final FEN (or the error)
// kestravin-pgn --export FILE...   the readable games in export format
// kestravin-pgn --export --eco ...  with their ECO and Opening tags
// Exit status: 0 every game read, 1 some game could not be read, 2 a file
// could not be opened, the output could not be written whole, or the
// arguments are wrong.
#include "core/OpeningNames.h"
#include "core/Pgn.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Larger files are refused rather than held in memory.
constexpr std::streamoff MaxFileBytes = 1LL << 30;

void PrintUsage(std::ostream& out)
{
    out << "Uso: kestravin-pgn [--export [--eco]] ARQUIVO...\n"
           "Lê partidas em PGN e escreve, para cada partida, uma linha separada por tabulações:\n"
           "o arquivo, o número da partida no arquivo (a partir de 0), o resultado (* sem a tag\n"
           "Result), o número de meios-lances e a posição final em FEN. Uma partida ilegível dá\n"
           "ARQUIVO, número, error, LINHA:COLUNA e o motivo.\n"
           "\n"
           "  --export       escreve as partidas legíveis de novo em PGN (formato de exportação)\n"
           "  --eco          com --export: põe em cada partida as tags ECO e Opening da sua abertura,\n"
           "                 no lugar das que ela tinha\n"
           "  -h, --help     mostra esta ajuda\n"
           "  -v, --version  mostra a versão\n"
           "\n"
           "Código de saída: 0 todas as partidas lidas, 1 alguma partida ilegível,\n"
           "2 arquivo que não abre, saída que não pôde ser escrita ou argumentos errados.\n";
}

bool ReadFile(const std::string& name, std::string& text, std::string& error)
{
    std::ifstream in(name, std::ios::binary);
    if (!in) {
        error = "não foi possível abrir o arquivo";
        return false;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size < 0) {
        // Not a regular file: read it as a stream, within the same bound.
        std::ostringstream buffer;
        char chunk[65536];
        in.clear();
        while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
            buffer.write(chunk, in.gcount());
            if (buffer.tellp() > MaxFileBytes) {
                error = "arquivo grande demais";
                return false;
            }
        }
        text = buffer.str();
        return true;
    }
    if (size > MaxFileBytes) {
        error = "arquivo grande demais";
        return false;
    }
    text.resize(static_cast<std::size_t>(size));
    if (size > 0 && !in.read(text.data(), size)) {
        error = "erro de leitura";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    bool exportGames = false;
    bool nameOpenings = false;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            PrintUsage(std::cout);
            return 0;
        } else if (!optionsEnded && (arg == "--version" || arg == "-v")) {
            std::cout << "kestravin-pgn " << KESTRAVIN_VERSION << "\n";
            return 0;
        } else if (!optionsEnded && arg == "--export") {
            exportGames = true;
        } else if (!optionsEnded && arg == "--eco") {
            nameOpenings = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            std::cerr << "kestravin-pgn: opção desconhecida: " << arg << "\n";
            PrintUsage(std::cerr);
            return 2;
        } else {
            files.push_back(arg);
        }
    }
    if (nameOpenings && !exportGames) {
        std::cerr << "kestravin-pgn: --eco só vale com --export\n";
        PrintUsage(std::cerr);
        return 2;
    }
    if (files.empty()) {
        std::cerr << "kestravin-pgn: nenhum arquivo indicado\n";
        PrintUsage(std::cerr);
        return 2;
    }

    bool anyGameFailed = false;
    bool anyFileFailed = false;
    for (const std::string& name : files) {
        std::string text, error;
        if (!ReadFile(name, text, error)) {
            std::cerr << "kestravin-pgn: " << name << ": " << error << "\n";
            anyFileFailed = true;
            continue;
        }
        ReadPgn(text, [&](PgnGame&& game) {
            if (!game.Ok) {
                anyGameFailed = true;
                if (exportGames)
                    std::cerr << name << '\t' << game.Index << "\terror\t" << game.Line << ':' << game.Column << '\t'
                              << game.Error << '\n';
                else
                    std::cout << name << '\t' << game.Index << "\terror\t" << game.Line << ':' << game.Column << '\t'
                              << game.Error << '\n';
                return;
            }
            if (exportGames) {
                if (nameOpenings)
                    SetOpeningTags(game.Value);
                std::cout << WritePgn(game.Value);
                return;
            }
            std::cout << name << '\t' << game.Index << '\t' << game.Value.Tag("Result").value_or("*") << '\t'
                      << game.Value.PlyCount() << '\t' << game.Value.FinalFen() << '\n';
        });
    }
    std::cout.flush();
    if (!std::cout) {
        // A full disk, a closed pipe: what was written is not complete.
        std::cerr << "kestravin-pgn: não foi possível escrever a saída por inteiro\n";
        return 2;
    }
    if (anyFileFailed)
        return 2;
    return anyGameFailed ? 1 : 0;
}
