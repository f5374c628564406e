// sheetgen <output folder> [font file]: writes the seven built-in piece
// sheets (SET16.bmp ... SETORVANE40.bmp) and the main window's custom sheet
// (CUSTOMSET.bmp) into the folder, each with a twice as large variant
// (SET16@2x.bmp ...) that the board draws on screens of more than one device
// pixel per logical pixel.
#include "BmpWriter.h"
#include "SheetPainter.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

struct SheetSpec {
    const char* name;
    int P;
    int width; // 0: 6P
    SheetLook look;
    int bits;
};

constexpr SheetSpec kSheets[] = {
    {"SET16", 16, 94, SheetLook::Diagram, 4},
    {"SET32", 32, 0, SheetLook::DiagramGrey, 4},
    {"SET40", 40, 0, SheetLook::DiagramGrey, 4},
    {"SET64", 64, 0, SheetLook::Diagram, 4},
    {"SET80", 80, 0, SheetLook::Diagram, 4},
    {"SETCM36", 36, 0, SheetLook::CreamAndRed, 8},
    {"SETORVANE40", 40, 0, SheetLook::WoodAndGreen, 8},
    {"CUSTOMSET", 40, 0, SheetLook::GreyAndRed, 4},
};

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: sheetgen <output folder> [font file]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString fontFile =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("/usr/share/fonts/truetype/freefont/FreeSerif.ttf");
    SheetPainter painter(fontFile);
    if (!painter.IsValid()) {
        std::fprintf(stderr, "sheetgen: %s has no chess glyphs\n", qPrintable(fontFile));
        return 1;
    }
    QDir().mkpath(folder);
    for (const SheetSpec& spec : kSheets)
        for (int ratio : {1, 2}) {
            const QImage sheet = painter.Draw(ratio * spec.P, spec.look, ratio * spec.width);
            const QImage indexed = spec.bits == 4 ? ToSixteenColours(sheet) : ToTwoHundredFiftySixColours(sheet);
            const QString suffix = ratio == 1 ? QStringLiteral(".bmp") : QStringLiteral("@%1x.bmp").arg(ratio);
            const QString path = QDir(folder).filePath(QString::fromLatin1(spec.name) + suffix);
            if (!WriteIndexedBmp(indexed, spec.bits, path)) {
                std::fprintf(stderr, "sheetgen: cannot write %s\n", qPrintable(path));
                return 1;
            }
            std::printf("%s %dx%d\n", qPrintable(path), indexed.width(), indexed.height());
        }
    return 0;
}
