#include "FXHelpText.h"

#include <gtest/gtest.h>

TEST(HelpText, CountsTheColumnsATerminalGivesEachLetter)
{
    const struct { const char *text; int columns; } cases[] = {
        {"convert", 7},
        {"換算ツール", 10},                  // wide letters take two
        {"사용법", 6},
        {"e\u0301t\u00e9", 3},               // a combining accent takes none
        {"نرخ\u200cها", 5},                  // nor does Persian's zero-width non-joiner
        {"", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FXHelpText::columns(QString::fromUtf8(c.text)), c.columns) << c.text;
}

TEST(HelpText, WrapsWhereTheLanguageBreaksAndKeepsPathsAndQuotationsWhole)
{
    const struct { const char *text; int width; const char *lines; } cases[] = {
        {"the currencies the converter shows", 16, "the currencies|the converter|shows"},
        {"a\nb c", 10, "a|b c"},                                        // its own breaks stay
        {"in /root/.config/cambio-ratesd/cambio-ratesd.conf, one", 20,
         "in /root/.config/cambio-ratesd/cambio-ratesd.conf,|one"},      // too long, yet whole
        {"金額は現在のロケールで読み書きします。", 12, "金額は現在の|ロケールで読|み書きしま|す。"},
        {"통화 코드는 대소문자를 가리지 않습니다", 14, "통화 코드는|대소문자를|가리지|않습니다"},
        {"有効 (例: de_DE、ar_EG@numbers=latn)", 20, "有効 (例: de_DE、|ar_EG@numbers=latn)"},
        {"etwa „5 usd + 2 gbp in eur“ oder „1 usd“", 16, "etwa|„5 usd + 2 gbp in eur“|oder „1 usd“"},
        {"例:「100 usd in eur」です", 10, "例:|「100 usd in eur」|です"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FXHelpText::wrapped(QString::fromUtf8(c.text), c.width).join(u'|'), QString::fromUtf8(c.lines))
            << c.text;
}

TEST(HelpText, SetsDescriptionsBesideTheirSynopsesOrBelowALongOne)
{
    FXHelpText help(12);
    help.addHeading(QStringLiteral("Options:"));
    help.addEntry(QStringLiteral("--quiet"), QStringLiteral("no warning"));
    help.addEntry(QStringLiteral("--locale ID"), QStringLiteral("use the locale ID for amounts "
                                                                "instead of the current one, as "
                                                                "in de_DE"));
    EXPECT_EQ(help.text(), QStringLiteral("Options:\n"
                                          "  --quiet   no warning\n"
                                          "  --locale ID\n"
                                          "            use the locale ID for amounts instead of the current one, as in\n"
                                          "            de_DE\n"));
}
