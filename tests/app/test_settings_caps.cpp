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
                    auto* book = qobject_cast<TAdressFrame*>(w.GetFrameFactory()->CreateFrame(FrameId::Adress));
                    for (int i = 0; book && i < book->ListViewAdressen->topLevelItemCount(); ++i)
                        if (book->ListViewAdressen->topLevelItem(i)->text(0).startsWith(QStringLiteral("Start")))
                            return book->ListViewAdressen->topLevelItem(i)->text(0);
                    return QString();
                }},
        CapCase{"address_remark", "Adress\\0", "Bemerkung2", kAddressFieldMax,
                [](TMainForm1& w) {
                    auto* book = qobject_cast<TAdressFrame*>(w.GetFrameFactory()->CreateFrame(FrameId::Adress));
                    if (!book)
                        return QString();
                    for (int i = 0; i < book->ListViewAdressen->topLevelItemCount(); ++i) {
                        book->ListViewAdressen->setCurrentItem(book->ListViewAdressen->topLevelItem(i));
                        if (book->EditBemerkung2->text().startsWith(QStringLiteral("Start")))
                            return book->EditBemerkung2->text();
                    }
                    return QString();
                }},
        CapCase{"letter_subject", "AnschreibenDlg", "Betreff", kAddressFieldMax,
                [](TMainForm1&) { return TAnschreibenDialog().EditBetreff->text(); }}),
    tandrel::test::CaseName{});

} // namespace
