#include "roof/FDachplanung2DFrame.h"

#include "text/FormatText.h"
#include "app/BaseFrameFactory.h"
#include "app/CommonFunctions.h"
#include "app/FInterfaceFrame.h"
#include "app/FrameIds.h"
#include "app/KontaloRegistry.h"
#include "app/OneClick.h"
#include "app/Pictures.h"
#include "drawing/BaseObj.h"
#include "drawing/FAnlagePlanung2DFrame.h"
#include "drawing/FBaseRepDialogFrame.h"
#include "drawing/Interaktoren.h"
#include "drawing/ModelRep.h"
#include "drawing/PVElementeReps.h"
#include "drawing/PVFlaecheReps.h"
#include "drawing/Rounding.h"
#include "drawing/VirtualView.h"
#include "paperhouse/IPaperHouse.h"
#include "roof/DEigenesModulDlg.h"
#include "roof/RoofLayoutPdf.h"
#include "addresses/StoredLetter.h"
#include "app/WaitCursor.h"
#include "roof/OwnModules.h"
#include "roof/RoofCatalogue.h"
#include "widgets/ImageBox.h"

#include "platform/Dialogs.h"
#include "platform/Logging.h"
#include "platform/Services.h"

#include <QBrush>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTransform>
#include <QScrollArea>
#include <QStyle>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QAction>
#include <QHeaderView>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

using tandrel::platform::ColorRef;
namespace roof = tandrel::roof;
using roof::kCoveringCount;
using roof::kModuleCount;

namespace {

const char* const kModulePreview = "roof/module-preview";

// The paper house's default roof and module colours.
constexpr ColorRef kDefaultRoofColor = 33023;
constexpr ColorRef kDefaultSolarColor = 16711680;

// Numbers as every view of the house writes them, thousands separated.
QString Fixed(double value, int decimals)
{
    return NumberText(value, decimals);
}

// A distance in the obstacle list: a rounding error below zero shows as 0,00, not -0,00.
QString Metres(double value)
{
    const double shown = std::round(value * 100) / 100;
    return Fixed(shown == 0 ? 0.0 : shown, 2);
}

QImage Picture(const QString& name)
{
    return tandrel::pictures::image(name);
}

QImage Picture(const char* name)
{
    return Picture(QString::fromLatin1(name));
}

roof::TRoofCovering CatalogueCovering(int index)
{
    roof::TRoofCovering c;
    roof::SelectCovering(index, c);
    return c;
}

roof::TRoofModule CatalogueModule(int index)
{
    roof::TRoofModule m;
    roof::SelectModule(index, m);
    return m;
}

// Gives the hidden areas their outlines back, also when rendering fails.
struct HiddenObstacles {
    std::vector<std::pair<MSperrFlaecheRep*, std::vector<double>>> shapes;
    HiddenObstacles() = default;
    HiddenObstacles(const HiddenObstacles&) = delete;
    HiddenObstacles& operator=(const HiddenObstacles&) = delete;
    ~HiddenObstacles()
    {
        for (auto& [area, shape] : shapes)
            area->ShapeX = std::move(shape);
    }
};

} // namespace

TDachplanung2DFrame::TDachplanung2DFrame(QWidget* parent) : TBaseFrame(parent)
{
    setObjectName(QStringLiteral("Dachplanung2DFrame"));
    PanelLeft->hide();
    PanelFrameTop->hide();
    PageControlPlanung = new QTabWidget(PanelMain);
    PageControlPlanung->setObjectName(QStringLiteral("PageControlPlanung"));
    BuildPlanningPage();
    BuildModulePage();
    TabSheetWeitereInformationen = new QWidget;
    TabSheetWeitereInformationen->setObjectName(QStringLiteral("TabSheetWeitereInformationen"));
    PageControlPlanung->addTab(TabSheetWeitereInformationen, QStringLiteral("Weitere Informationen"));

    // The tile pictures of the coverings: kept, not shown.
    for (int i = 0; i < kCoveringCount; ++i) {
        ImageDacheindeckung[i] = new TImageBox(this);
        ImageDacheindeckung[i]->setObjectName(QStringLiteral("ImageDacheindeckung%1").arg(i + 1));
        ImageDacheindeckung[i]->SetPicture(Picture(CatalogueCovering(i).Picture));
        ImageDacheindeckung[i]->hide();
    }
    ImagePrint = new TImageBox(this);
    ImagePrint->setObjectName(QStringLiteral("ImagePrint"));
    ImagePrint->setGeometry(0, 0, 400, 200);
    ImagePrint->hide();
}

TDachplanung2DFrame::~TDachplanung2DFrame()
{
    // The 2D frame's structure refers to the type manager.
    m_initialized = false;
    FreeFrame2D();
}

void TDachplanung2DFrame::FreeFrame2D()
{
    if (m_watchedPaintBox) {
        m_watchedPaintBox->removeEventFilter(this);
        m_watchedPaintBox = nullptr;
    }
    RoofArea = nullptr;
    ModuleGroup = nullptr;
    if (Frame2D) {
        Frame2D->FinishFrame();
        delete Frame2D.data();
    }
}

void TDachplanung2DFrame::BuildPlanningPage()
{
    TabSheetDachplanung2D = new QWidget;
    TabSheetDachplanung2D->setObjectName(QStringLiteral("TabSheetDachplanung2D"));
    PageControlPlanung->addTab(TabSheetDachplanung2D, QStringLiteral("Anlagenlayout 2D"));

    PanelDachplanungTop = new QFrame(TabSheetDachplanung2D);
    PanelDachplanungTop->setObjectName(QStringLiteral("PanelDachplanungTop"));
    PanelDachplanung2D = new QFrame(TabSheetDachplanung2D);
    PanelDachplanung2D->setObjectName(QStringLiteral("PanelDachplanung2D"));
    // The controls beside the drawing scroll when the window is low.
    ScrollBoxRechts = new QScrollArea(TabSheetDachplanung2D);
    ScrollBoxRechts->setObjectName(QStringLiteral("ScrollBoxRechts"));
    ScrollBoxRechts->setFrameShape(QFrame::NoFrame);
    ScrollBoxRechts->setWidgetResizable(true);
    ScrollBoxRechts->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBoxRechts->setFixedWidth(370);
    PanelDachplanungRechts = new QFrame;
    PanelDachplanungRechts->setObjectName(QStringLiteral("PanelDachplanungRechts"));
    ScrollBoxRechts->setWidget(PanelDachplanungRechts);
    auto* pageLayout = new QVBoxLayout(TabSheetDachplanung2D);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->setSpacing(0);
    pageLayout->addWidget(PanelDachplanungTop);
    auto* body = new QHBoxLayout;
    body->setSpacing(4);
    // The obstacle list under the drawing: seen at once on a low screen,
    // where the column beside it scrolls.
    auto* drawingColumn = new QVBoxLayout;
    drawingColumn->setSpacing(4);
    drawingColumn->addWidget(PanelDachplanung2D, 1);
    auto* obstacles = new QGroupBox(QStringLiteral("Hindernisse"), TabSheetDachplanung2D);
    obstacles->setObjectName(QStringLiteral("GroupBoxHindernisse"));
    drawingColumn->addWidget(obstacles);
    body->addLayout(drawingColumn, 1);
    body->addWidget(ScrollBoxRechts);
    pageLayout->addLayout(body, 1);
    // The drawing is fitted to its panel whenever that changes size.
    PanelDachplanung2D->installEventFilter(this);

    auto* side = new QVBoxLayout(PanelDachplanungRechts);
    side->setContentsMargins(8, 4, 8, 8);
    side->setSpacing(8);
    auto label = [](const QString& text, QWidget* parent, const char* name = nullptr) {
        auto* l = new QLabel(text, parent);
        if (name)
            l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    auto group = [&](const QString& title, const char* name) {
        auto* g = new QGroupBox(title, PanelDachplanungRechts);
        g->setObjectName(QString::fromLatin1(name));
        side->addWidget(g);
        return g;
    };
    auto button = [](const QString& text, QWidget* parent, const char* name) {
        auto* b = new QPushButton(text, parent);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };

    // Roof and covering.
    QGroupBox* roof = group(QStringLiteral("Dach"), "GroupBoxDach");
    auto* roofGrid = new QGridLayout(roof);
    LabelDachGiebel = label(QString(), roof, "LabelDachGiebel");
    LabelDachTraufe = label(QString(), roof, "LabelDachTraufe");
    roofGrid->addWidget(LabelDachTraufe, 0, 0, 1, 2);
    roofGrid->addWidget(LabelDachGiebel, 1, 0, 1, 2);
    roofGrid->addWidget(label(QStringLiteral("Dacheindeckung:"), roof), 2, 0, 1, 2);
    ComboBoxDacheindeckungAuswahl = new QComboBox(roof);
    ComboBoxDacheindeckungAuswahl->setObjectName(QStringLiteral("ComboBoxDacheindeckungAuswahl"));
    ComboBoxDacheindeckungAuswahl->setMinimumWidth(10);
    roofGrid->addWidget(ComboBoxDacheindeckungAuswahl, 3, 0);
    ImageDacheindeckungverwendet = new TImageBox(roof);
    ImageDacheindeckungverwendet->setObjectName(QStringLiteral("ImageDacheindeckungverwendet"));
    ImageDacheindeckungverwendet->setFixedSize(44, 56);
    roofGrid->addWidget(ImageDacheindeckungverwendet, 2, 1, 2, 1, Qt::AlignRight);
    roofGrid->setColumnStretch(0, 1);

    // Module.
    QGroupBox* module = group(QStringLiteral("PV-Modul"), "GroupBoxModul");
    auto* moduleGrid = new QGridLayout(module);
    ComboBoxModulauswahl = new QComboBox(module);
    ComboBoxModulauswahl->setObjectName(QStringLiteral("ComboBoxModulauswahl"));
    ComboBoxModulauswahl->setMinimumWidth(10);
    moduleGrid->addWidget(ComboBoxModulauswahl, 0, 0, 1, 2);
    ShapeModulAnzeige = new TColorShape(module);
    ShapeModulAnzeige->setObjectName(QStringLiteral("ShapeModulAnzeige"));
    ShapeModulAnzeige->SetOverlay(Picture(kModulePreview));
    ShapeModulAnzeige->setFixedSize(48, 80);
    auto* previewBox = new QWidget(module);
    previewBox->setFixedSize(120, 112);
    auto* previewLayout = new QHBoxLayout(previewBox);
    previewLayout->setContentsMargins(0, 0, 0, 0);
    previewLayout->addWidget(ShapeModulAnzeige, 0, Qt::AlignCenter);
    moduleGrid->addWidget(previewBox, 1, 0, 3, 1);
    moduleGrid->addWidget(label(QStringLiteral("Modulleistung:"), module), 1, 1);
    LabelModulleistung = label(QString(), module, "LabelModulleistung");
    QFont strong = LabelModulleistung->font();
    strong.setBold(true);
    LabelModulleistung->setFont(strong);
    moduleGrid->addWidget(LabelModulleistung, 2, 1, Qt::AlignTop);
    CheckBoxModuleauf2Dachseiten = new QCheckBox(QStringLiteral("PV-Module auf 2 Dachseiten legen (z.B. Ost-West)"), module);
    CheckBoxModuleauf2Dachseiten->setObjectName(QStringLiteral("CheckBoxModuleauf2Dachseiten"));
    moduleGrid->addWidget(CheckBoxModuleauf2Dachseiten, 4, 0, 1, 2);
    auto* period = new QHBoxLayout;
    period->addWidget(label(QStringLiteral("Abstand nach:"), module, "LabelAbstandNach"));
    UpDownColCountPeriode = new QSpinBox(module);
    UpDownColCountPeriode->setObjectName(QStringLiteral("UpDownColCountPeriode"));
    UpDownColCountPeriode->setRange(0, tandrel::roof::kColCountPeriodeMax);
    UpDownColCountPeriode->setValue(12);
    // Only the arrows change the period.
    if (auto* edit = UpDownColCountPeriode->findChild<QLineEdit*>())
        edit->setReadOnly(true);
    period->addWidget(UpDownColCountPeriode);
    period->addWidget(label(QStringLiteral("Modulen"), module, "LabelModulen"));
    period->addStretch(1);
    moduleGrid->addLayout(period, 5, 0, 1, 2);
    BuildModuleChoiceControls(moduleGrid, 6);
    moduleGrid->setColumnStretch(1, 1);

    // Result.
    QGroupBox* result = group(QStringLiteral("Ergebnis"), "GroupBoxErgebnis");
    auto* resultGrid = new QGridLayout(result);
    resultGrid->addWidget(label(QStringLiteral("Anzahl Module:"), result), 0, 0);
    LabelAnzahlmodule = label(QString(), result, "LabelAnzahlmodule");
    resultGrid->addWidget(LabelAnzahlmodule, 0, 1);
    resultGrid->addWidget(label(QStringLiteral("Anlagenleistung:"), result), 1, 0);
    LabelAnlagenleistung = label(QString(), result, "LabelAnlagenleistung");
    QFont big = LabelAnlagenleistung->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.5);
    LabelAnlagenleistung->setFont(big);
    LabelAnzahlmodule->setFont(strong);
    LabelAnlagenleistung->setStyleSheet(QStringLiteral("color: #1c355e;"));
    resultGrid->addWidget(LabelAnlagenleistung, 1, 1);
    resultGrid->setColumnStretch(1, 1);
    BuildObstacleList(obstacles);
    BuildObstacleRow();

    // View and colours.
    QGroupBox* view = group(QStringLiteral("Darstellung"), "GroupBoxDarstellung");
    auto* viewGrid = new QGridLayout(view);
    auto* zoomRow = new QHBoxLayout;
    auto* zoomGroup = new QButtonGroup(this);
    zoomGroup->setExclusive(true);
    auto zoomButton = [&](const char* name, const QString& text, int percent) {
        auto* b = new QToolButton(view);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(text);
        b->setCheckable(true);
        b->setMinimumWidth(56);
        zoomGroup->addButton(b);
        zoomRow->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, percent] { SetZoom(percent); });
        return b;
    };
    SpeedButtonAnzeige100 = zoomButton("SpeedButtonAnzeige100", QStringLiteral("100 %"), 108);
    SpeedButtonAnzeige200 = zoomButton("SpeedButtonAnzeige200", QStringLiteral("200 %"), 200);
    SpeedButtonAnzeige300 = zoomButton("SpeedButtonAnzeige300", QStringLiteral("300 %"), 300);
    SpeedButtonAnzeige100->setChecked(true);
    zoomRow->addStretch(1);
    viewGrid->addLayout(zoomRow, 0, 0, 1, 2);
    auto colorRow = [&](int row, const char* buttonName, const QString& text, const char* shapeName, TColorShape*& shape,
                        ColorRef color) {
        QPushButton* b = button(text, view, buttonName);
        shape = new TColorShape(view);
        shape->setObjectName(QString::fromLatin1(shapeName));
        shape->setFixedSize(40, 20);
        shape->SetColor(color);
        viewGrid->addWidget(b, row, 0);
        viewGrid->addWidget(shape, row, 1, Qt::AlignLeft);
        return b;
    };
    BitBtnDachfarbe = colorRow(1, "BitBtnDachfarbe", QStringLiteral("Dachfläche..."), "ShapeDach", ShapeDach, kDefaultRoofColor);
    BitBtnSolarfarbe = colorRow(2, "BitBtnSolarfarbe", QStringLiteral("Solaranlage..."), "ShapeSolar", ShapeSolar,
                                kDefaultSolarColor);
    BitBtnHintergrundfarbe = colorRow(3, "BitBtnHintergrundfarbe", QStringLiteral("Hintergrund..."), "ShapeHintergrund",
                                      ShapeHintergrund, tandrel::roof::kDefaultBackground);
    viewGrid->setColumnStretch(1, 1);
    connect(BitBtnDachfarbe, &QPushButton::clicked, this, [this] { DachfarbeClick(); });
    connect(BitBtnSolarfarbe, &QPushButton::clicked, this, [this] { SolarfarbeClick(); });
    connect(BitBtnHintergrundfarbe, &QPushButton::clicked, this, [this] { HintergrundfarbeClick(); });

    side->addStretch(1);
    BitBtnHardcopy = button(QStringLiteral("Hardcopy"), PanelDachplanungRechts, "BitBtnHardcopy");
    BitBtnHardcopy->hide();
    connect(BitBtnHardcopy, &QPushButton::clicked, this, [this] { RenderRoofPicture(true); });
    BitBtnHaus3D = button(QStringLiteral("Haus &3D"), PanelDachplanungRechts, "BitBtnHaus3D");
    BitBtnZurPVErtragsrechnung =
        button(QStringLiteral("&Zur PV-Ertragsrechnung"), PanelDachplanungRechts, "BitBtnZurPVErtragsrechnung");
    side->addWidget(BitBtnHaus3D);
    side->addWidget(BitBtnZurPVErtragsrechnung);
    connect(BitBtnHaus3D, &QPushButton::clicked, this, [this] { ShowFrame(FrameId::PapierHaus); });
    connect(BitBtnZurPVErtragsrechnung, &QPushButton::clicked, this, [this] { ShowFrame(FrameId::Ertrag); });

    connect(ComboBoxDacheindeckungAuswahl, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (m_filling)
            return;
        m_model.CoveringIndex = index;
        RefreshFrame();
    });
    connect(ComboBoxModulauswahl, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (m_filling)
            return;
        m_model.ModuleIndex = index;
        BitBtnModulBearbeiten->setEnabled(SelectedOwnModule() >= 0);
        BitBtnModulLoeschen->setEnabled(SelectedOwnModule() >= 0);
        RefreshFrame();
    });
    connect(CheckBoxModuleauf2Dachseiten, &QCheckBox::toggled, this, [this] { RefreshFrame(); });
    connect(UpDownColCountPeriode, &QSpinBox::valueChanged, this, [this](int value) {
        m_model.ColCountPeriode = value;
        RefreshFrame();
    });
    // Wide enough for its controls beside a vertical scroll bar: a low
    // window scrolls the column instead of cutting its right edge.
    const int bar = ScrollBoxRechts->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, ScrollBoxRechts);
    ScrollBoxRechts->setFixedWidth(std::max(ScrollBoxRechts->width(), PanelDachplanungRechts->minimumSizeHint().width() + bar +
                                                                          2 * ScrollBoxRechts->frameWidth()));
}

void TDachplanung2DFrame::BuildModuleChoiceControls(QGridLayout* grid, int row)
{
    QWidget* parent = grid->parentWidget();
    auto* orientation = new QHBoxLayout;
    orientation->addWidget(new QLabel(QStringLiteral("Module:"), parent));
    RadioButtonHochkant = new QRadioButton(QStringLiteral("hochkant"), parent);
    RadioButtonHochkant->setObjectName(QStringLiteral("RadioButtonHochkant"));
    RadioButtonQuer = new QRadioButton(QStringLiteral("quer"), parent);
    RadioButtonQuer->setObjectName(QStringLiteral("RadioButtonQuer"));
    RadioButtonHochkant->setChecked(true);
    auto* orientationGroup = new QButtonGroup(this);
    orientationGroup->addButton(RadioButtonHochkant);
    orientationGroup->addButton(RadioButtonQuer);
    orientation->addWidget(RadioButtonHochkant);
    orientation->addWidget(RadioButtonQuer);
    orientation->addStretch(1);
    grid->addLayout(orientation, row, 0, 1, 2);
    connect(RadioButtonQuer, &QRadioButton::toggled, this, [this](bool quer) {
        if (m_filling)
            return;
        m_model.ModuleOrientation = quer ? 1 : 0;
        RefreshFrame();
    });

    auto* own = new QHBoxLayout;
    auto add = [&](const QString& text, const char* name) {
        auto* b = new QPushButton(text, parent);
        b->setObjectName(QString::fromLatin1(name));
        own->addWidget(b);
        return b;
    };
    BitBtnEigenesModul = add(QStringLiteral("Eigenes Modul..."), "BitBtnEigenesModul");
    BitBtnModulBearbeiten = add(QStringLiteral("Bearbeiten..."), "BitBtnModulBearbeiten");
    BitBtnModulLoeschen = add(QStringLiteral("Löschen"), "BitBtnModulLoeschen");
    own->addStretch(1);
    grid->addLayout(own, row + 1, 0, 1, 2);
    connect(BitBtnEigenesModul, &QPushButton::clicked, this, [this] { EigenesModulClick(); });
    connect(BitBtnModulBearbeiten, &QPushButton::clicked, this, [this] { ModulBearbeitenClick(); });
    connect(BitBtnModulLoeschen, &QPushButton::clicked, this, [this] { ModulLoeschenClick(); });
}

void TDachplanung2DFrame::FillModuleList()
{
    m_filling = true;
    ComboBoxModulauswahl->clear();
    const roof::TRoofModule kept = m_model.Module;
    const int count = kModuleCount + int(m_model.OwnModules.size());
    for (int i = 0; i < count; ++i) {
        roof::SelectModule(i, m_model.OwnModules, m_model.Module);
        ComboBoxModulauswahl->addItem(QStringLiteral("%1 (%2 Wp)").arg(m_model.Module.Name).arg(m_model.Module.PowerWp));
    }
    m_model.Module = kept;
    m_model.ModuleIndex = roof::ListIndex(m_model.ModuleIndex, count);
    ComboBoxModulauswahl->setCurrentIndex(m_model.ModuleIndex);
    m_filling = false;
    const bool ownSelected = SelectedOwnModule() >= 0;
    BitBtnModulBearbeiten->setEnabled(ownSelected);
    BitBtnModulLoeschen->setEnabled(ownSelected);
    BitBtnEigenesModul->setEnabled(int(m_model.OwnModules.size()) < roof::kOwnModuleMax);
}

int TDachplanung2DFrame::SelectedOwnModule() const
{
    const int i = m_model.ModuleIndex - kModuleCount;
    return i >= 0 && i < int(m_model.OwnModules.size()) ? i : -1;
}

void TDachplanung2DFrame::SaveOwnModules()
{
    MKontaloRegistry reg;
    roof::SaveOwnModules(reg, QString::fromLatin1(kSection), m_model.OwnModules);
    reg.WriteInteger(kSection, QStringLiteral("ModulNummer"), m_model.ModuleIndex);
}

void TDachplanung2DFrame::EigenesModulClick()
{
    if (int(m_model.OwnModules.size()) >= roof::kOwnModuleMax) {
        tandrel::platform::dialogs().showMessage(
            QStringLiteral("Es können höchstens %1 eigene Module angelegt werden.").arg(roof::kOwnModuleMax));
        return;
    }
    TEigenesModulDlg dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_model.OwnModules.push_back(dialog.Module());
    m_model.ModuleIndex = kModuleCount + int(m_model.OwnModules.size()) - 1;
    FillModuleList();
    SaveOwnModules();
    RefreshFrame();
}

void TDachplanung2DFrame::ModulBearbeitenClick()
{
    const int own = SelectedOwnModule();
    if (own < 0)
        return;
    TEigenesModulDlg dialog(this);
    dialog.setWindowTitle(QStringLiteral("Eigenes Modul bearbeiten"));
    dialog.SetModule(m_model.OwnModules[size_t(own)]);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_model.OwnModules[size_t(own)] = dialog.Module();
    FillModuleList();
    SaveOwnModules();
    RefreshFrame();
}

void TDachplanung2DFrame::ModulLoeschenClick()
{
    const int own = SelectedOwnModule();
    if (own < 0 ||
        !tandrel::platform::dialogs().askYesNo(
            QStringLiteral("Das Modul „%1“ löschen?").arg(m_model.OwnModules[size_t(own)].Name)))
        return;
    m_model.OwnModules.erase(m_model.OwnModules.begin() + own);
    m_model.ModuleIndex = 0;
    FillModuleList();
    SaveOwnModules();
    RefreshFrame();
}

void TDachplanung2DFrame::BuildModulePage()
{
    TabSheetPVModule = new QWidget;
    TabSheetPVModule->setObjectName(QStringLiteral("TabSheetPVModule"));
    PageControlPlanung->addTab(TabSheetPVModule, QStringLiteral("PV-Module"));
    auto* page = new QHBoxLayout(TabSheetPVModule);
    page->setContentsMargins(16, 16, 16, 16);
    page->setSpacing(24);

    // The panels of an older catalogue play no part any more.
    for (int i = 0; i < 4; ++i) {
        PanelPVModul[i] = new QFrame(TabSheetPVModule);
        PanelPVModul[i]->setObjectName(QStringLiteral("PanelPVModul%1").arg(i));
        PanelPVModul[i]->hide();
    }

    PanelPVModulKatalog = new QFrame(TabSheetPVModule);
    PanelPVModulKatalog->setObjectName(QStringLiteral("PanelPVModulKatalog"));
    auto* catalogue = new QGridLayout(PanelPVModulKatalog);
    catalogue->setHorizontalSpacing(28);
    catalogue->setVerticalSpacing(4);
    struct Entry {
        TImageBox** image;
        const char* name;
        const char* caption;
        const char* power;
    };
    const Entry entries[kModuleCount] = {
        {&ImagePVModulSIblack, "ImagePVModulSIblack", "SI Black edition monokristallin", "260 Wp"},
        {&ImagePVModulSIclassic, "ImagePVModulSIclassic", "SI Classic edition polykristallin", "240 Wp"},
        {&ImagePVModulSIDarkblue, "ImagePVModulSIDarkblue", "SI Dark blue edition polykristallin", "240 Wp"},
    };
    for (int i = 0; i < kModuleCount; ++i) {
        auto* image = new TImageBox(PanelPVModulKatalog);
        image->setObjectName(QString::fromLatin1(entries[i].name));
        const roof::TRoofModule module = CatalogueModule(i);
        image->SetPicture(Picture(module.Picture));
        image->setFixedSize(158, 258);
        image->setCursor(Qt::PointingHandCursor);
        image->setToolTip(module.Name);
        *entries[i].image = image;
        connect(image, &TImageBox::clicked, this, [this, i] { ComboBoxModulauswahl->setCurrentIndex(i); });
        auto* caption = new QLabel(QString::fromLatin1(entries[i].caption), PanelPVModulKatalog);
        caption->setObjectName(QStringLiteral("LabelPVModulKatalog%1").arg(i + 1));
        caption->setAlignment(Qt::AlignHCenter);
        caption->setWordWrap(true);
        caption->setFixedWidth(170);
        QFont f = caption->font();
        f.setBold(true);
        caption->setFont(f);
        auto* power = new QLabel(QString::fromLatin1(entries[i].power), PanelPVModulKatalog);
        power->setObjectName(QStringLiteral("LabelPVModulLeistung%1").arg(i + 1));
        power->setAlignment(Qt::AlignHCenter);
        catalogue->addWidget(image, 0, i, Qt::AlignHCenter);
        catalogue->addWidget(caption, 1, i, Qt::AlignHCenter);
        catalogue->addWidget(power, 2, i, Qt::AlignHCenter);
    }
    catalogue->setRowStretch(3, 1);
    page->addWidget(PanelPVModulKatalog, 0, Qt::AlignTop);

    // The selected module and the maker.
    auto* details = new QFrame(TabSheetPVModule);
    details->setObjectName(QStringLiteral("PanelModulDaten"));
    details->setFixedWidth(300);
    auto* column = new QVBoxLayout(details);
    column->setContentsMargins(0, 0, 0, 0);
    ImageHerstellerLogo = new TImageBox(details);
    ImageHerstellerLogo->setObjectName(QStringLiteral("ImageHerstellerLogo"));
    ImageHerstellerLogo->setFixedSize(240, 80);
    column->addWidget(ImageHerstellerLogo);
    LabelLinkModulhersteller = new QLabel(details);
    LabelLinkModulhersteller->setObjectName(QStringLiteral("LabelLinkModulhersteller"));
    LabelLinkModulhersteller->setStyleSheet(QStringLiteral("color: #2f6db5; text-decoration: underline;"));
    LabelLinkModulhersteller->setCursor(Qt::PointingHandCursor);
    LabelLinkModulhersteller->installEventFilter(this);
    OneActionPerClick(LabelLinkModulhersteller);
    column->addWidget(LabelLinkModulhersteller);
    column->addSpacing(12);
    auto add = [&](const char* name, bool bold = false) {
        auto* l = new QLabel(details);
        l->setObjectName(QString::fromLatin1(name));
        if (bold) {
            QFont f = l->font();
            f.setBold(true);
            f.setPointSizeF(f.pointSizeF() * 1.3);
            l->setFont(f);
        }
        column->addWidget(l);
        return l;
    };
    LabelModulName = add("LabelModulName", true);
    LabelModulhersteller = add("LabelModulhersteller");
    LabelModulleistung1 = add("LabelModulleistung1");
    LabelModulbreite = add("LabelModulbreite");
    LabelModulHoehe = add("LabelModulHoehe");
    column->addSpacing(12);
    LabelDachTraufe2 = add("LabelDachTraufe2");
    LabelDachGiebel2 = add("LabelDachGiebel2");
    column->addSpacing(6);
    auto* powerRow = new QHBoxLayout;
    powerRow->addWidget(new QLabel(QStringLiteral("Anlagenleistung:"), details));
    LabelAnlagenleistung2 = new QLabel(details);
    LabelAnlagenleistung2->setObjectName(QStringLiteral("LabelAnlagenleistung2"));
    QFont f = LabelAnlagenleistung2->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    LabelAnlagenleistung2->setFont(f);
    powerRow->addWidget(LabelAnlagenleistung2);
    powerRow->addStretch(1);
    column->addLayout(powerRow);
    column->addSpacing(12);
    ImagePVModulVerwendet = new TImageBox(details);
    ImagePVModulVerwendet->setObjectName(QStringLiteral("ImagePVModulVerwendet"));
    ImagePVModulVerwendet->setFixedSize(48, 80);
    column->addWidget(ImagePVModulVerwendet);
    column->addStretch(1);
    BitBtnPVErtrag = new QPushButton(QStringLiteral("PV-&Ertrag"), details);
    BitBtnPVErtrag->setObjectName(QStringLiteral("BitBtnPVErtrag"));
    connect(BitBtnPVErtrag, &QPushButton::clicked, this, [this] { ShowFrame(FrameId::Ertrag); });
    column->addWidget(BitBtnPVErtrag);
    page->addWidget(details);
    page->addStretch(1);
}

bool TDachplanung2DFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == LabelLinkModulhersteller && event->type() == QEvent::MouseButtonRelease) {
        // An own module has no address.
        if (!LabelLinkModulhersteller->text().isEmpty())
            OpenURL(LabelLinkModulhersteller->text());
        return true;
    }
    if (m_initialized && m_watchedPaintBox && watched == m_watchedPaintBox && ObstacleMouseEvent(watched, event))
        return true;
    // Moving or editing a blocked area in the 2D frame repaints it: the
    // count and the power follow.
    if (m_initialized && watched == PanelDachplanung2D && event->type() == QEvent::Resize)
        RefreshFrame();
    if (m_initialized && m_watchedPaintBox && watched == m_watchedPaintBox && event->type() == QEvent::Paint)
        UpdateResultLabels();
    return TBaseFrame::eventFilter(watched, event);
}

void TDachplanung2DFrame::InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId)
{
    // 1. Base set-up.
    TBaseFrame::InitFrame(parent, owner, factory, frameId);
    FrameName = QStringLiteral("Anlagenlayout 2D");
    FrameDescription = QStringLiteral("Anlagenlayout 2D");
    m_initialized = false;
    m_model = roof::TRoofPlannerModel();
    for (QFrame* p : PanelPVModul)
        p->hide();
    PanelPVModulKatalog->show();
    PageControlPlanung->setTabVisible(PageControlPlanung->indexOf(TabSheetWeitereInformationen), false);
    PanelDachplanungTop->setFixedHeight(PanelDachplanungTop->sizeHint().height());

    // 2. The lists.
    m_filling = true;
    ComboBoxDacheindeckungAuswahl->clear();
    for (int i = 0; i < kCoveringCount; ++i) {
        SelectCovering(i);
        ComboBoxDacheindeckungAuswahl->addItem(m_model.Covering.Name);
    }
    ComboBoxModulauswahl->clear();
    for (int i = 0; i < kModuleCount; ++i) {
        SelectModule(i);
        ComboBoxModulauswahl->addItem(QStringLiteral("%1 (%2 Wp)").arg(m_model.Module.Name).arg(m_model.Module.PowerWp));
    }
    m_filling = false;

    // 3. The paper house, created hidden when it does not exist yet.
    PaperHouse = FindFrame(FrameId::PapierHaus);
    if (!qobject_cast<IPaperHouse*>(PaperHouse) && Factory) {
        TBaseFrame* created = Factory->CreateFrame(FrameId::PapierHaus);
        if (created) {
            created->setVisible(false);
            setVisible(true);
        }
        PaperHouse = created;
    }
    if (!qobject_cast<IPaperHouse*>(PaperHouse))
        PaperHouse = nullptr;

    // 4. The 2D frame.
    Frame2D = new TAnlagePlanung2DFrame(PanelDachplanung2D);

    // 5. Settings.
    LoadSettings();

    try {
        // 6. Object types, after the 2D frame's own set-up.
        Frame2D->InitFrame(PanelDachplanung2D, this, Factory, TAnlagePlanung2DFrame::kFrameID);
        Frame2D->show();
        Frame2D->PaintBox->installEventFilter(this);
        m_watchedPaintBox = Frame2D->PaintBox;
        WireObstacleEditing();
        Frame2D->SetBackColor(m_model.Background);
        m_objTypeManager = std::make_unique<MObjTypeManager>();
        m_objTypeManager->Add(std::make_unique<MObjTypePVModul>());
        MStructur* structure = Frame2D->Structure();
        if (structure) {
            structure->SetObjTypeManager(m_objTypeManager.get());

            // 7. The roof.
            RoofArea = &structure->Create<MStandardFlaecheRep>(0, 0, 0.0, 0.0);
            ApplyRoofGeometry();

            // 8. The module group.
            ModuleGroup = &structure->Create<MGruppeRep>(0, 0, roof::kEdgeDistance + 0.001, roof::kEdgeDistance + 0.001);
            ModuleGroup->ElementBreite = m_model.Module.Width;
            ModuleGroup->ElementHoehe = m_model.Module.Height;
            ModuleGroup->ModulePicture = &ImagePVModulVerwendet->Picture;
            ModuleGroup->RowDistance = 0.03;
            ModuleGroup->ColDistance = 0.03;
            SetRasterCounts();
            ModuleGroup->ColCountAnfang = 8;
            ModuleGroup->ColCountPeriode = 20;
            ModuleGroup->ColPeriodeAbstand = 0.6;
            ModuleGroup->BuildRaster();
            ModuleGroup->UpdateModuleStates(*structure);
            ModuleGroup->FillColor = ShapeSolar->Color();
            LoadObstacleSettings();

            // 9. Blocked areas on top, the view fitted.
            FitView();
        }
    } catch (const std::exception& e) {
        // The frame stays usable without its drawing.
        qCWarning(lcTandrelFrames) << "roof planner drawing:" << e.what();
    }

    // 10.
    m_initialized = true;
    RefreshFrame();
    ArrangeControls();
}

void TDachplanung2DFrame::FinishFrame()
{
    SaveSettings();
    m_initialized = false;
    FreeFrame2D();
    TBaseFrame::FinishFrame();
}

void TDachplanung2DFrame::LoadSettings()
{
    MKontaloRegistry reg;
    roof::LoadRoofPlannerModel(reg, QString::fromLatin1(kSection), m_model);
    FillModuleList();
    CheckBoxModuleauf2Dachseiten->setChecked(reg.ReadBool(kSection, QStringLiteral("ModuleAuf2Dachseiten"), false));
    ShowModel();
    SelectCovering(m_model.CoveringIndex);
    SelectModule(m_model.ModuleIndex);
}

void TDachplanung2DFrame::SaveSettings()
{
    // The 2D frame's own menu may have changed its colour.
    if (Frame2D)
        m_model.Background = Frame2D->BackColor();
    MKontaloRegistry reg;
    roof::RoofPlannerFields().Save(reg, QString::fromLatin1(kSection), m_model);
    roof::SaveOwnModules(reg, QString::fromLatin1(kSection), m_model.OwnModules);
    reg.WriteBool(kSection, QStringLiteral("ModuleAuf2Dachseiten"), ModulesOnTwoRoofSides());
    SaveObstacleSettings();
}

void TDachplanung2DFrame::ShowModel()
{
    m_filling = true;
    ComboBoxDacheindeckungAuswahl->setCurrentIndex(m_model.CoveringIndex);
    ComboBoxModulauswahl->setCurrentIndex(m_model.ModuleIndex);
    UpDownColCountPeriode->setValue(m_model.ColCountPeriode);
    (m_model.ModuleOrientation == 1 ? RadioButtonQuer : RadioButtonHochkant)->setChecked(true);
    m_filling = false;
    const std::pair<QToolButton*, int> zoom[] = {
        {SpeedButtonAnzeige100, 108}, {SpeedButtonAnzeige200, 200}, {SpeedButtonAnzeige300, 300}};
    for (const auto& [button, percent] : zoom)
        if (percent == m_model.ZoomPercent)
            button->setChecked(true);
    ShapeHintergrund->SetColor(m_model.Background);
}

void TDachplanung2DFrame::ActivateFrame()
{
    TBaseFrame::ActivateFrame();
    if (m_initialized)
        RefreshFrame();
}

void TDachplanung2DFrame::ArrangeControls()
{
    PanelMain->setGeometry(rect());
    PageControlPlanung->setGeometry(PanelMain->rect().adjusted(4, 4, -4, -4));
    if (m_initialized)
        RefreshFrame();
}

void TDachplanung2DFrame::SelectCovering(int index)
{
    if (roof::SelectCovering(index, m_model.Covering))
        ImageDacheindeckungverwendet->SetPicture(ImageDacheindeckung[index] ? ImageDacheindeckung[index]->Picture
                                                                            : Picture(m_model.Covering.Picture));
}

void TDachplanung2DFrame::SelectModule(int index)
{
    if (roof::SelectModule(index, m_model.OwnModules, m_model.Module)) {
        const bool own = m_model.Module.Picture.isEmpty();
        QImage picture = own ? roof::OwnModulePicture(m_model.Module) : Picture(m_model.Module.Picture);
        // Laid across, the module's picture turns with it.
        const bool across = m_model.ModuleOrientation == 1;
        if (across)
            picture = picture.transformed(QTransform().rotate(90));
        ImagePVModulVerwendet->SetPicture(picture);
        ImagePVModulVerwendet->setFixedSize(across ? QSize(80, 48) : QSize(48, 80));
        if (own)
            ImageHerstellerLogo->SetPicture(QImage());
        if (ModuleGroup) {
            ModuleGroup->RowDistance = m_model.Module.Gap;
            ModuleGroup->ColDistance = m_model.Module.Gap;
        }
    } else {
        m_model.Module.Internet = QString::fromLatin1(kMakerWebSite);
    }
}

IPaperHouse* TDachplanung2DFrame::House() const
{
    return qobject_cast<IPaperHouse*>(PaperHouse.data());
}

double TDachplanung2DFrame::RoofEaves() const
{
    const IPaperHouse* house = House();
    return house ? house->RoofEavesSideLength() : kFallbackEaves;
}

double TDachplanung2DFrame::RoofGable() const
{
    const IPaperHouse* house = House();
    return house ? house->RoofGableSideLength() : kFallbackGable;
}

ColorRef TDachplanung2DFrame::HouseRoofColor() const
{
    const IPaperHouse* house = House();
    return house ? house->RoofColor() : ShapeDach->Color();
}

ColorRef TDachplanung2DFrame::HouseSolarColor() const
{
    const IPaperHouse* house = House();
    return house ? house->ModuleColor() : ShapeSolar->Color();
}

void TDachplanung2DFrame::WriteHouseColors(ColorRef roof, ColorRef solar)
{
    if (IPaperHouse* house = House())
        house->SetRoofColors(roof, solar);
}

void TDachplanung2DFrame::ApplyRoofGeometry()
{
    if (!RoofArea)
        return;
    const double a = RoofEaves(), b = RoofGable();
    RoofArea->XPos = 0;
    RoofArea->YPos = 0;
    RoofArea->Laenge1 = a;
    RoofArea->Breite1 = b;
    RoofArea->Laenge2 = 0;
    RoofArea->Laenge3 = a;
    RoofArea->XSize = a;
    RoofArea->YSize = b;
    RoofArea->Innenabstand1 = roof::kEdgeDistance;
    RoofArea->Nordrichtung = 0;
    RoofArea->Modulrichtung = 0;
    RoofArea->Blickrichtung = 0;
    RoofArea->BuildOutline(kFormTrapez);
    if (!ImageDacheindeckungverwendet->Picture.isNull()) {
        RoofArea->CoveringPicture = &ImageDacheindeckungverwendet->Picture;
        RoofArea->TileWidth = m_model.Covering.TileWidth;
        RoofArea->TileHeight = m_model.Covering.TileHeight;
        RoofArea->TileOverlapX = m_model.Covering.TileOverlapX;
        RoofArea->TileOverlapY = m_model.Covering.TileOverlapY;
    }
}

void TDachplanung2DFrame::SetRasterCounts()
{
    const roof::TRasterCounts counts = roof::RasterCounts(RoofEaves(), RoofGable(), roof::LaidModuleWidth(m_model),
                                                          roof::LaidModuleHeight(m_model), ModuleGroup->ColDistance,
                                                          ModuleGroup->RowDistance);
    ModuleGroup->RowCount = counts.rows;
    ModuleGroup->ColCount = counts.cols;
}

void TDachplanung2DFrame::FitView()
{
    MStructur* structure = Frame2D ? Frame2D->Structure() : nullptr;
    MVirtualView* view = Frame2D ? Frame2D->View() : nullptr;
    if (!structure || !view)
        return;
    // All blocked areas in their order: bringing only the first one forward
    // would turn the order of several round on every refresh.
    roof::ObstaclesOnTop(*structure);
    structure->FitViewToContents(*view);
    // The client area without scroll bars: the fit must not depend on
    // whether the last zoom needed them.
    // The frame follows its panel; when the panel has just been resized the
    // frame may not have followed yet.
    const QSize client = Frame2D->ScrollBox->maximumViewportSize() + (PanelDachplanung2D->size() - Frame2D->size());
    // The roof fills what the rulers leave free, in its middle.
    const QRect area = TGraphicFrame::DrawingArea(client.width(), client.height());
    MCanvas* canvas = &Frame2D->PaintBox->Canvas();
    view->FitToDevice(canvas, area.width(), area.height(), m_model.ZoomPercent);
    Frame2D->PaintBox->update();
    view->FitToDevice(canvas, area.width(), area.height(), m_model.ZoomPercent);
    const MWorldBox bounds = structure->GetBounds();
    if (bounds.MaxX >= bounds.MinX && bounds.MaxY >= bounds.MinY) {
        constexpr double kMinGap = 8;
        const double w = (bounds.MaxX - bounds.MinX) * view->xdehnung2d;
        const double h = (bounds.MaxY - bounds.MinY) * view->ydehnung2d;
        const double dx = std::max(kMinGap, (area.width() - w) / 2), dy = std::max(kMinGap, (area.height() - h) / 2);
        view->xver2d = RoundToInt(area.left() + dx - bounds.MinX * view->xdehnung2d);
        view->yver2d = RoundToInt(area.top() + dy + bounds.MaxY * view->ydehnung2d);
    }
    // The drawing may grow past the panel when zoomed in: the paint box then
    // scrolls to all of it.
    // In 64 bits and held to what a widget can be: a device coordinate near
    // the int range plus the margin would overflow.
    constexpr std::int64_t kLargest = QWIDGETSIZE_MAX;
    std::int64_t wide = PanelDachplanung2D->width() - 12, high = PanelDachplanung2D->height() - 12;
    if (bounds.MaxX >= bounds.MinX && bounds.MaxY >= bounds.MinY) {
        wide = std::max(wide, std::int64_t(view->WorldToDeviceX(bounds.MaxX)) + 12);
        high = std::max(high, std::int64_t(view->WorldToDeviceY(bounds.MinY)) + 12);
    }
    Frame2D->SetScrollRanges(int(std::clamp<std::int64_t>(wide, 0, kLargest)),
                             int(std::clamp<std::int64_t>(high, 0, kLargest)));
}

void TDachplanung2DFrame::PrintFrame()
{
    WaitCursor cursor(Qt::BusyCursor);
    TInterfaceFrame* workspace = GetInterfaceFrame();
    if (!workspace)
        return;
    MRoofLayoutInput in = GatherRoofLayout(*this);
    in.Date = TodayText();
    in.Sender = SenderLines(MarkedSender());
    in.MakerLine = MakerLine();
    workspace->WriteWholePageDocument(QStringLiteral("Dachplanung"), QSizeF(rooflayout::kPageWidth, rooflayout::kPageHeight),
                                      [&in](PdfWriter& pdf) { DrawRoofLayout(pdf, in); });
}

void TDachplanung2DFrame::RefreshFrame()
{
    if (!m_initialized)
        return;
    // 1. Covering and module of the lists.
    SelectCovering(m_model.CoveringIndex);
    SelectModule(m_model.ModuleIndex);

    MStructur* structure = Frame2D ? Frame2D->Structure() : nullptr;
    if (structure && RoofArea && ModuleGroup) {
        // 2. The roof.
        ApplyRoofGeometry();

        // 3. The raster anew.
        ModuleGroup->Structure().FreeAll();
        ModuleGroup->ElementBreite = roof::LaidModuleWidth(m_model);
        ModuleGroup->ElementHoehe = roof::LaidModuleHeight(m_model);
        ModuleGroup->FillColor = HouseSolarColor();
        SetRasterCounts();
        ModuleGroup->ColCountAnfang = m_model.ColCountPeriode;
        ModuleGroup->ColCountPeriode = 2000;
        ModuleGroup->ColPeriodeAbstand = 0.6;
        ModuleGroup->BuildRaster();
        ModuleGroup->UpdateModuleStates(*structure);

        // 4. The view.
        FitView();

        // 5. Colours.
        RoofArea->PenColor = 0;
        ShapeDach->SetColor(HouseRoofColor());
        ShapeSolar->SetColor(HouseSolarColor());
        RoofArea->FillColor = HouseRoofColor();
        RoofArea->AuxColor2 = HouseRoofColor();
        Frame2D->Paint();
    }

    // 6. Labels; 7. the preview.
    UpdateLabels();
    ShowObstacleList();
}

void TDachplanung2DFrame::UpdateLabels()
{
    const double a = RoofEaves(), b = RoofGable();
    const QString gable = QStringLiteral("Dach Giebelseite: %1 m").arg(Fixed(b, 1));
    const QString eaves = QStringLiteral("Dach Traufeseite: %1 m").arg(Fixed(a, 1));
    LabelDachGiebel->setText(gable);
    LabelDachGiebel2->setText(gable);
    LabelDachTraufe->setText(eaves);
    LabelDachTraufe2->setText(eaves);
    const roof::TRoofModule& module = m_model.Module;
    LabelModulleistung->setText(QStringLiteral("%1 Wp").arg(Fixed(module.PowerWp, 0)));
    UpdateResultLabels();
    LabelModulleistung1->setText(QStringLiteral("Modulleistung: %1 Wp").arg(Fixed(module.PowerWp, 0)));
    LabelModulbreite->setText(QStringLiteral("Modulbreite:    %1 m").arg(Fixed(module.Width, 3)));
    LabelModulHoehe->setText(QStringLiteral("Modulhöhe:     %1 m").arg(Fixed(module.Height, 3)));
    TImageBox* const catalogue[kModuleCount] = {ImagePVModulSIblack, ImagePVModulSIclassic, ImagePVModulSIDarkblue};
    for (int i = 0; i < kModuleCount; ++i)
        catalogue[i]->SetSelected(i == m_model.ModuleIndex);
    LabelModulName->setText(module.Name);
    LabelModulhersteller->setText(module.Maker);
    LabelLinkModulhersteller->setText(module.Internet);
    if (module.MakerLogoKey >= 0) {
        TInterfaceFrame* i = GetInterfaceFrame();
        const PictureEntry* logo = i ? i->FindPicture(module.MakerLogoKey + 20000) : nullptr;
        ImageHerstellerLogo->SetPicture(logo ? logo->picture() : QImage());
    }

    const double w = ModuleGroup ? ModuleGroup->ElementBreite : module.Width;
    const double h = ModuleGroup ? ModuleGroup->ElementHoehe : module.Height;
    const double c = roof::PreviewFactor(w, h);
    ShapeModulAnzeige->setFixedSize(std::max(1, RoundToInt(w * c)), std::max(1, RoundToInt(c * h)));
    ShapeModulAnzeige->SetColor(ShapeSolar->Color());
}

void TDachplanung2DFrame::UpdateResultLabels()
{
    const int count = CountActiveModules();
    if (ModulesOnTwoRoofSides())
        LabelAnzahlmodule->setText(
            QStringLiteral("%1 (=%2 mal 2)").arg(Fixed(count, 0), Fixed(double(std::lround(count / 2.0)), 0)));
    else
        LabelAnzahlmodule->setText(QStringLiteral("%1 ").arg(Fixed(count, 0)));
    const QString power = QStringLiteral("%1 kWp").arg(Fixed(PlantPowerKWp(), 1));
    LabelAnlagenleistung->setText(power);
    LabelAnlagenleistung2->setText(power);
}

int TDachplanung2DFrame::CountActiveModules() const
{
    const MStructur* structure = Frame2D ? Frame2D->Structure() : nullptr;
    return structure ? roof::CountActiveModules(*structure, ModuleGroup, ModulesOnTwoRoofSides()) : 0;
}

double TDachplanung2DFrame::PlantPowerKWp() const
{
    return roof::PlantPowerKWp(CountActiveModules(), m_model.Module.PowerWp);
}

TRoofModuleData TDachplanung2DFrame::ModuleData() const
{
    const roof::TRoofModule& m = m_model.Module;
    TRoofModuleData d;
    d.Name = m.Name;
    d.Maker = m.Maker;
    d.Internet = m.Internet;
    // As laid on the roof: the legend and the folded model follow the orientation.
    d.Width = roof::LaidModuleWidth(m_model);
    d.Height = roof::LaidModuleHeight(m_model);
    d.LaidAcross = m_model.ModuleOrientation == 1;
    d.PowerWp = m.PowerWp;
    d.MakerLogoKey = m.MakerLogoKey;
    d.Picture = ImagePVModulVerwendet->Picture;
    return d;
}

bool TDachplanung2DFrame::ModulesOnTwoRoofSides() const
{
    return CheckBoxModuleauf2Dachseiten && CheckBoxModuleauf2Dachseiten->isChecked();
}

bool TDachplanung2DFrame::RenderRoof(bool showModules, int maxWidth, QImage& picture, roof::TRoofOnScreen& onScreen)
{
    if (!Frame2D || !RoofArea || !ModuleGroup || !Frame2D->View() || !Frame2D->InteractorStack())
        return false;
    const bool shown = ModuleGroup->ShowModules;
    ModuleGroup->ShowModules = showModules;
    // The covering alone is the roof side without modules: the obstacles
    // belong to the side that carries them. An area without its outline
    // draws nothing.
    HiddenObstacles hidden;
    if (!showModules && Frame2D->Structure())
        for (MSperrFlaecheRep* area : roof::Obstacles(*Frame2D->Structure()))
            hidden.shapes.emplace_back(area, std::exchange(area->ShapeX, {}));
    Frame2D->InteractorStack()->RemoveTransient();
    onScreen = roof::RoofOnScreen(*Frame2D->View(), RoofArea->XSize, RoofArea->YSize);
    // A roof without area on the screen has no picture.
    picture = roof::RenderRoofImage(
        *Frame2D, onScreen,
        roof::RoofPictureSize(onScreen.w, onScreen.h, ImagePrint->width() * m_model.PrintResolution, maxWidth));
    RefreshFrame();
    ModuleGroup->ShowModules = shown;
    return true;
}

void TDachplanung2DFrame::RenderRoofPicture(bool showModules, int maxWidth)
{
    QImage picture;
    roof::TRoofOnScreen onScreen;
    if (!RenderRoof(showModules, maxWidth, picture, onScreen) || onScreen.IsEmpty())
        return;
    ImagePrint->Picture = picture;
    ImagePrint->resize(ImagePrint->width(), RoundToInt(double(onScreen.h) * ImagePrint->width() / onScreen.w));
    ImagePrint->update();
}

TRoofPictures TDachplanung2DFrame::RenderRoofPictures(int maxWidth)
{
    TRoofPictures pictures;
    roof::TRoofOnScreen onScreen;
    RenderRoof(true, maxWidth, pictures.RoofWithModules, onScreen);
    // With modules on both sides both planes show the same picture.
    if (ModulesOnTwoRoofSides())
        pictures.RoofSecondSide = pictures.RoofWithModules;
    else
        RenderRoof(false, maxWidth, pictures.RoofSecondSide, onScreen);
    return pictures;
}

std::vector<TRoofObstacle> TDachplanung2DFrame::Obstacles() const
{
    const MStructur* structure = Frame2D ? Frame2D->Structure() : nullptr;
    return structure ? roof::ObstacleValues(*structure) : std::vector<TRoofObstacle>();
}

void TDachplanung2DFrame::SetZoom(int percent)
{
    m_model.ZoomPercent = percent;
    RefreshFrame();
}

void TDachplanung2DFrame::DachfarbeClick()
{
    if (const auto chosen = ChooseFrameColor(*this, ShapeDach->Color())) {
        ShapeDach->SetColor(*chosen);
        WriteHouseColors(*chosen, ShapeSolar->Color());
        RefreshFrame();
    }
}

void TDachplanung2DFrame::SolarfarbeClick()
{
    if (const auto chosen = ChooseFrameColor(*this, ShapeSolar->Color())) {
        ShapeSolar->SetColor(*chosen);
        WriteHouseColors(ShapeDach->Color(), *chosen);
        RefreshFrame();
    }
}

void TDachplanung2DFrame::HintergrundfarbeClick()
{
    const ColorRef current = Frame2D ? Frame2D->BackColor() : ShapeHintergrund->Color();
    if (const auto chosen = ChooseFrameColor(*this, current)) {
        m_model.Background = *chosen;
        ShapeHintergrund->SetColor(*chosen);
        if (Frame2D)
            Frame2D->SetBackColor(*chosen);
        RefreshFrame();
    }
}

void TDachplanung2DFrame::ShowFrame(int frameId)
{
    if (Factory)
        Factory->ShowFrame(frameId);
}

// ---------------------------------------------------------------- obstacles

void TDachplanung2DFrame::BuildObstacleRow()
{
    auto* row = new QHBoxLayout(PanelDachplanungTop);
    row->setContentsMargins(4, 4, 4, 4);
    row->setSpacing(4);
    row->addWidget(new QLabel(QStringLiteral("Hindernisse:"), PanelDachplanungTop));
    QToolButton** buttons[roof::kObstacleKindCount] = {&SpeedButtonSchornstein, &SpeedButtonDachfenster,
                                                       &SpeedButtonGaube, &SpeedButtonLuefter,
                                                       &SpeedButtonFreieFlaeche};
    for (int i = 0; i < roof::kObstacleKindCount; ++i) {
        const roof::TObstacleKind& kind = roof::ObstacleKinds()[std::size_t(i)];
        auto* b = new QToolButton(PanelDachplanungTop);
        b->setObjectName(QString::fromLatin1(kind.Button));
        b->setText(QString::fromUtf8(kind.Caption));
        b->setToolTip(QString::fromUtf8(kind.ToolTip));
        b->setCheckable(true);
        const QImage icon = Picture(QStringLiteral("roof/obstacle-%1").arg(i));
        if (!icon.isNull()) {
            b->setIcon(QIcon(QPixmap::fromImage(icon)));
            b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        }
        connect(b, &QToolButton::clicked, this, [this, i](bool on) { ArmObstacleTool(on ? i : -1); });
        row->addWidget(b);
        *buttons[i] = b;
    }
    row->addStretch(1);

    auto action = [this](const char* name, const QString& text, QKeySequence key, void (TDachplanung2DFrame::*slot)()) {
        auto* a = new QAction(text, this);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(key);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(a, &QAction::triggered, this, slot);
        addAction(a);
        return a;
    };
    ActionHindernisLoeschen = action("ActionHindernisLoeschen", QStringLiteral("Hindernis löschen"),
                                     QKeySequence(Qt::Key_Delete), &TDachplanung2DFrame::DeleteSelectedObstacles);
    ActionRueckgaengig = action("ActionRueckgaengig", QStringLiteral("Rückgängig"), QKeySequence(QStringLiteral("Ctrl+Z")),
                                &TDachplanung2DFrame::UndoObstacles);
    ActionWiederholen = action("ActionWiederholen", QStringLiteral("Wiederholen"), QKeySequence(QStringLiteral("Ctrl+Y")),
                               &TDachplanung2DFrame::RedoObstacles);
}

void TDachplanung2DFrame::BuildObstacleList(QGroupBox* box)
{
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 2, 6, 4);
    ListViewHindernisse = new QTreeWidget(box);
    ListViewHindernisse->setObjectName(QStringLiteral("ListViewHindernisse"));
    ListViewHindernisse->setRootIsDecorated(false);
    ListViewHindernisse->setHeaderLabels(
        {QStringLiteral("Name"), QStringLiteral("Größe"), QStringLiteral("Traufe"), QStringLiteral("Giebel links")});
    ListViewHindernisse->setToolTip(
        QStringLiteral("Größe in m; Abstand der Unterkante von der Traufe und der linken Kante vom linken Giebel in m"));
    ListViewHindernisse->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Four rows without scrolling; more scroll.
    ListViewHindernisse->setMinimumHeight(70);
    ListViewHindernisse->setMaximumHeight(110);
    layout->addWidget(ListViewHindernisse);
    connect(ListViewHindernisse, &QTreeWidget::itemSelectionChanged, this, [this] { SelectObstacleOfRow(); });
}

void TDachplanung2DFrame::ArmObstacleTool(int kind)
{
    m_obstacleTool = kind;
    QToolButton* const buttons[roof::kObstacleKindCount] = {SpeedButtonSchornstein, SpeedButtonDachfenster,
                                                            SpeedButtonGaube, SpeedButtonLuefter,
                                                            SpeedButtonFreieFlaeche};
    for (int i = 0; i < roof::kObstacleKindCount; ++i)
        buttons[i]->setChecked(i == kind);
    if (Frame2D)
        Frame2D->SetCursor(kind >= 0 ? Qt::CrossCursor : Qt::ArrowCursor);
}

void TDachplanung2DFrame::PlaceObstacle(int kind, double x, double y)
{
    MStructur* structure = Frame2D ? Frame2D->Structure() : nullptr;
    if (!structure || kind < 0 || kind >= roof::kObstacleKindCount || !std::isfinite(x) || !std::isfinite(y))
        return;
    if (int(roof::Obstacles(*structure).size()) >= roof::kMaxObstacles) {
        tandrel::platform::dialogs().showMessage(
            QStringLiteral("Auf dem Dach sind schon %1 Hindernisse.").arg(roof::kMaxObstacles));
        return;
    }
    MSperrFlaecheRep& area = roof::PlaceObstacle(*structure, kind, x, y, RoofEaves(), RoofGable());
    Frame2D->SelectOnly(&area);
    CommitObstacles(false);
}

bool TDachplanung2DFrame::ObstacleMouseEvent(QObject* paintBox, QEvent* event)
{
    if (m_inObstacleEvent || !Frame2D)
        return false;
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress && m_obstacleTool >= 0) {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() != Qt::LeftButton)
            return false;
        if (MVirtualView* view = Frame2D->View()) {
            const QPoint p = e->position().toPoint();
            const int kind = m_obstacleTool;
            ArmObstacleTool(-1);
            PlaceObstacle(kind, view->DeviceToWorldX(p.x()), view->DeviceToWorldY(p.y()));
        }
        m_swallowRelease = true;
        return true;
    }
    if (type == QEvent::MouseButtonRelease && m_swallowRelease) {
        m_swallowRelease = false;
        return true;
    }
    if (type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick) {
        // The drawing handles it first (a drag ends, the dialog closes).
        m_inObstacleEvent = true;
        paintBox->event(event);
        m_inObstacleEvent = false;
        CommitObstacles(type == QEvent::MouseButtonRelease);
        return true;
    }
    return false;
}

void TDachplanung2DFrame::CommitObstacles(bool keepMovedInside)
{
    MStructur* structure = Frame2D ? Frame2D->Structure() : nullptr;
    if (!structure)
        return;
    const double a = RoofEaves(), b = RoofGable();
    const roof::TObstacleSnapshot& before = m_obstacleHistory.Current();
    const std::vector<MSperrFlaecheRep*> areas = roof::Obstacles(*structure);
    roof::TObstacleSnapshot now = roof::CaptureObstacles(*structure);
    // Only what this operation changed: an obstacle left outside a house
    // that became smaller stays where it is.
    bool bad = false;
    if (now.size() == before.size()) {
        for (std::size_t i = 0; i < now.size(); ++i) {
            if (now[i] == before[i])
                continue;
            MSperrFlaecheRep& area = *areas[i];
            if (keepMovedInside && (now[i].X != before[i].X || now[i].Y != before[i].Y))
                roof::KeepInsideRoof(area, a, b);
            bad = bad || !roof::IsAcceptableEdit(area, a, b);
        }
        now = roof::CaptureObstacles(*structure);
    }
    if (bad) {
        Frame2D->ClearSelection();
        roof::RestoreObstacles(*structure, m_obstacleHistory.Current());
        tandrel::platform::dialogs().showMessage(
            QStringLiteral("Die Größe oder Lage des Hindernisses ist ungültig: Die Maße müssen Zahlen größer als 0 "
                           "sein, und das Hindernis muss auf dem Dach liegen. Das Hindernis bleibt unverändert."));
    } else {
        m_obstacleHistory.Commit(now);
    }
    Frame2D->Paint();
    UpdateResultLabels();
    ShowObstacleList();
}

void TDachplanung2DFrame::WireObstacleEditing()
{
    // The 2D frame's own menu deletes and edits too: after it, one step.
    for (QAction* a : {Frame2D->ActionRepLoeschen, Frame2D->ActionEigenschaften})
        if (a)
            connect(a, &QAction::triggered, this, [this] { CommitObstacles(false); });
}

void TDachplanung2DFrame::DeleteSelectedObstacles()
{
    MStructur* structure = Frame2D ? Frame2D->Structure() : nullptr;
    if (!structure || !Frame2D->Selection())
        return;
    bool gone = false;
    const std::vector<MBaseRep*> selected = Frame2D->Selection()->Reps();
    Frame2D->ClearSelection();
    for (MBaseRep* rep : selected)
        if (auto* area = dynamic_cast<MSperrFlaecheRep*>(rep)) {
            structure->RemoveRep(area);
            gone = true;
        }
    if (!gone)
        return;
    MSperrFlaecheRep::RecheckGroups(*structure);
    CommitObstacles(false);
}

void TDachplanung2DFrame::UndoObstacles()
{
    MStructur* structure = Frame2D ? Frame2D->Structure() : nullptr;
    if (!structure || !m_obstacleHistory.CanUndo())
        return;
    Frame2D->ClearSelection();
    roof::RestoreObstacles(*structure, m_obstacleHistory.Undo());
    CommitObstacles(false);
}

void TDachplanung2DFrame::RedoObstacles()
{
    MStructur* structure = Frame2D ? Frame2D->Structure() : nullptr;
    if (!structure || !m_obstacleHistory.CanRedo())
        return;
    Frame2D->ClearSelection();
    roof::RestoreObstacles(*structure, m_obstacleHistory.Redo());
    CommitObstacles(false);
}

void TDachplanung2DFrame::ShowObstacleList()
{
    if (!ListViewHindernisse)
        return;
    const MStructur* structure = Frame2D ? Frame2D->Structure() : nullptr;
    const std::vector<MSperrFlaecheRep*> areas = structure ? roof::Obstacles(*structure) : std::vector<MSperrFlaecheRep*>();
    const MSelectionList* selection = Frame2D ? Frame2D->Selection() : nullptr;
    m_fillingObstacleList = true;
    // Row by row, changing only what differs: every refresh and every
    // obstacle operation comes here, and a list built anew lays out and
    // sizes its columns anew.
    while (ListViewHindernisse->topLevelItemCount() > int(areas.size()))
        delete ListViewHindernisse->takeTopLevelItem(ListViewHindernisse->topLevelItemCount() - 1);
    const double a = RoofEaves(), b = RoofGable();
    const QString outsideTip = QStringLiteral("Das Hindernis liegt außerhalb des Daches.");
    QTreeWidgetItem* current = nullptr;
    for (std::size_t i = 0; i < areas.size(); ++i) {
        const MSperrFlaecheRep* area = areas[i];
        const MWorldBox box = area->Box();
        const QString texts[4] = {area->Name1,
                                  QStringLiteral("%1 × %2").arg(Fixed(area->Laenge1, 2), Fixed(area->Breite1, 2)),
                                  Metres(box.MinY), Metres(box.MinX)};
        QTreeWidgetItem* item = int(i) < ListViewHindernisse->topLevelItemCount()
                                    ? ListViewHindernisse->topLevelItem(int(i))
                                    : new QTreeWidgetItem(ListViewHindernisse);
        const bool outside = roof::LiesOutsideRoof(*area, a, b);
        const QBrush ink = outside ? QBrush(QColor(Qt::red)) : QBrush();
        for (int c = 0; c < 4; ++c) {
            if (item->text(c) != texts[c])
                item->setText(c, texts[c]);
            if (item->foreground(c) != ink)
                item->setForeground(c, ink);
        }
        const QString tip = outside ? outsideTip : QString();
        if (item->toolTip(0) != tip)
            item->setToolTip(0, tip);
        if (selection && selection->IndexOf(area) >= 0)
            current = item;
    }
    // The current row is the selected obstacle's, or none.
    if (!current) {
        if (ListViewHindernisse->currentItem() || !ListViewHindernisse->selectedItems().isEmpty()) {
            ListViewHindernisse->setCurrentItem(nullptr);
            ListViewHindernisse->clearSelection();
        }
    } else if (ListViewHindernisse->currentItem() != current || !current->isSelected()) {
        ListViewHindernisse->setCurrentItem(current);
    }
    m_fillingObstacleList = false;
}

void TDachplanung2DFrame::SelectObstacleOfRow()
{
    if (m_fillingObstacleList || !Frame2D || !Frame2D->Structure())
        return;
    const std::vector<MSperrFlaecheRep*> areas = roof::Obstacles(*Frame2D->Structure());
    const QList<QTreeWidgetItem*> rows = ListViewHindernisse->selectedItems();
    Frame2D->ClearSelection();
    for (QTreeWidgetItem* row : rows) {
        const int i = ListViewHindernisse->indexOfTopLevelItem(row);
        if (i >= 0 && i < int(areas.size()))
            Frame2D->AddToSelection(areas[std::size_t(i)]);
    }
    Frame2D->Paint();
}

void TDachplanung2DFrame::LoadObstacleSettings()
{
    MStructur* structure = Frame2D ? Frame2D->Structure() : nullptr;
    if (!structure)
        return;
    MKontaloRegistry reg;
    const roof::TObstacleLoad load = roof::LoadObstacles(*structure, reg, roof::ObstaclesKey(QString::fromLatin1(kSection)));
    m_obstacleHistory.Reset(roof::CaptureObstacles(*structure));
    if (load.Dropped > 0)
        tandrel::platform::dialogs().showMessage(
            QStringLiteral("Die gespeicherte Liste der Hindernisse ist beschädigt: %1 Hindernis(se) konnten geladen "
                           "werden, der Rest wurde verworfen.")
                .arg(load.Loaded));
}

void TDachplanung2DFrame::SaveObstacleSettings()
{
    const MStructur* structure = Frame2D ? Frame2D->Structure() : nullptr;
    if (!structure)
        return;
    MKontaloRegistry reg;
    roof::SaveObstacles(*structure, reg, roof::ObstaclesKey(QString::fromLatin1(kSection)));
}
