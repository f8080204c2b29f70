// Every translation of the program's texts against the texts its sources ask for: complete,
// finished, with the placeholders and mnemonics of the English text, and typeset as the language
// wants.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

const QString SourceDirectory = QStringLiteral(CAMBIO_SOURCE_DIR);

struct Message {
    bool numerus = false;
    QStringList translations;   // one, or one per plural form
    bool unfinished = false;
};

// The messages of the "Cambio" context of a .ts file, by source text.
QMap<QString, Message> readCatalogue(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QMap<QString, Message> messages;
    QString context, source;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"name") {
                context = xml.readElementText();
            } else if (xml.name() == u"message") {
                message = Message{};
                message.numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
            } else if (xml.name() == u"source") {
                source = xml.readElementText();
            } else if (xml.name() == u"translation") {
                message.unfinished = !xml.attributes().value(QLatin1String("type")).isEmpty();
                if (!message.numerus)
                    message.translations.append(xml.readElementText());
            } else if (xml.name() == u"numerusform") {
                message.translations.append(xml.readElementText());
            }
        } else if (xml.isEndElement() && xml.name() == u"message" && context == u"Cambio") {
            messages.insert(source, message);
        }
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(path) << ": " << qPrintable(xml.errorString());
    return messages;
}

// Every key that the sources hand to FXLocalizedString, adjacent literals joined as the compiler
// joins them.
QSet<QString> keysOfTheSources()
{
    static const QRegularExpression call(
        QStringLiteral(R"re(FXLocalizedString::(?:text|format)\(\s*((?:"(?:[^"\\]|\\.)*"\s*)+))re"));
    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    QSet<QString> keys;
    QDirIterator files(SourceDirectory + QStringLiteral("/src"), {QStringLiteral("*.cpp")},
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

QStringList languages()
{
    QStringList found;
    for (const QString &file : QDir(SourceDirectory + QStringLiteral("/resources/translations"))
                                   .entryList({QStringLiteral("cambio_*.ts")})) {
        found.append(file.mid(7).chopped(3));
    }
    return found;
}

QString catalogueOf(const QString &language)
{
    return SourceDirectory + QStringLiteral("/resources/translations/cambio_") + language
        + QStringLiteral(".ts");
}

}

TEST(Translations, EveryKeyOfTheSourcesIsTranslatedAndFinishedInEveryLanguage)
{
    const QSet<QString> keys = keysOfTheSources();
    ASSERT_GT(keys.size(), 100);
    const QMap<QString, Message> english = readCatalogue(catalogueOf(QStringLiteral("en")));
    for (const QString &key : keys) {
        if (isName(key)) {
            EXPECT_TRUE(english.contains(key)) << "English has no text for " << qPrintable(key);
        }
    }
    ASSERT_GE(languages().size(), 2);
    for (const QString &language : languages()) {
        if (language == u"en")
            continue;
        const QMap<QString, Message> messages = readCatalogue(catalogueOf(language));
        for (const QString &key : keys) {
            const auto message = messages.constFind(key);
            if (message == messages.cend()) {
                ADD_FAILURE() << qPrintable(language) << " has no text for " << qPrintable(key);
                continue;
            }
            EXPECT_FALSE(message->unfinished) << qPrintable(language) << ": " << qPrintable(key);
            for (const QString &translation : message->translations)
                EXPECT_FALSE(translation.trimmed().isEmpty()) << qPrintable(language) << ": " << qPrintable(key);
        }
        for (const QString &key : messages.keys())
            EXPECT_TRUE(keys.contains(key)) << qPrintable(language) << " translates " << qPrintable(key)
                                            << ", which no source asks for";
    }
}

// Each text keeps the placeholders and mnemonics of the English one, and the typography a careful
// translator keeps: no straight quotes where the English has curly ones, an ellipsis character
// rather than three dots, and in French a no-break space before the double punctuation marks.
TEST(Translations, KeepThePlaceholdersAndMnemonicsOfTheEnglishTextAndAreTypesetAsTheirLanguageWants)
{
    static const QRegularExpression frenchBreakingSpace(QStringLiteral(R"re([^\x{a0}\x{202f}][:;?!»]|«[^\x{a0}\x{202f}])re"));
    // A URL's or a time's colon is not punctuation.
    static const QRegularExpression notProse(QStringLiteral(R"re(\w+://\S+|%@)re"));
    const QMap<QString, Message> english = readCatalogue(catalogueOf(QStringLiteral("en")));
    for (const QString &language : languages()) {
        const QMap<QString, Message> messages = readCatalogue(catalogueOf(language));
        for (auto message = messages.cbegin(); message != messages.cend(); ++message) {
            const QString original = english.contains(message.key())
                ? english[message.key()].translations.value(0)
                : message.key();
            for (const QString &translation : message->translations) {
                const std::string where = language.toStdString() + ": " + translation.toStdString();
                EXPECT_EQ(placeholders(translation), placeholders(original)) << where;
                EXPECT_EQ(mnemonics(translation), mnemonics(original)) << where;
                EXPECT_FALSE(translation.contains(u'"')) << where;
                EXPECT_FALSE(translation.contains(QStringLiteral("..."))) << where;
                EXPECT_FALSE(language == u"fr" && frenchBreakingSpace.match(QString(translation).remove(notProse)).hasMatch())
                    << where;
            }
        }
    }
}
