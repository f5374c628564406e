#include "enginehelp/UciInfo.h"

#include <QRegularExpression>

namespace {

QList<QStringView> Words(QStringView line)
{
    QList<QStringView> words;
    for (QStringView word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        word = word.trimmed();
        if (!word.isEmpty())
            words.append(word);
    }
    return words;
}

bool ReadInt64(const QList<QStringView>& words, qsizetype& i, std::int64_t& value)
{
    if (i + 1 >= words.size())
        return false;
    bool ok = false;
    value = words[++i].toLongLong(&ok);
    return ok;
}

bool ReadInt(const QList<QStringView>& words, qsizetype& i, int& value)
{
    std::int64_t wide = 0;
    if (!ReadInt64(words, i, wide) || wide < INT32_MIN || wide > INT32_MAX)
        return false;
    value = static_cast<int>(wide);
    return true;
}

} // namespace

bool IsUciMoveText(QStringView text)
{
    if (text.size() != 4 && text.size() != 5)
        return false;
    const auto file = [](QChar c) { return c >= QLatin1Char('a') && c <= QLatin1Char('h'); };
    const auto rank = [](QChar c) { return c >= QLatin1Char('1') && c <= QLatin1Char('8'); };
    if (!file(text[0]) || !rank(text[1]) || !file(text[2]) || !rank(text[3]))
        return false;
    return text.size() == 4 || QStringView(u"nbrq").contains(text[4]);
}

bool ParseUciInfo(QStringView line, TUciInfo& info)
{
    const QList<QStringView> words = Words(line);
    if (words.isEmpty() || words[0] != u"info")
        return false;
    info = TUciInfo();
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QStringView key = words[i];
        if (key == u"string")
            return false;
        bool ok = true;
        if (key == u"depth") {
            ok = ReadInt(words, i, info.Depth);
        } else if (key == u"seldepth") {
            ok = ReadInt(words, i, info.SelDepth);
        } else if (key == u"multipv") {
            ok = ReadInt(words, i, info.MultiPv);
        } else if (key == u"nodes") {
            ok = ReadInt64(words, i, info.Nodes);
        } else if (key == u"nps") {
            ok = ReadInt64(words, i, info.Nps);
        } else if (key == u"time") {
            ok = ReadInt(words, i, info.TimeMs);
        } else if (key == u"score") {
            if (i + 1 >= words.size())
                return false;
            const QStringView kind = words[++i];
            if (kind != u"cp" && kind != u"mate")
                return false;
            info.Mate = kind == u"mate";
            ok = ReadInt(words, i, info.Score);
            info.HasScore = ok;
            while (ok && i + 1 < words.size() && (words[i + 1] == u"lowerbound" || words[i + 1] == u"upperbound")) {
                info.Bound = true;
                ++i;
            }
        } else if (key == u"pv") {
            // The line runs to the end; it stops at the first word that is no move.
            while (i + 1 < words.size() && IsUciMoveText(words[i + 1]))
                info.Pv.append(words[++i].toString());
        } else if (key == u"currmove" || key == u"hashfull" || key == u"tbhits" || key == u"cpuload" ||
                   key == u"currmovenumber" || key == u"sbhits") {
            ++i;
        }
        if (!ok)
            return false;
    }
    return true;
}

bool ParseUciBestMove(QStringView line, QString& move, QString& ponder)
{
    const QList<QStringView> words = Words(line);
    if (words.size() < 2 || words[0] != u"bestmove")
        return false;
    move = words[1].toString();
    ponder.clear();
    if (words.size() >= 4 && words[2] == u"ponder")
        ponder = words[3].toString();
    return true;
}
