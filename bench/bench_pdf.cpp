// A picture-heavy document through PdfWriter against the same pictures
// written by libharu directly, the floor the writer cannot beat.
#include "bench/RatioReporter.h"
#include "pdf/PdfWriter.h"
#include "platform/Services.h"
#include "platform/Shell.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <hpdf.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kPictures = 30;
constexpr int kPerPage = 15;
constexpr int kColumns = 3;

class NullShell final : public tandrel::platform::Shell {
public:
    bool open(const QString&) override { return true; }
};

const std::vector<QImage>& pictures()
{
    static const std::vector<QImage> all = [] {
        std::vector<QImage> v;
        for (int i = 0; i < kPictures; ++i) {
            QImage img(800, 600, QImage::Format_RGB32);
            QPainter p(&img);
            QLinearGradient sky(0, 0, 0, 600);
            sky.setColorAt(0, QColor::fromHsv((i * 37) % 360, 120, 250));
            sky.setColorAt(1, QColor::fromHsv((i * 37 + 90) % 360, 200, 120));
            p.fillRect(img.rect(), sky);
            p.setRenderHint(QPainter::Antialiasing);
            for (int k = 0; k < 12; ++k) {
                QRadialGradient sun(100 + 53 * ((k + i) % 13), 80 + 41 * ((k * 3 + i) % 11), 40 + 7 * k);
                sun.setColorAt(0, QColor::fromHsv((i * 11 + k * 29) % 360, 255, 255));
                sun.setColorAt(1, Qt::transparent);
                p.setBrush(sun);
                p.setPen(QPen(QColor::fromHsv((k * 47) % 360, 180, 90), 3));
                p.drawEllipse(sun.center(), 40.0 + 7 * k, 30.0 + 5 * k);
                p.drawRect(20 + 61 * k, 400 + 13 * (k % 5), 50, 80);
            }
            v.push_back(img);
        }
        return v;
    }();
    return all;
}

// Placement in millimetres, rows of three, fifteen to a page.
QRectF place(int i)
{
    const int slot = i % kPerPage;
    return {10.0 + 65.0 * (slot % kColumns), 10.0 + 55.0 * (slot / kColumns), 60.0, 45.0};
}

QString target(const char* name)
{
    static QTemporaryDir dir;
    return QDir(dir.path()).filePath(name);
}

void setSize(benchmark::State& state, const QString& file)
{
    state.counters["bytes"] = double(QFileInfo(file).size());
}

void BM_PdfWriter(benchmark::State& state)
{
    const auto& pics = pictures();
    const QString file = target("writer.pdf");
    PdfWriter writer;
    for (auto _ : state) {
        // The writer does not write over a file shown in this run: every
        // round has a desktop of its own.
        NullShell shell;
        tandrel::platform::ScopedShell guard(shell);
        writer.SetFileName(file);
        writer.BeginDoc();
        for (int i = 0; i < kPictures; ++i) {
            if (i > 0 && i % kPerPage == 0)
                writer.NewPage();
            writer.DrawImage(place(i), pics[std::size_t(i)]);
        }
        writer.EndDoc();
    }
    setSize(state, file);
}

void ignoreError(HPDF_STATUS, HPDF_STATUS, void*) {}

void BM_PlainLibharu(benchmark::State& state)
{
    const auto& pics = pictures();
    const QString file = target("plain.pdf");
    const QByteArray name = QFile::encodeName(file);
    constexpr double pt = 72.0 / 25.4;
    for (auto _ : state) {
        HPDF_Doc doc = HPDF_New(ignoreError, nullptr);
        HPDF_SetCompressionMode(doc, HPDF_COMP_ALL);
        HPDF_Page page = nullptr;
        for (int i = 0; i < kPictures; ++i) {
            if (i % kPerPage == 0) {
                page = HPDF_AddPage(doc);
                HPDF_Page_SetWidth(page, HPDF_REAL(210 * pt));
                HPDF_Page_SetHeight(page, HPDF_REAL(297.000254000508 * pt));
            }
            const QImage rgb = pics[std::size_t(i)].convertToFormat(QImage::Format_RGB888);
            HPDF_Image img = HPDF_LoadRawImageFromMem(doc, rgb.constBits(), HPDF_UINT(rgb.width()),
                                                      HPDF_UINT(rgb.height()), HPDF_CS_DEVICE_RGB, 8);
            const QRectF r = place(i);
            HPDF_Page_DrawImage(page, img, HPDF_REAL(r.left() * pt), HPDF_REAL((297.000254000508 - r.bottom()) * pt),
                                HPDF_REAL(r.width() * pt), HPDF_REAL(r.height() * pt));
        }
        HPDF_SaveToFile(doc, name.constData());
        HPDF_Free(doc);
    }
    setSize(state, file);
}

BENCHMARK(BM_PlainLibharu)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PdfWriter)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter("BM_PdfWriter", "BM_PlainLibharu", "PdfWriter / plain libharu");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
