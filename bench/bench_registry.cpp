// Settings store: a typical load routine (one object, 20 reads from a file of
// 300 values) and a typical save routine (one object, 20 writes, one commit).
#include "app/KontaloRegistry.h"
#include "platform/RegFileFormat.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kSections = 15;
constexpr int kValuesPerSection = 20; // 300 values

// A settings file in a temporary folder, filled with 300 values of all kinds.
class SettingsFile {
public:
    SettingsFile()
    {
        qputenv("TANDREL_REGISTRY", m_dir.filePath("registry.reg").toUtf8());
        MKontaloRegistry registry;
        for (int s = 0; s < kSections; ++s) {
            const QString section = QStringLiteral("Abschnitt%1").arg(s);
            for (int v = 0; v < kValuesPerSection; ++v) {
                const QString name = QStringLiteral("Wert%1").arg(v);
                switch (v % 4) {
                case 0: registry.WriteInteger(section, name, v * 1000); break;
                case 1: registry.WriteFloat(section, name, v * 0.1); break;
                case 2: registry.WriteBool(section, name, true); break;
                default: registry.WriteString(section, name, QStringLiteral("Text %1 für Straße").arg(v)); break;
                }
            }
        }
    }

    QByteArray bytes() const
    {
        QFile f(m_dir.filePath("registry.reg"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
};

void BM_OpenAndRead20Of300(benchmark::State& state)
{
    SettingsFile file;
    const QString section = QStringLiteral("Abschnitt7");
    QStringList names;
    for (int v = 0; v < kValuesPerSection; ++v)
        names << QStringLiteral("Wert%1").arg(v);
    for (auto _ : state) {
        MKontaloRegistry registry;
        for (int v = 0; v < kValuesPerSection; v += 4) {
            benchmark::DoNotOptimize(registry.ReadInteger(section, names[v], 0));
            benchmark::DoNotOptimize(registry.ReadFloat(section, names[v + 1], 0.0));
            benchmark::DoNotOptimize(registry.ReadBool(section, names[v + 2], false));
            benchmark::DoNotOptimize(registry.ReadString(section, names[v + 3], QString()));
            benchmark::DoNotOptimize(registry.ReadInteger(section, QStringLiteral("Fehlt"), 0));
        }
    }
}
BENCHMARK(BM_OpenAndRead20Of300)->Unit(benchmark::kMicrosecond);

// The parser alone, without opening the file.
void BM_ParseFileOf300(benchmark::State& state)
{
    const QByteArray bytes = SettingsFile().bytes();
    tandrel::platform::RegistryTree tree;
    for (auto _ : state) {
        tandrel::platform::regfile::parse(bytes, tree);
        benchmark::DoNotOptimize(tree);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ParseFileOf300)->Unit(benchmark::kMicrosecond);

void BM_Commit20Writes(benchmark::State& state)
{
    SettingsFile file;
    int round = 0;
    for (auto _ : state) {
        MKontaloRegistry registry;
        ++round; // new values each time, so every commit really writes
        for (int v = 0; v < kValuesPerSection; ++v)
            registry.WriteInteger(QStringLiteral("Abschnitt3"), QStringLiteral("Wert%1").arg(v), round + v);
        registry.Flush();
    }
}
BENCHMARK(BM_Commit20Writes)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
