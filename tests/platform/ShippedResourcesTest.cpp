// Checks of the data the program ships beside its code: the pictures
// (decoded as the windows decode them), the sounds and music (valid PCM
// WAV that the media system can play), and the two help documents.
#include "platform/JpegImage.h"

#include "TestPaths.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

namespace {

QString ShippedPicture(const char* name)
{
    return QString::fromStdString(SourceDir()) + QStringLiteral("/resources/pictures/") + QString::fromLatin1(name);
}

// Mean brightness (0..255) of a rectangle of the picture.
double MeanBrightness(const QImage& image, const QRect& area)
{
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (area.width() * area.height());
}

} // namespace

TEST(ShippedPictures, JpegPicturesDecodeToTheirWindowSizes)
{
    const struct {
        const char* name;
        QSize size;
    } pictures[] = {
        {"title.jpg", QSize(640, 480)},
        {"mediaplayer.jpg", QSize(274, 116)},
        {"about.jpg", QSize(450, 209)},
    };
    for (const auto& picture : pictures) {
        QString error;
        const QImage image = LoadJpeg(ShippedPicture(picture.name), &error);
        ASSERT_FALSE(image.isNull()) << picture.name << ": " << error.toStdString();
        EXPECT_EQ(image.size(), picture.size) << picture.name;
        // A real picture, not a flat fill: the brightness varies.
        const QRect whole = image.rect();
        int darkest = 255, lightest = 0;
        for (int y = 0; y < whole.height(); y += 7)
            for (int x = 0; x < whole.width(); x += 7) {
                const int gray = qGray(image.pixel(x, y));
                darkest = std::min(darkest, gray);
                lightest = std::max(lightest, gray);
            }
        EXPECT_GT(lightest - darkest, 100) << picture.name;
    }
}

TEST(ShippedPictures, TitleArtLeavesDarkRoomForTheSilverLabels)
{
    QString error;
    const QImage title = LoadJpeg(ShippedPicture("title.jpg"), &error);
    ASSERT_FALSE(title.isNull()) << error.toStdString();
    // The start screen writes its silver (#C0C0C0) labels in these boxes.
    const QRect labels[] = {QRect(168, 136, 294, 107), QRect(232, 224, 158, 107), QRect(264, 328, 101, 107)};
    for (const QRect& label : labels)
        EXPECT_LT(MeanBrightness(title, label), 70.0) << label.x() << "," << label.y();
}

TEST(ShippedPictures, SmallPicturesHaveTheirSizesAndTransparency)
{
    const struct {
        const char* name;
        QSize size;
    } pictures[] = {
        {"knight-red.png", QSize(23, 33)},    {"knight-white.png", QSize(23, 33)},
        {"knight-red@2x.png", QSize(46, 66)}, {"knight-white@2x.png", QSize(46, 66)},
        {"printer.png", QSize(16, 16)},
    };
    for (const auto& picture : pictures) {
        const QImage image(ShippedPicture(picture.name));
        ASSERT_FALSE(image.isNull()) << picture.name;
        EXPECT_EQ(image.size(), picture.size) << picture.name;
        EXPECT_TRUE(image.hasAlphaChannel()) << picture.name;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << picture.name;
        EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() - 2)), 255) << picture.name;
    }

    // The knights are the game window board's own pieces: the commonest
    // colour of each is that of its side's knight in the board's custom
    // sheet (red Black pieces, grey White pieces).
    const auto commonest = [](const QImage& image, const QRect& area) {
        std::map<QRgb, int> counts;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) == 255 && (pixel & 0xFFFFFF) != 0xFFFFFF)
                    ++counts[pixel | 0xFF000000];
            }
        return std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })
            ->first;
    };
    const QImage sheet(QString::fromStdString(SourceDir()) + QStringLiteral("/resources/pieces/CUSTOMSET.bmp"));
    ASSERT_FALSE(sheet.isNull());
    for (const char* suffix : {"", "@2x"}) {
        SCOPED_TRACE(suffix);
        const QImage red(ShippedPicture((std::string("knight-red") + suffix + ".png").c_str()));
        const QImage white(ShippedPicture((std::string("knight-white") + suffix + ".png").c_str()));
        EXPECT_EQ(QColor(commonest(red, red.rect())), QColor(commonest(sheet, QRect(40, 80, 40, 40))));
        EXPECT_EQ(QColor(commonest(white, white.rect())), QColor(commonest(sheet, QRect(40, 0, 40, 40))));
        EXPECT_GT(qRed(commonest(red, red.rect())), 2 * qGreen(commonest(red, red.rect())));
        EXPECT_GT(qGray(commonest(white, white.rect())), 150);
    }

    const QImage icon(ShippedPicture("icon.png"));
    ASSERT_FALSE(icon.isNull());
    EXPECT_GE(icon.width(), 64);
    EXPECT_EQ(icon.width(), icon.height());
}

TEST(ShippedPictures, ResourceFileListsExistingPictures)
{
    QFile qrc(QString::fromStdString(SourceDir()) + QStringLiteral("/resources/app.qrc"));
    ASSERT_TRUE(qrc.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(qrc.readAll());
    const QRegularExpression entry(QStringLiteral("<file>([^<]+)</file>"));
    QStringList listed;
    for (auto match = entry.globalMatch(text); match.hasNext();)
        listed << match.next().captured(1);
    for (const char* name :
         {"pictures/title.jpg", "pictures/mediaplayer.jpg", "pictures/about.jpg", "pictures/knight-red.png",
          "pictures/knight-white.png", "pictures/printer.png", "pictures/icon.png"})
        EXPECT_TRUE(listed.contains(QString::fromLatin1(name))) << name;
    for (const QString& file : listed)
        EXPECT_TRUE(QFile::exists(QString::fromStdString(SourceDir()) + QStringLiteral("/resources/") + file))
            << file.toStdString();
}

namespace {

QString ResourcePath(const QString& relative)
{
    return QString::fromStdString(SourceDir()) + QStringLiteral("/resources/") + relative;
}

struct WavInfo {
    bool valid = false;
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    double seconds = 0;
    double peak = 0; // 0..1
};

std::uint32_t LittleEndian(const QByteArray& data, qsizetype at, int bytes)
{
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(data[at + i]);
    return value;
}

// Walks the RIFF chunks of a WAV file: its "fmt " chunk and the samples of
// its "data" chunk, which must lie wholly inside the file.
WavInfo ReadWav(const QString& path)
{
    WavInfo info;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return info;
    const QByteArray data = file.readAll();
    if (data.size() < 12 || data.left(4) != "RIFF" || data.mid(8, 4) != "WAVE")
        return info;
    bool haveFormat = false;
    for (qsizetype at = 12; at + 8 <= data.size();) {
        const QByteArray id = data.mid(at, 4);
        const qsizetype size = LittleEndian(data, at + 4, 4);
        const qsizetype body = at + 8;
        if (body + size > data.size())
            return info;
        if (id == "fmt " && size >= 16) {
            info.format = static_cast<int>(LittleEndian(data, body, 2));
            info.channels = static_cast<int>(LittleEndian(data, body + 2, 2));
            info.sampleRate = static_cast<int>(LittleEndian(data, body + 4, 4));
            info.bitsPerSample = static_cast<int>(LittleEndian(data, body + 14, 2));
            haveFormat = true;
        } else if (id == "data" && haveFormat && info.bitsPerSample == 16 && info.channels > 0) {
            const qsizetype frames = size / (2 * info.channels);
            info.seconds = static_cast<double>(frames) / info.sampleRate;
            for (qsizetype i = 0; i + 1 < size; i += 2) {
                const auto sample = static_cast<std::int16_t>(LittleEndian(data, body + i, 2));
                info.peak = std::max(info.peak, std::abs(sample) / 32768.0);
            }
            info.valid = true;
        }
        at = body + size + (size & 1);
    }
    return info;
}

} // namespace

TEST(ShippedSounds, EffectsAndMusicArePlayablePcmOfFittingLength)
{
    const struct {
        const char* path;
        double minSeconds;
        double maxSeconds;
    } sounds[] = {
        {"FX/click.wav", 0.01, 0.15},
        {"FX/click2.wav", 0.02, 0.3},
        {"FX/lowtime.wav", 0.2, 0.5},
        {"MUSICAS/Abertura.wav", 20.0, 40.0},
    };
    for (const auto& sound : sounds) {
        const QString path = ResourcePath(QString::fromLatin1(sound.path));
        const WavInfo wav = ReadWav(path);
        ASSERT_TRUE(wav.valid) << sound.path;
        EXPECT_EQ(wav.format, 1) << sound.path << " is not plain PCM";
        EXPECT_EQ(wav.bitsPerSample, 16) << sound.path;
        EXPECT_GE(wav.sampleRate, 22050) << sound.path;
        EXPECT_GE(wav.seconds, sound.minSeconds) << sound.path;
        EXPECT_LE(wav.seconds, sound.maxSeconds) << sound.path;
        EXPECT_GT(wav.peak, 0.1) << sound.path << " is nearly silent";
        EXPECT_LT(wav.peak, 0.99) << sound.path << " clips";
        EXPECT_LT(QFile(path).size(), 2 * 1024 * 1024) << sound.path;
    }
    // The hover tick is the softer of the two.
    EXPECT_LT(ReadWav(ResourcePath(QStringLiteral("FX/click.wav"))).peak,
              ReadWav(ResourcePath(QStringLiteral("FX/click2.wav"))).peak);
}

namespace {

// The document's text, or an empty string when it is missing or is not
// valid UTF-8.
QString ReadUtf8Document(const QString& relative)
{
    QFile file(ResourcePath(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(file.readAll());
    return decoder.hasError() ? QString() : text;
}

QSet<QString> Captures(const QString& text, const QString& pattern)
{
    QSet<QString> found;
    const QRegularExpression expression(pattern);
    for (auto match = expression.globalMatch(text); match.hasNext();)
        found.insert(match.next().captured(1));
    return found;
}

} // namespace

TEST(ShippedDocuments, HelpDocumentsAreUtf8HtmlWithWorkingLinks)
{
    for (const char* name : {"DOC/JOGO.html", "DOC/HISTORIA.html"}) {
        const QString text = ReadUtf8Document(QString::fromLatin1(name));
        ASSERT_FALSE(text.isEmpty()) << name << " is missing or not UTF-8";
        EXPECT_TRUE(text.startsWith(QStringLiteral("<!DOCTYPE html>"))) << name;
        EXPECT_TRUE(text.contains(QStringLiteral("<meta charset=\"utf-8\">"))) << name;
        EXPECT_TRUE(text.contains(QStringLiteral("lang=\"pt-BR\""))) << name;
        EXPECT_TRUE(text.trimmed().endsWith(QStringLiteral("</html>"))) << name;
        // Every link inside the page leads to an anchor that exists.
        const QSet<QString> ids = Captures(text, QStringLiteral("id=\"([^\"]+)\""));
        const QSet<QString> targets = Captures(text, QStringLiteral("href=\"#([^\"]+)\""));
        EXPECT_FALSE(targets.isEmpty()) << name;
        for (const QString& target : targets)
            EXPECT_TRUE(ids.contains(target)) << name << ": no anchor " << target.toStdString();
        // Nothing is left unclosed among the sectioning and list elements.
        for (const char* tag : {"h2", "h3", "table", "ul", "ol", "p", "pre", "nav", "main"}) {
            const QString open = QStringLiteral("<%1[ >]").arg(QString::fromLatin1(tag));
            const QString close = QStringLiteral("</%1>").arg(QString::fromLatin1(tag));
            EXPECT_EQ(text.count(QRegularExpression(open)), text.count(close)) << name << " <" << tag << ">";
        }
    }
}

TEST(ShippedDocuments, RulesUseTheProgramsOwnWords)
{
    const QString rules = ReadUtf8Document(QStringLiteral("DOC/JOGO.html"));
    ASSERT_FALSE(rules.isEmpty());
    // The menu items, boxes and status texts as the game window shows them.
    for (const char* words : {"Novo Jogo",
                              "Super Fácil",
                              "Fácil",
                              "Médio",
                              "Difícil",
                              "Super Difícil",
                              "Carregar",
                              "Salvar",
                              "Imprimir",
                              "Computador",
                              "Humano",
                              "Peça capturada!",
                              "Peão promovido!",
                              "Cheque!",
                              "Cheque Mate!",
                              "Empate!",
                              "Movimento ilegal!",
                              "roque",
                              "en passant",
                              "promo",
                              "afogad",
                              "material insuficiente",
                              "repetição"})
        EXPECT_TRUE(rules.contains(QString::fromUtf8(words))) << words;
    // The game file's example is the real 64-character initial position.
    EXPECT_TRUE(rules.contains(QStringLiteral("rnbqkbnrpppppppp") + QString(32, QLatin1Char(' ')) +
                               QStringLiteral("PPPPPPPPRNBQKBNR")));
    // Black's lines of the move list examples are indented by 14 blanks.
    EXPECT_TRUE(rules.contains(QString(14, QLatin1Char(' ')) + QStringLiteral("E7-E5")));
    EXPECT_FALSE(rules.contains(QString(15, QLatin1Char(' ')) + QStringLiteral("E7-E5")));

    const QString history = ReadUtf8Document(QStringLiteral("DOC/HISTORIA.html"));
    for (const char* words : {"chaturanga", "Pérsia", "shatranj", "Europa", "Damiano", "Kasparov", "Deep Blue"})
        EXPECT_TRUE(history.contains(QString::fromUtf8(words))) << words;
}

TEST(ShippedDocuments, EnglishDocumentsFollowThePortugueseOnes)
{
    for (const char* pair : {"JOGO", "HISTORIA"}) {
        const QString name = QString::fromLatin1(pair);
        const QString portuguese = ReadUtf8Document(QStringLiteral("DOC/%1.html").arg(name));
        const QString english = ReadUtf8Document(QStringLiteral("DOC/%1_en.html").arg(name));
        ASSERT_FALSE(english.isEmpty()) << pair << "_en.html is missing or not UTF-8";
        EXPECT_TRUE(english.startsWith(QStringLiteral("<!DOCTYPE html>"))) << pair;
        EXPECT_TRUE(english.contains(QStringLiteral("lang=\"en\""))) << pair;
        EXPECT_TRUE(english.trimmed().endsWith(QStringLiteral("</html>"))) << pair;
        // The same look and the same sections, so that the two read alike.
        const auto style = [](const QString& text) {
            return text.section(QStringLiteral("<style>"), 1).section(QStringLiteral("</style>"), 0, 0);
        };
        EXPECT_EQ(style(english), style(portuguese)) << pair;
        EXPECT_EQ(Captures(english, QStringLiteral("id=\"([^\"]+)\"")),
                  Captures(portuguese, QStringLiteral("id=\"([^\"]+)\"")))
            << pair;
        for (const char* tag : {"h2", "h3", "table", "tr", "ul", "ol", "li", "p", "pre", "div", "nav", "main"}) {
            const QString open = QStringLiteral("<%1[ >]").arg(QString::fromLatin1(tag));
            const QString close = QStringLiteral("</%1>").arg(QString::fromLatin1(tag));
            EXPECT_EQ(english.count(QRegularExpression(open)), portuguese.count(QRegularExpression(open)))
                << pair << " <" << tag << ">";
            EXPECT_EQ(english.count(QRegularExpression(open)), english.count(close)) << pair << " <" << tag << ">";
        }
        // The move-list examples are the program's own output in either language.
        const QSet<QString> examples = Captures(portuguese, QStringLiteral("<pre>([^<]*)</pre>"));
        EXPECT_EQ(Captures(english, QStringLiteral("<pre>([^<]*)</pre>")), examples) << pair;
    }
    // The English interface's words, as the English game window shows them.
    const QString rules = ReadUtf8Document(QStringLiteral("DOC/JOGO_en.html"));
    for (const char* words :
         {"New Game",       "Very Easy", "Easy",       "Medium",   "Hard",          "Very Hard",
          "Load",           "Save",      "Print",      "Computer", "Human",         "Piece captured!",
          "Pawn promoted!", "Check!",    "Checkmate!", "Draw!",    "Illegal move!", "Chess › Difficulty",
          "Help › Rules",   "castl",     "en passant", "stalemate"})
        EXPECT_TRUE(rules.contains(QString::fromUtf8(words))) << words;
}
