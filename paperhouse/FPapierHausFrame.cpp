#include "paperhouse/FPapierHausFrame.h"

#include "text/FormatText.h"
#include "app/BaseFrameFactory.h"
#include "app/CommonFunctions.h"
#include "app/KontaloRegistry.h"
#include "app/OneClick.h"
#include "app/PlausibleRanges.h"
#include "drawing/Canvas.h"
#include "drawing/FGraphic3DFrame.h"
#include "drawing/Reps3D.h"
#include "drawing/Rounding.h"
#include "drawing/Structur.h"
#include "drawing/VirtualView.h"
#include "paperhouse/NetGeometry.h"
#include "paperhouse/PageFormats.h"
#include "paperhouse/WallSurfaces.h"
#include "platform/Dialogs.h"
#include "platform/Logging.h"
#include "platform/Services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

using tandrel::platform::ColorRef;
using namespace tandrel::paperhouse;

namespace {

constexpr int kInputClosedHeight = 84;
constexpr int kInputOpenHeight = 324;

// The net view's paint box: shows the picture the frame painted, and has it
// painted again when its size changed.
class TNetPaintBox : public QWidget {
public:
    TNetPaintBox(TPapierHausFrame* frame, QWidget* parent)
        : QWidget(parent)
        , m_frame(frame)
    {
        setObjectName(QStringLiteral("PaintBoxHaus"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
protected:
    void paintEvent(QPaintEvent*) override
    {
        const QImage* picture = m_frame->NetPicture();
        if (!picture || picture->size() != size())
            m_frame->PaintNetView();
        picture = m_frame->NetPicture();
        QPainter p(this);
        if (picture)
            p.drawImage(0, 0, *picture);
    }

private:
    TPapierHausFrame* m_frame;
};

QSlider* MakeSlider(const char* name, int min, int max, QWidget* parent, Qt::Orientation o = Qt::Horizontal)
{
    auto* s = new QSlider(o, parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(min, max);
    return s;
}

QLineEdit* MakeEdit(const char* name, QWidget* parent, int width = 44)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setFixedWidth(width);
    return e;
}

QLabel* MakeLabel(const QString& text, QWidget* parent, const char* name = nullptr)
{
    auto* l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QString::fromLatin1(name));
    return l;
}

// A measure shown in its edit: whole numbers without decimals.
QString MeasureText(double v)
{
    return QLocale().toString(v, 'g', 12);
}

// The typed measure held to its range, or the default for a text that is
// no number.
double MeasureOrDefault(const QLineEdit* edit, const MPlausibleRange& range, double def)
{
    try {
        return range.Hold(TypedToFloat(edit->text()), def);
    } catch (const ConversionError&) {
        return range.Hold(def, def);
    }
}

int RoundedPosition(double v)
{
    return RoundToInt(v);
}

// What the controls show before the settings are loaded.
const TPaperHouseParams& Defaults()
{
    static const TPaperHouseParams d;
    return d;
}

} // namespace

TPapierHausFrame::TPapierHausFrame(QWidget* parent)
    : TBaseFrame(parent)
{
    setObjectName(QStringLiteral("PapierHausFrame"));
    BuildInputPanel();
    BuildDetailPages();
    BuildViews();

    auto* main = new QVBoxLayout(PanelMain);
    main->setContentsMargins(0, 0, 0, 0);
    main->setSpacing(0);
    main->addWidget(PanelSeitenformatTop);
    main->addWidget(PanelPapierhausTop);
    main->addWidget(PanelModellierungEingabe);
    main->addWidget(PageControlPapierHaus, 1);
    // Both upper panels stay empty strips; fixing that before the first layout
    // keeps their contents' size hints from claiming room above the inputs.
    PanelSeitenformatTop->setFixedHeight(0);
    PanelPapierhausTop->setFixedHeight(0);
}

TPapierHausFrame::~TPapierHausFrame() = default;

void TPapierHausFrame::BuildInputPanel()
{
    PanelSeitenformatTop = new QFrame(PanelMain);
    PanelSeitenformatTop->setObjectName(QStringLiteral("PanelSeitenformatTop"));
    ComboBoxSeitenFormat = new QComboBox(PanelSeitenformatTop);
    ComboBoxSeitenFormat->setObjectName(QStringLiteral("ComboBoxSeitenFormat"));
    GroupBoxSeitenausrichtung = new QGroupBox(QStringLiteral("Seitenausrichtung"), PanelSeitenformatTop);
    GroupBoxSeitenausrichtung->setObjectName(QStringLiteral("GroupBoxSeitenausrichtung"));
    RadioButtonHochformat = new QRadioButton(QStringLiteral("Hochformat"), GroupBoxSeitenausrichtung);
    RadioButtonHochformat->setObjectName(QStringLiteral("RadioButtonHochformat"));
    RadioButtonQuerformat = new QRadioButton(QStringLiteral("Querformat"), GroupBoxSeitenausrichtung);
    RadioButtonQuerformat->setObjectName(QStringLiteral("RadioButtonQuerformat"));
    (Defaults().Seitenausrichtung ? RadioButtonHochformat : RadioButtonQuerformat)->setChecked(true);
    connect(RadioButtonHochformat, &QRadioButton::toggled, this, [this](bool on) { Params.Seitenausrichtung = on; });
    connect(ComboBoxSeitenFormat, &QComboBox::currentIndexChanged, this,
            [this](int index) { Params.Seitenformat = index; });
    Imagehochformat = MakeLabel(QString(), PanelSeitenformatTop, "Imagehochformat");
    ImageQuerformat = MakeLabel(QString(), PanelSeitenformatTop, "ImageQuerformat");
    GroupBoxSeitenausrichtung->hide();
    auto* formatRow = new QHBoxLayout(PanelSeitenformatTop);
    formatRow->addWidget(MakeLabel(QStringLiteral("Seitenformat:"), PanelSeitenformatTop));
    formatRow->addWidget(ComboBoxSeitenFormat);
    formatRow->addWidget(Imagehochformat);
    formatRow->addWidget(ImageQuerformat);
    formatRow->addStretch(1);
    PanelPapierhausTop = new QFrame(PanelMain);
    PanelPapierhausTop->setObjectName(QStringLiteral("PanelPapierhausTop"));
    ComboBoxModulauswahl = new QComboBox(PanelPapierhausTop);
    ComboBoxModulauswahl->setObjectName(QStringLiteral("ComboBoxModulauswahl"));
    ComboBoxModulauswahl->hide();

    PanelModellierungEingabe = new QFrame(PanelMain);
    PanelModellierungEingabe->setObjectName(QStringLiteral("PanelModellierungEingabe"));
    PanelModellierungEingabe->setFixedHeight(kInputClosedHeight);
    QWidget* in = PanelModellierungEingabe;

    auto measure = [this, in](const char* edit, const char* upDown, int min, int max, QLineEdit*& e, TUpDown*& u) {
        e = MakeEdit(edit, in);
        u = new TUpDown(QString::fromLatin1(upDown), min, max, in);
        u->SetAssociate(e);
        connect(e, &QLineEdit::textChanged, this, [this] { EditHausLaengeChange(); });
    };
    measure("EditHausLaenge", "UpDownHausLaenge", 2, 15, EditHausLaenge, UpDownHausLaenge);
    measure("EditHausBreite", "UpDownHausBreite", 2, 12, EditHausBreite, UpDownHausBreite);
    measure("EditHaushoehe", "UpDownHausHoehe", 2, 10, EditHaushoehe, UpDownHausHoehe);
    measure("EditDachUeberstandX", "UpDownDachUeberstandX", 0, 8, EditDachUeberstandX, UpDownDachUeberstandX);
    measure("EditDachUeberstandY", "UpDownDachUeberstandY", 0, 8, EditDachUeberstandY, UpDownDachUeberstandY);
    // Leaving a measure shows the value the house is drawn with.
    const std::pair<QLineEdit*, double TPaperHouseParams::*> shown[] = {
        {EditHausLaenge, &TPaperHouseParams::Hauslaenge},
        {EditHausBreite, &TPaperHouseParams::Hausbreite},
        {EditHaushoehe, &TPaperHouseParams::Haushoehe},
        {EditDachUeberstandX, &TPaperHouseParams::DachUeberstandX},
        {EditDachUeberstandY, &TPaperHouseParams::DachUeberstandY},
    };
    for (const auto& [e, member] : shown) {
        connect(e, &QLineEdit::editingFinished, this, [this, e = e, member = member] {
            if (!m_initialised)
                return;
            EditHausLaengeChange();
            const QString used = MeasureText(Params.*member);
            if (e->text() != used)
                e->setText(used);
        });
    }

    TrackBarElevation = MakeSlider("TrackBarElevation", 0, 60, in);
    TrackBarElevation->setValue(Defaults().DachNeigung);
    TrackBarElevation->setMinimumWidth(140);
    EditElevation = MakeEdit("EditElevation", in, 34);
    connect(TrackBarElevation, &QSlider::valueChanged, this, [this] { PitchTrackChange(); });
    connect(EditElevation, &QLineEdit::textChanged, this, [this] { PitchEditChange(); });
    connect(EditElevation, &QLineEdit::editingFinished, this, [this] {
        if (m_initialised && EditElevation->text() != QString::number(Params.DachNeigung))
            EditElevation->setText(QString::number(Params.DachNeigung));
    });

    TrackBarMasstab = MakeSlider("TrackBarMasstab", 22, 350, in);
    TrackBarMasstab->setValue(Defaults().Massstab);
    connect(TrackBarMasstab, &QSlider::valueChanged, this, [this] { ScaleChange(); });
    LabelMasstab = MakeLabel(QStringLiteral("Maßstab:   1 : %1").arg(Defaults().Massstab), in, "LabelMasstab");
    // The marks under the slider stand near their places on it (40 and 144 on
    // a track from 22 to 350) whatever its width, and are never cut.
    auto* scaleCaption = new QWidget(in);
    scaleCaption->setObjectName(QStringLiteral("PanelMasstabSkala"));
    auto* marks = new QHBoxLayout(scaleCaption);
    marks->setContentsMargins(0, 0, 0, 0);
    marks->setSpacing(4);
    for (const char* text : {"1:40", "1:144", "1:350"}) {
        if (marks->count() > 0)
            marks->addStretch(marks->count() == 1 ? 1 : 2);
        auto* mark = MakeLabel(QString::fromLatin1(text), scaleCaption);
        mark->setStyleSheet(QStringLiteral("color: grey; font-size: 8pt"));
        marks->addWidget(mark);
    }
    ButtonMasstabsauswahl = new QPushButton(QStringLiteral("Maßstabsauswahl"), in);
    ButtonMasstabsauswahl->setObjectName(QStringLiteral("ButtonMasstabsauswahl"));

    SpeedButtonZusaetzlich = new QToolButton(in);
    SpeedButtonZusaetzlich->setObjectName(QStringLiteral("SpeedButtonZusaetzlich"));
    SpeedButtonZusaetzlich->setText(QStringLiteral("Detaileingaben"));
    SpeedButtonZusaetzlich->setCheckable(true);
    connect(SpeedButtonZusaetzlich, &QToolButton::toggled, this, [this] { ApplyDetailInputs(); });

    BitBtnPDFErstellungPapierhaus = new QPushButton(QStringLiteral("   PDF-Ausgabe "), in);
    BitBtnPDFErstellungPapierhaus->setObjectName(QStringLiteral("BitBtnPDFErstellungPapierhaus"));
    connect(BitBtnPDFErstellungPapierhaus, &QPushButton::clicked, this, [this] { WritePaperHousePdf(); });
    OneActionPerClick(BitBtnPDFErstellungPapierhaus);

    auto* grid = new QGridLayout;
    grid->setContentsMargins(8, 4, 8, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    auto pair = [](QLineEdit* e, TUpDown* u) {
        auto* h = new QHBoxLayout;
        h->setSpacing(0);
        h->addWidget(e);
        h->addWidget(u);
        h->addWidget(new QLabel(QStringLiteral(" m")));
        return h;
    };
    grid->addWidget(MakeLabel(QStringLiteral("Hauslänge:"), in), 0, 0);
    grid->addLayout(pair(EditHausLaenge, UpDownHausLaenge), 0, 1);
    grid->addWidget(MakeLabel(QStringLiteral("Hausbreite:"), in), 1, 0);
    grid->addLayout(pair(EditHausBreite, UpDownHausBreite), 1, 1);
    grid->addWidget(MakeLabel(QStringLiteral("Haushöhe:"), in), 2, 0);
    grid->addLayout(pair(EditHaushoehe, UpDownHausHoehe), 2, 1);
    grid->addWidget(MakeLabel(QStringLiteral("Dachüberstand"), in), 0, 2);
    grid->addWidget(MakeLabel(QStringLiteral("Giebelseite:"), in), 1, 2);
    grid->addLayout(pair(EditDachUeberstandX, UpDownDachUeberstandX), 1, 3);
    grid->addWidget(MakeLabel(QStringLiteral("Traufeseite:"), in), 2, 2);
    grid->addLayout(pair(EditDachUeberstandY, UpDownDachUeberstandY), 2, 3);
    grid->addWidget(MakeLabel(QStringLiteral("Dachneigung:"), in), 0, 4);
    auto* pitch = new QHBoxLayout;
    pitch->addWidget(TrackBarElevation, 1);
    pitch->addWidget(EditElevation);
    pitch->addWidget(new QLabel(QStringLiteral("°")));
    grid->addLayout(pitch, 1, 4);
    grid->addWidget(LabelMasstab, 0, 5);
    grid->addWidget(TrackBarMasstab, 1, 5);
    grid->addWidget(scaleCaption, 2, 5);
    grid->addWidget(ButtonMasstabsauswahl, 0, 6);
    grid->addWidget(SpeedButtonZusaetzlich, 1, 6);
    grid->addWidget(BitBtnPDFErstellungPapierhaus, 2, 6);
    grid->setColumnStretch(4, 2);
    grid->setColumnStretch(5, 3);
    grid->setColumnStretch(7, 1);

    auto* inLayout = new QVBoxLayout(in);
    inLayout->setContentsMargins(0, 0, 0, 4);
    inLayout->addLayout(grid);

    // The white panel of the model scales.
    PanelMasstabDetail = new QFrame(this);
    PanelMasstabDetail->setObjectName(QStringLiteral("PanelMasstabDetail"));
    PanelMasstabDetail->setStyleSheet(QStringLiteral("#PanelMasstabDetail { background: white; border: 1px solid #8090a0; }"));
    auto* scales = new QGridLayout(PanelMasstabDetail);
    auto* title = MakeLabel(QStringLiteral("Maßstäbe im Modellbau"), PanelMasstabDetail);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    scales->addWidget(title, 0, 0, 1, 4);
    auto* close = new QToolButton(PanelMasstabDetail);
    close->setObjectName(QStringLiteral("SpeedButtonMasstabDetailSchliessen"));
    close->setText(QStringLiteral("X"));
    connect(close, &QToolButton::clicked, PanelMasstabDetail, &QWidget::hide);
    scales->addWidget(close, 0, 4);
    struct ScaleButton {
        const char* group;
        const char* name;
        const char* caption;
        int scale;
    };
    static const ScaleButton kScales[] = {
        {"Modellbahn:", "BitBtnMH0", "  1 : 87 H0", 87},     {"Modellbahn:", "BitBtnMTT", "1 : 120 TT", 120},
        {"Modellbahn:", "BitBtnMN", "1 : 160 N  ", 160},     {"Modellbahn:", "BitBtnMZ", "1 : 220 Z   ", 220},
        {"Plastikflugzeuge:", "BitBtnMPF32", "1 : 32", 32},  {"Plastikflugzeuge:", "BitBtnMPF48", "1 : 48", 48},
        {"Plastikflugzeuge:", "BitBtnMPF72", "1 : 72", 72},  {"Plastikflugzeuge:", "BitBtnMPF144", "1 : 144", 144},
        {"Plastikfahrzeuge:", "BitBtnMPA24", "1 : 24", 24},  {"Plastikfahrzeuge:", "BitBtnMPA40", "1 : 40", 40},
        {"Plastikfahrzeuge:", "BitBtnMPA72", "1 : 72", 72},  {"Plastikfahrzeuge:", "BitBtnMPA87", "1 : 87", 87},
    };
    for (int i = 0; i < 12; ++i) {
        const int row = 1 + i / 4;
        if (i % 4 == 0)
            scales->addWidget(MakeLabel(QString::fromUtf8(kScales[i].group), PanelMasstabDetail), row, 0);
        auto* b = new QPushButton(QString::fromUtf8(kScales[i].caption), PanelMasstabDetail);
        b->setObjectName(QString::fromLatin1(kScales[i].name));
        const int scale = kScales[i].scale;
        connect(b, &QPushButton::clicked, this, [this, scale] {
            TrackBarMasstab->setValue(scale);
            PanelMasstabDetail->hide();
        });
        scales->addWidget(b, row, 1 + i % 4);
    }
    PanelMasstabDetail->adjustSize();
    PanelMasstabDetail->hide();
    connect(ButtonMasstabsauswahl, &QPushButton::clicked, this, [this] {
        PanelMasstabDetail->setVisible(!PanelMasstabDetail->isVisible());
        if (PanelMasstabDetail->isVisible()) {
            PanelMasstabDetail->move(std::max(0, width() - PanelMasstabDetail->width() - 20), kInputClosedHeight);
            PanelMasstabDetail->raise();
        }
    });
}

void TPapierHausFrame::BuildDetailPages()
{
    PageControlPapierhausdetails = new QTabWidget(PanelModellierungEingabe);
    PageControlPapierhausdetails->setObjectName(QStringLiteral("PageControlPapierhausdetails"));
    PageControlPapierhausdetails->hide();
    PanelModellierungEingabe->layout()->addWidget(PageControlPapierhausdetails);
    // Changing or entering the detail pages opens the detail inputs.
    auto openDetails = [this] {
        if (m_initialised && !SpeedButtonZusaetzlich->isChecked())
            SpeedButtonZusaetzlich->setChecked(true);
    };
    connect(PageControlPapierhausdetails, &QTabWidget::tabBarClicked, this, openDetails);
    connect(PageControlPapierhausdetails, &QTabWidget::currentChanged, this, openDetails);

    // Doors and windows.
    auto* elements = new QWidget;
    elements->setObjectName(QStringLiteral("TabSheetElemente"));
    auto* eg = new QGridLayout(elements);
    int row = 0;
    auto element = [this, elements, eg, &row](const QString& caption, const char* edit, const char* upDown, int max,
                                             QLineEdit*& e, TUpDown*& u) {
        e = MakeEdit(edit, elements);
        u = new TUpDown(QString::fromLatin1(upDown), 0, max, elements);
        u->SetAssociate(e);
        const int r = row % 4, c = (row / 4) * 4;
        eg->addWidget(MakeLabel(caption, elements), r, c);
        eg->addWidget(e, r, c + 1);
        eg->addWidget(u, r, c + 2);
        eg->addWidget(MakeLabel(QStringLiteral("cm"), elements), r, c + 3);
        ++row;
    };
    element(QStringLiteral("Sockelhöhe:"), "EditSockelHoehe", "UpDownSockelhoehe", 1200, EditSockelHoehe, UpDownSockelhoehe);
    element(QStringLiteral("Etagenhöhe:"), "EditEtagenhoehe", "UpDownEtagenhoehe", 1200, EditEtagenhoehe, UpDownEtagenhoehe);
    element(QStringLiteral("Simshöhe:"), "EditFensterUnten", "UpDownFensterUnten", 400, EditFensterUnten, UpDownFensterUnten);
    element(QStringLiteral("Fensterrahmen:"), "EditFensterRahmen", "UpDownFensterRahmen", 400, EditFensterRahmen, UpDownFensterRahmen);
    element(QStringLiteral("Fensterbreite:"), "EditFensterBreite", "UpDownFensterBreite", 400, EditFensterBreite, UpDownFensterBreite);
    element(QStringLiteral("Fensterhöhe:"), "EditFensterHoehe", "UpDownFensterHoehe", 400, EditFensterHoehe, UpDownFensterHoehe);
    element(QStringLiteral("Fensterabstand:"), "EditFensterAbstand", "UpDownFensterAbstand", 1200, EditFensterAbstand, UpDownFensterAbstand);
    const std::pair<TUpDown*, double TPaperHouseParams::*> elementParams[] = {
        {UpDownSockelhoehe, &TPaperHouseParams::SockelHoehe},   {UpDownEtagenhoehe, &TPaperHouseParams::Etagenhoehe},
        {UpDownFensterUnten, &TPaperHouseParams::FensterUnten}, {UpDownFensterRahmen, &TPaperHouseParams::FensterRahmen},
        {UpDownFensterBreite, &TPaperHouseParams::FensterBreite}, {UpDownFensterHoehe, &TPaperHouseParams::FensterHoehe},
        {UpDownFensterAbstand, &TPaperHouseParams::FensterAbstand},
    };
    for (const auto& [u, member] : elementParams) {
        u->OnClick = [this, u = u, member = member] {
            Params.*member = u->Position();
            PaintNetView();
        };
        connect(u->Associate(), &QLineEdit::editingFinished, this, [this, u = u, member = member] {
            TakeTypedPosition(u);
            Params.*member = u->Position();
            PaintNetView();
        });
    }
    for (int i = 0; i < 4; ++i) {
        const int c = 8 + (i % 2) * 3, r = (i / 2) * 2;
        eg->addWidget(MakeLabel(QStringLiteral("Tür Wand %1:").arg(i + 1), elements), r, c);
        auto* count = new QLineEdit(elements);
        count->setObjectName(QStringLiteral("EditTueranzahl%1").arg(i + 1));
        count->setFixedWidth(24);
        count->setReadOnly(true);
        UpDownTueranzahl[i] = new TUpDown(QStringLiteral("UpDownTueranzahl%1").arg(i + 1), 0, 1, elements);
        UpDownTueranzahl[i]->SetAssociate(count);
        auto* h = new QHBoxLayout;
        h->setSpacing(0);
        h->addWidget(count);
        h->addWidget(UpDownTueranzahl[i]);
        eg->addLayout(h, r, c + 1);
        TrackBarTuerPosition[i] = MakeSlider(QStringLiteral("TrackBarTuerPosition%1").arg(i + 1).toLatin1().constData(), 0,
                                             100, elements);
        TrackBarTuerPosition[i]->setValue(Defaults().TuerPosition[i]);
        eg->addWidget(TrackBarTuerPosition[i], r + 1, c, 1, 2);
        UpDownTueranzahl[i]->OnClick = [this, i] {
            Params.TuerAnzahl[i] = UpDownTueranzahl[i]->Position();
            TrackBarTuerPosition[i]->setVisible(Params.TuerAnzahl[i] != 0);
            Params.TuerPosition[i] = TrackBarTuerPosition[i]->value();
            PaintNetView();
        };
        connect(TrackBarTuerPosition[i], &QSlider::valueChanged, this, [this, i](int v) {
            Params.TuerPosition[i] = v;
            PaintNetView();
        });
    }
    eg->setColumnStretch(14, 1);
    eg->setRowStretch(4, 1);
    PageControlPapierhausdetails->addTab(elements, QStringLiteral("Fenster und Türen"));

    // Flaps.
    auto* flaps = new QWidget;
    flaps->setObjectName(QStringLiteral("TabSheetLaschen"));
    auto* fg = new QGridLayout(flaps);
    EditLaschenwinkel = MakeEdit("EditLaschenwinkel", flaps);
    UpDownLaschenwinkel = new TUpDown(QStringLiteral("UpDownLaschenwinkel"), 0, 90, flaps);
    UpDownLaschenwinkel->SetAssociate(EditLaschenwinkel);
    EditLaschengroesse = MakeEdit("EditLaschengroesse", flaps);
    UpDownLaschenGroesse = new TUpDown(QStringLiteral("UpDownLaschenGroesse"), 0, 90, flaps);
    UpDownLaschenGroesse->SetAssociate(EditLaschengroesse);
    TrackBarSchenkelanteil = MakeSlider("TrackBarSchenkelanteil", 0, 100, flaps);
    TrackBarSchenkelanteil->setValue(Defaults().Schenkelanteil);
    TrackBarSchenkelanteil->hide();
    fg->addWidget(MakeLabel(QStringLiteral("Laschenwinkel:"), flaps), 0, 0);
    fg->addWidget(EditLaschenwinkel, 0, 1);
    fg->addWidget(UpDownLaschenwinkel, 0, 2);
    fg->addWidget(MakeLabel(QStringLiteral("°"), flaps), 0, 3);
    fg->addWidget(MakeLabel(QStringLiteral("Laschengröße:"), flaps), 1, 0);
    fg->addWidget(EditLaschengroesse, 1, 1);
    fg->addWidget(UpDownLaschenGroesse, 1, 2);
    fg->addWidget(MakeLabel(QStringLiteral("mm"), flaps), 1, 3);
    fg->addWidget(TrackBarSchenkelanteil, 2, 0, 1, 4);
    fg->setColumnStretch(4, 1);
    fg->setRowStretch(3, 1);
    auto flapChange = [this] {
        Params.LaschenWinkel = UpDownLaschenwinkel->Position();
        PaintNetView();
    };
    connect(EditLaschenwinkel, &QLineEdit::textChanged, this, flapChange);
    connect(EditLaschengroesse, &QLineEdit::textChanged, this, flapChange);
    // A click that leaves the edit's text as it was still moves the angle.
    UpDownLaschenwinkel->OnClick = flapChange;
    UpDownLaschenGroesse->OnClick = [this] {
        Params.LaschenGroesse = UpDownLaschenGroesse->Position();
        PaintNetView();
    };
    connect(EditLaschenwinkel, &QLineEdit::editingFinished, this, [this] {
        TakeTypedPosition(UpDownLaschenwinkel);
        Params.LaschenWinkel = UpDownLaschenwinkel->Position();
        PaintNetView();
    });
    connect(EditLaschengroesse, &QLineEdit::editingFinished, this, [this] {
        TakeTypedPosition(UpDownLaschenGroesse);
        Params.LaschenGroesse = UpDownLaschenGroesse->Position();
        PaintNetView();
    });
    connect(TrackBarSchenkelanteil, &QSlider::valueChanged, this, [this](int v) {
        Params.Schenkelanteil = v;
        PaintNetView();
    });
    PageControlPapierhausdetails->addTab(flaps, QStringLiteral("Laschen"));

    // Colours.
    auto* colours = new QWidget;
    colours->setObjectName(QStringLiteral("TabSheetFarben"));
    auto* cg = new QGridLayout(colours);
    const TPaperHouseParams& d = Defaults();
    struct ColourButton {
        const char* shape;
        const char* button;
        const char* caption;
        ColorRef color;
        TColorShape** target;
    };
    const ColourButton kColours[] = {
        {"ShapeHauswand", "ButtonHauswand", "Hauswand...", d.ColorHauswand, &ShapeHauswand},
        {"ShapeGiebelflaeche", "ButtonGiebelflaeche", "Giebelfläche...", d.ColorGiebel, &ShapeGiebelflaeche},
        {"ShapeDach", "ButtonDach", "Dachfläche...", d.ColorDach, &ShapeDach},
        {"ShapeSolar", "ButtonSolar", "Solaranlage...", d.ColorSolar, &ShapeSolar},
        {"ShapeUmgebung", "ButtonUmgebung", "Umgebung...", d.ColorUmgebung, &ShapeUmgebung},
        {"ShapeHintergrund", "ButtonHintergrund", "Hintergrund...", d.ColorHintergrund, &ShapeHintergrund},
        {"ShapeLaschen", "ButtonLaschen", "Laschen...", d.ColorLaschen, &ShapeLaschen},
        {"ShapeFenster", "ButtonFenster", "    Fenster...        ", d.ColorFenster, &ShapeFenster},
        {"ShapeFensterrahmen", "ButtonFensterrahmen", "Fensterrahmen...", d.ColorFensterRahmen, &ShapeFensterrahmen},
        {"ShapeHaustuer", "ButtonHaustuer", "    Haustür...    ", d.ColorHausTuer, &ShapeHaustuer},
        {"ShapeHaussockel", "ButtonHaussockel", "  Haussockel...", d.ColorHaussockel, &ShapeHaussockel},
    };
    int i = 0;
    for (const ColourButton& c : kColours) {
        auto* shape = new TColorShape(colours);
        shape->setObjectName(QString::fromLatin1(c.shape));
        shape->setFixedSize(28, 18);
        shape->SetColor(c.color);
        *c.target = shape;
        auto* button = new QPushButton(QString::fromUtf8(c.caption), colours);
        button->setObjectName(QString::fromLatin1(c.button));
        connect(button, &QPushButton::clicked, this, [this, shape] { ChooseShapeColor(shape); });
        cg->addWidget(shape, i % 4, (i / 4) * 2);
        cg->addWidget(button, i % 4, (i / 4) * 2 + 1);
        ++i;
    }
    cg->setColumnStretch(6, 1);
    PageControlPapierhausdetails->addTab(colours, QStringLiteral("Farben"));

    // Wall textures.
    auto* walls = new QWidget;
    walls->setObjectName(QStringLiteral("TabSheetWaende"));
    auto* wg = new QGridLayout(walls);
    ComboBoxWaende = new QComboBox(walls);
    ComboBoxWaende->setObjectName(QStringLiteral("ComboBoxWaende"));
    ComboBoxWaende->addItems(WallTextureCaptions());
    ComboBoxWaende->setMaxVisibleItems(13);
    ComboBoxWaende->setCurrentIndex(-1);
    ComboBoxWaende->setPlaceholderText(QStringLiteral("Wandstruktur"));
    TrackBarHelligkeit = MakeSlider("TrackBarHelligkeit", 10, 100, walls);
    TrackBarHelligkeit->setValue(100);
    LabelHelligkeit = MakeLabel(QStringLiteral("< heller         Helligkeit        dunkler >"), walls, "LabelHelligkeit");
    ImageWandstrukturPreview = MakeLabel(QString(), walls, "ImageWandstrukturPreview");
    ImageWandstrukturPreview->setFixedSize(96, 96);
    ImageWandstrukturPreview->setScaledContents(true);
    wg->addWidget(MakeLabel(QStringLiteral("Wandstruktur:"), walls), 0, 0);
    wg->addWidget(ComboBoxWaende, 0, 1);
    wg->addWidget(TrackBarHelligkeit, 1, 1);
    wg->addWidget(LabelHelligkeit, 2, 1);
    wg->addWidget(ImageWandstrukturPreview, 0, 2, 4, 1);
    wg->setColumnStretch(3, 1);
    wg->setRowStretch(3, 1);
    connect(ComboBoxWaende, &QComboBox::currentIndexChanged, this, [this](int index) {
        Params.Wandstruktur = index;
        if (m_initialised)
            ApplyWallTexture();
    });
    connect(TrackBarHelligkeit, &QSlider::valueChanged, this, [this] {
        if (m_initialised)
            ApplyWallTexture();
    });
    PageControlPapierhausdetails->addTab(walls, QStringLiteral("Wände"));
    BuildPdfSettingsPage();
}

void TPapierHausFrame::BuildViews()
{
    PageControlPapierHaus = new QTabWidget(PanelMain);
    PageControlPapierHaus->setObjectName(QStringLiteral("PageControlPapierHaus"));

    auto* netPage = new QWidget;
    netPage->setObjectName(QStringLiteral("TabSheetDruckansicht"));
    auto* netLayout = new QVBoxLayout(netPage);
    netLayout->setContentsMargins(0, 0, 0, 0);
    ScrollBoxHaus = new QScrollArea(netPage);
    netLayout->addWidget(ScrollBoxHaus);
    ScrollBoxHaus->setObjectName(QStringLiteral("ScrollBoxHaus"));
    ScrollBoxHaus->setWidgetResizable(true);
    ScrollBoxHaus->setFrameShape(QFrame::NoFrame);
    PaintBoxHaus = new TNetPaintBox(this, ScrollBoxHaus);
    ScrollBoxHaus->setWidget(PaintBoxHaus);
    PageControlPapierHaus->addTab(netPage, QStringLiteral("Papierhausansicht"));

    auto* view3d = new QWidget;
    view3d->setObjectName(QStringLiteral("TabSheetHaus3D"));
    auto* v = new QVBoxLayout(view3d);
    v->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(8, 4, 8, 4);
    LabelDachTraufe = MakeLabel(QString(), view3d, "LabelDachTraufe");
    LabelDachGiebel = MakeLabel(QString(), view3d, "LabelDachGiebel");
    LabelFirsthoehe = MakeLabel(QString(), view3d, "LabelFirsthoehe");
    LabelFirsthoehe->hide();
    auto* roofPlanner = new QPushButton(QStringLiteral("Zur 2D-Dachplanung"), view3d);
    roofPlanner->setObjectName(QStringLiteral("ButtonZurDachplanung"));
    connect(roofPlanner, &QPushButton::clicked, this, [this] {
        if (Factory)
            Factory->ShowFrame(FrameId::Dachplanung2D);
    });
    SpeedButtonElevationEigenschaften = new QToolButton(view3d);
    SpeedButtonElevationEigenschaften->setObjectName(QStringLiteral("SpeedButtonElevationEigenschaften"));
    SpeedButtonElevationEigenschaften->setToolTip(QStringLiteral("3D-Ansicht einstellen"));
    SpeedButtonElevationEigenschaften->hide();
    bar->addWidget(LabelDachTraufe);
    bar->addSpacing(24);
    bar->addWidget(LabelDachGiebel);
    bar->addWidget(LabelFirsthoehe);
    bar->addStretch(1);
    bar->addWidget(SpeedButtonElevationEigenschaften);
    bar->addWidget(roofPlanner);
    v->addLayout(bar);

    auto* body = new QHBoxLayout;
    PanelElevationVorschau = new QFrame(view3d);
    PanelElevationVorschau->setObjectName(QStringLiteral("PanelElevationVorschau"));
    body->addWidget(PanelElevationVorschau, 1);
    PanelElevationPreviewSettings = new QFrame(view3d);
    PanelElevationPreviewSettings->setObjectName(QStringLiteral("PanelElevationPreviewSettings"));
    auto* settings = new QGridLayout(PanelElevationPreviewSettings);
    TrackBarElevationSize = MakeSlider("TrackBarElevationSize", 30, 80, PanelElevationPreviewSettings);
    TrackBarElevationBlickwinkel = MakeSlider("TrackBarElevationBlickwinkel", 150, 210, PanelElevationPreviewSettings);
    TrackBarElevationKippwinkel = MakeSlider("TrackBarElevationKippwinkel", 0, 30, PanelElevationPreviewSettings, Qt::Vertical);
    TrackBarElevationSize->setValue(Defaults().Size);
    TrackBarElevationBlickwinkel->setValue(Defaults().Blickwinkel);
    TrackBarElevationKippwinkel->setValue(Defaults().Kippwinkel);
    settings->addWidget(MakeLabel(QStringLiteral("Größe:"), PanelElevationPreviewSettings), 0, 0);
    settings->addWidget(TrackBarElevationSize, 1, 0);
    settings->addWidget(MakeLabel(QStringLiteral("Blickwinkel:"), PanelElevationPreviewSettings), 2, 0);
    settings->addWidget(TrackBarElevationBlickwinkel, 3, 0);
    settings->addWidget(MakeLabel(QStringLiteral("Kippwinkel:"), PanelElevationPreviewSettings), 4, 0);
    settings->addWidget(TrackBarElevationKippwinkel, 5, 0, Qt::AlignHCenter);
    settings->setRowStretch(6, 1);
    PanelElevationPreviewSettings->setFixedWidth(150);
    body->addWidget(PanelElevationPreviewSettings);
    v->addLayout(body, 1);
    const std::pair<QSlider*, std::int32_t TPaperHouseParams::*> viewTracks[] = {
        {TrackBarElevationSize, &TPaperHouseParams::Size},
        {TrackBarElevationBlickwinkel, &TPaperHouseParams::Blickwinkel},
        {TrackBarElevationKippwinkel, &TPaperHouseParams::Kippwinkel},
    };
    for (const auto& [s, member] : viewTracks) {
        connect(s, &QSlider::valueChanged, this, [this, member = member](int v) {
            Params.*member = v;
            ElevationTrackChange();
        });
    }
    connect(SpeedButtonElevationEigenschaften, &QToolButton::clicked, this, [this] {
        PanelElevationPreviewSettings->setVisible(!PanelElevationPreviewSettings->isVisible());
        PanelElevationPreviewSettings->raise();
    });
    PageControlPapierHaus->addTab(view3d, QStringLiteral("3D-Ansicht"));

    // Wall pictures, photos and the map: tabs hidden at set-up.
    auto* sides = new QWidget;
    sides->setObjectName(QStringLiteral("TabSheetHausseiten"));
    auto* sg = new QGridLayout(sides);
    for (int i = 0; i < 4; ++i) {
        auto* b = new QPushButton(QStringLiteral("Wand &%1").arg(i + 1), sides);
        b->setObjectName(QStringLiteral("ButtonWand%1").arg(i + 1));
        connect(b, &QPushButton::clicked, this, [this, i] { ChooseWallPicture(i); });
        CheckBoxPicture[i] = new QCheckBox(QStringLiteral("Grafik anzeigen"), sides);
        CheckBoxPicture[i]->setObjectName(QStringLiteral("CheckBoxPicture%1").arg(i + 1));
        CheckBoxElemente[i] = new QCheckBox(QStringLiteral("Elemente anzeigen"), sides);
        CheckBoxElemente[i]->setObjectName(QStringLiteral("CheckBoxElemente%1").arg(i + 1));
        CheckBoxElemente[i]->setChecked(Defaults().ElementeAnzeigen[i]);
        connect(CheckBoxPicture[i], &QCheckBox::toggled, this, [this, i](bool on) {
            Params.GrafikAnzeigen[i] = on;
            PaintNetView();
        });
        connect(CheckBoxElemente[i], &QCheckBox::toggled, this, [this, i](bool on) {
            Params.ElementeAnzeigen[i] = on;
            PaintNetView();
        });
        sg->addWidget(b, i, 0);
        sg->addWidget(CheckBoxPicture[i], i, 1);
        sg->addWidget(CheckBoxElemente[i], i, 2);
    }
    sg->setColumnStretch(3, 1);
    sg->setRowStretch(4, 1);
    PageControlPapierHaus->addTab(sides, QStringLiteral("Hausseiten"));

    auto* photos = new QWidget;
    photos->setObjectName(QStringLiteral("TabSheetFotoansicht"));
    auto* pg = new QGridLayout(photos);
    for (int i = 0; i < 6; ++i) {
        auto* b = new QPushButton(QStringLiteral("%1. Fotodatei auswählen").arg(i + 1), photos);
        b->setObjectName(QStringLiteral("ButtonFoto%1").arg(i + 1));
        connect(b, &QPushButton::clicked, this, [this, i] { ChoosePhoto(i); });
        pg->addWidget(b, i, 0);
    }
    auto* photoPdf = new QPushButton(QStringLiteral("PDF-Erstellung"), photos);
    photoPdf->setObjectName(QStringLiteral("ButtonFotoPDFErstellung"));
    pg->addWidget(photoPdf, 6, 0);
    pg->setColumnStretch(1, 1);
    PageControlPapierHaus->addTab(photos, QStringLiteral("Fotoansicht"));

    auto* maps = new QWidget;
    maps->setObjectName(QStringLiteral("TabSheetGoogleMaps"));
    auto* draw = new QPushButton(QStringLiteral("Zeichnen"), maps);
    draw->setObjectName(QStringLiteral("ButtonZeichnen"));
    PageControlPapierHaus->addTab(maps, QStringLiteral("Karte"));

    connect(PageControlPapierHaus, &QTabWidget::currentChanged, this, [this] { PageControlChange(); });
}

void TPapierHausFrame::InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId)
{
    // 1. Base set-up.
    TBaseFrame::InitFrame(parent, owner, factory, frameId);
    FrameName = QStringLiteral("Hausplanung");
    FrameDescription = QStringLiteral("3D-Hausplanung und Papierhauserstellung");
    PanelLeft->hide();
    PanelFrameTop->hide();
    PanelMain->setGeometry(rect());
    m_initialised = false;
    m_wallTexture = QImage();
    PanelSeitenformatTop->setFixedHeight(0);
    PanelPapierhausTop->setFixedHeight(0);
    Params.Seitenformattyp = kPageFormatEuropean;
    m_pixelsPerMillimetre = 3.6;

    // 2. – 4.
    FillPageFormatList();
    ComboBoxModulauswahl->addItems({QStringLiteral("Modul Solar I (800 × 1600 mm)"),
                                    QStringLiteral("Modul Solar II (800 × 1460 mm)"),
                                    QStringLiteral("Modul Solar III (920 × 1280 mm)"),
                                    QStringLiteral("Modul Solar IV (1010 × 1460 mm)"),
                                    QStringLiteral("Modul Solar V (1200 × 1460 mm)")});
    Params.DachNeigung = 30;
    Params.LaschenWinkel = 45;
    Params.LaschenGroesse = 10;
    Params.Schenkelanteil = 50;
    Params.Hauslaenge = 10;
    Params.Hausbreite = 7;
    Params.Haushoehe = 5.5;
    Params.DachUeberstandX = Params.DachUeberstandY = 0.6;
    m_millimetresPerMetre = ::MillimetresPerMetre(TrackBarMasstab->value());
    m_pixelsPerMetre = m_millimetresPerMetre * m_pixelsPerMillimetre;

    // 5. The 3D view.
    try {
        m_elevation3DFrame = new TGraphic3DFrame(PanelElevationVorschau);
        m_elevation3DFrame->InitFrame(PanelElevationVorschau, nullptr, factory, TGraphic3DFrame::kFrameID);
        m_elevation3DFrame->show();
        m_elevation3DFrame->installEventFilter(this);
        // The house is fitted to the view; the view never scrolls.
        m_elevation3DFrame->SetScrollRanges(0, 0);
        if (MVirtualView* view = m_elevation3DFrame->View()) {
            view->Origin3DX = 400;
            view->Origin3DY = kElevationOriginY;
            view->SetProjection(Params.Size * 0.8, Params.Blickwinkel + 90, Params.Kippwinkel);
        }
    } catch (const std::exception& e) {
        qCWarning(lcTandrelFrames) << "paper house 3D view:" << e.what();
    }

    // 6. – 7.
    LoadPaperHouseSettings();
    FillPageFormatList();
    m_initialised = true;
    EditHausLaengeChange();
    EditElevation->setText(QString::number(TrackBarElevation->value()));

    // 8. Stored pictures; a missing or broken file is an empty picture.
    for (int i = 0; i < 4; ++i)
        m_imageWand[i] = LoadWallPicture(Params.GrafikDateiname[i]);
    for (int i = 0; i < 6; ++i)
        m_imageFoto[i] = LoadWallPicture(Params.FotoDateiname[i]);

    // 9.
    RebuildBuilding();
    Update3DTwice();
    ApplyDetailInputs();
    ApplyWallTexture();
    PageControlChange();

    // 10.
    for (QWidget* tab : PageControlPapierHaus->findChildren<QWidget*>()) {
        const QString n = tab->objectName();
        if (n == QLatin1String("TabSheetFotoansicht") || n == QLatin1String("TabSheetGoogleMaps") ||
            n == QLatin1String("TabSheetHausseiten"))
            PageControlPapierHaus->setTabVisible(PageControlPapierHaus->indexOf(tab), false);
    }
}

void TPapierHausFrame::FillPageFormatList()
{
    const int selected = ComboBoxSeitenFormat->currentIndex();
    ComboBoxSeitenFormat->clear();
    ComboBoxSeitenFormat->addItems(PageFormatCaptions(Params.Seitenformattyp));
    ComboBoxSeitenFormat->setCurrentIndex(selected);
}

void TPapierHausFrame::LoadPaperHouseSettings()
{
    {
        MKontaloRegistry reg;
        LoadPaperHouseParams(reg, Params);
    }
    ShowModel();
}

void TPapierHausFrame::ShowModel()
{
    TPaperHouseParams& p = Params;
    using P = TPaperHouseParams;
    auto intoList = [](QComboBox* list, std::int32_t& index) {
        if (index < 0 || index >= list->count())
            index = -1;
        list->setCurrentIndex(index);
    };
    auto intoTrack = [](QSlider* track, std::int32_t& value) {
        value = std::clamp(value, std::int32_t(track->minimum()), std::int32_t(track->maximum()));
        track->setValue(value);
    };
    auto intoUpDown = [](TUpDown* u, std::int32_t& value) {
        u->SetPosition(value);
        value = u->Position();
        u->Associate()->setText(QString::number(value));
    };

    intoList(ComboBoxSeitenFormat, p.Seitenformat);
    RadioButtonHochformat->setChecked(p.Seitenausrichtung);
    RadioButtonQuerformat->setChecked(!p.Seitenausrichtung);
    Imagehochformat->setVisible(p.Seitenausrichtung);
    ImageQuerformat->setVisible(!p.Seitenausrichtung);

    const std::pair<QSlider*, std::int32_t P::*> tracks[] = {
        {TrackBarElevation, &P::DachNeigung},         {TrackBarSchenkelanteil, &P::Schenkelanteil},
        {TrackBarMasstab, &P::Massstab},              {TrackBarElevationKippwinkel, &P::Kippwinkel},
        {TrackBarElevationBlickwinkel, &P::Blickwinkel}, {TrackBarElevationSize, &P::Size},
    };
    for (const auto& [track, member] : tracks)
        intoTrack(track, p.*member);
    for (int i = 0; i < 4; ++i)
        intoTrack(TrackBarTuerPosition[i], p.TuerPosition[i]);

    intoUpDown(UpDownLaschenwinkel, p.LaschenWinkel);
    intoUpDown(UpDownLaschenGroesse, p.LaschenGroesse);
    for (int i = 0; i < 4; ++i) {
        intoUpDown(UpDownTueranzahl[i], p.TuerAnzahl[i]);
        TrackBarTuerPosition[i]->setVisible(p.TuerAnzahl[i] != 0);
    }
    // The up-downs hold whole numbers; the measures keep their fractions,
    // the house measures also in their edits.
    const std::pair<TUpDown*, double P::*> measures[] = {
        {UpDownHausLaenge, &P::Hauslaenge},         {UpDownHausBreite, &P::Hausbreite},
        {UpDownHausHoehe, &P::Haushoehe},           {UpDownDachUeberstandX, &P::DachUeberstandX},
        {UpDownDachUeberstandY, &P::DachUeberstandY},
    };
    for (const auto& [u, member] : measures) {
        u->SetPosition(RoundedPosition(p.*member));
        u->Associate()->setText(MeasureText(p.*member));
    }
    const std::pair<TUpDown*, double P::*> elements[] = {
        {UpDownSockelhoehe, &P::SockelHoehe},       {UpDownFensterUnten, &P::FensterUnten},
        {UpDownFensterBreite, &P::FensterBreite},   {UpDownFensterHoehe, &P::FensterHoehe},
        {UpDownFensterAbstand, &P::FensterAbstand}, {UpDownFensterRahmen, &P::FensterRahmen},
        {UpDownEtagenhoehe, &P::Etagenhoehe},
    };
    for (const auto& [u, member] : elements) {
        u->SetPosition(RoundedPosition(p.*member));
        u->Associate()->setText(QString::number(u->Position()));
    }

    // The background goes to the 3D view, which keeps it.
    if (m_elevation3DFrame) {
        m_elevation3DFrame->SetBackColor(p.ColorHintergrund);
        p.ColorHintergrund = m_elevation3DFrame->BackColor();
    }
    ShowColours();
    for (int i = 0; i < 4; ++i) {
        CheckBoxPicture[i]->setChecked(p.GrafikAnzeigen[i]);
        CheckBoxElemente[i]->setChecked(p.ElementeAnzeigen[i]);
    }
    intoList(ComboBoxWaende, p.Wandstruktur);
}

std::array<std::pair<TColorShape*, ColorRef TPaperHouseParams::*>, 11> TPapierHausFrame::ColourShapes() const
{
    using P = TPaperHouseParams;
    return {{
        {ShapeHauswand, &P::ColorHauswand},   {ShapeGiebelflaeche, &P::ColorGiebel},
        {ShapeDach, &P::ColorDach},           {ShapeSolar, &P::ColorSolar},
        {ShapeUmgebung, &P::ColorUmgebung},   {ShapeHintergrund, &P::ColorHintergrund},
        {ShapeLaschen, &P::ColorLaschen},     {ShapeFenster, &P::ColorFenster},
        {ShapeFensterrahmen, &P::ColorFensterRahmen}, {ShapeHaustuer, &P::ColorHausTuer},
        {ShapeHaussockel, &P::ColorHaussockel},
    }};
}

void TPapierHausFrame::ShowColours()
{
    for (const auto& [shape, member] : ColourShapes())
        shape->SetColor(Params.*member);
}

TPaperHouseParams TPapierHausFrame::Parameters() const
{
    TPaperHouseParams p = Params;
    // The 3D view's own menu may have changed its background since.
    if (m_elevation3DFrame)
        p.ColorHintergrund = m_elevation3DFrame->BackColor();
    return p;
}

void TPapierHausFrame::SetRoofColors(ColorRef roof, ColorRef module)
{
    Params.ColorDach = roof;
    Params.ColorSolar = module;
    ShowColours();
    RefreshFrame();
}

void TPapierHausFrame::SavePaperHouseSettings()
{
    EditHausLaengeChange();
    // Typed window measures count once their up-down has taken them.
    Params.FensterBreite = UpDownFensterBreite->Position();
    Params.FensterHoehe = UpDownFensterHoehe->Position();
    MKontaloRegistry reg;
    SavePaperHouseParams(reg, Parameters());
}

void TPapierHausFrame::FinishFrame()
{
    SavePaperHouseSettings();
    TBaseFrame::FinishFrame();
}

void TPapierHausFrame::ActivateFrame()
{
    TBaseFrame::ActivateFrame();
    if (m_initialised)
        RefreshFrame();
}

void TPapierHausFrame::PrintFrame()
{
    WritePaperHousePdf();
}

void TPapierHausFrame::RefreshFrame()
{
    PaintNetView();
}

void TPapierHausFrame::EditHausLaengeChange()
{
    if (!m_initialised)
        return;
    const TPaperHouseParams& d = Defaults();
    Params.Hauslaenge = MeasureOrDefault(EditHausLaenge, plausible::kHouseLength, d.Hauslaenge);
    Params.Hausbreite = MeasureOrDefault(EditHausBreite, plausible::kHouseWidth, d.Hausbreite);
    Params.Haushoehe = MeasureOrDefault(EditHaushoehe, plausible::kWallHeight, d.Haushoehe);
    Params.DachUeberstandX = MeasureOrDefault(EditDachUeberstandX, plausible::kOverhang, d.DachUeberstandX);
    Params.DachUeberstandY = MeasureOrDefault(EditDachUeberstandY, plausible::kOverhang, d.DachUeberstandY);
    LabelDachGiebel->setText(QStringLiteral("Dach Giebelseite: %1 m").arg(NumberText(RoofGableSideLength(), 1)));
    LabelDachTraufe->setText(QStringLiteral("Dach Traufeseite: %1 m").arg(NumberText(RoofEavesSideLength(), 1)));
    PaintNetView();
}

void TPapierHausFrame::PitchTrackChange()
{
    Params.DachNeigung = TrackBarElevation->value();
    if (!m_initialised || EditElevation->text().isEmpty())
        return;
    EditElevation->setText(QString::number(TrackBarElevation->value()));
}

void TPapierHausFrame::PitchEditChange()
{
    Params.DachNeigung = TrackBarElevation->value();
    if (!m_initialised)
        return;
    try {
        const double typed = TypedToFloat(EditElevation->text());
        Params.DachNeigung = RoundToInt(plausible::kPitch.Hold(typed, Params.DachNeigung));
        // The track bar follows without writing the edit while it is typed in.
        const QSignalBlocker block(TrackBarElevation);
        TrackBarElevation->setValue(Params.DachNeigung);
    } catch (const ConversionError&) {
    }
    EditHausLaengeChange();
    RebuildBuilding();
    Update3DTwice();
}

void TPapierHausFrame::TakeTypedPosition(TUpDown* upDown)
{
    QLineEdit* edit = upDown->Associate();
    try {
        const MPlausibleRange range{double(upDown->Min()), double(upDown->Max())};
        upDown->SetPosition(RoundToInt(range.Hold(TypedToFloat(edit->text()), upDown->Position())));
    } catch (const ConversionError&) {
    }
    const QString shown = QString::number(upDown->Position());
    if (edit->text() != shown)
        edit->setText(shown);
}

void TPapierHausFrame::ScaleChange()
{
    const int position = TrackBarMasstab->value();
    Params.Massstab = position;
    LabelMasstab->setText(QStringLiteral("Maßstab:   1 : %1").arg(position));
    m_millimetresPerMetre = ::MillimetresPerMetre(position);
    m_pixelsPerMetre = m_millimetresPerMetre * m_pixelsPerMillimetre;
    PaintNetView();
}

void TPapierHausFrame::ApplyDetailInputs()
{
    const bool open = SpeedButtonZusaetzlich->isChecked();
    PanelModellierungEingabe->setFixedHeight(open ? kInputOpenHeight : kInputClosedHeight);
    PageControlPapierhausdetails->setVisible(open);
    // Lay out at once: a layout left pending squeezes the measure rows.
    PanelModellierungEingabe->layout()->activate();
    PanelMain->layout()->activate();
    m_pixelsPerMillimetre = open ? 2.8 : 3.6;
    ScaleChange();
}

void TPapierHausFrame::PageControlChange()
{
    if (!m_initialised)
        return;
    const bool on3D = PageControlPapierHaus->currentIndex() == 1;
    for (TColorShape* s : {ShapeDach, ShapeSolar, ShapeUmgebung})
        s->setVisible(on3D);
    for (const char* b : {"ButtonDach", "ButtonSolar", "ButtonUmgebung"})
        if (auto* w = findChild<QWidget*>(QString::fromLatin1(b)))
            w->setVisible(on3D);
    ShapeLaschen->setVisible(!on3D);
    if (auto* w = findChild<QWidget*>(QStringLiteral("ButtonLaschen")))
        w->setVisible(!on3D);
}

void TPapierHausFrame::ChooseShapeColor(TColorShape* shape)
{
    const bool background = shape == ShapeHintergrund;
    const ColorRef current = background && m_elevation3DFrame ? m_elevation3DFrame->BackColor() : shape->Color();
    const auto chosen = tandrel::platform::dialogs().chooseColor(tandrel::platform::toQColor(current));
    if (!chosen || !chosen->isValid())
        return;
    const ColorRef c = tandrel::platform::fromQColor(*chosen);
    if (background && m_elevation3DFrame)
        m_elevation3DFrame->SetBackColor(c);
    for (const auto& [s, member] : ColourShapes())
        if (s == shape)
            Params.*member = c;
    ShowColours();
    PaintNetView();
    if (shape == ShapeDach)
        if (TBaseFrame* roof = FindFrame(FrameId::Dachplanung2D))
            roof->RefreshFrame();
}

void TPapierHausFrame::ChooseWallPicture(int wall)
{
    const QString folder = QFileInfo(Params.GrafikDateiname[wall]).absolutePath();
    const QString file = tandrel::platform::dialogs().getOpenFileName(
        QStringLiteral("Grafik für Wand %1").arg(wall + 1), Params.GrafikDateiname[wall].isEmpty() ? QString() : folder,
        QStringLiteral("Bilder (*.png *.jpg *.jpeg *.bmp *.gif)"));
    if (file.isEmpty())
        return;
    Params.GrafikDateiname[wall] = file;
    m_imageWand[wall] = LoadWallPicture(file);
    PaintNetView();
}

void TPapierHausFrame::ChoosePhoto(int photo)
{
    const QString folder = QFileInfo(Params.FotoDateiname[photo]).absolutePath();
    const QString file = tandrel::platform::dialogs().getOpenFileName(
        QStringLiteral("%1. Fotodatei auswählen").arg(photo + 1),
        Params.FotoDateiname[photo].isEmpty() ? QString() : folder,
        QStringLiteral("Bilder (*.png *.jpg *.jpeg *.bmp *.gif)"));
    if (file.isEmpty())
        return;
    Params.FotoDateiname[photo] = file;
    m_imageFoto[photo] = LoadWallPicture(file);
}
