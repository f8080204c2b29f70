// The catalogues built into the programs against the texts the sources ask for.

#include <QDirIterator>
#include <QRegularExpression>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

// Every key that the sources hand to FXLocalizedString, adjacent literals joined.
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

// The placeholders of a text, sorted: "%@", "%1", "%L1", "%n".
QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral(R"re(%(?:@|L?\d|n))re"));
    QStringList found;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

}

TEST(Translations, EveryTextOfTheSourcesIsTranslatedWithThePlaceholdersAndMnemonicsOfItsEnglish)
{
    // A key that names its text rather than being its English ("FeedbackIntroduction").
    static const QRegularExpression name(QStringLiteral("^[A-Z][a-z]+[A-Z][A-Za-z]+$"));
    const auto mnemonics = [](const QString &text) { return text.count(u'&') - 2 * text.count(u"&&"_qs); };
    const QSet<QString> keys = keysOfTheSources();
    ASSERT_GT(keys.size(), 100);
    std::map<QString, std::unique_ptr<QTranslator>> all;   // by language ("de", "pt_BR")
    for (const QString &file : QDir(u":/i18n"_qs).entryList({u"cambio_*.qm"_qs})) {
        all[file.mid(7).chopped(3)] = std::make_unique<QTranslator>();
        EXPECT_TRUE(all[file.mid(7).chopped(3)]->load(u":/i18n/"_qs + file)) << qPrintable(file);
    }
    ASSERT_GE(all.size(), 17u);
    for (const QString &key : keys) {
        const QString english = all.at(u"en"_qs)->translate("Cambio", key.toUtf8());
        const QString original = english.isEmpty() ? key : english;
        EXPECT_FALSE(english.isEmpty() && name.match(key).hasMatch()) << "no English for " << qPrintable(key);
        for (const auto &[language, catalogue] : all) {
            const QString translation = catalogue->translate("Cambio", key.toUtf8());
            const std::string where = language.toStdString() + ": " + key.toStdString();
            // English writes most texts as their keys.
            if (language == u"en" && translation.isEmpty())
                continue;
            EXPECT_FALSE(translation.trimmed().isEmpty()) << where;
            EXPECT_EQ(placeholders(translation), placeholders(original)) << where;
            EXPECT_EQ(mnemonics(translation), mnemonics(original)) << where;
        }
    }
}
