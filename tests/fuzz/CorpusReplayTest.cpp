#include "fuzz/FuzzEntries.h"
#include "tests/support/CaseName.h"
#include "tests/support/TestEnv.h"

#include <QDir>
#include <QFile>

#include <string>
#include <vector>

namespace {

struct CorpusCase {
    std::string label;
    std::string target;
    QString file;
};

QDir CorpusFolder(std::string_view target)
{
    return QDir(QStringLiteral(TANDREL_SOURCE_ROOT "/fuzz/corpus/") + QString::fromUtf8(target.data(), qsizetype(target.size())));
}

std::vector<CorpusCase> CorpusFiles()
{
    std::vector<CorpusCase> out;
    for (const tandrel::fuzz::Target& t : tandrel::fuzz::Targets()) {
        const QDir folder = CorpusFolder(t.name);
        for (const QString& name : folder.entryList(QDir::Files, QDir::Name))
            out.push_back({std::string(t.name) + "_" + name.toStdString(), std::string(t.name), folder.filePath(name)});
    }
    return out;
}

// Every input of the regression corpus goes through the same entry point as
// under libFuzzer; the sanitizers of the test build make a finding fail here.
class CorpusReplay : public tandrel::test::TestEnv, public ::testing::WithParamInterface<CorpusCase> {};

TEST_P(CorpusReplay, ParsesWithoutAFinding)
{
    const CorpusCase& c = GetParam();
    const tandrel::fuzz::Target* target = tandrel::fuzz::FindTarget(c.target);
    ASSERT_NE(target, nullptr);
    QFile f(c.file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << c.file.toStdString();
    const QByteArray data = f.readAll();
    target->entry(reinterpret_cast<const std::uint8_t*>(data.constData()), std::size_t(data.size()));
}

INSTANTIATE_TEST_SUITE_P(Fuzz, CorpusReplay, ::testing::ValuesIn(CorpusFiles()), tandrel::test::CaseName{});

TEST(FuzzCorpus, EveryTargetHasInputs)
{
    for (const tandrel::fuzz::Target& t : tandrel::fuzz::Targets())
        EXPECT_FALSE(CorpusFolder(t.name).entryList(QDir::Files).isEmpty()) << t.name;
}

} // namespace
