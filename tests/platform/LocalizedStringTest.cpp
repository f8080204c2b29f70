#include "FXLocalizedString.h"

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
