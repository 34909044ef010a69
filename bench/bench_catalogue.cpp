// The picture catalogue PDF ("ImageDump") against a plain libharu program that
// writes the same pictures and texts at the same places: the floor.
#include "bench/BenchWorkspace.h"
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

using namespace bench;

void BM_TandrelCatalogue(benchmark::State& state)
{
    Workspace& w = workspace();
    QString last;
    for (auto _ : state) {
        // The writer does not write over a file shown in this run: every
        // round has a desktop of its own.
        NullShell shell;
        tandrel::platform::ScopedShell guard(shell);
        w.ws.BitBtnImageListClick();
        last = shell.last;
    }
    setSize(state, last);
}

void BM_PlainLibharu(benchmark::State& state)
{
    Workspace& w = workspace();
    const QString file = w.dir.filePath("floor.pdf");
    const double pageH = 299.8;
    const auto& entries = w.ws.Pictures();
    for (auto _ : state) {
        HpdfFloor doc(212, pageH);
        doc.newPage();
        HPDF_Page_SetRGBFill(doc.page(), 100 / 255.f, 100 / 255.f, 222 / 255.f);
        doc.text(18, 8, 16, QStringLiteral("Pravik Interface Dokumentation"));
        const QString date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
        doc.text(18, 14, 12, QStringLiteral("Datum:%1   Version: 2012 20").arg(date));
        doc.text(18, 19, 12, QStringLiteral("Images (Anzahl: %1)").arg(int(entries.size()) - 1));
        HPDF_Page_SetRGBFill(doc.page(), 0, 0, 0);
        int k = 0;
        for (const PictureEntry& e : entries) {
            double top = 15 + 25.0 * ++k;
            if (top > pageH - 35) {
                doc.newPage();
                top = 15;
                k = 0;
            }
            const int pw = e.picture().width(), ph = e.picture().height();
            const double bottom = top + 21, right = 15 + std::nearbyint(25.0 * pw / ph);
            doc.image(e.picture(), QRectF(QPointF(15, top), QPointF(right, bottom)));
            doc.text(12, bottom + 0.5, 8,
                     QStringLiteral(">>ID:%1   >>Beschreibung: %2  >>Quelle: %3")
                         .arg(QString::number(e.id), e.description(), e.source()));
            doc.text(120, bottom - 12, 8, QStringLiteral("Breite:%1  Höhe: %2").arg(pw).arg(ph));
        }
        doc.save(file);
    }
    setSize(state, file);
}

BENCHMARK(BM_PlainLibharu)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_TandrelCatalogue)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    return bench::runWithWorkspace(argc, argv, "BM_TandrelCatalogue", "BM_PlainLibharu", "Catalogue / plain libharu");
}
