#pragma once

// A workspace object in a folder of its own for the PDF benchmarks, with
// dialogs and shell that never wait for a person.
#include "app/FInterfaceFrame.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "platform/Shell.h"

#include "bench/BenchDoubles.h"

#include "bench/RatioReporter.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QRectF>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <hpdf.h>

#include <cstdio>
#include <memory>

namespace bench {

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
inline std::unique_ptr<Workspace> g_workspace;

inline Workspace& workspace() { return *g_workspace; }

inline void setSize(benchmark::State& state, const QString& file)
{
    state.counters["bytes"] = benchmark::Counter(double(QFileInfo(file).size()));
}

// The floor of the PDF benchmarks: libharu called directly, pages in
// millimetres from the top left like the program's writer.
class HpdfFloor {
public:
    HpdfFloor(double pageWidth, double pageHeight) : m_w(pageWidth), m_h(pageHeight)
    {
        m_doc = HPDF_New(errorHandler, nullptr);
        HPDF_SetCompressionMode(m_doc, HPDF_COMP_ALL);
        m_font = HPDF_GetFont(m_doc, "Helvetica", "WinAnsiEncoding");
        m_ascent = HPDF_Font_GetAscent(m_font) / 1000.0;
    }
    ~HpdfFloor() { HPDF_Free(m_doc); }
    HpdfFloor(const HpdfFloor&) = delete;
    HpdfFloor& operator=(const HpdfFloor&) = delete;

    HPDF_Page page() const { return m_page; }
    void newPage()
    {
        m_page = HPDF_AddPage(m_doc);
        HPDF_Page_SetWidth(m_page, HPDF_REAL(m_w * kPt));
        HPDF_Page_SetHeight(m_page, HPDF_REAL(m_h * kPt));
    }
    void text(double x, double y, double size, const QString& s)
    {
        HPDF_Page_BeginText(m_page);
        HPDF_Page_SetFontAndSize(m_page, m_font, HPDF_REAL(size));
        HPDF_Page_TextOut(m_page, HPDF_REAL(x * kPt), HPDF_REAL((m_h - y) * kPt - m_ascent * size), s.toLatin1().constData());
        HPDF_Page_EndText(m_page);
    }
    // The picture as raw RGB (with its alpha as a soft mask) stretched into r.
    void image(const QImage& picture, const QRectF& r)
    {
        const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
        HPDF_Image img = HPDF_LoadRawImageFromMem(m_doc, rgb.constBits(), HPDF_UINT(rgb.width()), HPDF_UINT(rgb.height()),
                                                  HPDF_CS_DEVICE_RGB, 8);
        if (picture.hasAlphaChannel()) {
            const QImage alpha = picture.convertToFormat(QImage::Format_Alpha8);
            HPDF_Image_AddSMask(img, HPDF_LoadRawImageFromMem(m_doc, alpha.constBits(), HPDF_UINT(alpha.width()),
                                                              HPDF_UINT(alpha.height()), HPDF_CS_DEVICE_GRAY, 8));
        }
        HPDF_Page_DrawImage(m_page, img, HPDF_REAL(r.left() * kPt), HPDF_REAL((m_h - r.bottom()) * kPt),
                            HPDF_REAL(r.width() * kPt), HPDF_REAL(r.height() * kPt));
    }
    // Stored JPEG bytes passed through: their floor is copying them.
    void jpeg(const QByteArray& bytes, const QRectF& r)
    {
        HPDF_Image img = HPDF_LoadJpegImageFromMem(m_doc, reinterpret_cast<const HPDF_BYTE*>(bytes.constData()),
                                                   HPDF_UINT(bytes.size()));
        HPDF_Page_DrawImage(m_page, img, HPDF_REAL(r.left() * kPt), HPDF_REAL((m_h - r.bottom()) * kPt),
                            HPDF_REAL(r.width() * kPt), HPDF_REAL(r.height() * kPt));
    }
    void save(const QString& file) { HPDF_SaveToFile(m_doc, file.toLocal8Bit().constData()); }

private:
    static void errorHandler(HPDF_STATUS error, HPDF_STATUS detail, void*)
    {
        std::fprintf(stderr, "libharu error 0x%04X (%u)\n", unsigned(error), unsigned(detail));
    }
    static constexpr double kPt = 72 / 25.4;
    double m_w, m_h, m_ascent = 0;
    HPDF_Doc m_doc = nullptr;
    HPDF_Font m_font = nullptr;
    HPDF_Page m_page = nullptr;
};

// main() of a PDF benchmark: the registered benchmarks run with a workspace,
// then `subject` is reported against `floor`.
inline int runWithWorkspace(int argc, char** argv, const char* subject, const char* floor, const char* label)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    g_workspace = std::make_unique<Workspace>();
    RatioReporter reporter(subject, floor, label);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    g_workspace.reset();
    return 0;
}

} // namespace bench
