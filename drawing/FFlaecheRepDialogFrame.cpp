#include "drawing/FFlaecheRepDialogFrame.h"

#include "app/CommonFunctions.h"

#include "drawing/DrawConventions.h"
#include "drawing/PVFlaecheReps.h"
#include "drawing/Rounding.h"
#include "text/FormatText.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>
#include <array>
#include <numbers>

using tandrel::platform::ColorRef;

namespace {

QLineEdit* AddLengthRow(QFormLayout* form, const QString& label, const QString& name)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    auto* row = new QWidget;
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(edit);
    h->addWidget(new QLabel(QStringLiteral("m")));
    form->addRow(label, row);
    return edit;
}

QString Dim(double v)
{
    return FormatText(QStringLiteral("%2.2f"), {v});
}

void ShowColor(QLabel* shape, ColorRef c)
{
    SetPanelColor(shape, c);
}

} // namespace

TFlaecheRepDialogFrame::TFlaecheRepDialogFrame(QWidget* parent)
    : TBaseRepDialogFrame(parent)
{
    auto* main = new QVBoxLayout(PanelMain);

    auto* top = new QFormLayout;
    EditName1 = new QLineEdit;
    EditName1->setObjectName(QStringLiteral("EditName1"));
    top->addRow(QStringLiteral("Name:"), EditName1);
    main->addLayout(top);

    PageControlForm = new QTabWidget;
    PageControlForm->setObjectName(QStringLiteral("PageControlForm"));
    auto page = [this](const QString& caption, const QString& name) {
        auto* w = new QWidget;
        w->setObjectName(name);
        PageControlForm->addTab(w, caption);
        return new QFormLayout(w);
    };
    QFormLayout* rechteck = page(QStringLiteral("Rechteck"), QStringLiteral("TabSheetRechteck"));
    EditRechteckLaenge1 = AddLengthRow(rechteck, QStringLiteral("Länge:"), QStringLiteral("EditRechteckLaenge1"));
    EditRechteckBreite1 = AddLengthRow(rechteck, QStringLiteral("Breite:"), QStringLiteral("EditRechteckBreite1"));
    QFormLayout* trapez = page(QStringLiteral("Trapez"), QStringLiteral("TabSheetTrapez"));
    EditTrapezLaenge1 = AddLengthRow(trapez, QStringLiteral("Länge:"), QStringLiteral("EditTrapezLaenge1"));
    EditTrapezBreite1 = AddLengthRow(trapez, QStringLiteral("Breite:"), QStringLiteral("EditTrapezBreite1"));
    EditTrapezLaenge2 = AddLengthRow(trapez, QStringLiteral("Einrückung:"), QStringLiteral("EditTrapezLaenge2"));
    EditTrapezLaenge3 = AddLengthRow(trapez, QStringLiteral("Länge oben:"), QStringLiteral("EditTrapezLaenge3"));
    QFormLayout* lform = page(QStringLiteral("L-Form"), QStringLiteral("TabSheetLForm"));
    EditLFormLaenge1 = AddLengthRow(lform, QStringLiteral("Länge:"), QStringLiteral("EditLFormLaenge1"));
    EditLFormBreite1 = AddLengthRow(lform, QStringLiteral("Breite:"), QStringLiteral("EditLFormBreite1"));
    EditLFormLaenge2 = AddLengthRow(lform, QStringLiteral("Länge 2:"), QStringLiteral("EditLFormLaenge2"));
    EditLFormBreite2 = AddLengthRow(lform, QStringLiteral("Breite 2:"), QStringLiteral("EditLFormBreite2"));
    main->addWidget(PageControlForm);

    m_abstandPanel = new QWidget;
    auto* abstand = new QFormLayout(m_abstandPanel);
    abstand->setContentsMargins(0, 0, 0, 0);
    EditAbstandAussen = AddLengthRow(abstand, QStringLiteral("Abstand Außen:"), QStringLiteral("EditAbstandAussen"));
    EditAbstandInnen = AddLengthRow(abstand, QStringLiteral("Abstand Innen:"), QStringLiteral("EditAbstandInnen"));
    main->addWidget(m_abstandPanel);

    auto* colors = new QGridLayout;
    ButtonFarbeAussen = new QPushButton(QStringLiteral("Farbe außen"));
    ButtonFarbeAussen->setObjectName(QStringLiteral("ButtonFarbeAussen"));
    ButtonFarbeInnen = new QPushButton(QStringLiteral("Farbe innen"));
    ButtonFarbeInnen->setObjectName(QStringLiteral("ButtonFarbeInnen"));
    ShapeFarbe1 = new QLabel;
    ShapeFarbe1->setObjectName(QStringLiteral("ShapeFarbe1"));
    ShapeFarbe2 = new QLabel;
    ShapeFarbe2->setObjectName(QStringLiteral("ShapeFarbe2"));
    for (QLabel* s : {ShapeFarbe1, ShapeFarbe2}) {
        s->setAutoFillBackground(true);
        s->setFrameShape(QFrame::Box);
        s->setFixedSize(40, 20);
    }
    colors->addWidget(ButtonFarbeAussen, 0, 0);
    colors->addWidget(ShapeFarbe1, 0, 1);
    colors->addWidget(ButtonFarbeInnen, 1, 0);
    colors->addWidget(ShapeFarbe2, 1, 1);
    colors->setColumnStretch(2, 1);
    main->addLayout(colors);

    TrackBarFlaecheDrehrichtung = new QSlider(Qt::Horizontal);
    TrackBarFlaecheDrehrichtung->setObjectName(QStringLiteral("TrackBarFlaecheDrehrichtung"));
    TrackBarFlaecheDrehrichtung->setRange(-180, 180);
    TrackBarFlaecheDrehrichtung->setTickInterval(5);
    TrackBarFlaecheDrehrichtung->setTickPosition(QSlider::TicksBelow);
    // The turn needs a name and its value in degrees next to the bar.
    auto* turnRow = new QHBoxLayout;
    auto* turnLabel = new QLabel(QStringLiteral("Drehrichtung:"));
    turnLabel->setObjectName(QStringLiteral("LabelDrehrichtung"));
    turnLabel->setBuddy(TrackBarFlaecheDrehrichtung);
    LabelDrehrichtungWert = new QLabel;
    LabelDrehrichtungWert->setObjectName(QStringLiteral("LabelDrehrichtungWert"));
    LabelDrehrichtungWert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelDrehrichtungWert->setMinimumWidth(LabelDrehrichtungWert->fontMetrics().horizontalAdvance(QStringLiteral("-180°")) + 4);
    turnRow->addWidget(turnLabel);
    turnRow->addWidget(TrackBarFlaecheDrehrichtung, 1);
    turnRow->addWidget(LabelDrehrichtungWert);
    main->addLayout(turnRow);
    main->addStretch(1);
    auto showTurn = [this](int degrees) { LabelDrehrichtungWert->setText(QStringLiteral("%1°").arg(degrees)); };
    connect(TrackBarFlaecheDrehrichtung, &QSlider::valueChanged, this, showTurn);
    showTurn(TrackBarFlaecheDrehrichtung->value());

    connect(ButtonFarbeAussen, &QPushButton::clicked, this, [this] { ButtonFarbeAussenClick(); });
    connect(ButtonFarbeInnen, &QPushButton::clicked, this, [this] { ButtonFarbeInnenClick(); });
}

void TFlaecheRepDialogFrame::SetFarbe1(ColorRef c)
{
    m_farbe1 = c;
    ShowColor(ShapeFarbe1, c);
}

void TFlaecheRepDialogFrame::SetFarbe2(ColorRef c)
{
    m_farbe2 = c;
    ShowColor(ShapeFarbe2, c);
}

void TFlaecheRepDialogFrame::InitRepFrame(QWidget* parent, TBaseFrame* owner, MBaseRep* rep, int frameId,
                                          TBaseFrameFactory* factory)
{
    TBaseRepDialogFrame::InitRepFrame(parent, owner, rep, frameId, factory);
    if (!rep)
        return;
    EditName1->setText(rep->Name1);
    int form = 0;
    std::array<double, 5> d{}; // Laenge1, Breite1, Laenge2, Breite2, Laenge3
    auto* sperr = dynamic_cast<MSperrFlaecheRep*>(rep);
    if (auto* area = dynamic_cast<MStandardFlaecheRep*>(rep)) {
        d = {area->Laenge1, area->Breite1, area->Laenge2, area->Breite2, area->Laenge3};
        form = area->FlaechenForm;
        TrackBarFlaecheDrehrichtung->setValue(RoundToInt(area->Nordrichtung));
    } else if (sperr) {
        d = {sperr->Laenge1, sperr->Breite1, sperr->Laenge2, sperr->Breite2, sperr->Laenge3};
        form = sperr->FlaechenForm;
        TrackBarFlaecheDrehrichtung->setValue(RoundToInt(sperr->Nordrichtung));
    }
    EditRechteckLaenge1->setText(Dim(d[0]));
    EditRechteckBreite1->setText(Dim(d[1]));
    EditTrapezLaenge1->setText(Dim(d[0]));
    EditTrapezBreite1->setText(Dim(d[1]));
    EditTrapezLaenge2->setText(Dim(d[2]));
    EditTrapezLaenge3->setText(Dim(d[4]));
    EditLFormLaenge1->setText(Dim(d[0]));
    EditLFormBreite1->setText(Dim(d[1]));
    EditLFormLaenge2->setText(Dim(d[2]));
    EditLFormBreite2->setText(Dim(d[3]));
    m_abstandPanel->setVisible(sperr != nullptr);
    if (sperr) {
        EditAbstandAussen->setText(Dim(sperr->Aussenabstand));
        EditAbstandInnen->setText(Dim(sperr->Innenabstand));
    }
    PageControlForm->setCurrentIndex(form == kFormTrapez ? 1 : form == kFormLForm ? 2 : 0);
    SetFarbe1(rep->FillColor);
    SetFarbe2(rep->AuxColor2);
}

void TFlaecheRepDialogFrame::ButtonFarbeAussenClick()
{
    if (const auto c = ChooseFrameColor(*this, m_farbe1))
        SetFarbe1(*c);
}

void TFlaecheRepDialogFrame::ButtonFarbeInnenClick()
{
    if (const auto c = ChooseFrameColor(*this, m_farbe2))
        SetFarbe2(*c);
    ApplyRepFrame();
    if (OwnerFrame)
        OwnerFrame->RefreshFrame();
}

bool TFlaecheRepDialogFrame::ApplyRepFrame()
{
    MBaseRep* rep = Rep();
    auto* area = dynamic_cast<MStandardFlaecheRep*>(rep);
    auto* sperr = dynamic_cast<MSperrFlaecheRep*>(rep);
    if (!area && !sperr)
        return true;

    // Every input is read before anything changes.
    std::optional<double> aussen, innen;
    if (sperr) {
        aussen = ReadFloatEdit(EditAbstandAussen);
        if (!aussen)
            return false;
        innen = ReadFloatEdit(EditAbstandInnen);
        if (!innen)
            return false;
    }
    const int page = PageControlForm->currentIndex();
    std::vector<QLineEdit*> edits;
    int form = kFormRechteck;
    if (page == 1) {
        edits = {EditTrapezLaenge1, EditTrapezBreite1, EditTrapezLaenge2, EditTrapezLaenge3};
        form = kFormTrapez;
    } else if (page == 2) {
        edits = {EditLFormLaenge1, EditLFormBreite1, EditLFormLaenge2, EditLFormBreite2};
        form = kFormLForm;
    } else {
        edits = {EditRechteckLaenge1, EditRechteckBreite1};
    }
    std::vector<double> values;
    for (QLineEdit* e : edits) {
        const auto v = ReadFloatEdit(e);
        if (!v)
            return false;
        values.push_back(*v);
    }

    const int turn = TrackBarFlaecheDrehrichtung->value();
    auto apply = [&](auto& a) {
        a.Name1 = EditName1->text();
        a.FillColor = m_farbe1;
        a.AuxColor2 = m_farbe2;
        a.Rotation = turn * std::numbers::pi / 180;
        a.Nordrichtung = turn;
        a.Laenge1 = values[0];
        a.Breite1 = values[1];
        if (form == kFormTrapez) {
            a.Laenge2 = values[2];
            a.Laenge3 = values[3];
        } else if (form == kFormLForm) {
            a.Laenge2 = values[2];
            a.Breite2 = values[3];
        }
        a.XSize = a.Laenge1;
        a.YSize = a.Breite1;
    };
    if (sperr) {
        sperr->Aussenabstand = *aussen;
        sperr->Innenabstand = *innen;
        apply(*sperr);
        sperr->BuildOutline(form);
    } else {
        apply(*area);
        area->BuildOutline(form);
    }
    // Inside and blocked states of every module group follow the new shape.
    if (rep->Owner)
        MStandardFlaecheRep::UpdateGroups(*rep->Owner);
    return true;
}
