#include "presentations/FEigenverbrauchFrame.h"

#include "app/BaseFrameFactory.h"
#include "app/CommonFunctions.h"
#include "app/FInterfaceFrame.h"
#include "app/FrameIds.h"
#include "app/KontaloRegistry.h"
#include "app/Links.h"
#include "app/OneClick.h"
#include "app/Pictures.h"
#include "app/SettingsFields.h"
#include "data/Slides.h"
#include "paperhouse/PageFormats.h"
#include "pdf/PdfWriter.h"
#include "platform/Dialogs.h"
#include "platform/RegularFile.h"
#include "platform/Services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace slides = tandrel::pictures::slides;
using tandrel::presentations::MSlidesDocument;

namespace {

const MSettingsFields<TPresentationSettings>& SettingsFields()
{
    using S = TPresentationSettings;
    static const S d;
    static const MSettingsFields<S> fields{
        {QStringLiteral("SolarPraesentation"), &S::SolarPraesentation, d.SolarPraesentation},
        {QStringLiteral("Seitenformat"), &S::Seitenformat, d.Seitenformat},
        {QStringLiteral("Seitenausrichtung"), &S::Seitenausrichtung, d.Seitenausrichtung},
        {QStringLiteral("Randabstand"), &S::Randabstand, d.Randabstand},
        {QStringLiteral("StartseiteUeberschrift"), &S::StartseiteUeberschrift, d.StartseiteUeberschrift},
        {QStringLiteral("StartseiteText1"), &S::StartseiteText1, d.StartseiteText1},
        {QStringLiteral("StartseiteText2"), &S::StartseiteText2, d.StartseiteText2},
        {QStringLiteral("FrontGrafikdatei"), &S::FrontGrafikdatei, d.FrontGrafikdatei},
        {QStringLiteral("Kopfzeile"), &S::Kopfzeile, d.Kopfzeile},
        {QStringLiteral("Fusszeile"), &S::Fusszeile, d.Fusszeile},
        {QStringLiteral("ColorLasche"), &S::ColorLasche, d.ColorLasche},
        {QStringLiteral("ColorSeite"), &S::ColorSeite, d.ColorSeite},
    };
    return fields;
}

const char* const kIntroPictures[] = {slides::kSolartechnik1, slides::kSolartechnik2, slides::kSolartechnik3,
                                      slides::kSolartechnik4, slides::kSolartechnik5, slides::kSolartechnik6};
const char* const kIntroCaptions[] = {"Solartechnik", "Solarenergienutzung", "Photovoltaik",
                                      "Geschichte der PV", "Stromgewinnung", "Globalstrahlung"};
const char* const kSlideNames[] = {"ImageSolartechnik1", "ImageSolartechnik2", "ImageSolartechnik3",
                                   "ImageSolartechnik4", "ImageSolartechnik5", "ImageSolartechnik6",
                                   "ImageEEG", "ImageEEGEigenverbrauch", "ImageEigenverbrauchSchema",
                                   "ImageEigenverbrauchsregelung", "ImageEinspeiseverguetung2010",
                                   "ImageEigenverbrauchAbrechnung"};

QLabel* Caption(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setWordWrap(true);
    return l;
}

} // namespace

PdfPicture TSlideImage::PdfSlide() const
{
    if (!PictureName().isEmpty()) {
        const PdfPicture stored = PdfPicture::FromJpeg(tandrel::pictures::storedJpeg(PictureName()));
        if (!stored.isNull())
            return stored;
    }
    return PdfPicture(Picture());
}

const TPresentationConfig& TEigenverbrauchFrame::EigenverbrauchConfig()
{
    static const TPresentationConfig config{
        QStringLiteral("EigenverbrauchFrame"),
        QStringLiteral("Darstellung der Eigenverbrauchsregelung"),
        QStringLiteral("Darstellung der Eigenverbrauchsregelung"),
        {{{slides::kEeg, "EEG", true},
          {slides::kEegEigenverbrauch, "EEG Eigenverbrauch", true},
          {slides::kEigenverbrauchSchema, "Schema Eigenverbrauch", true},
          {slides::kEigenverbrauchsregelung, "Eigenverbrauchsregelung", true},
          {slides::kEinspeiseverguetung2011, "Einspeisevergütung 2011", true},
          {slides::kEigenverbrauchAbrechnung, "Eigenverbrauch Abrechnung", true}}},
        true,
        QString(),
    };
    return config;
}

const TPresentationConfig& TEigenverbrauchFrame::KEVConfig()
{
    static const TPresentationConfig config{
        QStringLiteral("KEVFrame"),
        QStringLiteral("KEV in der Schweiz"),
        QStringLiteral("Darstellung der KEV"),
        {{{slides::kKev, "KEV", true},
          {slides::kKevTabelle, "KEV Tabelle", true},
          {slides::kKevLaufzeit, "KEV Laufzeit in Kontalo", true},
          {slides::kGlobalstrahlungSchweiz, "Globalstrahlung in der Schweiz", true},
          {slides::kEinspeiseverguetung2011, "Einspeisevergütung 2011", false},
          {slides::kEigenverbrauchAbrechnung, "Eigenverbrauch Abrechnung", false}}},
        true,
        QStringLiteral("Vereinfachte Globalstrahlungskarte (langjährige Mittelwerte)"),
    };
    return config;
}

TEigenverbrauchFrame::TEigenverbrauchFrame(QWidget* parent) : TEigenverbrauchFrame(EigenverbrauchConfig(), parent) {}

TEigenverbrauchFrame::TEigenverbrauchFrame(const TPresentationConfig& config, QWidget* parent)
    : TBaseFrame(parent), m_config(config)
{
    BuildControls();
}

TEigenverbrauchFrame::~TEigenverbrauchFrame() = default;

void TEigenverbrauchFrame::BuildControls()
{
    PanelLeft->setVisible(false);
    PanelFrameTop->setVisible(false);

    // Left column: the presentation settings.
    PanelLeftMain = new QFrame(this);
    PanelLeftMain->setObjectName(QStringLiteral("PanelLeftMain"));
    PanelLeftMain->setAutoFillBackground(true);
    auto* left = new QVBoxLayout(PanelLeftMain);
    left->setContentsMargins(10, 10, 10, 10);

    CheckBoxSolarpraesentation = new QCheckBox(QStringLiteral("inkl. einleitende Solarpräsentation"), PanelLeftMain);
    CheckBoxSolarpraesentation->setObjectName(QStringLiteral("CheckBoxSolarpraesentation"));
    CheckBoxSolarpraesentation->setChecked(true);
    left->addWidget(CheckBoxSolarpraesentation);

    left->addWidget(Caption(QStringLiteral("Seitengröße:"), PanelLeftMain));
    ComboBoxSeitenFormat = new QComboBox(PanelLeftMain);
    ComboBoxSeitenFormat->setObjectName(QStringLiteral("ComboBoxSeitenFormat"));
    left->addWidget(ComboBoxSeitenFormat);

    auto* orientation = new QGridLayout;
    RadioButtonHochformat = new QRadioButton(QStringLiteral("Hochformat"), PanelLeftMain);
    RadioButtonHochformat->setObjectName(QStringLiteral("RadioButtonHochformat"));
    RadioButtonQuerformat = new QRadioButton(QStringLiteral("Querformat"), PanelLeftMain);
    RadioButtonQuerformat->setObjectName(QStringLiteral("RadioButtonQuerformat"));
    RadioButtonHochformat->setChecked(true);
    Imagehochformat = new QLabel(PanelLeftMain);
    Imagehochformat->setObjectName(QStringLiteral("Imagehochformat"));
    Imagehochformat->setPixmap(tandrel::pictures::pixmap(QString::fromLatin1(tandrel::pictures::kSheetPortrait)));
    ImageQuerformat = new QLabel(PanelLeftMain);
    ImageQuerformat->setObjectName(QStringLiteral("ImageQuerformat"));
    ImageQuerformat->setPixmap(tandrel::pictures::pixmap(QString::fromLatin1(tandrel::pictures::kSheetLandscape)));
    ImageQuerformat->setVisible(false);
    orientation->addWidget(RadioButtonHochformat, 0, 0);
    orientation->addWidget(RadioButtonQuerformat, 1, 0);
    orientation->addWidget(Imagehochformat, 0, 1, 2, 1, Qt::AlignCenter);
    orientation->addWidget(ImageQuerformat, 0, 1, 2, 1, Qt::AlignCenter);
    left->addLayout(orientation);
    connect(RadioButtonHochformat, &QRadioButton::clicked, this, &TEigenverbrauchFrame::RadioButtonHochformatClick);
    connect(RadioButtonQuerformat, &QRadioButton::clicked, this, &TEigenverbrauchFrame::RadioButtonHochformatClick);

    left->addWidget(Caption(QStringLiteral("Randabstand:"), PanelLeftMain));
    auto* margin = new QHBoxLayout;
    TrackBarRandabstand = new QSlider(Qt::Horizontal, PanelLeftMain);
    TrackBarRandabstand->setObjectName(QStringLiteral("TrackBarRandabstand"));
    TrackBarRandabstand->setRange(0, 40);
    TrackBarRandabstand->setValue(12);
    EditRandabstand = new QLineEdit(QStringLiteral("12"), PanelLeftMain);
    EditRandabstand->setObjectName(QStringLiteral("EditRandabstand"));
    EditRandabstand->setReadOnly(true);
    EditRandabstand->setFixedWidth(40);
    margin->addWidget(TrackBarRandabstand);
    margin->addWidget(EditRandabstand);
    margin->addWidget(new QLabel(QStringLiteral("mm"), PanelLeftMain));
    left->addLayout(margin);
    connect(TrackBarRandabstand, &QSlider::valueChanged, this, &TEigenverbrauchFrame::TrackBarRandabstandChange);

    PageControlEinstellungen = new QTabWidget(PanelLeftMain);
    PageControlEinstellungen->setObjectName(QStringLiteral("PageControlEinstellungen"));
    auto* cover = new QWidget;
    auto* coverLayout = new QVBoxLayout(cover);
    coverLayout->addWidget(Caption(QStringLiteral("Überschrift:"), cover));
    EditStartseiteUeberschrift = new QLineEdit(cover);
    EditStartseiteUeberschrift->setObjectName(QStringLiteral("EditStartseiteUeberschrift"));
    coverLayout->addWidget(EditStartseiteUeberschrift);
    coverLayout->addWidget(Caption(QStringLiteral("Weiterer Text:"), cover));
    EditStartSeiteText1 = new QLineEdit(cover);
    EditStartSeiteText1->setObjectName(QStringLiteral("EditStartSeiteText1"));
    EditStartSeiteText2 = new QLineEdit(cover);
    EditStartSeiteText2->setObjectName(QStringLiteral("EditStartSeiteText2"));
    coverLayout->addWidget(EditStartSeiteText1);
    coverLayout->addWidget(EditStartSeiteText2);
    EditFrontgrafikDateiname = new QLineEdit(cover);
    EditFrontgrafikDateiname->setObjectName(QStringLiteral("EditFrontgrafikDateiname"));
    EditFrontgrafikDateiname->setVisible(false);
    auto* coverImage = new TSlideImage(cover);
    ImageGrafikfrontseite = coverImage;
    ImageGrafikfrontseite->setObjectName(QStringLiteral("ImageGrafikfrontseite"));
    ImageGrafikfrontseite->setFixedSize(160, 120);
    ImageGrafikfrontseite->setFrameShape(QFrame::Box);
    coverLayout->addWidget(ImageGrafikfrontseite, 0, Qt::AlignHCenter);
    BitBtnPicture = new QPushButton(QStringLiteral("Grafik laden..."), cover);
    BitBtnPicture->setObjectName(QStringLiteral("BitBtnPicture"));
    coverLayout->addWidget(BitBtnPicture);
    coverLayout->addStretch();
    connect(BitBtnPicture, &QPushButton::clicked, this, &TEigenverbrauchFrame::BitBtnPictureClick);
    PageControlEinstellungen->addTab(cover, QStringLiteral("Startseite"));
    auto* headers = new QWidget;
    auto* headerLayout = new QVBoxLayout(headers);
    headerLayout->addWidget(Caption(QStringLiteral("Kopfzeile:"), headers));
    EditKopfzeile = new QLineEdit(headers);
    EditKopfzeile->setObjectName(QStringLiteral("EditKopfzeile"));
    headerLayout->addWidget(EditKopfzeile);
    headerLayout->addWidget(Caption(QStringLiteral("Fußzeile:"), headers));
    EditFusszeile = new QLineEdit(headers);
    EditFusszeile->setObjectName(QStringLiteral("EditFusszeile"));
    headerLayout->addWidget(EditFusszeile);
    headerLayout->addStretch();
    PageControlEinstellungen->addTab(headers, QStringLiteral("Kopf- und Fußzeile"));
    left->addWidget(PageControlEinstellungen, 1);

    left->addWidget(Caption(QStringLiteral("Zusammenfassung als Präsentation:"), PanelLeftMain));
    BitBtnPDFErstellung = new QPushButton(QStringLiteral("PDF-Erstellung"), PanelLeftMain);
    BitBtnPDFErstellung->setObjectName(QStringLiteral("BitBtnPDFErstellung"));
    left->addWidget(BitBtnPDFErstellung);
    connect(BitBtnPDFErstellung, &QPushButton::clicked, this, &TEigenverbrauchFrame::CreateSlidesPdf);
    OneActionPerClick(BitBtnPDFErstellung);
    Gauge1 = new QProgressBar(PanelLeftMain);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setRange(0, 100);
    Gauge1->setValue(0);
    left->addWidget(Gauge1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(2000);
    connect(Timer1, &QTimer::timeout, this, [this] { SetProgress(0); });

    // Every change of a parameter goes to the model.
    connect(CheckBoxSolarpraesentation, &QCheckBox::toggled, this, [this](bool on) { m_settings.SolarPraesentation = on; });
    connect(ComboBoxSeitenFormat, &QComboBox::currentIndexChanged, this, [this](int i) { m_settings.Seitenformat = i; });
    connect(RadioButtonHochformat, &QRadioButton::toggled, this, [this](bool on) { m_settings.Seitenausrichtung = on; });
    const std::pair<QLineEdit*, QString TPresentationSettings::*> texts[] = {
        {EditStartseiteUeberschrift, &TPresentationSettings::StartseiteUeberschrift},
        {EditStartSeiteText1, &TPresentationSettings::StartseiteText1},
        {EditStartSeiteText2, &TPresentationSettings::StartseiteText2},
        {EditFrontgrafikDateiname, &TPresentationSettings::FrontGrafikdatei},
        {EditKopfzeile, &TPresentationSettings::Kopfzeile},
        {EditFusszeile, &TPresentationSettings::Fusszeile},
    };
    for (const auto& [edit, member] : texts)
        connect(edit, &QLineEdit::textChanged, this, [this, member = member](const QString& t) { m_settings.*member = t; });

    // The slides.
    PanelFolienMain = new QFrame(PanelMain);
    PanelFolienMain->setObjectName(QStringLiteral("PanelFolienMain"));
    auto* folien = new QVBoxLayout(PanelFolienMain);
    folien->setContentsMargins(4, 4, 4, 4);
    PageControlMain = new QTabWidget(PanelFolienMain);
    PageControlMain->setObjectName(QStringLiteral("PageControlMain"));
    folien->addWidget(PageControlMain);

    auto* intro = new QWidget;
    intro->setObjectName(QStringLiteral("TabSheet3"));
    auto* introLayout = new QVBoxLayout(intro);
    auto* heading = new QLabel(QStringLiteral("Einleitende Präsentation mit grundlegenden Fakten zur Solartechnik"), intro);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    introLayout->addWidget(heading);
    PageControlSolartechnik = new QTabWidget(intro);
    PageControlSolartechnik->setObjectName(QStringLiteral("PageControlSolartechnik"));
    introLayout->addWidget(PageControlSolartechnik, 1);
    for (int k = 0; k < tandrel::presentations::kIntroCount; ++k) {
        auto* page = new QWidget;
        m_slides[k] = new TSlideImage(page);
        m_slides[k]->setObjectName(QString::fromLatin1(kSlideNames[k]));
        m_slides[k]->move(8, 8);
        PageControlSolartechnik->addTab(page, QString::fromUtf8(kIntroCaptions[k]));
    }
    connect(PageControlSolartechnik, &QTabWidget::currentChanged, this, &TEigenverbrauchFrame::TabSheet3Enter);
    PageControlMain->addTab(intro, QStringLiteral("Solartechnik"));

    for (int k = 0; k < 6; ++k) {
        auto* page = new QWidget;
        const int i = tandrel::presentations::kIntroCount + k;
        m_slides[i] = new TSlideImage(page);
        m_slides[i]->setObjectName(QString::fromLatin1(kSlideNames[i]));
        m_slides[i]->move(8, 8);
        const auto& slide = m_config.MainSlides[k];
        if (k == 3 && !m_config.MapNote.isEmpty()) {
            auto* note = new QLabel(m_config.MapNote, page);
            note->setObjectName(QStringLiteral("LabelGlobalstrahlungKarte"));
        }
        if (k == 4) {
            auto* kontalo = new QPushButton(QStringLiteral("Kontalo – Finanzplanung"), page);
            kontalo->setObjectName(QStringLiteral("BitBtnKontalo"));
            connect(kontalo, &QPushButton::clicked, this, [this] {
                if (GetFactory())
                    GetFactory()->ShowFrame(FrameId::KontaloProdukt);
            });
        }
        PageControlMain->addTab(page, QString::fromUtf8(slide.Caption));
        PageControlMain->setTabVisible(PageControlMain->count() - 1, slide.Shown);
    }
    for (const char* hidden : {"Ertragsrechnung", "Berechnungsweg"}) {
        PageControlMain->addTab(new QWidget, QString::fromUtf8(hidden));
        PageControlMain->setTabVisible(PageControlMain->count() - 1, false);
    }
    // A tab page gets its size only when it is shown; its slide follows then.
    connect(PageControlMain, &QTabWidget::currentChanged, this, [this] {
        if (PageControlMain->currentIndex() == 0)
            TabSheet3Enter();
        else
            ArrangeControls();
    });
}

void TEigenverbrauchFrame::InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId)
{
    TBaseFrame::InitFrame(parent, owner, factory, frameId);
    FrameName = m_config.Name;
    FrameDescription = m_config.Description;
    m_initialised = false;
    PanelLeftMain->setVisible(m_config.SettingsColumn);
    if (TInterfaceFrame* i = GetInterfaceFrame())
        SetPanelColor(PanelLeftMain, i->GetPanelColor2());

    for (int k = 0; k < tandrel::presentations::kIntroCount; ++k)
        m_slides[k]->SetPictureName(QString::fromLatin1(kIntroPictures[k]));
    for (int k = 0; k < 6; ++k)
        m_slides[tandrel::presentations::kIntroCount + k]->SetPictureName(
            QString::fromLatin1(m_config.MainSlides[k].Picture));

    m_settings = TPresentationSettings();
    LoadSettings();

    const QString file = m_settings.FrontGrafikdatei;
    if (!file.isEmpty())
        static_cast<TSlideImage*>(ImageGrafikfrontseite)->SetPicture(tandrel::platform::loadPictureFile(file));

    m_initialised = true;
    ArrangeControls();
    TrackBarRandabstandChange();
}

void TEigenverbrauchFrame::FillPageFormats()
{
    const QSignalBlocker block(ComboBoxSeitenFormat);
    ComboBoxSeitenFormat->clear();
    ComboBoxSeitenFormat->addItems(tandrel::paperhouse::PageFormatCaptions(m_settings.Seitenformattyp));
    ComboBoxSeitenFormat->setCurrentIndex(m_settings.Seitenformat);
}

void TEigenverbrauchFrame::LoadSettings()
{
    TPresentationSettings s;
    {
        MKontaloRegistry reg;
        SettingsFields().Load(reg, m_config.SettingsKey, s);
        s.Seitenformattyp = reg.ReadString(m_config.SettingsKey, QStringLiteral("Seitenformattyp"), s.Seitenformattyp);
    }
    // What the controls cannot show is not kept: a format the list does not
    // have is none, the margin goes as far as the track bar.
    const int formats = int(tandrel::paperhouse::PageFormatCaptions(s.Seitenformattyp).size());
    if (s.Seitenformat < 0 || s.Seitenformat >= formats)
        s.Seitenformat = -1;
    s.Randabstand = std::clamp(s.Randabstand, TrackBarRandabstand->minimum(), TrackBarRandabstand->maximum());
    m_settings = s;
    FillPageFormats();
    ShowSettings();
}

void TEigenverbrauchFrame::ShowSettings()
{
    CheckBoxSolarpraesentation->setChecked(m_settings.SolarPraesentation);
    ComboBoxSeitenFormat->setCurrentIndex(m_settings.Seitenformat);
    // One of two exclusive buttons cannot be unchecked: check the other one.
    (m_settings.Seitenausrichtung ? RadioButtonHochformat : RadioButtonQuerformat)->setChecked(true);
    RadioButtonHochformatClick();
    TrackBarRandabstand->setValue(m_settings.Randabstand);
    EditStartseiteUeberschrift->setText(m_settings.StartseiteUeberschrift);
    EditStartSeiteText1->setText(m_settings.StartseiteText1);
    EditStartSeiteText2->setText(m_settings.StartseiteText2);
    EditFrontgrafikDateiname->setText(m_settings.FrontGrafikdatei);
    EditKopfzeile->setText(m_settings.Kopfzeile);
    EditFusszeile->setText(m_settings.Fusszeile);
}

void TEigenverbrauchFrame::SaveSettings()
{
    MKontaloRegistry reg;
    SettingsFields().Save(reg, m_config.SettingsKey, m_settings);
}

void TEigenverbrauchFrame::FinishFrame()
{
    SaveSettings();
    TBaseFrame::FinishFrame();
}

void TEigenverbrauchFrame::ActivateFrame()
{
    TBaseFrame::ActivateFrame();
    if (m_initialised) {
        RefreshFrame();
        ArrangeControls();
    }
}

void TEigenverbrauchFrame::ArrangeControls()
{
    const int leftWidth = PanelLeftMain->isVisibleTo(this) ? 270 : 0;
    PanelLeftMain->setGeometry(0, 0, leftWidth, height());
    PanelMain->setGeometry(leftWidth, 0, std::max(0, width() - leftWidth), height());
    PanelFolienMain->setGeometry(PanelMain->rect());
    PanelFolienMain->layout()->activate();
    if (!m_initialised)
        return;
    const int h = PanelFolienMain->height() - 100;
    if (h <= 0)
        return;
    for (int k = 0; k < tandrel::presentations::kSlideCount; ++k) {
        TSlideImage* image = m_slides[k];
        const QSize pic = image->PictureSize();
        if (pic.isEmpty())
            continue;
        // The introductory pictures take their height from their own tabs once shown.
        int height = k < tandrel::presentations::kIntroCount && m_introSized ? image->height() : h;
        int w = int(std::lround(double(pic.width()) / pic.height() * h));
        // A slide wider than its tab would be cut off: it shrinks to fit.
        const int room = image->parentWidget()->width() - 16;
        if (room > 0 && w > room) {
            height = int(std::lround(double(height) * room / w));
            w = room;
        }
        image->resize(w, height);
        for (QWidget* below : image->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (below != image)
                below->move(image->x(), image->y() + image->height() + 8);
    }
}

void TEigenverbrauchFrame::TabSheet3Enter()
{
    const int h = PageControlSolartechnik->height() - 50;
    if (h > 0) {
        for (int k = 0; k < tandrel::presentations::kIntroCount; ++k)
            m_slides[k]->resize(m_slides[k]->width(), h);
        m_introSized = true;
    }
    ArrangeControls();
}

void TEigenverbrauchFrame::BitBtnPictureClick()
{
    const QString file = tandrel::platform::dialogs().getOpenFileName(
        QStringLiteral("Grafik laden"), m_settings.FrontGrafikdatei,
        QStringLiteral("Bilder (*.jpg *.jpeg *.png *.bmp);;Alle Dateien (*)"));
    if (file.isEmpty())
        return;
    EditFrontgrafikDateiname->setText(file);
    const QImage picture = tandrel::platform::loadPictureFile(file);
    if (picture.isNull() && QFileInfo::exists(file))
        tandrel::platform::dialogs().showMessage(
            QStringLiteral("Die Grafik „%1“ kann nicht gelesen werden.").arg(QFileInfo(file).fileName()));
    static_cast<TSlideImage*>(ImageGrafikfrontseite)->SetPicture(picture);
}

void TEigenverbrauchFrame::TrackBarRandabstandChange()
{
    m_settings.Randabstand = TrackBarRandabstand->value();
    if (!m_initialised || EditRandabstand->text().isEmpty())
        return;
    EditRandabstand->setText(QString::number(m_settings.Randabstand));
}

void TEigenverbrauchFrame::RadioButtonHochformatClick()
{
    const bool portrait = RadioButtonHochformat->isChecked();
    Imagehochformat->setVisible(portrait);
    ImageQuerformat->setVisible(!portrait);
    if (!portrait)
        RadioButtonQuerformat->setChecked(true);
}

void TEigenverbrauchFrame::SetProgress(int percent)
{
    Gauge1->setValue(percent);
    if (TInterfaceFrame* i = GetInterfaceFrame())
        i->SetProgress(percent);
    // Only the gauge is repainted: running the event loop here would let a
    // second print start on the shared writer and lose this document.
    if (Gauge1->isVisible())
        Gauge1->repaint();
}

PdfPicture TEigenverbrauchFrame::CoverPicture()
{
    using tandrel::presentations::CoverSource;
    auto* image = static_cast<TSlideImage*>(ImageGrafikfrontseite);
    const QString file = m_settings.FrontGrafikdatei;
    switch (tandrel::presentations::ChooseCoverSource(file, m_settings.StartseiteUeberschrift)) {
    case CoverSource::File:
        return QFileInfo::exists(file) ? PdfPicture(image->Picture()) : PdfPicture();
    case CoverSource::Catalogue:
        if (TInterfaceFrame* i = GetInterfaceFrame()) {
            i->AssignPicture(ImageGrafikfrontseite, tandrel::presentations::kCoverCataloguePicture);
            if (const PictureEntry* e = i->FindPicture(tandrel::presentations::kCoverCataloguePicture))
                return e->pdfPicture();
        }
        return {};
    case CoverSource::None:
        break;
    }
    return {};
}

tandrel::presentations::MSlidesDocument TEigenverbrauchFrame::SlidesDocument()
{
    const bool portrait = m_settings.Seitenausrichtung;
    const auto size = tandrel::paperhouse::ComputePageSize(m_settings.Seitenformattyp, m_settings.Seitenformat, portrait);
    MSlidesDocument doc;
    doc.PageWidth = size.PageWidth;
    doc.PageHeight = size.PageHeight;
    doc.Margin = m_settings.Randabstand;
    doc.Portrait = portrait;
    doc.Introduction = m_settings.SolarPraesentation;
    doc.Title = m_settings.StartseiteUeberschrift;
    doc.CoverLine1 = m_settings.StartseiteText1;
    doc.CoverLine2 = m_settings.StartseiteText2;
    doc.Header = m_settings.Kopfzeile;
    doc.Footer = m_settings.Fusszeile;
    doc.Cover = CoverPicture();
    // A slide whose tab the presentation hides is not printed either.
    for (int k = 0; k < tandrel::presentations::kSlideCount; ++k) {
        const int main = k - tandrel::presentations::kIntroCount;
        if (main < 0 || m_config.MainSlides[main].Shown)
            doc.Slides[k] = m_slides[k]->PdfSlide();
    }
    if (TInterfaceFrame* workspace = GetInterfaceFrame())
        if (const PictureEntry* logo = workspace->FindPicture(tandrel::presentations::kLogoPicture))
            doc.Logo = logo->picture();
    doc.Imprint = QStringLiteral("Tandrel: Hersteller Norvi GmbH, ") + QString::fromLatin1(links::kMakerWebAddress) +
                  QStringLiteral(", ") + QString::fromLatin1(links::kProductWebAddress);
    return doc;
}

void TEigenverbrauchFrame::CreateSlidesPdf()
{
    TInterfaceFrame* workspace = GetInterfaceFrame();
    if (!workspace)
        return;
    const MSlidesDocument doc = SlidesDocument();
    workspace->SetPdfPageSize(doc.PageHeight, doc.PageWidth);
    PdfWriter* pdf = workspace->OpenPdfDocument(QStringLiteral("Norvi_Folien_Eigenverbrauch.pdf"));
    if (!pdf)
        return;
    workspace->ShowProgress(QStringLiteral("PDF-Datei erstellen"));
    Gauge1->setValue(0);
    SetProgress(10);

    tandrel::presentations::WriteSlidesPdf(*pdf, doc, [this](int percent) { SetProgress(percent); });
    SetProgress(80);
    try {
        pdf->EndDoc();
    } catch (const PdfError& e) {
        tandrel::platform::dialogs().showMessage(QString::fromUtf8(e.what()));
    }
    SetProgress(100);
    Timer1->start();
}
