#include "data/RawPicture.h"
#include "tests/support/CaseName.h"

#include <gtest/gtest.h>

namespace {

using tandrel::pictures::decodeRawPicture;
using tandrel::pictures::encodeRawPicture;
using tandrel::pictures::viewRawPicture;

const uchar* bytes(const QByteArray& data)
{
    return reinterpret_cast<const uchar*>(data.constData());
}

TEST(RawPicture, RoundTripKeepsEveryPixel)
{
    QImage img(5, 3, QImage::Format_ARGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            img.setPixelColor(x, y, QColor(x * 50, y * 80, 200, x == 2 ? 0 : 255));
    const QImage back = decodeRawPicture(encodeRawPicture(img));
    ASSERT_EQ(back.size(), img.size());
    EXPECT_EQ(back.convertToFormat(QImage::Format_ARGB32), img.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                                              .convertToFormat(QImage::Format_ARGB32));
}

TEST(RawPicture, ViewSharesTheBytesAndCopiesUnalignedRows)
{
    QImage img(3, 2, QImage::Format_ARGB32_Premultiplied);
    img.fill(qRgba(10, 20, 30, 255));
    img.setPixel(1, 1, qRgba(0, 0, 0, 0));
    const QByteArray raw = encodeRawPicture(img);

    const QImage view = viewRawPicture(bytes(raw), raw.size());
    EXPECT_EQ(view, img);
    EXPECT_EQ(view.constBits(), bytes(raw) + 12); // no copy

    // The same bytes one past an aligned address cannot be shown in place.
    QByteArray shifted(raw.size() + 4, '\0');
    const int offset = 4 - int(reinterpret_cast<quintptr>(shifted.constData()) % 4) + 1;
    shifted.resize(raw.size() + offset);
    std::memcpy(shifted.data() + offset, raw.constData(), size_t(raw.size()));
    const QImage copied = viewRawPicture(bytes(shifted) + offset, raw.size());
    EXPECT_EQ(copied, img);
    EXPECT_NE(copied.constBits(), bytes(shifted) + offset + 12);
}

struct BadRaw {
    const char* name;
    QByteArray data;
};

class RawPictureBad : public ::testing::TestWithParam<BadRaw> {};

TEST_P(RawPictureBad, GivesANullImage)
{
    EXPECT_TRUE(decodeRawPicture(GetParam().data).isNull());
    EXPECT_TRUE(viewRawPicture(bytes(GetParam().data), GetParam().data.size()).isNull());
}

QByteArray header(quint32 w, quint32 h, int payload)
{
    QByteArray d("TRW1");
    d.resize(12);
    qToLittleEndian<quint32>(w, d.data() + 4);
    qToLittleEndian<quint32>(h, d.data() + 8);
    return d + QByteArray(payload, '\0');
}

INSTANTIATE_TEST_SUITE_P(Pictures, RawPictureBad,
                         ::testing::Values(BadRaw{"empty", QByteArray()}, BadRaw{"png", QByteArray("\x89PNG\r\n\x1a\n1234")},
                                           BadRaw{"truncated", header(2, 2, 15)}, BadRaw{"too_long", header(2, 2, 17)},
                                           BadRaw{"zero_width", header(0, 2, 0)},
                                           BadRaw{"huge", header(100000, 100000, 4)}),
                         tandrel::test::CaseName{});

} // namespace
