// artgen <output folder> [<icon folder>]: draws the program's pictures and
// writes them into the folder (title.jpg, about.jpg, mediaplayer.jpg and
// their English versions title_en.jpg, about_en.jpg, mediaplayer_en.jpg,
// knight-red.png, knight-white.png and their twice as large @2x variants,
// printer.png, icon.png); with an icon folder, also the program's icon for
// the desktop's icon theme, drawn at each size rather than scaled
// (<icon folder>/<N>x<N>/apps/kestravin.png).
#include "Pictures.h"
#include "SheetPainter.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

QImage English(QImage (*draw)())
{
    SetArtInEnglish(true);
    QImage image = draw();
    SetArtInEnglish(false);
    return image;
}

struct Output {
    const char* name;
    std::function<QImage()> draw;
};

bool Write(const QImage& image, const QString& path)
{
    const bool jpeg = path.endsWith(QStringLiteral(".jpg"));
    if (jpeg)
        return image.convertToFormat(QImage::Format_RGB32).save(path, "JPG", 92);
    return image.save(path, "PNG");
}

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: artgen <output folder> [<icon folder>]\n");
        return 2;
    }
    if (!LoadArtFonts()) {
        std::fprintf(stderr, "artgen: FreeSerif (fonts-freefont-ttf) is needed for the chess glyphs\n");
        return 1;
    }
    const SheetPainter pieces(QStringLiteral("/usr/share/fonts/truetype/freefont/FreeSerif.ttf"));
    if (!pieces.IsValid()) {
        std::fprintf(stderr, "artgen: FreeSerif (fonts-freefont-ttf) has no chess glyphs\n");
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(folder.path());

    const Output outputs[] = {
        {"title.jpg", DrawTitleArt},
        {"about.jpg", DrawAboutArt},
        {"mediaplayer.jpg", DrawMediaPlayerArt},
        // The same pictures with their words in English.
        {"title_en.jpg", [] { return English(DrawTitleArt); }},
        {"about_en.jpg", [] { return English(DrawAboutArt); }},
        {"mediaplayer_en.jpg", [] { return English(DrawMediaPlayerArt); }},
        {"knight-red.png", [&] { return DrawSmallKnight(pieces, 1, 1); }},
        {"knight-white.png", [&] { return DrawSmallKnight(pieces, 0, 1); }},
        {"knight-red@2x.png", [&] { return DrawSmallKnight(pieces, 1, 2); }},
        {"knight-white@2x.png", [&] { return DrawSmallKnight(pieces, 0, 2); }},
        {"printer.png", DrawPrinterGlyph},
        {"icon.png", [] { return DrawProgramIcon(128); }},
    };
    for (const Output& output : outputs) {
        const QString path = folder.filePath(QString::fromLatin1(output.name));
        const QImage image = output.draw();
        if (!Write(image, path)) {
            std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s %dx%d\n", qPrintable(path), image.width(), image.height());
    }
    if (argc > 2) {
        const QDir icons(QString::fromLocal8Bit(argv[2]));
        for (const int size : {16, 32, 48, 64, 128, 256}) {
            const QString sizeFolder = QStringLiteral("%1x%1/apps").arg(size);
            QDir().mkpath(icons.filePath(sizeFolder));
            const QString path = icons.filePath(sizeFolder + QStringLiteral("/kestravin.png"));
            if (!Write(DrawProgramIcon(size), path)) {
                std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
                return 1;
            }
            std::printf("%s %dx%d\n", qPrintable(path), size, size);
        }
    }
    return 0;
}
