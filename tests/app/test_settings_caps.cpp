#include "addresses/DAnschreibenDlg.h"
#include "addresses/FAdressFrame.h"
#include "app/FrameFactory.h"
#include "app/FrameIds.h"
#include "app/InfoDlg.h"
#include "app/KontaloRegistry.h"
#include "app/MainForm.h"
#include "tests/support/CaseName.h"
#include "tests/support/TestEnv.h"

#include <QLineEdit>
#include <QTreeWidget>
#include <functional>

namespace {

// A stored text far longer than its control takes, and where it is shown.
struct CapCase {
    const char* label;
    const char* section;
    const char* name;
    qsizetype cap;
    std::function<QString(TMainForm1&)> shown;
};

class StoredTextCap : public tandrel::test::TestEnv, public ::testing::WithParamInterface<CapCase> {};

// A million characters in the settings reach the controls cut to what they
// accept, the start of the text kept.
TEST_P(StoredTextCap, IsCutToWhatItsControlTakes)
{
    const CapCase& c = GetParam();
    const QString stored = QString(1'000'000, QLatin1Char('m')).replace(0, 5, QStringLiteral("Start"));
    {
        MKontaloRegistry reg;
        reg.WriteString(c.section, c.name, stored);
    }
    TMainForm1 window;
    window.SetInfoDialog(new TInfoDialog1(&window));
    window.show();
    const QString shown = c.shown(window);
    EXPECT_EQ(shown.size(), c.cap);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Startmmm")));
}

INSTANTIATE_TEST_SUITE_P(
    Settings, StoredTextCap,
    ::testing::Values(
        CapCase{"address_field", "Adress\\2", "Name1", kAddressFieldMax,
                [](TMainForm1& w) {
                    auto* book = qobject_cast<TAdressFrame*>(w.GetFrameFactory()->CreateFrame(6100));
                    return book ? book->ListViewAdressen->topLevelItem(2)->text(0) : QString();
                }},
        CapCase{"address_remark", "Adress\\0", "Bemerkung2", kAddressFieldMax,
                [](TMainForm1& w) {
                    auto* book = qobject_cast<TAdressFrame*>(w.GetFrameFactory()->CreateFrame(6100));
                    if (!book)
                        return QString();
                    book->ListViewAdressen->setCurrentItem(book->ListViewAdressen->topLevelItem(0));
                    return book->EditBemerkung2->text();
                }},
        CapCase{"letter_subject", "AnschreibenDlg", "Betreff", kAddressFieldMax,
                [](TMainForm1&) { return TAnschreibenDialog().EditBetreff->text(); }}),
    tandrel::test::CaseName{});

} // namespace
