#include "FXPropertyList.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimeZone>

#include <plist/plist.h>

#include <gtest/gtest.h>

#include <clocale>

namespace {

const QString seedPath = QStringLiteral(CAMBIO_RESOURCES_DIR "/CurrencyRates.plist");

QDateTime utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int ms = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, ms), QTimeZone::utc());
}

// QVariant's == compares numbers across types and dates across time zones; its debug text names
// them, so a qlonglong read back as a double, or a date in local time, fails the comparison.
void expectSameDocument(const std::optional<QVariantMap> &read, const QVariantMap &expected)
{
    ASSERT_TRUE(read) << qPrintable(QDebug::toString(expected));
    EXPECT_EQ(*read, expected);
    EXPECT_EQ(QDebug::toString(*read).toStdString(), QDebug::toString(expected).toStdString());
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

TEST(PropertyList, ReadsBackWhatItWroteInBothForms)
{
    std::vector<std::pair<QVariant, QVariant>> trips = {
        {42, 42LL}, {QStringList{QStringLiteral("USD")}, QVariantList{QStringLiteral("USD")}},
        {QVariantHash{{QStringLiteral("a"), QVariantMap{}}}, QVariantMap{{QStringLiteral("a"), QVariantMap{}}}},
        {utc(2026, 9, 29, 12, 0, 0, 999), utc(2026, 9, 29, 12)},   // the XML form holds whole seconds
        {utc(2000, 12, 31, 23, 59, 59, 500), utc(2000, 12, 31, 23, 59, 59)},   // never later, before 2001
        {QDateTime(QDate(2026, 3, 29), QTime(3, 30), QTimeZone(7200)), utc(2026, 3, 29, 1, 30)}};
    for (const QVariant &same : QVariantList{false, std::numeric_limits<qlonglong>::min(), 0.1 + 0.2, 1.2017405e-05,
                                             2.0, QStringLiteral("<a>&amp;</a> € 🙂"), QByteArray("\0\x01\xff", 3),
                                             utc(2026, 9, 29), utc(2069, 1, 19, 3, 14, 7),
                                             utc(1932, 12, 13, 20, 45, 52)})
        trips.emplace_back(same, same);
    for (const auto &[written, read] : trips) {
        const QVariantMap expected{{QStringLiteral("value"), read}};
        const std::optional<QByteArray> xml = FXPropertyList::xmlData({{QStringLiteral("value"), written}});
        ASSERT_TRUE(xml) << qPrintable(QDebug::toString(expected));
        for (const QByteArray &form : {*xml, binaryForm(*xml)})
            expectSameDocument(FXPropertyList::readDictionary(form), expected);
    }
}

QVariantMap buried(const QVariant &value)
{
    return {{QStringLiteral("fine"), 1},
            {QStringLiteral("list"), QVariantList{QVariantMap{{QStringLiteral("x"), value}}}}};
}

QVariant nestedLists(int depth)
{
    QVariant value = QVariantList{};
    while (--depth > 0)
        value = QVariantList{value};
    return value;
}

// Writing fails whole rather than leave a value out.
TEST(PropertyList, RefusesToWriteWhatItCannotKeep)
{
    for (const QVariant &value : QVariantList{QVariant(), QDate(2026, 9, 29), std::numeric_limits<qulonglong>::max(),
                                              QDateTime(), utc(1932, 12, 13, 20, 45, 51), utc(2069, 1, 19, 3, 14, 8),
                                              QString(QChar::Null), QVariantMap{{QString(QChar::Null), 1}},
                                              nestedLists(300)})
        EXPECT_FALSE(FXPropertyList::xmlData(buried(value))) << qPrintable(QDebug::toString(value).left(200));
}

TEST(PropertyList, ReadsNoneFromWhatIsNoDictionary)
{
    const QByteArray header = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">";
    const QByteArray tooDeep = header + "<dict><key>a</key>" + QByteArray("<array>").repeated(5000)
                               + QByteArray("</array>").repeated(5000) + "</dict></plist>";
    const QByteArray keyedArchive =
        binaryForm(*FXPropertyList::xmlData({{QStringLiteral("a"), 1}})).replace("\x10\x01", 2, "\x80\x01", 2);
    for (const QByteArray &data : QByteArrayList{QByteArray(), R"({"EUR": {"from_base": 0.8}})",
                                                 header + "<dict><key>a</key><real>1</real></plist>",
                                                 header + "<array><real>1</real></array></plist>", keyedArchive,
                                                 tooDeep, binaryForm(tooDeep)})
        EXPECT_FALSE(FXPropertyList::readDictionary(data)) << data.left(60).toStdString();
}

// Each rate's inverse is rounded on its own, so the product misses 1 by at most 4.4e-8: a number
// read wrongly (cut at its separator, its exponent lost) shows at once.
TEST(PropertyListSeed, ReadsTheFileInBothFormsButNoneOfItWhenCut)
{
    const std::optional<QVariantMap> seed = FXPropertyList::readDictionaryFromFile(seedPath);
    ASSERT_TRUE(seed);
    EXPECT_EQ(seed->value(QStringLiteral("Date")), QVariant(utc(2026, 9, 29)));
    const QVariantMap rates = seed->value(QStringLiteral("CurrencyRates")).toMap();
    EXPECT_EQ(rates.size(), 162);
    for (auto entry = rates.cbegin(); entry != rates.cend(); ++entry) {
        const QVariant fromBase = entry->toMap().value(QStringLiteral("from_base"));
        const QVariant toBase = entry->toMap().value(QStringLiteral("to_base"));
        EXPECT_TRUE(fromBase.typeId() == QMetaType::Double && toBase.typeId() == QMetaType::Double)
            << qPrintable(entry.key());
        EXPECT_NEAR(fromBase.toDouble() * toBase.toDouble(), 1.0, 5e-8) << qPrintable(entry.key());
    }
    EXPECT_EQ(rates.value(QStringLiteral("BTC")).toMap().value(QStringLiteral("to_base")).toDouble(), 83212.63997315);

    QFile file(seedPath);
    const QByteArray binary = file.open(QIODevice::ReadOnly) ? binaryForm(file.readAll()) : QByteArray();
    expectSameDocument(FXPropertyList::readDictionary(binary), *seed);
    for (qsizetype length = 0; length < binary.size(); ++length)
        EXPECT_FALSE(FXPropertyList::readDictionary(binary.first(length))) << length;
}

TEST(PropertyListSeed, ReadsAndWritesNumbersTheSameUnderADecimalCommaLocale)
{
    // glibc finds a locale with a decimal comma, compiled here with the system's localedef, through LOCPATH.
    QTemporaryDir folder;
    QFile definition(folder.filePath(QStringLiteral("comma.def")));
    ASSERT_TRUE(definition.open(QIODevice::WriteOnly));
    definition.write("LC_NUMERIC\ndecimal_point \",\"\nthousands_sep \".\"\ngrouping 3\nEND LC_NUMERIC\n");
    definition.close();
    QProcess::execute(QStringLiteral("localedef"),
                      {QStringLiteral("-c"), QStringLiteral("--quiet"), QStringLiteral("-i"), definition.fileName(),
                       folder.filePath(QStringLiteral("comma"))});
    const std::optional<QByteArray> previousPath =
        qEnvironmentVariableIsSet("LOCPATH") ? std::optional(qgetenv("LOCPATH")) : std::nullopt;
    qputenv("LOCPATH", QFile::encodeName(folder.path()));
    const locale_t decimalComma = newlocale(LC_ALL_MASK, "comma", locale_t{});
    previousPath ? qputenv("LOCPATH", *previousPath) : qunsetenv("LOCPATH");
    if (!decimalComma)
        GTEST_SKIP() << "no locale with a decimal comma can be made here";

    const std::optional<QVariantMap> inCLocale = FXPropertyList::readDictionaryFromFile(seedPath);
    ASSERT_TRUE(inCLocale);
    const locale_t previous = uselocale(decimalComma);
    const std::optional<QVariantMap> read = FXPropertyList::readDictionaryFromFile(seedPath);
    const std::optional<QByteArray> written = read ? FXPropertyList::xmlData(*read) : std::nullopt;
    EXPECT_EQ(uselocale(previous), decimalComma);
    freelocale(decimalComma);
    expectSameDocument(read, *inCLocale);
    ASSERT_TRUE(written);
    expectSameDocument(FXPropertyList::readDictionary(*written), *inCLocale);
}

TEST(PropertyListFile, ReplacesTheOldFileOnlyWhenWholeAndFailsWhereNoFileCanBe)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("CurrencyRates.plist"));
    const QVariantMap document{{QStringLiteral("m"), 2.5}};
    ASSERT_TRUE(FXPropertyList::writeDictionaryToFile({{QStringLiteral("n"), 1LL}}, path));
    ASSERT_TRUE(FXPropertyList::writeDictionaryToFile(document, path));
    EXPECT_EQ(FXPropertyList::readDictionaryFromFile(path), document);
    EXPECT_FALSE(FXPropertyList::writeDictionaryToFile(buried(QVariant()), path));
    EXPECT_EQ(FXPropertyList::readDictionaryFromFile(path), document);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    EXPECT_FALSE(FXPropertyList::readDictionaryFromFile(folder.filePath(QStringLiteral("missing.plist"))));
    EXPECT_FALSE(FXPropertyList::writeDictionaryToFile(document, folder.filePath(QStringLiteral("missing/x.plist"))));
}

}
