#include "FXPropertyList.h"
#include "TestData.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include <plist/plist.h>

#include <gtest/gtest.h>

#include <bit>
#include <functional>

#include <sys/stat.h>
#include <unistd.h>

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

// libplist's own conversion from one form into the other, not the code under test.
QByteArray converted(const QByteArray &document, bool toBinary)
{
    plist_t root = nullptr;
    plist_from_memory(document.constData(), static_cast<uint32_t>(document.size()), &root);
    char *bytes = nullptr;
    uint32_t length = 0;
    toBinary ? plist_to_bin(root, &bytes, &length) : plist_to_xml(root, &bytes, &length);
    QByteArray result(bytes, static_cast<qsizetype>(length));
    toBinary ? plist_to_bin_free(bytes) : plist_to_xml_free(bytes);
    plist_free(root);
    return result;
}

QByteArray binaryForm(const QByteArray &xml) { return converted(xml, true); }
QByteArray xmlForm(const QByteArray &binary) { return converted(binary, false); }

// The values of a rates document and of a hand-edited one: numbers, text and dates.
TEST(PropertyList, ReadsBackWhatItWroteInBothForms)
{
    std::vector<std::pair<QVariant, QVariant>> trips = {
        {utc(2026, 9, 29, 12, 0, 0, 999), utc(2026, 9, 29, 12)},   // the XML form holds whole seconds
        {utc(2000, 12, 31, 23, 59, 59, 500), utc(2000, 12, 31, 23, 59, 59)},   // never later, before 2001
        {QDateTime(QDate(2026, 3, 29), QTime(3, 30), QTimeZone(7200)), utc(2026, 3, 29, 1, 30)}};
    for (const QVariant &same : QVariantList{0.1 + 0.2, 1.2017405e-05, 2.0,
                                             QStringLiteral("<a>&amp;</a> € 🙂"), utc(2069, 1, 19, 3, 14, 8),
                                             utc(9999, 12, 31, 23, 59, 59), utc(1932, 12, 13, 20, 45, 51),
                                             utc(1000, 1, 1)})
        trips.emplace_back(same, same);
    for (const auto &[written, read] : trips) {
        const QVariantMap expected{{QStringLiteral("value"), read}};
        const std::optional<QByteArray> binary = FXPropertyList::binaryData({{QStringLiteral("value"), written}});
        ASSERT_TRUE(binary) << qPrintable(QDebug::toString(expected));
        for (const QByteArray &form : {xmlForm(*binary), *binary})
            expectSameDocument(FXPropertyList::readDictionary(form), expected);
    }
}

QVariantMap buried(const QVariant &value)
{
    return {{QStringLiteral("fine"), 1},
            {QStringLiteral("list"), QVariantList{QVariantMap{{QStringLiteral("x"), value}}}}};
}

const QByteArray header = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">";

TEST(PropertyList, ReadsNoneFromWhatIsNoDictionary)
{
    const QByteArray keyedArchive =
        FXPropertyList::binaryData({{QStringLiteral("a"), 1}})->replace("\x10\x01", 2, "\x80\x01", 2);
    const QByteArray nullInKey =
        FXPropertyList::binaryData({{QStringLiteral("ab"), 1}})->replace("\x52" "ab", 3, "\x52" "a\0", 3);
    for (const QByteArray &data : QByteArrayList{QByteArray(), R"({"EUR": {"from_base": 0.8}})",
                                                 header + "<dict><key>a</key><real>1</real></plist>",
                                                 header + "<array><real>1</real></array></plist>", keyedArchive,
                                                 header + "<dict>words<key>a</key><true/></dict></plist>",
                                                 header + "<dict><key>a</key><real>1,5</real></dict></plist>",
                                                 header + "<dict/><dict/></plist>", nullInKey})
        EXPECT_FALSE(FXPropertyList::readDictionary(data)) << data.left(60).toStdString();
}

// A date without a zone is UTC, as libplist writes it.
TEST(PropertyList, ReadsADateWithoutAZoneAsUtcInBothForms)
{
    const QByteArray xml = header + "<dict><key>Date</key><date>2026-09-29T12:00:00</date></dict></plist>";
    for (const QByteArray &form : {xml, binaryForm(xml)})
        expectSameDocument(FXPropertyList::readDictionary(form), {{QStringLiteral("Date"), utc(2026, 9, 29, 12)}});
}

QByteArray nestedXml(int levels, bool closed = true)
{
    return header + "<dict><key>a</key>" + QByteArray("<array>").repeated(levels)
           + (closed ? QByteArray("</array>").repeated(levels) + "</dict></plist>" : QByteArray());
}

QByteArray bigEndian(quint64 value, int width)
{
    QByteArray bytes(width, '\0');
    for (int i = width - 1; i >= 0; --i, value >>= 8)
        bytes[i] = char(value & 0xff);
    return bytes;
}

// A binary document made by hand (libplist's own writer recurses, and makes only some kinds and
// widths): `objects` in this order, object 0 the root, references 4 bytes wide.
QByteArray binaryObjects(const QList<QByteArray> &objects)
{
    QByteArray document("bplist00");
    QByteArray table;
    for (const QByteArray &object : objects) {
        table += bigEndian(quint64(document.size()), 4);
        document += object;
    }
    return document + table + QByteArray(6, '\0') + char(4) + char(4) + bigEndian(quint64(objects.size()), 8)
           + bigEndian(0, 8) + bigEndian(quint64(document.size()), 8);
}

// The dictionary {key: value}, "a" unless another key object is given.
QByteArray binaryEntry(const QByteArray &value, const QByteArray &key = "\x51" "a")
{
    return binaryObjects({"\xD1" + bigEndian(1, 4) + bigEndian(2, 4), key, value});
}

// Object 0 is the dictionary {"a": object 2}; objects 2 and on are arrays, the one at `i` holding
// the indexes members(i).
QByteArray binaryArrays(int count, const std::function<QList<int>(int)> &members)
{
    QList<QByteArray> objects{"\xD1" + bigEndian(1, 4) + bigEndian(2, 4), "\x51" "a"};
    for (int i = 2; i < count + 2; ++i) {
        const QList<int> indexes = members(i);
        QByteArray array(1, char(0xA0 | indexes.size()));
        for (int index : indexes)
            array += bigEndian(quint64(index), 4);
        objects.append(array);
    }
    return binaryObjects(objects);
}

// Kinds and widths that other writers use read as the same values. Kinds without a value here,
// keys that are no text, half a surrogate pair and years past 9999 make the document unreadable.
TEST(PropertyList, ReadsWhatOtherBinaryWritersMake)
{
    const std::pair<QByteArray, QVariant> values[] = {
        {"\x10\xff", 255LL},
        {"\x13" + QByteArray(8, '\xff'), -1LL},
        {"\x14" + QByteArray(15, '\0') + '\x05', 5LL},
        {"\x22" + bigEndian(std::bit_cast<quint32>(1.5f), 4), 1.5},
        {"\x09", true},
        {QByteArray(1, '\x08'), false},
        {"\x33" + bigEndian(std::bit_cast<quint64>(-0.5), 8), utc(2000, 12, 31, 23, 59, 59)},
        {"\x43" "abc", QByteArray("abc")},
        {"\xC0", QVariantList()}};
    for (const auto &[value, expected] : values)
        expectSameDocument(FXPropertyList::readDictionary(binaryEntry(value)), {{QStringLiteral("a"), expected}});
    const QByteArray refused[] = {binaryEntry(QByteArray(1, '\0')), binaryEntry("\x0F"), binaryEntry("\x70"),
                                  binaryEntry("\x61" + bigEndian(0xD83D, 2)),
                                  binaryEntry("\x33" + bigEndian(std::bit_cast<quint64>(3.2e11), 8)),
                                  binaryEntry("\x09", "\x10\x02")};
    for (const QByteArray &data : refused)
        EXPECT_FALSE(FXPropertyList::readDictionary(data)) << data.toHex().toStdString();
}

// A value may sit 256 levels below the root. Deeper documents read as none without harm, also
// those that would exhaust a reader's stack or unfold into endless values.
TEST(PropertyList, ReadsNestingTo256LevelsAndNoneDeeperWithoutHarm)
{
    for (const QByteArray &form : {nestedXml(256), binaryForm(nestedXml(256))})
        EXPECT_TRUE(FXPropertyList::readDictionary(form));
    const int deep = 200000;
    const std::pair<const char *, QByteArray> refused[] = {
        {"257 levels", nestedXml(257)},
        {"257 levels, binary", binaryForm(nestedXml(257))},
        {"200000 levels", nestedXml(deep)},
        {"200000 levels, never closed", nestedXml(deep, false)},
        {"200000 levels, binary", binaryArrays(deep, [&](int i) { return i + 1 < deep + 2 ? QList{i + 1} : QList<int>{}; })},
        {"an array holding itself", binaryArrays(1, [](int i) { return QList{i}; })},
        {"2^40 values from 40 arrays", binaryArrays(40, [](int i) { return i < 41 ? QList{i + 1, i + 1} : QList<int>{}; })}};
    for (const auto &[name, data] : refused)
        EXPECT_FALSE(FXPropertyList::readDictionary(data)) << name;
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

// Files, links and other entries made in a temporary folder.
class PropertyListFile : public ::testing::Test {
protected:
    QString pathOf(const char *name) const { return folder.filePath(QString::fromLatin1(name)); }
    QByteArray encoded(const char *name) const { return QFile::encodeName(pathOf(name)); }
    std::optional<QVariantMap> read(const char *name) const { return FXPropertyList::readDictionaryFromFile(pathOf(name)); }
    bool write(const QVariantMap &dictionary, const char *name) const
    {
        return FXPropertyList::writeDictionaryToFile(dictionary, pathOf(name));
    }

    void plantFile(const char *name, const QByteArray &bytes) const
    {
        QFile file(pathOf(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void plantLink(const char *name, const QString &target) const
    {
        ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), encoded(name).constData()), 0);
    }
    bool isKind(const char *name, mode_t kind) const
    {
        struct stat status {};
        return ::lstat(encoded(name).constData(), &status) == 0 && (status.st_mode & S_IFMT) == kind;
    }

    QTemporaryDir folder;
    const QVariantMap document{{QStringLiteral("m"), 2.5}};
};

// Users link their dotfiles, so a link to a file is read. (What is no regular file is never read:
// see the tests of the rates table.)
TEST_F(PropertyListFile, ReadsFilesAndLinksToThemUpToTheLimit)
{
    const QByteArray xml = xmlForm(*FXPropertyList::binaryData(document));
    plantFile("at the limit", xml + QByteArray(FXPropertyList::maximumFileSize - xml.size(), ' '));
    plantFile("past the limit", xml + QByteArray(FXPropertyList::maximumFileSize + 1 - xml.size(), ' '));
    plantLink("link", pathOf("at the limit"));
    EXPECT_EQ(read("link"), document);
    EXPECT_FALSE(read("past the limit"));
}

// The new document always takes the place of the entry at the path itself: a link there is
// replaced, its target kept as it was; a FIFO or a folder is never replaced, and the write fails.
TEST_F(PropertyListFile, ReplacesTheEntryAtThePathAndNeverWhatALinkPointsTo)
{
    plantFile("target", "kept");
    plantLink("link to a file", pathOf("target"));
    ASSERT_EQ(::mkfifo(encoded("fifo").constData(), 0644), 0);
    plantLink("link to a fifo", pathOf("fifo"));
    plantLink("dangling link", pathOf("missing"));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("folder")));

    for (const char *name : {"nothing yet", "link to a file", "link to a fifo", "dangling link"}) {
        EXPECT_TRUE(write(document, name)) << name;
        EXPECT_TRUE(isKind(name, S_IFREG)) << name;
        EXPECT_EQ(read(name), document) << name;
    }
    EXPECT_EQ(contents(pathOf("target")), "kept");
    EXPECT_FALSE(QFile::exists(pathOf("missing")));
    for (const char *name : {"fifo", "folder", "missing folder/file"})
        EXPECT_FALSE(write(document, name)) << name;
    EXPECT_TRUE(isKind("fifo", S_IFIFO));
    EXPECT_TRUE(isKind("folder", S_IFDIR));
}

// Writing fails whole rather than leave a value out.
TEST_F(PropertyListFile, KeepsTheOldFileAndItsPermissionsUntilTheNewOneIsWhole)
{
    ASSERT_TRUE(write(document, "file"));
    ASSERT_TRUE(QFile::setPermissions(pathOf("file"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    for (const QVariant &value : QVariantList{QVariant(), utc(10000, 1, 1), QString(QChar::Null),
                                              QVariantMap{{QString(QChar::Null), 1}}})
        EXPECT_FALSE(write(buried(value), "file")) << qPrintable(QDebug::toString(value));
    EXPECT_EQ(read("file"), document);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    const QVariantMap replacement{{QStringLiteral("n"), 1LL}};
    EXPECT_TRUE(write(replacement, "file"));
    EXPECT_EQ(read("file"), replacement);
    EXPECT_EQ(QFile::permissions(pathOf("file")) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
}

// What writes killed mid-way left: removed once a minute old, since a younger one may be another
// process's write under way; nothing of another kind is touched.
TEST_F(PropertyListFile, RemovesItsOwnLeftoversOlderThanAMinute)
{
    const char *const planted[] = {"file.new-old", "file.new-young", "other.new-old", "file.old"};
    for (const char *name : planted)
        plantFile(name, "left");
    const QDateTime twoMinutesAgo = QDateTime::currentDateTime().addSecs(-120);
    for (const char *name : {"file.new-old", "other.new-old", "file.old"}) {
        QFile file(pathOf(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(twoMinutesAgo, QFileDevice::FileModificationTime));
    }
    ASSERT_TRUE(write(document, "file"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files, QDir::Name),
              (QStringList{u"file"_qs, u"file.new-young"_qs, u"file.old"_qs, u"other.new-old"_qs}));
}

}
