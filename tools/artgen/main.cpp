// artgen <output folder>: draws the program's pictures and writes them
// into the folder (title.jpg, about.jpg, mediaplayer.jpg, knight-red.png,
// knight-white.png, printer.png, icon.png).
#include "Pictures.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

struct Output
{
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

}  // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: artgen <output folder>\n");
        return 2;
    }
    if (!LoadArtFonts()) {
        std::fprintf(stderr, "artgen: FreeSerif (fonts-freefont-ttf) is needed for the chess glyphs\n");
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(folder.path());

    const Output outputs[] = {
        {"title.jpg", DrawTitleArt},
        {"about.jpg", DrawAboutArt},
        {"mediaplayer.jpg", DrawMediaPlayerArt},
        {"knight-red.png", [] { return DrawSmallKnight(PieceFinish::Ruby); }},
        {"knight-white.png", [] { return DrawSmallKnight(PieceFinish::Snow); }},
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
    return 0;
}
