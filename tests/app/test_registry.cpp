#include "app/KontaloRegistry.h"
#include "platform/RegistryStore.h"
#include "tests/support/TestEnv.h"
#include "tests/support/CaseName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QVariant>
#include <functional>
#include <limits>

using tandrel::platform::RegistryStore;
using tandrel::platform::RegistryValue;

namespace {

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

class KontaloRegistryTest : public tandrel::test::TestEnv {};

// ------------------------------------------------------------ read rules

struct ReadCase {
    const char* label;
    std::function<QVariant(MKontaloRegistry&)> read;
    QVariant expected;
};

class KontaloRegistryReadRules : public KontaloRegistryTest, public ::testing::WithParamInterface<ReadCase> {
protected:
    void SetUp() override
    {
        RegistryStore s(registryPath());
        const QString key = RegistryKeyPath("Probe");
        s.setValue(key, "Fuenf", RegistryValue::fromDWord(5));
        s.setValue(key, "Null", RegistryValue::fromDWord(0));
        s.setValue(key, "Minus", RegistryValue::fromDWord(0xFFFFFFFFu));
        s.setValue(key, "Kurz", RegistryValue::fromBinary(QByteArray(4, '\0')));
        s.setValue(key, "Faktor", RegistryValue::fromDouble(2.5));
        s.setValue(key, "Text", RegistryValue::fromString("Hallo"));
        s.setValue(key, "Leer", RegistryValue::fromString(""));
        s.commit();
    }
};

TEST_P(KontaloRegistryReadRules, AnswerAsTheRegistryDoes)
{
    MKontaloRegistry registry;
    EXPECT_EQ(GetParam().read(registry), GetParam().expected);
}

#define READ(expr) [](MKontaloRegistry& r) { return QVariant(r.expr); }

INSTANTIATE_TEST_SUITE_P(
    Table, KontaloRegistryReadRules,
    ::testing::Values(
        ReadCase{"string_missing_in_section_is_empty_not_default", READ(ReadString("Probe", "Fehlt", "Vorgabe")), QString("")},
        ReadCase{"integer_missing_is_default", READ(ReadInteger("Probe", "Fehlt", 7)), 7},
        ReadCase{"bool_missing_is_default", READ(ReadBool("Probe", "Fehlt", true)), true},
        ReadCase{"float_missing_is_default", READ(ReadFloat("Probe", "Fehlt", 1.5)), 1.5},
        ReadCase{"float_stored_as_integer_is_default", READ(ReadFloat("Probe", "Fuenf", 1.5)), 1.5},
        ReadCase{"float_of_four_bytes_is_default", READ(ReadFloat("Probe", "Kurz", 1.5)), 1.5},
        ReadCase{"float", READ(ReadFloat("Probe", "Faktor", 0.0)), 2.5},
        ReadCase{"bool_from_integer_5_is_true", READ(ReadBool("Probe", "Fuenf", false)), true},
        ReadCase{"bool_from_0_is_false", READ(ReadBool("Probe", "Null", true)), false},
        ReadCase{"bool_from_string_is_default", READ(ReadBool("Probe", "Text", true)), true},
        ReadCase{"integer_is_signed", READ(ReadInteger("Probe", "Minus", 0)), -1},
        ReadCase{"integer_from_string_is_default", READ(ReadInteger("Probe", "Text", 7)), 7},
        ReadCase{"integer_from_binary_is_default", READ(ReadInteger("Probe", "Faktor", 7)), 7},
        ReadCase{"string", READ(ReadString("Probe", "Text", "Vorgabe")), QString("Hallo")},
        ReadCase{"string_empty_is_empty", READ(ReadString("Probe", "Leer", "Vorgabe")), QString("")},
        ReadCase{"string_from_integer_is_default", READ(ReadString("Probe", "Fuenf", "Vorgabe")), QString("Vorgabe")},
        ReadCase{"string_in_missing_section_is_empty", READ(ReadString("Neu", "x", "Vorgabe")), QString("")},
        ReadCase{"names_ignore_case", READ(ReadInteger("PROBE", "fuenf", 0)), 5},
        ReadCase{"string_of_unopenable_section_is_default", READ(ReadString("Zeile\nZwei", "x", "Vorgabe")),
                 QString("Vorgabe")},
        ReadCase{"integer_of_unopenable_section_is_default", READ(ReadInteger("Zeile\nZwei", "x", 9)), 9}),
    tandrel::test::CaseName{});

#undef READ

TEST_F(KontaloRegistryTest, ReadingAMissingSectionCreatesItsKeyOnDisk)
{
    {
        MKontaloRegistry registry;
        EXPECT_EQ(registry.ReadString("DlgNeu", "left", "x"), QString());
    }
    EXPECT_TRUE(readBytes(registryPath()).contains("[HKEY_CURRENT_USER\\Software\\Norvi\\Tandrel\\DlgNeu]\n"));
    RegistryStore after(registryPath());
    EXPECT_TRUE(after.keyExists(RegistryKeyPath("DlgNeu")));
}

// ------------------------------------------------------------ writes

TEST_F(KontaloRegistryTest, WrittenValuesAreSeenByTheNextObject)
{
    const QString text = QString::fromUtf8("Sag \"Hallo\" in C:\\Tmp\\ – Straße\nzweite Zeile");
    {
        MKontaloRegistry registry;
        registry.WriteBool("Adress\\3", "Aktiv", true);
        registry.WriteBool("Adress\\3", "Inaktiv", false);
        registry.WriteInteger("Adress\\3", "Min", std::numeric_limits<int>::min());
        registry.WriteInteger("Adress\\3", "Max", std::numeric_limits<int>::max());
        registry.WriteFloat("Adress\\3", "Zehntel", 0.1);
        registry.WriteFloat("Adress\\3", "Gross", -1e300);
        registry.WriteString("Adress\\3", "Name \"1\"", text);
    }
    MKontaloRegistry registry;
    EXPECT_TRUE(registry.ReadBool("Adress\\3", "Aktiv", false));
    EXPECT_FALSE(registry.ReadBool("Adress\\3", "Inaktiv", true));
    EXPECT_EQ(registry.ReadInteger("Adress\\3", "Min", 0), std::numeric_limits<int>::min());
    EXPECT_EQ(registry.ReadInteger("Adress\\3", "Max", 0), std::numeric_limits<int>::max());
    EXPECT_EQ(registry.ReadFloat("Adress\\3", "Zehntel", 0), 0.1);
    EXPECT_EQ(registry.ReadFloat("Adress\\3", "Gross", 0), -1e300);
    EXPECT_EQ(registry.ReadString("Adress\\3", "name \"1\"", ""), text);
    // The section is a sub-key below "Adress".
    EXPECT_TRUE(readBytes(registryPath()).contains("[HKEY_CURRENT_USER\\Software\\Norvi\\Tandrel\\Adress\\3]\n"));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

struct NulCase {
    const char* label;
    QString written;
    QString read;
};

class KontaloRegistryNul : public KontaloRegistryTest, public ::testing::WithParamInterface<NulCase> {};

// A NUL would end the stored string early; it is kept as a blank and the
// rest of the text survives the next start.
TEST_P(KontaloRegistryNul, TextsKeepEverythingButTheirNuls)
{
    {
        MKontaloRegistry registry;
        registry.WriteString("AnschreibenDlg", "Text", GetParam().written);
        registry.WriteString("AnschreibenDlg", "Danach", "bleibt");
    }
    MKontaloRegistry registry;
    EXPECT_EQ(registry.ReadString("AnschreibenDlg", "Text", "verloren"), GetParam().read);
    EXPECT_EQ(registry.ReadString("AnschreibenDlg", "Danach", ""), "bleibt");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, KontaloRegistryNul,
    ::testing::Values(NulCase{"nul_inside_a_body", QString::fromUtf8("Zeile A vor\0nach\nZeile B", 24),
                              QString::fromUtf8("Zeile A vor nach\nZeile B")},
                      NulCase{"nul_at_the_end", QString::fromLatin1("ab\0", 3), "ab "},
                      NulCase{"only_nuls", QString::fromLatin1("\0\0", 2), "  "},
                      NulCase{"nul_in_a_plain_line", QString::fromLatin1("a\0b", 3), "a b"}),
    tandrel::test::CaseName{});

TEST_F(KontaloRegistryTest, AnUnopenableSectionDropsNumbersButRefusesTexts)
{
    MKontaloRegistry registry;
    EXPECT_NO_THROW(registry.WriteInteger("Zeile\nZwei", "a", 1));
    EXPECT_NO_THROW(registry.WriteFloat("Zeile\nZwei", "a", 1.0));
    EXPECT_THROW(registry.WriteString("Zeile\nZwei", "a", "x"), RegistryError);
    EXPECT_THROW(registry.WriteBool("Zeile\nZwei", "a", true), RegistryError);
    EXPECT_THROW(registry.WriteInteger("Main", "Zeile\nZwei", 1), RegistryError); // no such value name
}

class KontaloRegistryFailingDisk : public KontaloRegistryTest {
protected:
    void SetUp() override
    {
        // The settings folder is a file, so nothing can be written.
        writeBytes(tempDir.filePath("datei"), "kein Ordner");
        qputenv("TANDREL_REGISTRY", tempDir.filePath("datei/registry.reg").toUtf8());
    }
};

TEST_F(KontaloRegistryFailingDisk, TheDestructorRaisesWhenTheValuesCannotBeSaved)
{
    EXPECT_THROW(
        {
            MKontaloRegistry registry;
            registry.WriteInteger("Main", "a", 1);
        },
        RegistryError);
}

TEST_F(KontaloRegistryFailingDisk, FlushRaisesOnceAndTheDestructorDoesNotRepeatIt)
{
    EXPECT_NO_THROW({
        MKontaloRegistry registry;
        registry.WriteString("Main", "a", "x");
        EXPECT_THROW(registry.Flush(), RegistryError);
    });
}

TEST_F(KontaloRegistryFailingDisk, ReadingNeverRaises)
{
    EXPECT_NO_THROW({
        MKontaloRegistry registry;
        EXPECT_EQ(registry.ReadInteger("Main", "a", 3), 3);
        EXPECT_EQ(registry.ReadString("Main", "b", "x"), QString());
    });
}

TEST_F(KontaloRegistryFailingDisk, TheDestructorStaysQuietWhileAnotherErrorIsInFlight)
{
    EXPECT_THROW(
        {
            MKontaloRegistry registry;
            registry.WriteInteger("Main", "a", 1);
            throw std::logic_error("erster Fehler");
        },
        std::logic_error);
}

TEST_F(KontaloRegistryTest, ADamagedFileGivesDefaultsAndIsReplacedByTheNextSave)
{
    const QByteArray garbage("Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Norvi\\Tand");
    writeBytes(registryPath(), garbage);
    {
        MKontaloRegistry registry;
        EXPECT_EQ(registry.ReadInteger("Main", "Breite", 800), 800);
        registry.WriteInteger("Main", "Breite", 1024);
    }
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(".corrupt-"));
    MKontaloRegistry registry;
    EXPECT_EQ(registry.ReadInteger("Main", "Breite", 800), 1024);
    const QStringList copies = QDir(QFileInfo(registryPath()).absolutePath()).entryList({"registry.reg.corrupt-*"});
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(readBytes(QFileInfo(registryPath()).absolutePath() + "/" + copies[0]), garbage);
}

} // namespace
