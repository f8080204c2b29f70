#include "FXPropertyList.h"
#include "TestData.h"

#include <QDebug>
#include <QDir>
#include <QTemporaryDir>
#include <QTimeZone>

#include <plist/plist.h>

#include <gtest/gtest.h>

#include <bit>
#include <functional>

#include <sys/stat.h>

namespace {

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

// The values of a rates document and of a hand-edited one: numbers, text and dates.
TEST(PropertyList, ReadsBackWhatItWroteInBothForms)
{
    std::vector<std::pair<QVariant, QVariant>> trips = {
        {utc(2026, 9, 29, 12, 0, 0, 999), utc(2026, 9, 29, 12)},   // the XML form holds whole seconds
        {utc(2000, 12, 31, 23, 59, 59, 500), utc(2000, 12, 31, 23, 59, 59)},   // never later, before 2001
        {QDateTime(QDate(2026, 3, 29), QTime(3, 30), QTimeZone(7200)), utc(2026, 3, 29, 1, 30)}};
    for (const QVariant &same : QVariantList{0.1 + 0.2, 1.2017405e-05, 2.0, u"<a>&amp;</a> € 🙂"_qs,
                                             utc(9999, 12, 31, 23, 59, 59), utc(1932, 12, 13, 20, 45, 51),
                                             utc(1000, 1, 1)})
        trips.emplace_back(same, same);
    for (const auto &[written, read] : trips) {
        const std::optional<QByteArray> binary = FXPropertyList::binaryData({{u"a"_qs, written}});
        ASSERT_TRUE(binary) << qPrintable(QDebug::toString(written));
        for (const QByteArray &form : {converted(*binary, false), *binary})
            expectSameDocument(FXPropertyList::readDictionary(form), {{u"a"_qs, read}});
    }
}

QByteArray xml(const QByteArray &body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">" + body + "</plist>";
}

QByteArray nestedXml(int levels, bool closed = true)
{
    const QByteArray open = "<dict><key>a</key>" + QByteArray("<array>").repeated(levels);
    return closed ? xml(open + QByteArray("</array>").repeated(levels) + "</dict>") : xml(open).chopped(8);
}

QByteArray bigEndian(quint64 value, int width = 4)
{
    QByteArray bytes(width, '\0');
    for (int i = width - 1; i >= 0; --i, value >>= 8)
        bytes[i] = char(value & 0xff);
    return bytes;
}

// A binary document made by hand (libplist's own writer recurses, and makes only some kinds and
// widths): object 0 is the dictionary {key: object 2}, key "a" unless another is given, and
// `more` follow from object 3 on; references are 4 bytes wide.
QByteArray binary(const QByteArray &value, const QByteArray &key = "\x51" "a",
                  const QByteArrayList &more = {})
{
    QByteArray document("bplist00");
    QByteArray table;
    for (const QByteArray &object : QByteArrayList{"\xD1" + bigEndian(1) + bigEndian(2), key, value} + more) {
        table += bigEndian(quint64(document.size()));
        document += object;
    }
    return document + table + QByteArray(6, '\0') + char(4) + char(4) + bigEndian(quint64(more.size() + 3), 8)
           + bigEndian(0, 8) + bigEndian(quint64(document.size()), 8);
}

// Objects 2 and on are `count` arrays, the one at `i` holding the indexes members(i).
QByteArray binaryArrays(int count, const std::function<QList<int>(int)> &members)
{
    QList<QByteArray> arrays;
    for (int i = 2; i < count + 2; ++i) {
        QByteArray array(1, char(0xA0 | members(i).size()));
        for (int index : members(i))
            array += bigEndian(quint64(index));
        arrays.append(array);
    }
    return binary(arrays.takeFirst(), "\x51" "a", arrays);
}

// A date of the binary form, in seconds from 2001.
QByteArray binaryDate(double seconds) { return '\x33' + bigEndian(std::bit_cast<quint64>(seconds), 8); }

// What other writers make and what hand-edited or damaged files hold, with the value read under "a"
// (None: the document reads as none; an invalid QVariant: it reads). Kinds and widths that other
// binary writers use read as the same values. A value may sit 256 levels below the root; deeper
// documents read as none without harm, also those that would exhaust a reader's stack or unfold
// into endless values.
TEST(PropertyList, ReadsWhatOtherWritersMakeAndNothingElse)
{
    const int deep = 200000;
    constexpr std::nullopt_t None = std::nullopt;
    const std::pair<QByteArray, std::optional<QVariant>> documents[] = {
        // A date without a zone is UTC, as libplist writes it.
        {xml("<dict><key>a</key><date>2026-09-29T12:00:00</date></dict>"), utc(2026, 9, 29, 12)},
        {binary("\x10\xff"), 255LL}, {binary("\x13" + QByteArray(8, '\xff')), -1LL},
        {binary("\x14" + QByteArray(15, '\0') + '\x05'), 5LL},
        {binary("\x22" + bigEndian(std::bit_cast<quint32>(1.5f))), 1.5},
        {binary("\x09"), true}, {binary(QByteArray(1, '\x08')), false},
        {binary(binaryDate(-0.5)), utc(2000, 12, 31, 23, 59, 59)},
        {binary("\x43" "abc"), QByteArray("abc")}, {binary("\xC0"), QVariantList()},
        {nestedXml(256), QVariant()}, {converted(nestedXml(256), true), QVariant()},
        {QByteArray(), None}, {xml("<dict><key>a</key><real>1</real>"), None},
        {xml("<array><real>1</real></array>"), None}, {xml("<dict/><dict/>"), None},
        {xml("<dict>words<key>a</key><true/></dict>"), None},
        {xml("<dict><key>a</key><real>1,5</real></dict>"), None},
        {binary("\x80\x01"), None},   // a keyed archive's UID
        {binary("\x10\x01", "\x52" + QByteArray("a\0", 2)), None}, {binary("\x10\x01", "\x10\x02"), None},
        {binary(QByteArray(1, '\0')), None}, {binary("\x0F"), None}, {binary("\x70"), None},
        {binary("\x61" + bigEndian(0xD83D, 2)), None},   // half a surrogate pair
        {binary(binaryDate(3.2e11)), None},   // after the year 9999
        {nestedXml(257), None}, {converted(nestedXml(257), true), None},
        {nestedXml(deep), None}, {nestedXml(deep, false), None},
        {binaryArrays(deep, [&](int i) { return i + 1 < deep + 2 ? QList{i + 1} : QList<int>{}; }), None},
        {binaryArrays(1, [](int i) { return QList{i}; }), None},   // an array holding itself
        {binaryArrays(40, [](int i) { return i < 41 ? QList{i + 1, i + 1} : QList<int>{}; }), None}};
    for (int row = 0; row < int(std::size(documents)); ++row) {
        const auto &[document, value] = documents[row];
        const std::optional<QVariantMap> read = FXPropertyList::readDictionary(document);
        if (value && value->isValid())
            expectSameDocument(read, {{u"a"_qs, *value}});
        else
            EXPECT_EQ(bool(read), bool(value)) << "row " << row;
    }
}

// Each form is read by a reader of its own: what the XML one reads is what libplist makes of it.
TEST(PropertyList, ReadsTheSeedInBothFormsButNoneOfItWhenCut)
{
    const QString path = QStringLiteral(CAMBIO_RESOURCES_DIR "/CurrencyRates.plist");
    const std::optional<QVariantMap> seed = FXPropertyList::readDictionaryFromFile(path);
    ASSERT_TRUE(seed);
    const QVariantMap rates = seed->value(u"CurrencyRates"_qs).toMap();
    EXPECT_EQ(rates.value(u"BTC"_qs).toMap().value(u"to_base"_qs), 83212.63997315);
    const QByteArray binary = converted(contents(path), true);
    expectSameDocument(FXPropertyList::readDictionary(binary), *seed);
    for (qsizetype length = 0; length < binary.size(); ++length)
        EXPECT_FALSE(FXPropertyList::readDictionary(binary.first(length))) << length;
}

// Files, links and other entries made in a temporary folder.
class PropertyListFile : public ::testing::Test {
protected:
    QString pathOf(const char *name) const { return folder.filePath(QString::fromLatin1(name)); }
    std::optional<QVariantMap> read(const char *name) const
    {
        return FXPropertyList::readDictionaryFromFile(pathOf(name));
    }
    bool write(const QVariantMap &dictionary, const char *name) const
    {
        return FXPropertyList::writeDictionaryToFile(dictionary, pathOf(name));
    }
    void plant(const char *name, const QByteArray &bytes, int secondsOld = 0) const
    {
        QFile file(pathOf(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush());
        const QDateTime modified = QDateTime::currentDateTime().addSecs(-secondsOld);
        ASSERT_TRUE(file.setFileTime(modified, QFile::FileModificationTime));
    }
    mode_t kind(const char *name) const
    {
        struct stat status {};
        const bool exists = ::lstat(QFile::encodeName(pathOf(name)).constData(), &status) == 0;
        return exists ? status.st_mode & S_IFMT : 0;
    }

    QTemporaryDir folder;
    const QVariantMap document{{QStringLiteral("m"), 2.5}};
};

// Users link their dotfiles, so a link to a file is read, up to the limit. The new document always
// takes the place of the entry at the path itself: a link there is replaced, its target kept as it
// was; a FIFO or a folder is never replaced, and the write fails.
TEST_F(PropertyListFile, ReadsThroughLinksButReplacesTheEntryAtThePathAndNeverWhatALinkPointsTo)
{
    const QByteArray text = converted(*FXPropertyList::binaryData(document), false);
    plant("at the limit", text + QByteArray(FXPropertyList::maximumFileSize - text.size(), ' '));
    plant("past the limit", text + QByteArray(FXPropertyList::maximumFileSize + 1 - text.size(), ' '));
    ASSERT_TRUE(QFile::link(pathOf("at the limit"), pathOf("link to a file")));
    EXPECT_EQ(read("link to a file"), document);
    EXPECT_FALSE(read("past the limit"));

    ASSERT_EQ(::mkfifo(QFile::encodeName(pathOf("fifo")).constData(), 0644), 0);
    ASSERT_TRUE(QFile::link(pathOf("fifo"), pathOf("link to a fifo")));
    ASSERT_TRUE(QFile::link(pathOf("missing"), pathOf("dangling link")));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("folder")));
    for (const char *name : {"nothing yet", "link to a file", "link to a fifo", "dangling link"}) {
        EXPECT_TRUE(write(document, name)) << name;
        EXPECT_EQ(kind(name), S_IFREG) << name;
    }
    EXPECT_EQ(contents(pathOf("at the limit")).size(), FXPropertyList::maximumFileSize);
    EXPECT_EQ(kind("missing"), 0);
    for (const char *name : {"fifo", "folder", "missing folder/file"})
        EXPECT_FALSE(write(document, name)) << name;
    EXPECT_EQ(kind("fifo"), S_IFIFO);
    EXPECT_EQ(kind("folder"), S_IFDIR);
}

// Writing fails whole rather than leave a value out, and the old file stays until the new one is whole.
TEST_F(PropertyListFile, KeepsTheOldFileAndItsPermissionsUntilTheNewOneIsWhole)
{
    ASSERT_TRUE(write(document, "file"));
    const QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(pathOf("file"), permissions));
    for (const QVariant &value : QVariantList{QVariant(), utc(10000, 1, 1), QString(QChar::Null),
                                              QVariantMap{{QString(QChar::Null), 1}}}) {
        const QVariantMap buried{{u"fine"_qs, 1}, {u"list"_qs, QVariantList{QVariantMap{{u"x"_qs, value}}}}};
        EXPECT_FALSE(write(buried, "file")) << qPrintable(QDebug::toString(value));
    }
    EXPECT_EQ(read("file"), document);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    const QVariantMap replacement{{QStringLiteral("n"), 1LL}};
    EXPECT_TRUE(write(replacement, "file"));
    EXPECT_EQ(read("file"), replacement);
    const QFile::Permissions asUser = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
    EXPECT_EQ(QFile::permissions(pathOf("file")) & ~asUser, permissions);
}

// What writes killed mid-way left: removed once a minute old, since a younger one may be another
// process's write under way; nothing of another kind is touched.
TEST_F(PropertyListFile, RemovesItsOwnLeftoversOlderThanAMinute)
{
    for (const char *name : {"file.new-old", "other.new-old", "file.old"})
        plant(name, "left", 120);
    plant("file.new-young", "left");
    ASSERT_TRUE(write(document, "file"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files, QDir::Name),
              (QStringList{u"file"_qs, u"file.new-young"_qs, u"file.old"_qs, u"other.new-old"_qs}));
}

}
