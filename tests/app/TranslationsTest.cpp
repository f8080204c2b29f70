// Every translation of the program's texts, as the programs load them, against the texts its
// sources ask for: complete, with the placeholders and mnemonics of the English text, and typeset
// as the language wants.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Every key that the sources hand to FXLocalizedString, adjacent literals joined as the compiler
// joins them.
QSet<QString> keysOfTheSources()
{
    static const QRegularExpression call(
        QStringLiteral(R"re(FXLocalizedString::(?:text|format)\(\s*((?:"(?:[^"\\]|\\.)*"\s*)+))re"));
    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    QSet<QString> keys;
    QDirIterator files(QStringLiteral(CAMBIO_SOURCE_DIR "/src"), {QStringLiteral("*.cpp")},
                       QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QString code = QString::fromUtf8(file.readAll());
        for (const QRegularExpressionMatch &match : call.globalMatch(code)) {
            QString key;
            for (const QRegularExpressionMatch &part : literal.globalMatch(match.captured(1)))
                key += part.captured(1).replace(QStringLiteral("\\\""), QStringLiteral("\""));
            keys.insert(key);
        }
    }
    return keys;
}

// The placeholders of a text in order of their numbers: "%@", "%1", "%L1", "%n".
QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral(R"re(%(?:@|L?\d|n))re"));
    QStringList found;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

// How many mnemonics ("&x", not "&&") a text marks.
qsizetype mnemonics(const QString &text)
{
    return text.count(u'&') - 2 * text.count(QStringLiteral("&&"));
}

// A key that names a text rather than being its English ("FeedbackIntroduction").
bool isName(const QString &key)
{
    static const QRegularExpression name(QStringLiteral("^[A-Z][a-z]+[A-Z][A-Za-z]+$"));
    return name.match(key).hasMatch();
}

// The catalogues built into the programs, by language ("de", "pt_BR").
std::map<QString, std::unique_ptr<QTranslator>> catalogues()
{
    std::map<QString, std::unique_ptr<QTranslator>> found;
    for (const QString &file : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("cambio_*.qm")})) {
        auto &catalogue = found[file.mid(7).chopped(3)] = std::make_unique<QTranslator>();
        EXPECT_TRUE(catalogue->load(QStringLiteral(":/i18n/") + file)) << qPrintable(file);
    }
    return found;
}

}

// Each text of the sources is translated in every language, keeps the placeholders and mnemonics
// of the English one, and the typography a careful translator keeps: no straight quotes where the
// English has curly ones, an ellipsis character rather than three dots, and in French a no-break
// space before the double punctuation marks.
TEST(Translations, EveryTextOfTheSourcesIsTranslatedAsItsEnglishAndTypesetAsItsLanguageWants)
{
    static const QRegularExpression frenchBreakingSpace(QStringLiteral(R"re([^\x{a0}\x{202f}][:;?!»]|«[^\x{a0}\x{202f}])re"));
    // A URL's or a time's colon is not punctuation.
    static const QRegularExpression notProse(QStringLiteral(R"re(\w+://\S+|%@)re"));
    const QSet<QString> keys = keysOfTheSources();
    ASSERT_GT(keys.size(), 100);
    const auto all = catalogues();
    ASSERT_GE(all.size(), 17u);
    for (const QString &key : keys) {
        const QString english = all.at(QStringLiteral("en"))->translate("Cambio", key.toUtf8());
        const QString original = english.isEmpty() ? key : english;
        EXPECT_FALSE(english.isEmpty() && isName(key)) << "English has no text for " << qPrintable(key);
        for (const auto &[language, catalogue] : all) {
            const QString translation = catalogue->translate("Cambio", key.toUtf8());
            const std::string where = language.toStdString() + ": " + key.toStdString();
            // English writes most texts as their keys.
            if (language == u"en" && translation.isEmpty())
                continue;
            EXPECT_FALSE(translation.trimmed().isEmpty()) << where;
            EXPECT_EQ(placeholders(translation), placeholders(original)) << where;
            EXPECT_EQ(mnemonics(translation), mnemonics(original)) << where;
            EXPECT_FALSE(translation.contains(u'"')) << where;
            EXPECT_FALSE(translation.contains(QStringLiteral("..."))) << where;
            EXPECT_FALSE(language == u"fr" && frenchBreakingSpace.match(QString(translation).remove(notProse)).hasMatch())
                << where;
        }
    }
}
