// The picture catalogue PDF ("ImageDump") against a plain libharu program that
// writes the same pictures and texts at the same places: the floor.
#include "bench/BenchDoubles.h"
#include "bench/RatioReporter.h"
#include "app/FInterfaceFrame.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <hpdf.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

// A workspace in a folder of its own, with its catalogue loaded.
struct Workspace {
    Workspace()
    {
        qputenv("TANDREL_APPDATA", dir.filePath("appdata").toUtf8());
        qputenv("TANDREL_REGISTRY", dir.filePath("registry.reg").toUtf8());
        ws.InitInterface();
    }
    QTemporaryDir dir;
    SilentDialogs dialogs;
    NullShell shell;
    tandrel::platform::ScopedDialogs dialogsGuard{dialogs};
    tandrel::platform::ScopedShell shellGuard{shell};
    TInterfaceFrame ws;
};

// Made in main(): its widget must go before the application object.
std::unique_ptr<Workspace> g_workspace;

Workspace& workspace() { return *g_workspace; }

void setSize(benchmark::State& state, const QString& file)
{
    state.counters["bytes"] = benchmark::Counter(double(QFileInfo(file).size()));
}

void BM_TandrelCatalogue(benchmark::State& state)
{
    Workspace& w = workspace();
    for (auto _ : state)
        w.ws.BitBtnImageListClick();
    setSize(state, w.shell.last);
}

void errorHandler(HPDF_STATUS error, HPDF_STATUS detail, void*)
{
    std::fprintf(stderr, "libharu error 0x%04X (%u)\n", unsigned(error), unsigned(detail));
}

void BM_PlainLibharu(benchmark::State& state)
{
    Workspace& w = workspace();
    const QString file = w.dir.filePath("floor.pdf");
    const QByteArray name = file.toLocal8Bit();
    const double pt = 72 / 25.4, pageW = 212, pageH = 299.8;
    const auto& entries = w.ws.Pictures();
    for (auto _ : state) {
        HPDF_Doc doc = HPDF_New(errorHandler, nullptr);
        HPDF_SetCompressionMode(doc, HPDF_COMP_ALL);
        HPDF_Font font = HPDF_GetFont(doc, "Helvetica", "WinAnsiEncoding");
        const double ascent = HPDF_Font_GetAscent(font) / 1000.0;
        HPDF_Page page = nullptr;
        auto newPage = [&] {
            page = HPDF_AddPage(doc);
            HPDF_Page_SetWidth(page, HPDF_REAL(pageW * pt));
            HPDF_Page_SetHeight(page, HPDF_REAL(pageH * pt));
        };
        auto text = [&](double x, double y, double size, const QString& s) {
            HPDF_Page_BeginText(page);
            HPDF_Page_SetFontAndSize(page, font, HPDF_REAL(size));
            HPDF_Page_TextOut(page, HPDF_REAL(x * pt), HPDF_REAL((pageH - y) * pt - ascent * size),
                              s.toLatin1().constData());
            HPDF_Page_EndText(page);
        };
        newPage();
        HPDF_Page_SetRGBFill(page, 100 / 255.f, 100 / 255.f, 222 / 255.f);
        text(18, 8, 16, QStringLiteral("Pravik Interface Dokumentation"));
        const QString date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
        text(18, 14, 12, QStringLiteral("Datum:%1   Version: 2012 20").arg(date));
        text(18, 19, 12, QStringLiteral("Images (Anzahl: %1)").arg(int(entries.size()) - 1));
        HPDF_Page_SetRGBFill(page, 0, 0, 0);
        int k = 0;
        for (const PictureEntry& e : entries) {
            double top = 15 + 25.0 * ++k;
            if (top > pageH - 35) {
                newPage();
                top = 15;
                k = 0;
            }
            const int pw = e.picture().width(), ph = e.picture().height();
            const double bottom = top + 21, right = 15 + std::nearbyint(25.0 * pw / ph);
            const QImage rgb = e.picture().convertToFormat(QImage::Format_RGB888);
            HPDF_Image img = HPDF_LoadRawImageFromMem(doc, rgb.constBits(), HPDF_UINT(pw), HPDF_UINT(ph),
                                                      HPDF_CS_DEVICE_RGB, 8);
            HPDF_Page_DrawImage(page, img, HPDF_REAL(15 * pt), HPDF_REAL((pageH - bottom) * pt),
                                HPDF_REAL((right - 15) * pt), HPDF_REAL(21 * pt));
            text(12, bottom + 0.5, 8,
                 QStringLiteral(">>ID:%1   >>Beschreibung: %2  >>Quelle: %3")
                     .arg(QString::number(e.id), e.description(), e.source()));
            text(120, bottom - 12, 8, QStringLiteral("Breite:%1  Höhe: %2").arg(pw).arg(ph));
        }
        HPDF_SaveToFile(doc, name.constData());
        HPDF_Free(doc);
    }
    setSize(state, file);
}

BENCHMARK(BM_PlainLibharu)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_TandrelCatalogue)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    g_workspace = std::make_unique<Workspace>();
    RatioReporter reporter("BM_TandrelCatalogue", "BM_PlainLibharu", "Catalogue / plain libharu");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    g_workspace.reset();
    return 0;
}
