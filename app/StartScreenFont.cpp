// Choosing and sizing the start screen's label font.
#include "app/StartScreenFont.h"

#include <QFontDatabase>
#include <QFontMetrics>

QStringList StartScreenFontFamilies()
{
    return {QStringLiteral("Tomson Talks")};
}

QFont StartScreenFont(const QString& widestText, int maxWidth, int nominalPixelSize)
{
    QFont font;
    bool found = false;
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : StartScreenFontFamilies()) {
        if (installed.contains(family, Qt::CaseInsensitive)) {
            font.setFamily(family);
            found = true;
            break;
        }
    }
    if (!found) {
        font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
        font.setStyleHint(QFont::SansSerif);
        font.setBold(true);
    }
    // The layout was made for a narrow face; shrink a wider one until the
    // widest caption fits the space the layout gives it.
    int size = nominalPixelSize;
    for (; size > 8; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(widestText) <= maxWidth)
            break;
    }
    font.setPixelSize(size);
    return font;
}
