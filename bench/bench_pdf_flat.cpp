// Flat pictures (logos) stored as PNG: the writer passing their compressed
// rows through against encoding their pixels anew, and against the floor of
// a passed-through picture, copying its bytes into a file.
#include "bench/RatioReporter.h"
#include "pdf/PdfWriter.h"
#include "platform/Services.h"
#include "platform/Shell.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kPictures = 30;

class NullShell final : public tandrel::platform::Shell {
public:
    bool open(const QString&) override { return true; }
};

// Logo-like pictures: plain areas, lines and text, 300 x 100, stored as PNG.
const std::vector<QByteArray>& stored()
{
    static const std::vector<QByteArray> all = [] {
        std::vector<QByteArray> v;
        for (int i = 0; i < kPictures; ++i) {
            QImage img(300, 100, QImage::Format_RGB32);
            img.fill(Qt::white);
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            p.fillRect(QRect(0, 0, 100, 100), QColor::fromHsv((i * 37) % 360, 160, 200));
            p.setPen(QPen(QColor::fromHsv((i * 53) % 360, 200, 120), 3));
            p.drawEllipse(QPointF(50, 50), 30 + i % 10, 30);
            p.setPen(Qt::black);
            QFont f = p.font();
            f.setPixelSize(28);
            p.setFont(f);
            p.drawText(QRect(110, 20, 190, 60), Qt::AlignVCenter, QStringLiteral("Logo %1").arg(i + 1));
            p.end();
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            img.save(&buffer, "PNG");
            v.push_back(bytes);
        }
        return v;
    }();
    return all;
}

QRectF place(int i)
{
    return {10.0 + 65.0 * (i % 3), 10.0 + 25.0 * (i / 3), 60.0, 20.0};
}

// A new name for every document: the writer does not write over a file it
// has had shown in this run.
QString target(const char* name)
{
    static QTemporaryDir dir;
    static int n = 0;
    return QDir(dir.path()).filePath(QStringLiteral("%1-%2").arg(++n).arg(QString::fromLatin1(name)));
}

void setSize(benchmark::State& state, const QString& file)
{
    state.counters["bytes"] = double(QFileInfo(file).size());
}

// The pictures as a frame holds them today: decoded, then encoded by the writer.
void BM_FlatEncoded(benchmark::State& state)
{
    NullShell shell;
    tandrel::platform::ScopedShell guard(shell);
    std::vector<QImage> pixels;
    for (const QByteArray& b : stored())
        pixels.push_back(QImage::fromData(b, "PNG"));
    QString file;
    PdfWriter writer;
    for (auto _ : state) {
        file = target("encoded.pdf");
        writer.SetFileName(file);
        writer.BeginDoc();
        for (int i = 0; i < kPictures; ++i)
            writer.DrawImage(place(i), pixels[std::size_t(i)]);
        writer.EndDoc();
    }
    setSize(state, file);
}

void BM_FlatPassedThrough(benchmark::State& state)
{
    NullShell shell;
    tandrel::platform::ScopedShell guard(shell);
    QString file;
    PdfWriter writer;
    for (auto _ : state) {
        file = target("passed.pdf");
        writer.SetFileName(file);
        writer.BeginDoc();
        for (int i = 0; i < kPictures; ++i)
            writer.DrawPicture(place(i), PdfPicture::FromPng(stored()[std::size_t(i)]));
        writer.EndDoc();
    }
    setSize(state, file);
}

// The floor: the stored bytes copied into a file.
void BM_FlatCopyBytes(benchmark::State& state)
{
    const QString file = target("copy.bin");
    for (auto _ : state) {
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly))
            state.SkipWithError("cannot write");
        for (const QByteArray& b : stored())
            f.write(b);
    }
    setSize(state, file);
}

BENCHMARK(BM_FlatEncoded)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_FlatPassedThrough)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_FlatCopyBytes)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter("BM_FlatPassedThrough", "BM_FlatCopyBytes", "passed through / copying the bytes");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
