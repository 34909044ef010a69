#include "tests/product/ProductFixture.h"
#include "tests/support/CaseName.h"

#include <QLabel>
#include <QToolButton>
#include <ostream>

namespace {

using tandrel::test::ProductTest;

struct BodyCase {
    const char* name;
    int width;
    int height;
};

void PrintTo(const BodyCase& c, std::ostream* os) { *os << c.name; }

class LeftColumnTest : public ProductTest, public ::testing::WithParamInterface<BodyCase> {};

// The logo is shown whole and the cover below it never draws over it, however
// low the window.
TEST_P(LeftColumnTest, LogoIsWholeAndCoverStaysBelowIt)
{
    window.body.resize(GetParam().width, GetParam().height);
    window.body.show();
    TKontaloProduktFrame* f = product();
    ASSERT_NE(f, nullptr);
    const auto* logo = f->findChild<QLabel*>(QStringLiteral("ImageLogo"));
    const auto* cover = f->findChild<QToolButton*>(QStringLiteral("ImageCover"));
    ASSERT_NE(logo, nullptr);
    ASSERT_NE(cover, nullptr);
    ASSERT_FALSE(logo->pixmap().isNull());

    EXPECT_GE(logo->height(), logo->pixmap().height());
    EXPECT_GE(logo->y(), 0);
    EXPECT_GE(cover->y(), logo->geometry().bottom());
    EXPECT_LE(cover->iconSize().height(), cover->height());
    EXPECT_GT(cover->iconSize().height(), 0);
}

INSTANTIATE_TEST_SUITE_P(BodySizes, LeftColumnTest,
                         ::testing::Values(BodyCase{"low_800x480", 800, 480}, BodyCase{"medium_1000x590", 1000, 590},
                                           BodyCase{"tall_1920x980", 1920, 980}),
                         tandrel::test::CaseName());

} // namespace
