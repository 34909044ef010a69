#include "app/KontaloRegistry.h"
#include "tests/support/CaseName.h"
#include "tests/e2e/ProgramTest.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <memory>
#include <vector>

namespace {

// Several copies of the real program on one settings file, started together
// so that every copy has read its settings before any of them writes.
class CopiesTest : public ProgramTest {
protected:
    struct Copy {
        std::unique_ptr<QProcess> process;
        QString log;
    };

    // Starts copy `n` with `script`; every script ends by printing a marker,
    // waiting for `release` and quitting.
    Copy start(int n, QStringList script, const QString& release)
    {
        const QString copy = QString::number(n);
        Copy c;
        c.log = tempDir.filePath("script" + copy + ".log");
        script << "print SpeedButtonEnde" << "wait " + release << "quit";
        QFile s(tempDir.filePath("script" + copy + ".txt"));
        EXPECT_TRUE(s.open(QIODevice::WriteOnly | QIODevice::Truncate));
        s.write(script.join('\n').toUtf8());
        s.close();
        c.process = std::make_unique<QProcess>();
        c.process->setProcessEnvironment(programEnvironment(copy));
        c.process->start(QStringLiteral(TANDREL_EXE));
        return c;
    }

    static bool ready(const Copy& c)
    {
        QFile f(c.log);
        return f.open(QIODevice::ReadOnly) && f.readAll().contains("SpeedButtonEnde=");
    }

    static void release(const QString& file)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }

    static void finish(std::vector<Copy>& copies, int from, int to)
    {
        for (int i = from; i < to; ++i) {
            QProcess& p = *copies[size_t(i)].process;
            ASSERT_TRUE(p.waitForFinished(120000)) << "copy " << i;
            EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << "copy " << i;
            EXPECT_EQ(p.exitCode(), 0) << "copy " << i << p.readAllStandardError().toStdString();
            QFile log(copies[size_t(i)].log);
            ASSERT_TRUE(log.open(QIODevice::ReadOnly));
            EXPECT_FALSE(log.readAll().contains("ERROR")) << "copy " << i;
        }
    }
};

struct CopiesCase {
    const char* label;
    int copies;
};

class ConcurrentCopies : public CopiesTest, public ::testing::WithParamInterface<CopiesCase> {};

// All copies run at once; they quit one after the other, the ones that
// change something first. Each later copy rewrites at exit every setting it
// read at start, which must not undo the earlier copies' changes.
TEST_P(ConcurrentCopies, NoCopyUndoesAnotherCopysChange)
{
    {
        // A finished first start, as on any user's machine.
        std::vector<Copy> first;
        first.push_back(start(99, {}, tempDir.filePath("go-first")));
        release(tempDir.filePath("go-first"));
        finish(first, 0, 1);
    }
    const QStringList changes[] = {
        {"set UpDownRegistrySubVersion 7"},
        {"action MenuHintergrundbild", "click Image2", "click ButtonOK"},
        {"check CheckBoxInstallationabgeschlossen 0"},
    };
    const int copies = GetParam().copies;
    const int changing = std::min(copies, 3);
    std::vector<Copy> all;
    for (int i = 0; i < copies; ++i)
        all.push_back(start(i, i < changing ? changes[i] : QStringList(), tempDir.filePath(QString("go-%1").arg(i))));
    ASSERT_TRUE(QTest::qWaitFor([&] {
        for (const Copy& c : all)
            if (!ready(c))
                return false;
        return true;
    }, 120000)) << "not every copy got ready";

    // One after the other, in start order: every later copy has read the
    // settings before the earlier ones changed them.
    for (int i = 0; i < copies; ++i) {
        release(tempDir.filePath(QString("go-%1").arg(i)));
        finish(all, i, i + 1);
    }

    MKontaloRegistry reg;
    EXPECT_EQ(reg.ReadInteger("Main", "UnterVersion", -1), 7);
    EXPECT_EQ(reg.ReadInteger("overview", "BackImageID", -1), 3120);
    if (changing > 2) {
        EXPECT_FALSE(reg.ReadBool("Main", "KTLPRO2010InstallationAbgeschlossen", true));
    }
}

// Rounds of copies that read their settings together and then quit all at
// once, so that their merges run into one another in every order: not one
// of the three changes may be lost in any round. TANDREL_COPY_ROUNDS sets
// the number of rounds (default 50).
class CopiesInRounds : public CopiesTest, public ::testing::WithParamInterface<CopiesCase> {};

TEST_P(CopiesInRounds, EveryChangeSurvivesQuittingAtOnce)
{
    {
        std::vector<Copy> first;
        first.push_back(start(99, {}, tempDir.filePath("go-first")));
        release(tempDir.filePath("go-first"));
        finish(first, 0, 1);
    }
    QByteArray finishedFirstStart;
    {
        QFile f(registryPath());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        finishedFirstStart = f.readAll();
    }
    const QStringList changes[] = {
        {"set UpDownRegistrySubVersion 7"},
        {"action MenuHintergrundbild", "click Image2", "click ButtonOK"},
        {"check CheckBoxInstallationabgeschlossen 0"},
    };
    const int rounds = qEnvironmentVariableIsSet("TANDREL_COPY_ROUNDS") ? qEnvironmentVariableIntValue("TANDREL_COPY_ROUNDS") : 50;
    const int copies = GetParam().copies;
    int lost = 0;
    for (int round = 0; round < rounds && !HasFatalFailure(); ++round) {
        {
            QFile f(registryPath());
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(finishedFirstStart);
        }
        const QString go = tempDir.filePath(QString("go-round-%1").arg(round));
        std::vector<Copy> all;
        for (int i = 0; i < copies; ++i) {
            QFile::remove(tempDir.filePath(QString("script%1.log").arg(i)));
            all.push_back(start(i, i < 3 ? changes[i] : QStringList(), go));
        }
        ASSERT_TRUE(QTest::qWaitFor([&] {
            for (const Copy& c : all)
                if (!ready(c))
                    return false;
            return true;
        }, 120000)) << "round " << round << ": not every copy got ready";
        release(go);
        finish(all, 0, copies);

        MKontaloRegistry reg;
        const bool kept = reg.ReadInteger("Main", "UnterVersion", -1) == 7 && reg.ReadInteger("overview", "BackImageID", -1) == 3120
            && !reg.ReadBool("Main", "KTLPRO2010InstallationAbgeschlossen", true);
        EXPECT_TRUE(kept) << "round " << round << " lost a change:\n" << reg.ReadInteger("Main", "UnterVersion", -1) << " "
                          << reg.ReadInteger("overview", "BackImageID", -1) << " "
                          << reg.ReadBool("Main", "KTLPRO2010InstallationAbgeschlossen", true);
        lost += kept ? 0 : 1;
    }
    EXPECT_EQ(lost, 0) << "of " << rounds << " rounds";
}

INSTANTIATE_TEST_SUITE_P(Settings, CopiesInRounds,
                         ::testing::Values(CopiesCase{"three_copies", 3}, CopiesCase{"eight_copies", 8}),
                         tandrel::test::CaseName{});

INSTANTIATE_TEST_SUITE_P(Settings, ConcurrentCopies,
                         ::testing::Values(CopiesCase{"two_copies", 2}, CopiesCase{"eight_copies", 8}),
                         tandrel::test::CaseName{});

} // namespace
