#include "platform/RegFileFormat.h"
#include "platform/RegistryStore.h"
#include "tests/support/TestEnv.h"
#include "tests/support/CaseName.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

using tandrel::platform::RegistryStore;
using tandrel::platform::RegistryStoreError;
using tandrel::platform::RegistryValue;

namespace {

const QString kMain = QStringLiteral("Software\\Norvi\\Tandrel\\Main");

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray header()
{
    return QByteArray("Windows Registry Editor Version 5.00\n\n");
}

class RegistryStoreTest : public tandrel::test::TestEnv {
protected:
    // The copies a damaged settings file was moved to.
    QStringList asideCopies() const
    {
        const QFileInfo info(registryPath());
        QStringList out;
        for (const QString& name : QDir(info.absolutePath()).entryList({info.fileName() + ".corrupt-*"},
                                                                        QDir::AllEntries | QDir::System))
            out << info.absolutePath() + "/" + name;
        return out;
    }
};

// ------------------------------------------------------------ round trip

struct RoundTripCase {
    const char* label;
    QString key;
    QString name;
    RegistryValue value;
};

class RegistryRoundTrip : public RegistryStoreTest, public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(RegistryRoundTrip, ValueSurvivesTheFileAndIsFoundInAnyCase)
{
    const RoundTripCase& c = GetParam();
    {
        RegistryStore writer(registryPath());
        writer.setValue(c.key, c.name, c.value);
        writer.commit();
    }
    RegistryStore reader(registryPath());
    const RegistryValue* v = reader.value(c.key, c.name);
    ASSERT_NE(v, nullptr) << readBytes(registryPath()).constData();
    EXPECT_EQ(*v, c.value) << readBytes(registryPath()).constData();
    const RegistryValue* folded = reader.value(c.key.toUpper(), c.name.toLower());
    EXPECT_EQ(folded, v);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RegistryRoundTrip,
    ::testing::Values(
        RoundTripCase{"dword_zero", kMain, "Zahl", RegistryValue::fromDWord(0)},
        RoundTripCase{"dword_max", kMain, "Zahl", RegistryValue::fromDWord(0xFFFFFFFFu)},
        RoundTripCase{"binary_empty", kMain, "Leer", RegistryValue::fromBinary({})},
        RoundTripCase{"double", kMain, "Faktor", RegistryValue::fromDouble(0.1)},
        RoundTripCase{"string_empty", kMain, "Text", RegistryValue::fromString("")},
        RoundTripCase{"string_quotes_backslashes", kMain, "Text",
                      RegistryValue::fromString("C:\\Users\\\"x\" \\\\server\\ \"")},
        RoundTripCase{"string_umlauts", kMain, "Straße", RegistryValue::fromString("Straße, Öl, €, 😀")},
        RoundTripCase{"string_tabs_and_blanks", kMain, " Name ", RegistryValue::fromString("\ta b\t ")},
        RoundTripCase{"string_newlines", kMain, "Text", RegistryValue::fromString("Zeile 1\nZeile 2\r\n\tEnde\n")},
        RoundTripCase{"string_broken_utf16", kMain, "Text", RegistryValue::fromString(QString(QChar(0xD800)))},
        RoundTripCase{"name_quotes_backslashes", kMain, "Na\"me\\x\\", RegistryValue::fromDWord(7)},
        RoundTripCase{"default_value", kMain, "", RegistryValue::fromString("Standard")},
        RoundTripCase{"name_at_sign", kMain, "@", RegistryValue::fromDWord(1)},
        RoundTripCase{"sub_key", "\\Software\\Norvi\\Tandrel\\Adress\\3\\", "Name1", RegistryValue::fromString("Müller")},
        RoundTripCase{"key_with_bracket", "Software\\A]B [x]", "v", RegistryValue::fromDWord(3)},
        RoundTripCase{"other_type", kMain, "Q", RegistryValue::fromRaw(0xb, QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08", 8))},
        RoundTripCase{"string_as_hex_without_terminator", kMain, "T",
                      RegistryValue::fromRaw(1, QByteArray("a\0b\0", 4))}),
    tandrel::test::CaseName{});

TEST_F(RegistryStoreTest, WritesTheExpectedExportText)
{
    RegistryStore s(registryPath());
    s.setValue("\\Software\\Norvi\\Tandrel\\Main", "Zahl", RegistryValue::fromDWord(42));
    s.setValue(kMain, "Faktor", RegistryValue::fromDouble(1.0));
    s.setValue(kMain, "Text", RegistryValue::fromString("Sa\"g \\ Straße"));
    s.setValue(kMain, "", RegistryValue::fromString("Standard"));
    s.setValue(kMain, "Zeilen", RegistryValue::fromString("a\nb"));
    // Names keep the case they were first written with.
    s.setValue("SOFTWARE\\NORVI\\TANDREL\\MAIN", "ZAHL", RegistryValue::fromDWord(43));
    EXPECT_TRUE(s.createKey("Software\\Norvi\\Tandrel\\Adress2"));
    EXPECT_TRUE(s.createKey("Software\\Norvi\\Tandrel\\Adress"));
    EXPECT_TRUE(s.createKey("Software\\Norvi\\Tandrel\\Adress\\3"));
    s.commit();

    EXPECT_EQ(QString::fromUtf8(readBytes(registryPath())),
              QString::fromUtf8("Windows Registry Editor Version 5.00\n"
                                "\n"
                                "[HKEY_CURRENT_USER\\Software\\Norvi\\Tandrel\\Adress]\n"
                                "\n"
                                "[HKEY_CURRENT_USER\\Software\\Norvi\\Tandrel\\Adress\\3]\n"
                                "\n"
                                "[HKEY_CURRENT_USER\\Software\\Norvi\\Tandrel\\Adress2]\n"
                                "\n"
                                "[HKEY_CURRENT_USER\\Software\\Norvi\\Tandrel\\Main]\n"
                                "@=\"Standard\"\n"
                                "\"Faktor\"=hex:00,00,00,00,00,00,f0,3f\n"
                                "\"Text\"=\"Sa\\\"g \\\\ Straße\"\n"
                                "\"Zahl\"=dword:0000002b\n"
                                "\"Zeilen\"=hex(1):61,00,0a,00,62,00,00,00\n"));
}

TEST_F(RegistryStoreTest, KeysExistWithTheirSubKeysAndRejectNamesTheFileCannotHold)
{
    RegistryStore s(registryPath());
    EXPECT_FALSE(s.keyExists("Software\\Norvi"));
    EXPECT_TRUE(s.createKey("Software\\Norvi\\Tandrel\\Adress\\3"));
    EXPECT_TRUE(s.keyExists("\\software\\NORVI\\"));
    EXPECT_FALSE(s.keyExists("Software\\Norvi\\Tandrel\\Adress\\30"));
    EXPECT_FALSE(s.createKey("Software\\Zeile\nZwei"));
    EXPECT_FALSE(s.createKey("Software\\" + QString(256, 'x')));
    EXPECT_THROW(s.setValue("Software\\Tab\tKey", "a", RegistryValue::fromDWord(1)), RegistryStoreError);
    EXPECT_THROW(s.setValue(kMain, "Zeile\nZwei", RegistryValue::fromDWord(1)), RegistryStoreError);
    EXPECT_FALSE(s.hasPendingValues());
}

// ------------------------------------------------------------ accepted input

struct AcceptedCase {
    const char* label;
    QByteArray bytes;
    QString name;
    RegistryValue expected;
};

class RegistryAcceptedInput : public RegistryStoreTest, public ::testing::WithParamInterface<AcceptedCase> {};

TEST_P(RegistryAcceptedInput, IsReadWithoutComplaint)
{
    writeBytes(registryPath(), GetParam().bytes);
    RegistryStore s(registryPath());
    const RegistryValue* v = s.value(kMain, GetParam().name);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(*v, GetParam().expected);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(asideCopies().isEmpty());
}

QByteArray utf16le(const QString& s)
{
    QByteArray out("\xFF\xFE", 2);
    for (QChar c : s) {
        out.append(char(c.unicode() & 0xFF));
        out.append(char(c.unicode() >> 8));
    }
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Variants, RegistryAcceptedInput,
    ::testing::Values(
        AcceptedCase{"bom_crlf_comments",
                     "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n; Kommentar\r\n"
                     "[HKEY_CURRENT_USER\\Software\\Norvi\\Tandrel\\Main]  \r\n\"A\"=dword:0000ABCD\r\n\r\n",
                     "a", RegistryValue::fromDWord(0xABCD)},
        AcceptedCase{"hex_continued_over_lines",
                     header() + "[HKEY_CURRENT_USER\\Software\\Norvi\\Tandrel\\Main]\n"
                                "\"F\"=hex:00,00,00,00,\\\n  00,00,f0,\\\n  3f\n",
                     "F", RegistryValue::fromDouble(1.0)},
        AcceptedCase{"utf16_file_as_regedit_writes_it",
                     utf16le("Windows Registry Editor Version 5.00\r\n\r\n"
                             "[HKEY_CURRENT_USER\\Software\\Norvi\\Tandrel\\Main]\r\n\"S\"=\"Größe\"\r\n"),
                     "s", RegistryValue::fromString("Größe")},
        AcceptedCase{"expandable_string_kept",
                     header() + "[HKEY_CURRENT_USER\\Software\\Norvi\\Tandrel\\Main]\n\"E\"=hex(2):25,00,00,00\n",
                     "E", RegistryValue::fromRaw(2, QByteArray("%\0\0\0", 4))},
        // Earlier versions wrote a text holding a NUL so; it reads as a text again.
        AcceptedCase{"string_with_a_nul_inside",
                     header() + "[HKEY_CURRENT_USER\\Software\\Norvi\\Tandrel\\Main]\n\"B\"=hex(1):61,00,00,00,62,00,00,00\n",
                     "B", RegistryValue::fromString("a b")},
        AcceptedCase{"duplicate_value_last_wins",
                     header() + "[HKEY_CURRENT_USER\\Software\\Norvi\\Tandrel\\Main]\n\"D\"=dword:00000001\n"
                                "[HKEY_CURRENT_USER\\SOFTWARE\\Norvi\\Tandrel\\Main]\n\"d\"=dword:00000002\n",
                     "D", RegistryValue::fromDWord(2)}),
    tandrel::test::CaseName{});

TEST_F(RegistryStoreTest, AnEmptyFileIsAnEmptyStore)
{
    writeBytes(registryPath(), {});
    RegistryStore s(registryPath());
    EXPECT_TRUE(s.keyPaths().isEmpty());
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(asideCopies().isEmpty());
}

// ------------------------------------------------------------ damaged input

struct DamagedCase {
    const char* label;
    QByteArray bytes;
};

class RegistryDamagedFile : public RegistryStoreTest, public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(RegistryDamagedFile, IsKeptAsideWithOneMessageAndTheStoreStartsEmpty)
{
    const QByteArray bytes = GetParam().bytes;
    writeBytes(registryPath(), bytes);

    RegistryStore s(registryPath());
    EXPECT_TRUE(s.keyPaths().isEmpty());
    EXPECT_EQ(s.value(kMain, "a"), nullptr);
    const QStringList copies = asideCopies();
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(readBytes(copies[0]), bytes);
    EXPECT_FALSE(QFileInfo::exists(registryPath()));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QDir::toNativeSeparators(copies[0]))) << dialogs.messages[0].toStdString();

    // Writing goes on in a fresh file; the copy stays as it was.
    s.setValue(kMain, "a", RegistryValue::fromDWord(5));
    s.commit();
    RegistryStore again(registryPath());
    ASSERT_NE(again.value(kMain, "a"), nullptr);
    EXPECT_EQ(again.value(kMain, "a")->dword(), 5u);
    EXPECT_EQ(readBytes(copies[0]), bytes);
    EXPECT_EQ(dialogs.messages.size(), 1);
}

const QByteArray kGood = header() + "[HKEY_CURRENT_USER\\Software\\Norvi\\Tandrel\\Main]\n\"a\"=dword:00000001\n";

INSTANTIATE_TEST_SUITE_P(
    Inputs, RegistryDamagedFile,
    ::testing::Values(
        DamagedCase{"missing_header", "[HKEY_CURRENT_USER\\Software\\Norvi\\Tandrel\\Main]\n\"a\"=dword:00000001\n"},
        DamagedCase{"truncated_mid_line", kGood.left(kGood.size() - 5)},
        DamagedCase{"truncated_in_string", header() + "[HKEY_CURRENT_USER\\Software\\Norvi\\Tandrel\\Main]\n\"a\"=\"ab"},
        DamagedCase{"truncated_in_continued_hex",
                    header() + "[HKEY_CURRENT_USER\\Software\\Norvi\\Tandrel\\Main]\n\"a\"=hex:00,\\\n"},
        DamagedCase{"binary_garbage", QByteArray("\x00\x13\xff\xfe\x80PK\x03\x04\x00\x00garbage", 18)},
        DamagedCase{"garbage_after_good_lines", kGood + QByteArray("\x01\x02\x00\n", 4)},
        DamagedCase{"dword_not_hex", header() + "[HKEY_CURRENT_USER\\X]\n\"a\"=dword:0000zz01\n"},
        DamagedCase{"dword_too_short", header() + "[HKEY_CURRENT_USER\\X]\n\"a\"=dword:2a\n"},
        DamagedCase{"bad_hex_byte", header() + "[HKEY_CURRENT_USER\\X]\n\"a\"=hex:00,0g\n"},
        DamagedCase{"half_hex_byte", header() + "[HKEY_CURRENT_USER\\X]\n\"a\"=hex:00,0\n"},
        DamagedCase{"hex_trailing_comma", header() + "[HKEY_CURRENT_USER\\X]\n\"a\"=hex:00,\n"},
        DamagedCase{"unknown_escape", header() + "[HKEY_CURRENT_USER\\X]\n\"a\"=\"\\n\"\n"},
        DamagedCase{"value_before_key", header() + "\"a\"=dword:00000001\n"},
        DamagedCase{"other_hive", header() + "[HKEY_LOCAL_MACHINE\\X]\n"},
        DamagedCase{"invalid_utf8", header() + "[HKEY_CURRENT_USER\\X]\n\"a\"=\"\xC3\x28\"\n"},
        DamagedCase{"unknown_line", kGood + "a=b\n"}),
    tandrel::test::CaseName{});

TEST_F(RegistryStoreTest, AnUnreadableFileIsKeptAsideToo)
{
    QDir().mkpath(registryPath()); // a folder where the file should be
    RegistryStore s(registryPath());
    ASSERT_EQ(asideCopies().size(), 1);
    EXPECT_TRUE(QFileInfo(asideCopies()[0]).isDir());
    EXPECT_EQ(dialogs.messages.size(), 1);
    s.setValue(kMain, "a", RegistryValue::fromDWord(1));
    EXPECT_NO_THROW(s.commit());
}

TEST_F(RegistryStoreTest, AFileDamagedAfterLoadingIsKeptAsideBeforeTheCommitReplacesIt)
{
    writeBytes(registryPath(), kGood);
    RegistryStore s(registryPath());
    const QByteArray damaged = kGood + "\"kaputt";
    writeBytes(registryPath(), damaged);
    s.setValue(kMain, "b", RegistryValue::fromDWord(2));
    s.commit();
    ASSERT_EQ(asideCopies().size(), 1);
    EXPECT_EQ(readBytes(asideCopies()[0]), damaged);
    EXPECT_EQ(dialogs.messages.size(), 1);
    RegistryStore after(registryPath());
    EXPECT_EQ(after.value(kMain, "a"), nullptr); // only what this store changed survives in the file
    ASSERT_NE(after.value(kMain, "b"), nullptr);
}

TEST_F(RegistryStoreTest, EveryDamagedFileGetsItsOwnCopy)
{
    writeBytes(registryPath(), "eins");
    RegistryStore first(registryPath());
    writeBytes(registryPath(), "zwei");
    RegistryStore second(registryPath());
    const QStringList copies = asideCopies();
    ASSERT_EQ(copies.size(), 2);
    QList<QByteArray> contents{readBytes(copies[0]), readBytes(copies[1])};
    std::sort(contents.begin(), contents.end());
    EXPECT_EQ(contents, (QList<QByteArray>{"eins", "zwei"}));
    EXPECT_EQ(dialogs.messages.size(), 2);
}

TEST_F(RegistryStoreTest, AFileThatCannotBeMovedAsideIsNeverWritten)
{
    // A file of the system: readable, no settings, and its folder takes no new names.
    const QString file = QStringLiteral("/proc/version");
    if (!QFileInfo::exists(file))
        GTEST_SKIP() << "no /proc";
    const QByteArray before = readBytes(file);
    {
        RegistryStore s(file);
        EXPECT_TRUE(s.keyPaths().isEmpty());
        EXPECT_TRUE(s.createKey(kMain)); // readable as an empty store
        EXPECT_THROW(s.setValue(kMain, "a", RegistryValue::fromDWord(1)), RegistryStoreError);
        EXPECT_NO_THROW(s.commit());
    }
    RegistryStore again(file); // told once only
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains("nicht gespeichert"));
    EXPECT_EQ(readBytes(file), before);
}

// ------------------------------------------------------------ failing writes

TEST_F(RegistryStoreTest, AFolderThatCannotBeCreatedMakesTheCommitRaise)
{
    writeBytes(tempDir.filePath("datei"), "kein Ordner");
    RegistryStore s(tempDir.filePath("datei/registry.reg"));
    s.setValue(kMain, "a", RegistryValue::fromDWord(1));
    EXPECT_THROW(s.commit(), RegistryStoreError);
    EXPECT_TRUE(s.hasPendingValues()); // kept for another try
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(RegistryStoreTest, AFailedCommitLeavesTheOldFileAsItWas)
{
    writeBytes(registryPath(), kGood);
    QDir().mkpath(registryPath() + ".lock"); // the lock cannot be taken
    RegistryStore s(registryPath());
    s.setValue(kMain, "a", RegistryValue::fromDWord(2));
    EXPECT_THROW(s.commit(), RegistryStoreError);
    EXPECT_EQ(readBytes(registryPath()), kGood);
}

TEST_F(RegistryStoreTest, AReadOnlyFolderMakesTheCommitRaise)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions are not enforced for root";
    writeBytes(registryPath(), kGood);
    RegistryStore s(registryPath());
    s.setValue(kMain, "a", RegistryValue::fromDWord(2));
    const QString folder = QFileInfo(registryPath()).absolutePath();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_THROW(s.commit(), RegistryStoreError);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(readBytes(registryPath()), kGood);
}

// ------------------------------------------------------------ another writer

struct SameSizeCase {
    const char* label;
    RegistryValue before, after; // written in the same number of bytes
};

class RegistrySameSizeChange : public RegistryStoreTest, public ::testing::WithParamInterface<SameSizeCase> {};

// Another copy rewrites the file with a change of the same length within the
// same second: the file read once before must not stand in for it.
TEST_P(RegistrySameSizeChange, IsSeenByTheNextStore)
{
    const SameSizeCase& c = GetParam();
    {
        RegistryStore first(registryPath());
        first.setValue(kMain, "Wert", c.before);
        first.commit();
    }
    RegistryStore reader(registryPath());
    ASSERT_NE(reader.value(kMain, "Wert"), nullptr);
    const QByteArray old = readBytes(registryPath());
    const QDateTime stamp = QFileInfo(registryPath()).lastModified();
    QByteArray changed;
    {
        RegistryStore other(QDir(tempDir.path()).filePath("other.reg"));
        other.setValue(kMain, "Wert", c.after);
        other.commit();
        changed = readBytes(other.filePath());
    }
    ASSERT_EQ(changed.size(), old.size());
    ASSERT_NE(changed, old);
    writeBytes(registryPath(), changed);
    {
        QFile f(registryPath());
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(stamp, QFileDevice::FileModificationTime));
    }
    RegistryStore next(registryPath());
    const RegistryValue* v = next.value(kMain, "Wert");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(*v, c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, RegistrySameSizeChange,
    ::testing::Values(SameSizeCase{"flag_unticked", RegistryValue::fromDWord(1), RegistryValue::fromDWord(0)},
                      SameSizeCase{"letters_swapped", RegistryValue::fromString("ab"), RegistryValue::fromString("ba")},
                      SameSizeCase{"double_changed", RegistryValue::fromDouble(0.25), RegistryValue::fromDouble(0.5)}),
    tandrel::test::CaseName{});

// ------------------------------------------------------------ two writers

TEST_F(RegistryStoreTest, TwoStoresMergeValueByValue)
{
    RegistryStore a(registryPath());
    RegistryStore b(registryPath());
    a.setValue(kMain, "nurA", RegistryValue::fromDWord(1));
    a.setValue(kMain, "beide", RegistryValue::fromDWord(1));
    b.setValue(kMain, "nurB", RegistryValue::fromDWord(2));
    b.setValue(kMain, "beide", RegistryValue::fromDWord(2));
    a.commit();
    b.commit();
    ASSERT_NE(b.value(kMain, "nurA"), nullptr); // b now shows the merged file

    RegistryStore c(registryPath());
    ASSERT_NE(c.value(kMain, "nurA"), nullptr);
    ASSERT_NE(c.value(kMain, "nurB"), nullptr);
    EXPECT_EQ(c.value(kMain, "beide")->dword(), 2u); // the later commit wins
}

} // namespace

namespace {

// Another program copy writes while this one holds values it read earlier:
// rewriting them unchanged keeps the other copy's values; a real change wins.
TEST_F(RegistryStoreTest, UnchangedValuesDoNotOverwriteAnotherCopysChanges)
{
    {
        RegistryStore first(registryPath());
        first.setValue(kMain, "A", RegistryValue::fromDWord(1));
        first.setValue(kMain, "B", RegistryValue::fromDWord(1));
        first.commit();
    }
    RegistryStore atStart(registryPath());
    const RegistryValue a = *atStart.value(kMain, "A");
    const RegistryValue b = *atStart.value(kMain, "B");

    // The other copy, as the file shows it afterwards.
    QByteArray other = readBytes(registryPath());
    other.replace("\"A\"=dword:00000001", "\"A\"=dword:00000005");
    other.replace("\"B\"=dword:00000001", "\"B\"=dword:00000006");
    writeBytes(registryPath(), other);

    RegistryStore atExit(registryPath());
    atExit.setValue(kMain, "A", a);                           // unchanged since read
    atExit.setValue(kMain, "B", RegistryValue::fromDWord(9)); // changed here
    atExit.setValue(kMain, "C", b);                           // new here
    atExit.commit();
    RegistryStore after(registryPath());
    EXPECT_EQ(*after.value(kMain, "A"), RegistryValue::fromDWord(5));
    EXPECT_EQ(*after.value(kMain, "B"), RegistryValue::fromDWord(9));
    EXPECT_EQ(*after.value(kMain, "C"), RegistryValue::fromDWord(1));
}

} // namespace

namespace {

ino_t inodeOf(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

// Closing frames write their whole sections back; when nothing changed the
// file is left exactly as it is (no lock, no rewrite), unless it lost a value
// meanwhile, which the write then restores.
struct WriteBackCase {
    const char* label;
    bool otherCopyDropsTheValue;
};

class RegistryWriteBack : public RegistryStoreTest, public ::testing::WithParamInterface<WriteBackCase> {};

TEST_P(RegistryWriteBack, RewritesTheFileOnlyWhenItLostTheValue)
{
    {
        RegistryStore first(registryPath());
        first.setValue(kMain, "A", RegistryValue::fromDWord(1));
        first.setValue(kMain, "B", RegistryValue::fromDWord(2));
        first.commit();
    }
    RegistryStore atExit(registryPath());
    const RegistryValue a = *atExit.value(kMain, "A");
    if (GetParam().otherCopyDropsTheValue) {
        QByteArray other = readBytes(registryPath());
        other.replace("\"A\"=dword:00000001\n", "");
        writeBytes(registryPath(), other);
    }
    const QByteArray before = readBytes(registryPath());
    const ino_t inode = inodeOf(registryPath());

    atExit.setValue(kMain, "A", a);
    atExit.commit();

    EXPECT_EQ(inodeOf(registryPath()) == inode, !GetParam().otherCopyDropsTheValue);
    if (!GetParam().otherCopyDropsTheValue) {
        EXPECT_EQ(readBytes(registryPath()), before);
    }
    RegistryStore after(registryPath());
    ASSERT_NE(after.value(kMain, "A"), nullptr);
    EXPECT_EQ(*after.value(kMain, "A"), RegistryValue::fromDWord(1));
    EXPECT_EQ(*after.value(kMain, "B"), RegistryValue::fromDWord(2));
}

INSTANTIATE_TEST_SUITE_P(Settings, RegistryWriteBack,
                         ::testing::Values(WriteBackCase{"file_unchanged", false},
                                           WriteBackCase{"value_lost_meanwhile", true}),
                         tandrel::test::CaseName{});

} // namespace
