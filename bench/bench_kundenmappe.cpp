// The full customer folder (cover, every part, table of contents, bookmarks,
// page numbers) against the sum of its parts, each written as a document of
// its own by the same routine. Both gather the parts from the frames anew.
#include "app/CustomerFolder.h"
#include "app/FInterfaceFrame.h"
#include "app/FrameFactory.h"
#include "app/FrameIds.h"
#include "bench/BenchDoubles.h"
#include "bench/RatioReporter.h"
#include "pdf/PdfWriter.h"
#include "platform/Services.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using bench::MainWindowStub;
using bench::NullShell;
using bench::SilentDialogs;

// The program's frames with their defaults, every part chosen.
struct Program {
    Program()
    {
        qputenv("TANDREL_APPDATA", dir.filePath("appdata").toUtf8());
        qputenv("TANDREL_REGISTRY", dir.filePath("registry.reg").toUtf8());
        ws.InitInterface();
        ws.CreateWorkspaceFolders();
        window.body.resize(1200, 900);
        factory.StartFactory(&window, &ws);
        for (int id : {FrameId::Dachplanung2D, FrameId::PapierHaus, FrameId::Ertrag, FrameId::Eigenverbrauch, FrameId::KEV})
            factory.ShowFrame(id);
        settings.Customer = {QStringLiteral("Familie Sonnleitner"), QStringLiteral("Lindenallee 12"),
                             QStringLiteral("79100"), QStringLiteral("Freiburg")};
        settings.Parts.fill(true);
    }
    ~Program() { factory.ShutdownFactory(); }

    std::vector<MFolderSection> Sections()
    {
        return FolderSections(settings, &ws, [this](int id) { return factory.FindFrame(id); }, nullptr);
    }

    QTemporaryDir dir;
    SilentDialogs dialogs;
    NullShell shell;
    tandrel::platform::ScopedDialogs dialogsGuard{dialogs};
    tandrel::platform::ScopedShell shellGuard{shell};
    TInterfaceFrame ws;
    MainWindowStub window;
    TFrameFactory factory;
    MFolderSettings settings;
};

std::unique_ptr<Program> g_program;

// A document handed to the viewer is not written again in this run: each
// document gets a name of its own, and the last one is removed.
QString NextFile(const QString& base)
{
    static int n = 0;
    return g_program->dir.filePath(QStringLiteral("%1_%2.pdf").arg(base).arg(++n));
}

void Begin(PdfWriter& pdf, const QString& file, QSizeF paper)
{
    pdf.SetPaperSize(PdfWriter::kPaperCustom);
    pdf.SetPaperWidth(paper.width());
    pdf.SetPaperHeight(paper.height());
    pdf.SetFileName(file);
    pdf.BeginDoc();
}

void BM_FullFolder(benchmark::State& state)
{
    PdfWriter pdf;
    double bytes = 0;
    for (auto _ : state) {
        const QString file = NextFile(QStringLiteral("mappe"));
        const std::vector<MFolderSection> sections = g_program->Sections();
        const MFolderCover cover = FolderCover(g_program->settings.Customer, &g_program->ws);
        Begin(pdf, file, QSizeF(210, 297));
        DrawCustomerFolder(pdf, cover, sections, {});
        pdf.EndDoc();
        bytes = double(QFileInfo(file).size());
        QFile::remove(file);
    }
    state.counters["bytes"] = benchmark::Counter(bytes);
}

void BM_PartsOneByOne(benchmark::State& state)
{
    PdfWriter pdf;
    double bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        const std::vector<MFolderSection> sections = g_program->Sections();
        for (std::size_t k = 0; k < sections.size(); ++k) {
            const QString file = NextFile(QStringLiteral("part%1").arg(k));
            Begin(pdf, file, sections[k].FirstPage);
            sections[k].Draw(pdf);
            pdf.EndDoc();
            bytes += double(QFileInfo(file).size());
            QFile::remove(file);
        }
    }
    state.counters["bytes"] = benchmark::Counter(bytes);
}

BENCHMARK(BM_PartsOneByOne)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_FullFolder)->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    g_program = std::make_unique<Program>();
    RatioReporter reporter("BM_FullFolder", "BM_PartsOneByOne", "Customer folder / its parts one by one");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    g_program.reset();
    return 0;
}
