#include "FXLocalizedString.h"
#include "ScopedEnvironment.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

// Answers like an installed translation of the program's texts.
class GermanTexts : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "Cambio") == 0 && qstrcmp(sourceText, "Updated %@") == 0)
            return QStringLiteral("Aktualisiert: %@");
        return {};
    }
};

}

TEST(LocalizedString, IsTheKeyWithoutATranslationAndTheTranslationFilledWithItsOneArgument)
{
    EXPECT_EQ(FXLocalizedString::text("Updating…"), u"Updating…");
    EXPECT_EQ(FXLocalizedString::format("Updated %@", QStringLiteral("14:05")), u"Updated 14:05");
    EXPECT_EQ(FXLocalizedString::format("NoPlaceholder", QStringLiteral("x")), u"NoPlaceholder");

    GermanTexts german;
    QCoreApplication::installTranslator(&german);
    // An argument that itself holds "%@" must come out as it is.
    EXPECT_EQ(FXLocalizedString::format("Updated %@", QStringLiteral("%@ 14:05")), u"Aktualisiert: %@ 14:05");
    QCoreApplication::removeTranslator(&german);
}

// The languages of the texts, from the environment as gettext reads it; the number format's
// LC_NUMERIC never counts.
TEST(LocalizedString, LanguagesComeFromTheEnvironmentAsGettextReadsThem)
{
    struct Case {
        const char *language, *all, *messages, *lang, *numeric;
        const char *expected;   // the languages, joined by ":"
    };
    const Case cases[] = {
        {nullptr, nullptr, nullptr, nullptr, nullptr, ""},
        {nullptr, nullptr, nullptr, "de_DE.UTF-8", nullptr, "de_DE:de"},
        {nullptr, nullptr, "fr_FR.UTF-8", "de_DE.UTF-8", nullptr, "fr_FR:fr"},
        {nullptr, "pt_BR.UTF-8", "fr_FR.UTF-8", "de_DE.UTF-8", nullptr, "pt_BR:pt"},
        {"", "", "", "he_IL.UTF-8", nullptr, "he_IL:he"},
        {"zh_CN:fr_FR:fr", "de_DE.UTF-8", nullptr, nullptr, nullptr, "zh_CN:zh:fr_FR:fr"},
        {"ar_EG", nullptr, "fa_IR.UTF-8", nullptr, nullptr, "ar_EG:ar"},
        {"uk", nullptr, "POSIX", nullptr, nullptr, ""},
        {"tr", nullptr, nullptr, "C.UTF-8", nullptr, ""},
        {"it", nullptr, nullptr, nullptr, nullptr, ""},
        {nullptr, nullptr, "sr_RS.UTF-8@latin", nullptr, nullptr, "sr_RS:sr"},
        {nullptr, nullptr, nullptr, "en_GB.UTF-8", "de_DE.UTF-8", "en_GB:en"},
        {nullptr, nullptr, nullptr, nullptr, "de_DE.UTF-8", ""},
    };
    for (const Case &c : cases) {
        const auto value = [](const char *v) {
            return v ? std::optional(QByteArray(v)) : std::nullopt;
        };
        const ScopedEnvironment language("LANGUAGE", value(c.language));
        const ScopedEnvironment all("LC_ALL", value(c.all));
        const ScopedEnvironment messages("LC_MESSAGES", value(c.messages));
        const ScopedEnvironment lang("LANG", value(c.lang));
        const ScopedEnvironment numeric("LC_NUMERIC", value(c.numeric));
        EXPECT_EQ(FXLocalizedString::languagesFromEnvironment().join(u':'), QLatin1String(c.expected))
            << "LANGUAGE=" << (c.language ? c.language : "-") << " LC_ALL=" << (c.all ? c.all : "-")
            << " LC_MESSAGES=" << (c.messages ? c.messages : "-") << " LANG=" << (c.lang ? c.lang : "-");
    }
}
