#include "drawing/FGruppeRepDialogFrame.h"

#include "drawing/DrawConventions.h"
#include "drawing/PVElementeReps.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "text/FormatText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// Counts below the minimum would leave the group without modules.
std::optional<int> ReadCount(const QLineEdit* edit, int minimum)
{
    const auto v = ReadIntegerEdit(edit);
    if (v && *v < minimum) {
        tandrel::platform::dialogs().showMessage(
            QStringLiteral("'%1' ist hier nicht zulässig: der Wert muss mindestens %2 sein.")
                .arg(edit->text())
                .arg(minimum));
        return std::nullopt;
    }
    return v;
}

} // namespace

TGruppeRepDialogFrame::TGruppeRepDialogFrame(QWidget* parent)
    : TBaseRepDialogFrame(parent)
{
    auto* outer = new QVBoxLayout(PanelMain);
    auto* grid = new QGridLayout;
    outer->addLayout(grid);
    outer->addStretch(1);
    int row = 0;
    auto add = [&](const QString& label, QWidget* field, const QString& name, const QString& unit) {
        field->setObjectName(name);
        grid->addWidget(new QLabel(label), row, 0);
        grid->addWidget(field, row, 1);
        if (!unit.isEmpty())
            grid->addWidget(new QLabel(unit), row, 2);
        ++row;
    };
    auto edit = [](QLineEdit*& e) {
        e = new QLineEdit;
        return e;
    };
    const QString m = QStringLiteral("m"), deg = QStringLiteral("°");
    add(QStringLiteral("Name:"), edit(EditName1), QStringLiteral("EditName1"), {});
    ComboBoxRasterTyp = new QComboBox;
    add(QStringLiteral("Rastertyp:"), ComboBoxRasterTyp, QStringLiteral("ComboBoxRasterTyp"), {});
    add(QStringLiteral("Anzahl Reihen:"), edit(EditRowCount), QStringLiteral("EditRowCount"), {});
    add(QStringLiteral("Anzahl Spalten:"), edit(EditColCount), QStringLiteral("EditColCount"), {});
    add(QStringLiteral("Abstand Reihen:"), edit(EditRowDistance), QStringLiteral("EditRowDistance"), m);
    add(QStringLiteral("Abstand nebeneinander:"), edit(EditColDistance), QStringLiteral("EditColDistance"), m);
    add(QStringLiteral("Reiheneinrückung:"), edit(EditXVersatz), QStringLiteral("EditXVersatz"), m);
    add(QStringLiteral("Aufständerung reihenweise"), edit(EditRowElevationAngle),
        QStringLiteral("EditRowElevationAngle"), deg);
    add(QStringLiteral("Aufständerung spaltenweise:"), edit(EditColElevationAngle),
        QStringLiteral("EditColElevationAngle"), deg);
    add(QStringLiteral("Erste Spalten:"), edit(EditColCountAnfang), QStringLiteral("EditColCountAnfang"), {});
    add(QStringLiteral("Anzahl Spalten:"), edit(EditColcountPeriode), QStringLiteral("EditColcountPeriode"), {});
    add(QStringLiteral("Abstand Spalten:"), edit(EditColPeriodeAbstand), QStringLiteral("EditColPeriodeAbstand"),
        m);
}

void TGruppeRepDialogFrame::InitRepFrame(QWidget* parent, TBaseFrame* owner, MBaseRep* rep, int frameId,
                                         TBaseFrameFactory* factory)
{
    TBaseRepDialogFrame::InitRepFrame(parent, owner, rep, frameId, factory);
    auto* g = dynamic_cast<MGruppeRep*>(rep);
    if (!g)
        return;
    EditName1->setText(g->Name1);
    ComboBoxRasterTyp->setCurrentIndex(g->RasterTyp);
    EditXVersatz->setText(FormatText(QStringLiteral("%2.2f"), {g->XVersatz}));
    EditRowCount->setText(QString::number(g->RowCount));
    EditColCount->setText(QString::number(g->ColCount));
    EditRowDistance->setText(FormatText(QStringLiteral("%2.2f"), {g->RowDistance}));
    EditColDistance->setText(FormatText(QStringLiteral("%2.2f"), {g->ColDistance}));
    EditRowElevationAngle->setText(FormatText(QStringLiteral("%2.1f"), {g->RowElevationAngle}));
    EditColElevationAngle->setText(FormatText(QStringLiteral("%2.1f"), {g->ColElevationAngle}));
    EditColCountAnfang->setText(QString::number(g->ColCountAnfang));
    EditColcountPeriode->setText(QString::number(g->ColCountPeriode));
    EditColPeriodeAbstand->setText(FormatText(QStringLiteral("%2.2f"), {g->ColPeriodeAbstand}));
}

bool TGruppeRepDialogFrame::ApplyRepFrame()
{
    auto* g = dynamic_cast<MGruppeRep*>(Rep());
    if (!g)
        return true;
    // Every input is read before anything changes.
    const auto xVersatz = ReadFloatEdit(EditXVersatz);
    if (!xVersatz)
        return false;
    const auto rowCount = ReadCount(EditRowCount, 0);
    if (!rowCount)
        return false;
    const auto colCount = ReadCount(EditColCount, 0);
    if (!colCount)
        return false;
    const auto rowDistance = ReadFloatEdit(EditRowDistance);
    if (!rowDistance)
        return false;
    const auto colDistance = ReadFloatEdit(EditColDistance);
    if (!colDistance)
        return false;
    const auto rowAngle = ReadFloatEdit(EditRowElevationAngle);
    if (!rowAngle)
        return false;
    const auto colAngle = ReadFloatEdit(EditColElevationAngle);
    if (!colAngle)
        return false;
    const auto anfang = ReadCount(EditColCountAnfang, 0);
    if (!anfang)
        return false;
    const auto periode = ReadCount(EditColcountPeriode, 1);
    if (!periode)
        return false;
    const auto periodeAbstand = ReadFloatEdit(EditColPeriodeAbstand);
    if (!periodeAbstand)
        return false;

    g->Name1 = EditName1->text();
    // The list offers no raster types: without a choice the group keeps its own.
    if (ComboBoxRasterTyp->currentIndex() >= 0)
        g->RasterTyp = ComboBoxRasterTyp->currentIndex();
    g->XVersatz = *xVersatz;
    g->RowCount = *rowCount;
    g->ColCount = *colCount;
    g->RowDistance = *rowDistance;
    g->ColDistance = *colDistance;
    g->RowElevationAngle = *rowAngle;
    g->ColElevationAngle = *colAngle;
    g->ColCountAnfang = *anfang;
    g->ColCountPeriode = *periode;
    g->ColPeriodeAbstand = *periodeAbstand;
    g->Structure().FreeAll();
    g->BuildRaster();
    if (g->Owner)
        g->UpdateModuleStates(*g->Owner);
    return true;
}
