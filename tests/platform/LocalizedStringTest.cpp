#include "FXLocalizedString.h"
#include "ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <list>

TEST(LocalizedString, IsTheKeyWithoutATranslationFilledWithItsOneArgumentAsItIs)
{
    EXPECT_EQ(FXLocalizedString::format("%@ updated", QStringLiteral("%@ 14:05")), u"%@ 14:05 updated");
    EXPECT_EQ(FXLocalizedString::format("NoPlaceholder", QStringLiteral("x")), u"NoPlaceholder");
}

// The languages of the texts, from the environment as gettext reads it: LANGUAGE unless the locale
// is C or POSIX, else LC_ALL, LC_MESSAGES, LANG; the number format's LC_NUMERIC never counts.
TEST(LocalizedString, LanguagesComeFromTheEnvironmentAsGettextReadsThem)
{
    const std::pair<const char *, const char *> cases[] = {   // the variables set, the languages
        {"", ""},
        {"LANG=de_DE.UTF-8", "de_DE:de"},
        {"LC_MESSAGES=fr_FR.UTF-8 LANG=de_DE.UTF-8", "fr_FR:fr"},
        {"LC_ALL=pt_BR.UTF-8 LC_MESSAGES=fr_FR.UTF-8 LANG=de_DE.UTF-8", "pt_BR:pt"},
        {"LANGUAGE= LC_ALL= LC_MESSAGES= LANG=he_IL.UTF-8", "he_IL:he"},
        {"LANGUAGE=zh_CN:fr_FR:fr LC_ALL=de_DE.UTF-8", "zh_CN:zh:fr_FR:fr"},
        {"LANGUAGE=ar_EG LC_MESSAGES=fa_IR.UTF-8", "ar_EG:ar"},
        {"LANGUAGE=uk LC_MESSAGES=POSIX", ""},
        {"LANGUAGE=tr LANG=C.UTF-8", ""},
        {"LANGUAGE=it", ""},
        {"LC_MESSAGES=sr_RS.UTF-8@latin", "sr_RS:sr"},
        {"LANG=en_GB.UTF-8 LC_NUMERIC=de_DE.UTF-8", "en_GB:en"},
        {"LC_NUMERIC=de_DE.UTF-8", ""}};
    for (const auto &[variables, expected] : cases) {
        const QStringList set = QString::fromLatin1(variables).split(u' ', Qt::SkipEmptyParts);
        std::list<ScopedEnvironment> environment;
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG", "LC_NUMERIC"}) {
            const auto found = std::find_if(set.begin(), set.end(), [name](const QString &variable) {
                return variable.section(u'=', 0, 0) == QLatin1String(name);
            });
            const QByteArray value = found == set.end() ? QByteArray() : found->section(u'=', 1).toLatin1();
            environment.emplace_back(name, found == set.end() ? std::nullopt : std::optional(value));
        }
        EXPECT_EQ(FXLocalizedString::languagesFromEnvironment().join(u':'), QLatin1String(expected))
            << variables;
    }
}
