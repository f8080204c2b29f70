#include "FXPropertyList.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QTimeZone>

#include <plist/plist.h>

#include <gtest/gtest.h>

#include <atomic>
#include <clocale>
#include <langinfo.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

const QString seedPath = QStringLiteral(CAMBIO_RESOURCES_DIR "/CurrencyRates.plist");

QDateTime utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int ms = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, ms), QTimeZone::utc());
}

// A value with the type of every part spelled out, so that a qlonglong read back as a double, or a
// date in local time, fails the comparison and shows where.
QString described(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::QVariantMap: {
        QStringList entries;
        const QVariantMap map = value.toMap();
        for (auto entry = map.cbegin(); entry != map.cend(); ++entry)
            entries.append(entry.key() + u": " + described(entry.value()));
        return u'{' + entries.join(u", ") + u'}';
    }
    case QMetaType::QVariantList: {
        QStringList items;
        for (const QVariant &item : value.toList())
            items.append(described(item));
        return u'[' + items.join(u", ") + u']';
    }
    case QMetaType::Double:
        return u"double " + QString::number(value.toDouble(), 'g', 17);
    case QMetaType::QByteArray:
        return u"data " + QString::fromLatin1(value.toByteArray().toHex());
    case QMetaType::QDateTime:
        return u"date " + value.toDateTime().toString(Qt::ISODateWithMs);
    default:
        return QString::fromLatin1(value.typeName()) + u' ' + value.toString();
    }
}

QString describedDocument(const std::optional<QVariantMap> &map)
{
    return map ? described(QVariant(*map)) : QStringLiteral("none");
}

QByteArray binaryForm(const QByteArray &xml)
{
    plist_t root = nullptr;
    plist_from_memory(xml.constData(), static_cast<uint32_t>(xml.size()), &root);
    char *bytes = nullptr;
    uint32_t length = 0;
    plist_to_bin(root, &bytes, &length);
    QByteArray result(bytes, static_cast<qsizetype>(length));
    plist_to_bin_free(bytes);
    plist_free(root);
    return result;
}

QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A locale whose numbers have a decimal comma, compiled from a small definition with the system's
// localedef; glibc finds it through LOCPATH. Null when it cannot be made.
locale_t decimalCommaLocale()
{
    static QTemporaryDir folder;
    static const locale_t locale = [] {
        QFile definition(folder.filePath(QStringLiteral("comma.def")));
        if (!folder.isValid() || !definition.open(QIODevice::WriteOnly))
            return locale_t{};
        definition.write("LC_NUMERIC\ndecimal_point \",\"\nthousands_sep \".\"\ngrouping 3\nEND LC_NUMERIC\n");
        definition.close();
        QProcess localedef;
        localedef.start(QStringLiteral("localedef"),
                        {QStringLiteral("-c"), QStringLiteral("-i"), definition.fileName(), QStringLiteral("-f"),
                         QStringLiteral("ANSI_X3.4-1968"), folder.filePath(QStringLiteral("comma"))});
        localedef.waitForFinished();
        const std::optional<QByteArray> previous =
            qEnvironmentVariableIsSet("LOCPATH") ? std::optional(qgetenv("LOCPATH")) : std::nullopt;
        qputenv("LOCPATH", QFile::encodeName(folder.path()));
        locale_t made = nullptr;
        {
#if defined(__SANITIZE_ADDRESS__)
            // glibc's newlocale never frees the copy of LOCPATH that it splits into folders.
            const __lsan::ScopedDisabler keepsItsCopyOfTheSearchPath;
#endif
            made = newlocale(LC_ALL_MASK, "comma", locale_t{});
        }
        if (previous)
            qputenv("LOCPATH", *previous);
        else
            qunsetenv("LOCPATH");
        return made && QByteArray(nl_langinfo_l(RADIXCHAR, made)) == "," ? made : locale_t{};
    }();
    return locale;
}

class LocaleOnThisThread {
public:
    explicit LocaleOnThisThread(locale_t locale) : m_previous(uselocale(locale)) {}
    ~LocaleOnThisThread() { uselocale(m_previous); }

private:
    locale_t m_previous;
};

struct RoundTrip {
    const char *name;
    QVariant written;
    QVariant read;
};

void PrintTo(const RoundTrip &trip, std::ostream *out) { *out << trip.name; }

class PropertyListRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(PropertyListRoundTrip, ReadsBackWhatItWroteInBothForms)
{
    const QVariantMap document{{QStringLiteral("value"), GetParam().written}};
    const QString expected = described(QVariant(QVariantMap{{QStringLiteral("value"), GetParam().read}}));

    const std::optional<QByteArray> xml = FXPropertyList::xmlData(document);
    ASSERT_TRUE(xml);
    EXPECT_EQ(describedDocument(FXPropertyList::readDictionary(*xml)), expected);
    EXPECT_EQ(describedDocument(FXPropertyList::readDictionary(binaryForm(*xml))), expected);
}

INSTANTIATE_TEST_SUITE_P(Values, PropertyListRoundTrip, ::testing::Values(
    RoundTrip{"true", true, true},
    RoundTrip{"false", false, false},
    RoundTrip{"int", 42, 42LL},
    RoundTrip{"negative", -5LL, -5LL},
    RoundTrip{"largest", std::numeric_limits<qlonglong>::max(), std::numeric_limits<qlonglong>::max()},
    RoundTrip{"smallest", std::numeric_limits<qlonglong>::min(), std::numeric_limits<qlonglong>::min()},
    RoundTrip{"real", 3.6725, 3.6725},
    RoundTrip{"exponent form", 1.2017405e-05, 1.2017405e-05},
    RoundTrip{"every digit kept", 0.1 + 0.2, 0.1 + 0.2},
    RoundTrip{"whole real stays real", 2.0, 2.0},
    RoundTrip{"float", 0.5F, 0.5},
    RoundTrip{"empty string", QString(), QString()},
    RoundTrip{"markup in text", QStringLiteral("<a href=\"x\">&amp;</a>"), QStringLiteral("<a href=\"x\">&amp;</a>")},
    RoundTrip{"non-ASCII text", QStringLiteral("€ ¥ 日本 🙂"), QStringLiteral("€ ¥ 日本 🙂")},
    RoundTrip{"data", QByteArray("\0\x01\xff", 3), QByteArray("\0\x01\xff", 3)},
    RoundTrip{"date", utc(2026, 9, 29), utc(2026, 9, 29)},
    RoundTrip{"date before 2001", utc(1999, 12, 31, 23, 59, 59), utc(1999, 12, 31, 23, 59, 59)},
    RoundTrip{"date with an offset comes back in UTC",
              QDateTime(QDate(2026, 3, 29), QTime(3, 30), QTimeZone(7200)), utc(2026, 3, 29, 1, 30)},
    RoundTrip{"fraction of a second dropped", utc(2026, 9, 29, 12, 0, 0, 999), utc(2026, 9, 29, 12)},
    RoundTrip{"fraction before 2001 rounds down", utc(2000, 12, 31, 23, 59, 59, 500), utc(2000, 12, 31, 23, 59, 59)},
    RoundTrip{"latest date", utc(2069, 1, 19, 3, 14, 7), utc(2069, 1, 19, 3, 14, 7)},
    RoundTrip{"earliest date", utc(1932, 12, 13, 20, 45, 52), utc(1932, 12, 13, 20, 45, 52)},
    RoundTrip{"string list", QStringList{QStringLiteral("USD"), QStringLiteral("EUR")},
              QVariantList{QStringLiteral("USD"), QStringLiteral("EUR")}},
    RoundTrip{"mixed list", QVariantList{1, QStringLiteral("a"), QVariantList{true}, QVariantList{}},
              QVariantList{1LL, QStringLiteral("a"), QVariantList{true}, QVariantList{}}},
    RoundTrip{"nested dictionaries",
              QVariantMap{{QStringLiteral("EUR"), QVariantMap{{QStringLiteral("from_base"), 0.8}}},
                          {QStringLiteral("<&> € key"), QVariantMap{}}},
              QVariantMap{{QStringLiteral("EUR"), QVariantMap{{QStringLiteral("from_base"), 0.8}}},
                          {QStringLiteral("<&> € key"), QVariantMap{}}}},
    RoundTrip{"hash", QVariantHash{{QStringLiteral("a"), 1}}, QVariantMap{{QStringLiteral("a"), 1LL}}}));

QVariant nestedLists(int depth)
{
    QVariant value = QVariantList{};
    for (int level = 1; level < depth; ++level)
        value = QVariantList{value};
    return value;
}

struct Refusal {
    const char *name;
    QVariantMap document;
};

void PrintTo(const Refusal &refusal, std::ostream *out) { *out << refusal.name; }

class PropertyListRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(PropertyListRefusal, WritesNothingAndKeepsTheOldFile)
{
    EXPECT_FALSE(FXPropertyList::xmlData(GetParam().document));

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("CurrencyRates.plist"));
    const QVariantMap old{{QStringLiteral("Date"), utc(2026, 9, 29)}};
    ASSERT_TRUE(FXPropertyList::writeDictionaryToFile(old, path));
    const QByteArray before = fileContents(path);

    EXPECT_FALSE(FXPropertyList::writeDictionaryToFile(GetParam().document, path));
    EXPECT_EQ(fileContents(path), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("CurrencyRates.plist")});
}

QVariantMap buried(const QVariant &value)
{
    return {{QStringLiteral("fine"), 1}, {QStringLiteral("list"), QVariantList{2, QVariantMap{{QStringLiteral("x"), value}}}}};
}

INSTANTIATE_TEST_SUITE_P(Values, PropertyListRefusal, ::testing::Values(
    Refusal{"invalid value", buried(QVariant())},
    Refusal{"JSON null", buried(QVariant::fromValue(nullptr))},
    Refusal{"calendar date without time", buried(QDate(2026, 9, 29))},
    Refusal{"unsigned beyond qlonglong", buried(std::numeric_limits<qulonglong>::max())},
    Refusal{"invalid date", buried(QDateTime())},
    Refusal{"date too early", buried(utc(1932, 12, 13, 20, 45, 51))},
    Refusal{"date too late", buried(utc(2069, 1, 19, 3, 14, 8))},
    Refusal{"text with U+0000", buried(QString(QStringLiteral("a") + QChar::Null + u'b'))},
    Refusal{"key with U+0000", {{QString(QChar::Null) + u'k', 1}}},
    Refusal{"nested too deep", buried(nestedLists(300))}));

TEST(PropertyList, ReadsNestingUpToItsLimit)
{
    const QVariantMap reasonable{{QStringLiteral("deep"), nestedLists(200)}};
    const std::optional<QByteArray> xml = FXPropertyList::xmlData(reasonable);
    ASSERT_TRUE(xml);
    EXPECT_EQ(describedDocument(FXPropertyList::readDictionary(*xml)), described(QVariant(reasonable)));

    const QByteArray tooDeep = "<plist version=\"1.0\"><dict><key>a</key>" + QByteArray("<array>").repeated(5000)
                               + QByteArray("</array>").repeated(5000) + "</dict></plist>";
    EXPECT_FALSE(FXPropertyList::readDictionary(tooDeep));
    EXPECT_FALSE(FXPropertyList::readDictionary(binaryForm(tooDeep)));
}

class SeedDocument : public ::testing::Test {
protected:
    void SetUp() override
    {
        xml = fileContents(seedPath);
        ASSERT_FALSE(xml.isEmpty()) << qPrintable(seedPath);
    }

    // Each rate's inverse is rounded on its own, so the product misses 1 by at most 4.4e-8: a
    // number read wrongly (cut at its separator, its exponent lost) shows at once.
    static void expectSeedContents(const std::optional<QVariantMap> &document)
    {
        ASSERT_TRUE(document);
        EXPECT_EQ(document->value(QStringLiteral("Date")), QVariant(utc(2026, 9, 29)));
        const QVariantMap rates = document->value(QStringLiteral("CurrencyRates")).toMap();
        EXPECT_EQ(rates.size(), 162);
        for (auto entry = rates.cbegin(); entry != rates.cend(); ++entry) {
            const QVariantMap rate = entry.value().toMap();
            const QVariant fromBase = rate.value(QStringLiteral("from_base"));
            const QVariant toBase = rate.value(QStringLiteral("to_base"));
            ASSERT_EQ(fromBase.metaType(), QMetaType::fromType<double>()) << qPrintable(entry.key());
            ASSERT_EQ(toBase.metaType(), QMetaType::fromType<double>()) << qPrintable(entry.key());
            EXPECT_NEAR(fromBase.toDouble() * toBase.toDouble(), 1.0, 5e-8) << qPrintable(entry.key());
        }
        const QVariantMap btc = rates.value(QStringLiteral("BTC")).toMap();
        EXPECT_EQ(btc.value(QStringLiteral("from_base")).toDouble(), 1.2017405e-05);
        EXPECT_EQ(btc.value(QStringLiteral("to_base")).toDouble(), 83212.63997315);
        EXPECT_EQ(rates.value(QStringLiteral("AED")).toMap().value(QStringLiteral("from_base")).toDouble(), 3.6725);
    }

    QByteArray xml;
};

TEST_F(SeedDocument, ReadsFromTheFileInXml)
{
    expectSeedContents(FXPropertyList::readDictionaryFromFile(seedPath));
}

TEST_F(SeedDocument, ReadsTheSameInBinaryForm)
{
    const QByteArray binary = binaryForm(xml);
    ASSERT_TRUE(binary.startsWith("bplist00"));
    expectSeedContents(FXPropertyList::readDictionary(binary));
    EXPECT_EQ(describedDocument(FXPropertyList::readDictionary(binary)), describedDocument(FXPropertyList::readDictionary(xml)));
}

TEST_F(SeedDocument, SurvivesBeingWrittenAgain)
{
    const std::optional<QVariantMap> seed = FXPropertyList::readDictionary(xml);
    ASSERT_TRUE(seed);
    const std::optional<QByteArray> written = FXPropertyList::xmlData(*seed);
    ASSERT_TRUE(written);
    EXPECT_EQ(describedDocument(FXPropertyList::readDictionary(*written)), describedDocument(seed));
}

TEST_F(SeedDocument, ReadsAndWritesNumbersTheSameUnderADecimalCommaLocale)
{
    if (!decimalCommaLocale())
        GTEST_SKIP() << "no locale with a decimal comma can be made here";
    const QString inCLocale = describedDocument(FXPropertyList::readDictionary(xml));
    std::optional<QByteArray> written;
    {
        const LocaleOnThisThread decimalComma(decimalCommaLocale());
        expectSeedContents(FXPropertyList::readDictionary(xml));
        written = FXPropertyList::xmlData(*FXPropertyList::readDictionary(xml));
        EXPECT_EQ(uselocale(locale_t{}), decimalCommaLocale());
    }
    ASSERT_TRUE(written);
    EXPECT_FALSE(written->contains("<real>3,"));
    EXPECT_EQ(describedDocument(FXPropertyList::readDictionary(*written)), inCLocale);
}

TEST_F(SeedDocument, ReadsAlikeOnManyThreadsAtOnce)
{
    const QString expected = describedDocument(FXPropertyList::readDictionary(xml));
    const QByteArray binary = binaryForm(xml);
    std::atomic<int> mismatches{0};
    const auto readAndWrite = [&] {
        for (int round = 0; round < 20; ++round) {
            const std::optional<QVariantMap> fromXml = FXPropertyList::readDictionary(xml);
            const std::optional<QVariantMap> fromBinary = FXPropertyList::readDictionary(binary);
            const std::optional<QByteArray> written = fromXml ? FXPropertyList::xmlData(*fromXml) : std::nullopt;
            if (describedDocument(fromXml) != expected || describedDocument(fromBinary) != expected || !written
                || describedDocument(FXPropertyList::readDictionary(*written)) != expected)
                ++mismatches;
        }
    };

    // Made before the threads start: making it changes the environment.
    const locale_t mainThreadLocale = decimalCommaLocale() ? decimalCommaLocale() : LC_GLOBAL_LOCALE;
    QThreadPool pool;
    pool.setMaxThreadCount(4);
    for (int task = 0; task < 4; ++task)
        pool.start(readAndWrite);
    {
        const LocaleOnThisThread decimalComma(mainThreadLocale);
        readAndWrite();
    }
    pool.waitForDone();
    EXPECT_EQ(mismatches.load(), 0);
}

TEST_F(SeedDocument, NeverReadsPartOfATruncatedDocument)
{
    const QString whole = describedDocument(FXPropertyList::readDictionary(xml));
    for (qsizetype length = 0; length < xml.size(); length += 11) {
        const std::optional<QVariantMap> read = FXPropertyList::readDictionary(xml.first(length));
        if (read) {
            EXPECT_EQ(describedDocument(read), whole) << length;
        }
    }
    const QByteArray binary = binaryForm(xml);
    for (qsizetype length = 0; length < binary.size(); ++length)
        EXPECT_FALSE(FXPropertyList::readDictionary(binary.first(length))) << length;
}

TEST(PropertyList, SurvivesDamagedBinaryData)
{
    const QVariantMap document{{QStringLiteral("CurrencyRates"),
                                QVariantMap{{QStringLiteral("EUR"), QVariantMap{{QStringLiteral("from_base"), 0.8},
                                                                                {QStringLiteral("to_base"), 1.25}}}}},
                               {QStringLiteral("Date"), utc(2026, 9, 29)}};
    const QByteArray binary = binaryForm(*FXPropertyList::xmlData(document));
    // Whatever a damaged byte makes of the document, reading it must neither crash nor overrun.
    for (qsizetype index = 8; index < binary.size(); ++index) {
        for (const char flip : {'\x01', '\x80', '\xff'}) {
            QByteArray damaged = binary;
            damaged[index] = static_cast<char>(damaged[index] ^ flip);
            FXPropertyList::readDictionary(damaged);
        }
    }
}

struct Unreadable {
    const char *name;
    QByteArray data;
};

void PrintTo(const Unreadable &unreadable, std::ostream *out) { *out << unreadable.name; }

class PropertyListUnreadable : public ::testing::TestWithParam<Unreadable> {};

TEST_P(PropertyListUnreadable, ReadsAsNone)
{
    EXPECT_FALSE(FXPropertyList::readDictionary(GetParam().data));
}

const QByteArray xmlHeader = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">";

INSTANTIATE_TEST_SUITE_P(Values, PropertyListUnreadable, ::testing::Values(
    Unreadable{"empty", QByteArray()},
    Unreadable{"text", "USD 1.0\nEUR 0.8\n"},
    Unreadable{"JSON", R"({"EUR": {"from_base": 0.8}})"},
    Unreadable{"binary header alone", "bplist00"},
    Unreadable{"binary header and zeros", "bplist00" + QByteArray(40, '\0')},
    Unreadable{"unclosed dictionary", xmlHeader + "<dict><key>a</key><real>1</real></plist>"},
    Unreadable{"array root", xmlHeader + "<array><real>1</real></array></plist>"},
    Unreadable{"string root", xmlHeader + "<string>USD</string></plist>"},
    Unreadable{"binary array root", binaryForm(xmlHeader + "<array><real>1</real></array></plist>")},
    Unreadable{"keyed archive reference",
               binaryForm(*FXPropertyList::xmlData({{QStringLiteral("a"), 1}})).replace("\x10\x01", 2, "\x80\x01", 2)}));

TEST(PropertyList, ReadsAnEmptyDictionary)
{
    EXPECT_EQ(FXPropertyList::readDictionary(xmlHeader + "<dict/></plist>"), QVariantMap());
}

TEST(PropertyListFile, WritesAndReadsBackReplacingTheOldFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("CurrencyRates.plist"));
    const QVariantMap first{{QStringLiteral("n"), 1LL}};
    const QVariantMap second{{QStringLiteral("m"), 2.5}};

    ASSERT_TRUE(FXPropertyList::writeDictionaryToFile(first, path));
    EXPECT_EQ(FXPropertyList::readDictionaryFromFile(path), first);
    ASSERT_TRUE(FXPropertyList::writeDictionaryToFile(second, path));
    EXPECT_EQ(FXPropertyList::readDictionaryFromFile(path), second);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("CurrencyRates.plist")});
}

TEST(PropertyListFile, FailsWhereNoFileCanBe)
{
    QTemporaryDir folder;
    const QVariantMap document{{QStringLiteral("n"), 1LL}};
    EXPECT_FALSE(FXPropertyList::readDictionaryFromFile(folder.filePath(QStringLiteral("missing.plist"))));
    EXPECT_FALSE(FXPropertyList::readDictionaryFromFile(folder.path()));
    EXPECT_FALSE(FXPropertyList::writeDictionaryToFile(document, folder.filePath(QStringLiteral("missing/x.plist"))));
    EXPECT_FALSE(FXPropertyList::writeDictionaryToFile(document, folder.path()));
}

}
