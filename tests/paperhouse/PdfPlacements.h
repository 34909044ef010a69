#pragma once

#include "tests/support/PdfReader.h"

#include <QFile>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>
#include <vector>

namespace tandrel::test {

// One picture drawn on a page: the XObject's name and its rectangle in mm
// from the page's top left.
struct ImagePlacement {
    QString name;
    QRectF mm;
};

// Every picture placement per page, read from the uncompressed content
// streams (qpdf --qdf). Empty when the file cannot be read.
inline std::vector<std::vector<ImagePlacement>> ImagePlacements(const QString& path)
{
    const PdfReader reader(path);
    std::vector<std::vector<ImagePlacement>> pages(std::size_t(std::max(0, reader.pageCount())));
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("plain.pdf"));
    QProcess qpdf;
    qpdf.start(QStringLiteral("qpdf"),
               {QStringLiteral("--qdf"), QStringLiteral("--object-streams=disable"), path, plain});
    if (!qpdf.waitForFinished(60000) || qpdf.exitCode() != 0)
        return {};
    QFile file(plain);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromLatin1(file.readAll());

    constexpr double kMmPerPoint = 25.4 / 72.0;
    static const QRegularExpression marker(QStringLiteral("%% Contents for page (\\d+)"));
    static const QRegularExpression placement(
        QStringLiteral("([-\\d.]+)\\s+0\\s+0\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+cm\\s+/(\\S+)\\s+Do"));
    auto it = marker.globalMatch(text);
    std::vector<std::pair<int, qsizetype>> starts;
    while (it.hasNext()) {
        const auto m = it.next();
        starts.emplace_back(m.captured(1).toInt() - 1, m.capturedEnd());
    }
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const auto [page, from] = starts[i];
        if (page < 0 || page >= int(pages.size()))
            continue;
        const qsizetype end = text.indexOf(QStringLiteral("endstream"), from);
        const QString stream = text.mid(from, end < 0 ? -1 : end - from);
        const double pageHeight = reader.pageSizeMm(page).height();
        auto m = placement.globalMatch(stream);
        while (m.hasNext()) {
            const auto p = m.next();
            const double w = p.captured(1).toDouble() * kMmPerPoint, h = p.captured(2).toDouble() * kMmPerPoint;
            const double x = p.captured(3).toDouble() * kMmPerPoint, y = p.captured(4).toDouble() * kMmPerPoint;
            pages[std::size_t(page)].push_back({p.captured(5), QRectF(x, pageHeight - y - h, w, h)});
        }
    }
    return pages;
}

} // namespace tandrel::test
