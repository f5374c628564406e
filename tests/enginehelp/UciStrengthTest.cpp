// The options an installed engine is set to a rating with, from what it
// offers: UCI_LimitStrength with UCI_Elo, else its Skill Level, else none.
#include "enginehelp/UciStrength.h"

#include <gtest/gtest.h>

namespace {

QMap<QString, TUciOption> Offered(std::initializer_list<const char*> lines)
{
    QMap<QString, TUciOption> offered;
    for (const char* line : lines) {
        QString name;
        TUciOption option;
        EXPECT_TRUE(ParseUciOption(QString::fromLatin1(line), name, option)) << line;
        offered.insert(name, option);
    }
    return offered;
}

using Options = std::vector<std::pair<QString, QString>>;

} // namespace

TEST(UciStrength, ReadsOptionLinesWithNamesOfSeveralWords)
{
    QString name;
    TUciOption option;
    ASSERT_TRUE(ParseUciOption(u"option name Skill Level type spin default 20 min -20 max 20", name, option));
    EXPECT_EQ(name, "Skill Level");
    EXPECT_EQ(option.Type, "spin");
    EXPECT_EQ(option.Min, -20);
    EXPECT_EQ(option.Max, 20);
    ASSERT_TRUE(ParseUciOption(u"option name UCI_Chess960 type check default false", name, option));
    EXPECT_EQ(name, "UCI_Chess960");
    EXPECT_EQ(option.Type, "check");
    for (const char16_t* bad :
         {u"option name type spin", u"option Hash type spin", u"info depth 3", u"option name Hash type"})
        EXPECT_FALSE(ParseUciOption(QStringView(bad), name, option)) << QString::fromUtf16(bad).toStdString();
}

TEST(UciStrength, PrefersTheProtocolsRatingAndClampsItToTheEnginesRange)
{
    const auto stockfish = Offered({"option name Skill Level type spin default 20 min 0 max 20",
                                    "option name UCI_LimitStrength type check default false",
                                    "option name UCI_Elo type spin default 1320 min 1320 max 3190"});
    EXPECT_EQ(StrengthOptions(stockfish, 1800), (Options{{"UCI_LimitStrength", "true"}, {"UCI_Elo", "1800"}}));
    // Below the person's scale: the weakest the scale offers.
    EXPECT_EQ(StrengthOptions(stockfish, 100), (Options{{"UCI_LimitStrength", "true"}, {"UCI_Elo", "1350"}}));
    EXPECT_EQ(StrengthOptions(stockfish, StrongestEngineElo), (Options{{"UCI_LimitStrength", "false"}}));
    const auto narrow = Offered({"option name UCI_LimitStrength type check default false",
                                 "option name UCI_Elo type spin default 1600 min 1600 max 2000"});
    EXPECT_EQ(StrengthOptions(narrow, 1400), (Options{{"UCI_LimitStrength", "true"}, {"UCI_Elo", "1600"}}));
}

TEST(UciStrength, FallsBackToTheSkillLevelSpreadOverTheScale)
{
    const auto skill = Offered({"option name Skill Level type spin default 20 min 0 max 20"});
    EXPECT_EQ(StrengthOptions(skill, WeakestEngineElo), (Options{{"Skill Level", "0"}}));
    EXPECT_EQ(StrengthOptions(skill, StrongestEngineElo), (Options{{"Skill Level", "20"}}));
    EXPECT_EQ(StrengthOptions(skill, (WeakestEngineElo + StrongestEngineElo) / 2), (Options{{"Skill Level", "10"}}));
    const auto fairy = Offered({"option name Skill Level type spin default 20 min -20 max 20"});
    EXPECT_EQ(StrengthOptions(fairy, WeakestEngineElo), (Options{{"Skill Level", "-20"}}));
    EXPECT_TRUE(StrengthOptions(Offered({"option name Hash type spin default 16 min 1 max 1024"}), 2000).empty());
}
