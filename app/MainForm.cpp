#include "app/MainForm.h"

#include "app/AutomationScript.h"
#include "app/CommonFunctions.h"
#include "app/DKundenmappeDlg.h"
#include "app/FBaseFrame.h"
#include "app/FrameIds.h"
#include "app/FInterfaceFrame.h"
#include "app/FrameFactory.h"
#include "app/InfoDlg.h"
#include "app/KontaloRegistry.h"
#include "app/Links.h"
#include "app/UiPictures.h"
#include "platform/ColorRef.h"
#include "platform/Dialogs.h"
#include "platform/FontPreload.h"
#include "platform/Services.h"
#include "platform/Logging.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

namespace {

const char* const kMainSection = "Main";

QIcon picture(const QString& name, QStyle::StandardPixmap fallback)
{
    const QPixmap pix = UiPicture(name);
    if (!pix.isNull())
        return QIcon(pix);
    return QApplication::style()->standardIcon(fallback);
}


// The extension of a file name as the platform sees it: from the last dot
// of the last path component, dot included.
QString fileExtension(const QString& path)
{
    const QString name = path.mid(std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1);
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot);
}

} // namespace

TMainForm1::TMainForm1(QStringList arguments, QWidget* parent)
    : QMainWindow(parent), m_arguments(std::move(arguments))
{
    setObjectName(QStringLiteral("MainForm1"));
    setWindowTitle(QStringLiteral("Norvi GmbH - Tandrel"));
    resize(935, 616 + 69);
    // Below this the start page's plates and buttons no longer fit.
    setMinimumSize(800, 600);
    setWindowIcon(picture(QStringLiteral("app-icon"), QStyle::SP_ComputerIcon));
    BuildButtonBar();
    BuildMenus();
    // Everything above shows no text yet; from here on text is laid out.
    tandrel::platform::FontPreload::WaitForFonts();
    BuildBody();
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    LoadMainSettings();
    CommandsChanged();
}

TMainForm1::~TMainForm1()
{
    m_script.reset();
    if (m_factory) {
        m_factory->ShutdownFactory();
        m_factory.reset();
    }
    if (m_interface) {
        try {
            m_interface->DoneInterface();
        } catch (const std::exception& e) {
            ReportSettingsError(e);
        }
    }
}

QToolButton* TMainForm1::AddButton(const char* name, const QString& caption, const QString& hint, const QString& pictureName)
{
    auto* b = new QToolButton(PanelTop);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(caption);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setAutoRaise(true);
    b->setIconSize(QSize(32, 32));
    b->setMinimumHeight(64);
    if (!pictureName.isEmpty())
        b->setIcon(picture(pictureName, QStyle::SP_FileIcon));
    b->setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextUnderIcon);
    PanelTop->layout()->addWidget(b);
    return b;
}

void TMainForm1::BuildButtonBar()
{
    PanelTop = new QFrame(this);
    PanelTop->setObjectName(QStringLiteral("PanelTop"));
    PanelTop->setFixedHeight(69);
    SetPanelColor(PanelTop, 13878466);
    auto* row = new QHBoxLayout(PanelTop);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(2);

    SpeedButtonBack = AddButton("SpeedButtonBack", QString(), QStringLiteral("Zurück"), QStringLiteral("back"));
    SpeedButtonBack->setIcon(picture(QStringLiteral("back"), QStyle::SP_ArrowBack));
    connect(SpeedButtonBack, &QToolButton::clicked, this, [this] {
        if (m_factory)
            m_factory->GoBack();
    });
    SpeedButtonForward = AddButton("SpeedButtonForward", QString(), QStringLiteral("Vorher"), QStringLiteral("forward"));
    SpeedButtonForward->setIcon(picture(QStringLiteral("forward"), QStyle::SP_ArrowForward));
    SpeedButtonForward->setVisible(false);
    connect(SpeedButtonForward, &QToolButton::clicked, this, [this] {
        if (m_factory)
            m_factory->GoForward();
    });

    auto show = [this](int id) {
        return [this, id] {
            if (m_factory)
                m_factory->ShowFrame(id);
        };
    };
    connect(AddButton("SpeedButtonUebersicht", QStringLiteral("Übersicht"), QStringLiteral("Übersicht der Programmmodule"),
                      QStringLiteral("overview")),
            &QToolButton::clicked, this, show(FrameId::Overview));
    connect(AddButton("SpeedButtonHaus3D", QStringLiteral("Haus 3D"), QStringLiteral("Hausdarstellung in 3D"),
                      QStringLiteral("house3d")),
            &QToolButton::clicked, this, show(FrameId::PapierHaus));
    connect(AddButton("SpeedButtonPVAnlage", QStringLiteral("PV-Anlage"), QStringLiteral("PV-Anlage planen"),
                      QStringLiteral("pvplant")),
            &QToolButton::clicked, this, show(FrameId::Dachplanung2D));
    SpeedButtonEigenverbrauch = AddButton("SpeedButtonEigenverbrauch", QStringLiteral("Eigenverbrauch"),
                                          QStringLiteral("Darstellung der Eigenverbrauchsregelung"), QStringLiteral("kev"));
    connect(SpeedButtonEigenverbrauch, &QToolButton::clicked, this, show(FrameId::KEV));
    auto* adressen = AddButton("SpeedButtonAdressen", QStringLiteral("Adressen"),
                               QStringLiteral("Solaradressen: Branchenbuch, Karte und Adressbuch"), QStringLiteral("addresses"));
    connect(adressen, &QToolButton::clicked, this, [this] { ShowSolarAddresses(); });
    SpeedButtonKontalo = AddButton("SpeedButtonKontalo", QStringLiteral("Kontalo"), QStringLiteral("Kontalo pro 2010"),
                                   QStringLiteral("kontalo"));
    connect(SpeedButtonKontalo, &QToolButton::clicked, this, show(FrameId::KontaloProdukt));
    SpeedButtonKontalo->installEventFilter(this);

    static_cast<QHBoxLayout*>(PanelTop->layout())->addStretch(1);

    auto* sponsor = AddButton("SponsorImage", QString(), QString::fromLatin1(links::kSponsorName), QStringLiteral("sponsor"));
    sponsor->setIconSize(QSize(120, 48));
    connect(sponsor, &QToolButton::clicked, this, [this] { Open(links::kSponsorWebSite); });

    auto* tandrel = AddButton("SpeedButtonTandrel", QStringLiteral("Tandrel"),
                              QStringLiteral("Tandrel im Internet: %1").arg(QString::fromLatin1(links::kProductWebSite)),
                              QString());
    QFont big = tandrel->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.8);
    tandrel->setFont(big);
    tandrel->setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(tandrel, &QToolButton::clicked, this, [this] { Open(links::kProductWebSite); });

    auto* app = AddButton("ImageMobileApp", QString(), QStringLiteral("Norvi GmbH - die mobile App"), QStringLiteral("mobileapp"));
    app->setIconSize(QSize(40, 56));
    connect(app, &QToolButton::clicked, this, [this] { Open(links::kMobileAppPage); });

    auto* info = AddButton("SpeedButtonInfo", QString(), QStringLiteral("Info"), QStringLiteral("info"));
    info->setIcon(picture(QStringLiteral("info"), QStyle::SP_MessageBoxInformation));
    connect(info, &QToolButton::clicked, this, [this] { ShowInfoDialog(); });
    auto* ende = AddButton("SpeedButtonEnde", QStringLiteral("Beenden"), QStringLiteral("Programm beenden"),
                           QStringLiteral("exit"));
    connect(ende, &QToolButton::clicked, this, &QWidget::close);
}

// "Solaradressen": the directory, the map and the address book, shown in
// this order, ending on the map.
void TMainForm1::ShowSolarAddresses()
{
    if (!m_factory)
        return;
    for (int id : {FrameId::Branchenbuch, FrameId::AdressGeo, FrameId::Adress, FrameId::AdressGeo})
        m_factory->ShowFrame(id);
}

void TMainForm1::BuildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto action = [this](QMenu* menu, const char* name, const QString& text) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    auto show = [this](int id) {
        return [this, id] {
            if (m_factory)
                m_factory->ShowFrame(id);
        };
    };

    QMenu* datei = bar->addMenu(QStringLiteral("&Datei"));
    datei->setObjectName(QStringLiteral("MenuDatei"));
    FilePrint1 = action(datei, "FilePrint1", QStringLiteral("D&rucken"));
    connect(FilePrint1, &QAction::triggered, this, [this] {
        if (TBaseFrame* f = m_factory ? m_factory->GetCurrentFrame() : nullptr)
            if (f->CanPrintFrame())
                f->PrintFrame();
    });
    DateiKundenmappe = action(datei, "DateiKundenmappe", QStringLiteral("&Kundenmappe erstellen..."));
    connect(DateiKundenmappe, &QAction::triggered, this, [this] { ShowCustomerFolderDialog(); });
    datei->addSeparator();
    FileExit1 = action(datei, "FileExit1", QStringLiteral("&Beenden"));
    connect(FileExit1, &QAction::triggered, this, &QWidget::close);

    QMenu* bearbeiten = bar->addMenu(QStringLiteral("&Bearbeiten"));
    bearbeiten->setObjectName(QStringLiteral("MenuBearbeiten"));
    EditCut1 = action(bearbeiten, "EditCut1", QStringLiteral("&Ausschneiden"));
    EditCut1->setShortcut(QKeySequence(QStringLiteral("Ctrl+X")));
    EditCopy1 = action(bearbeiten, "EditCopy1", QStringLiteral("&Kopieren"));
    EditCopy1->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
    EditPaste1 = action(bearbeiten, "EditPaste1", QStringLiteral("&Einfügen"));
    EditPaste1->setShortcut(QKeySequence(QStringLiteral("Ctrl+V")));
    connect(EditCut1, &QAction::triggered, this, [this] {
        if (TBaseFrame* f = m_factory ? m_factory->GetCurrentFrame() : nullptr)
            if (f->CanCutFrame())
                f->CutFrame();
    });
    connect(EditCopy1, &QAction::triggered, this, [this] {
        if (TBaseFrame* f = m_factory ? m_factory->GetCurrentFrame() : nullptr)
            if (f->CanCopyFrame())
                f->CopyFrame();
    });
    connect(EditPaste1, &QAction::triggered, this, [this] {
        if (TBaseFrame* f = m_factory ? m_factory->GetCurrentFrame() : nullptr)
            if (f->CanPasteFrame())
                f->PasteFrame();
    });

    QMenu* teile = bar->addMenu(QStringLiteral("&Programmteile"));
    teile->setObjectName(QStringLiteral("MenuProgrammteile"));
    connect(action(teile, "ProgrammteileHaus3D", QStringLiteral("&Haus 3D")), &QAction::triggered, this,
            [this] { ShowFrameAndPage(FrameId::PapierHaus, "PageControlPapierHaus", "TabSheetHaus3D"); });
    connect(action(teile, "ProgrammteilePapierhaus", QStringLiteral("&Papierhauserstellung")), &QAction::triggered, this,
            [this] { ShowFrameAndPage(FrameId::PapierHaus, "PageControlPapierHaus", "TabSheetDruckansicht"); });
    connect(action(teile, "ProgrammteileAnlagenplanung", QStringLiteral("PV-&Anlagenplanung 2D")), &QAction::triggered,
            this, [this] { ShowFrameAndPage(FrameId::Dachplanung2D, "PageControlPlanung", "TabSheetDachplanung2D"); });
    connect(action(teile, "ProgrammteileModule", QStringLiteral("PV-&Module")), &QAction::triggered, this,
            [this] { ShowFrameAndPage(FrameId::Dachplanung2D, "PageControlPlanung", "TabSheetPVModule"); });
    QAction* ertrag = action(teile, "ProgrammteileErtrag", QStringLiteral("PV-&Ertragsrechnung"));
    connect(ertrag, &QAction::triggered, this, show(FrameId::Ertrag));
    QAction* eigen = action(teile, "ProgrammteileEigenverbrauch", QStringLiteral("Eigen&verbrauch"));
    connect(eigen, &QAction::triggered, this, show(FrameId::Eigenverbrauch));
    connect(action(teile, "ProgrammteileKontalo", QStringLiteral("&Kontalo pro plus 2012")), &QAction::triggered, this,
            show(FrameId::KontaloProdukt));
    teile->addSeparator();
    QAction* adressen = action(teile, "ProgrammteileSolaradressen", QStringLiteral("&Solaradressen"));
    connect(adressen, &QAction::triggered, this, [this] { ShowSolarAddresses(); });

    QMenu* hilfe = bar->addMenu(QStringLiteral("&Hilfe"));
    hilfe->setObjectName(QStringLiteral("MenuHilfe"));
    QAction* sprache = action(hilfe, "HilfeSprachauswahl", QStringLiteral("&Sprachauswahl"));
    sprache->setVisible(false);
    connect(sprache, &QAction::triggered, this, [] {
        tandrel::platform::dialogs().showMessage(QStringLiteral("Tandrel ist zurzeit nur auf Deutsch verfügbar."));
    });
    connect(action(hilfe, "HilfeTandrel", QStringLiteral("&Tandrel im Internet")), &QAction::triggered, this,
            [this] { Open(links::kProductWebSite); });
    connect(action(hilfe, "HilfeKontalo", QStringLiteral("&Kontalo pro im Internet")), &QAction::triggered, this,
            [this] { Open(links::kSiblingProductWebSite); });
    connect(action(hilfe, "HilfeMobileApp", QStringLiteral("Norvi &Mobile-App")), &QAction::triggered, this,
            [this] { Open(links::kMobileAppPage); });
    hilfe->addSeparator();
    HelpAbout1 = action(hilfe, "HelpAbout1", QStringLiteral("&Info..."));
    connect(HelpAbout1, &QAction::triggered, this, [this] { ShowInfoDialog(); });

    for (QMenu* m : {datei, bearbeiten})
        connect(m, &QMenu::aboutToShow, this, &TMainForm1::CommandsChanged);
}

void TMainForm1::BuildBody()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("CentralPanel"));
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(PanelTop);
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    column->addLayout(row, 1);

    PanelLeft = new QFrame(central);
    PanelLeft->setObjectName(QStringLiteral("PanelLeft"));
    PanelLeft->setFixedWidth(104);
    PanelLeft->setVisible(false);
    row->addWidget(PanelLeft);

    PanelBody = new QWidget(central);
    PanelBody->setObjectName(QStringLiteral("PanelBody"));
    row->addWidget(PanelBody, 1);
    setCentralWidget(central);

    PanelInstallation = new QFrame(PanelBody);
    PanelInstallation->setObjectName(QStringLiteral("PanelInstallation"));
    PanelInstallation->setFrameShape(QFrame::Panel);
    SetPanelColor(PanelInstallation, 0xFFFFFF);
    auto* installText = new QLabel(QStringLiteral("Tandrel wird vorbereitet"), PanelInstallation);
    installText->setAlignment(Qt::AlignCenter);
    (new QVBoxLayout(PanelInstallation))->addWidget(installText);
    PanelInstallation->setGeometry(200, 150, 400, 120);
    PanelInstallation->setVisible(false);

    PanelAktualisierung = new QFrame(PanelBody);
    PanelAktualisierung->setObjectName(QStringLiteral("PanelAktualisierung"));
    PanelAktualisierung->setVisible(false);

    PanelKontaloTestergebnis = new QFrame(PanelBody);
    PanelKontaloTestergebnis->setObjectName(QStringLiteral("PanelKontaloTestergebnis"));
    PanelKontaloTestergebnis->setFrameShape(QFrame::Box);
    SetPanelColor(PanelKontaloTestergebnis, 0xE1FFFF);
    // A centred note; a label needs no text document while it is hidden.
    auto* memo = new QLabel(PanelKontaloTestergebnis);
    memo->setObjectName(QStringLiteral("MemoKontaloTestergebnis"));
    memo->setAlignment(Qt::AlignCenter);
    memo->setWordWrap(true);
    memo->setTextFormat(Qt::RichText); // the text comes when the note is first shown
    auto* noteLayout = new QVBoxLayout(PanelKontaloTestergebnis);
    noteLayout->setContentsMargins(12, 8, 12, 8);
    noteLayout->addWidget(memo);
    PanelKontaloTestergebnis->setVisible(false);

    CheckBoxInstallationabgeschlossen = new QCheckBox(QStringLiteral("Installation abgeschlossen"), central);
    CheckBoxInstallationabgeschlossen->setObjectName(QStringLiteral("CheckBoxInstallationabgeschlossen"));
    CheckBoxInstallationabgeschlossen->setVisible(false);
    UpDownRegistrySubVersion = new QSpinBox(central);
    UpDownRegistrySubVersion->setObjectName(QStringLiteral("UpDownRegistrySubVersion"));
    UpDownRegistrySubVersion->setRange(0, 1000);
    UpDownRegistrySubVersion->setVisible(false);
}

QWidget* TMainForm1::GetBodyPanel()
{
    return PanelBody;
}

QWidget* TMainForm1::GetUpdatePanel()
{
    PanelAktualisierung->setGeometry(610, 10, 500, 340);
    PanelAktualisierung->setVisible(true);
    PanelAktualisierung->raise();
    // While it holds nothing it must not swallow the clicks meant for the frame below.
    PanelAktualisierung->setAttribute(Qt::WA_TransparentForMouseEvents, PanelAktualisierung->children().isEmpty());
    return PanelAktualisierung;
}

void TMainForm1::SetFrameCaption(const QString& name)
{
    setWindowTitle(QStringLiteral("Tandrel - ") + name);
}

void TMainForm1::CommandsChanged()
{
    TBaseFrame* f = m_factory ? m_factory->GetCurrentFrame() : nullptr;
    SpeedButtonBack->setEnabled(m_factory && m_factory->CanGoBack());
    SpeedButtonForward->setEnabled(m_factory && m_factory->CanGoForward());
    FilePrint1->setEnabled(f && f->CanPrintFrame());
    EditCut1->setEnabled(f && f->CanCutFrame());
    EditCopy1->setEnabled(f && f->CanCopyFrame());
    EditPaste1->setEnabled(f && f->CanPasteFrame());
}

void TMainForm1::LoadMainSettings()
{
    try {
        MKontaloRegistry reg;
        CheckBoxInstallationabgeschlossen->setChecked(
            reg.ReadBool(kMainSection, QStringLiteral("KTLPRO2010InstallationAbgeschlossen"), false));
        UpDownRegistrySubVersion->setValue(reg.ReadInteger(kMainSection, QStringLiteral("UnterVersion"), 0));
        m_language = reg.ReadString(kMainSection, QStringLiteral("SprachAuswahl"), QString());
    } catch (const std::exception& e) {
        ReportSettingsError(e);
    }
}

void TMainForm1::SaveMainSettings()
{
    MKontaloRegistry reg;
    reg.WriteBool(kMainSection, QStringLiteral("KTLPRO2010InstallationAbgeschlossen"),
                  CheckBoxInstallationabgeschlossen->isChecked());
    reg.WriteInteger(kMainSection, QStringLiteral("UnterVersion"), UpDownRegistrySubVersion->value());
    reg.WriteString(kMainSection, QStringLiteral("SprachAuswahl"), m_language);
}

void TMainForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_startUpStarted)
        return;
    m_startUpStarted = true;
    StartUp();
}

void TMainForm1::StartUp()
{
    setWindowState(windowState() | Qt::WindowMaximized);
    PanelLeft->setVisible(false);

    try {
        auto interface = std::make_unique<TInterfaceFrame>(PanelBody);
        interface->setObjectName(QStringLiteral("InterfaceFrame"));
        interface->setVisible(false);
        m_interface = interface.release(); // owned by PanelBody
        m_interface->InitInterface();
    } catch (const std::exception& e) {
        qCWarning(lcTandrelFrames) << "workspace not initialised:" << e.what();
        tandrel::platform::dialogs().showMessage(QStringLiteral("Fehler beim Initialisieren der Schnittstellen."));
    }

    if (m_infoDialog)
        m_infoDialog->InitInfo(m_interface);

    try {
        m_factory = std::make_unique<TFrameFactory>();
        m_factory->StartFactory(this, m_interface);
    } catch (const std::exception& e) {
        qCWarning(lcTandrelFrames) << "frames not started:" << e.what();
        tandrel::platform::dialogs().showMessage(QStringLiteral("Fehler beim Initialisieren der Ansichten."));
    }

    if (m_factory) {
        m_factory->SetCurrentFrame(m_factory->FindFrame(FrameId::Overview));
        m_factory->ShowFrame(FrameId::Overview);
    }

    FirstStartPreparation();

    SpeedButtonEigenverbrauch->setText(QStringLiteral("KEV"));
    SpeedButtonEigenverbrauch->setToolTip(QStringLiteral("Informationen zur KEV"));
    SpeedButtonEigenverbrauch->setStatusTip(QStringLiteral("Informationen zur KEV"));
    CommandsChanged();
    m_startUpDone = true;

    // A message of the command line belongs in front of the main window, not
    // alone on an empty desktop: it waits until the window is on screen.
    WhenOnScreen([this] {
        EvaluateCommandLine();
        m_commandLineDone = true;
        m_script = AutomationScript::FromEnvironment(this, [this](int id) { return m_factory && m_factory->ShowFrame(id); });
        if (m_script)
            m_script->Start();
    });
}

namespace {

// Runs a function once, on the next turn of the event loop after its window
// was exposed, or after two seconds if no exposure comes.
class ExposeWatcher : public QObject {
public:
    ExposeWatcher(QWindow* window, std::function<void()> then) : QObject(window), m_then(std::move(then))
    {
        window->installEventFilter(this);
        QTimer::singleShot(2000, this, [this] { Run(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed())
            QTimer::singleShot(0, this, [this] { Run(); });
        return false;
    }

private:
    void Run()
    {
        if (!m_then)
            return;
        auto then = std::move(m_then);
        m_then = nullptr;
        deleteLater();
        then();
    }

    std::function<void()> m_then;
};

} // namespace

void TMainForm1::WhenOnScreen(std::function<void()> then)
{
    QWindow* handle = windowHandle();
    if (!handle || handle->isExposed()) {
        QTimer::singleShot(0, this, std::move(then));
        return;
    }
    new ExposeWatcher(handle, std::move(then)); // owned by the window handle
}

void TMainForm1::EvaluateCommandLine()
{
    if (m_arguments.isEmpty())
        return;
    const QString arg = m_arguments.first();
    if (arg == QLatin1String("ImageDump") && m_interface)
        m_interface->BitBtnImageListClick();
    if (arg == QLatin1String("FrameDump") && m_factory)
        if (TBaseFrame* start = m_factory->FindFrame(FrameId::Overview))
            start->PdfDump();
    if (fileExtension(arg).compare(QLatin1String(".si"), Qt::CaseInsensitive) == 0 && m_factory)
        if (TBaseFrame* start = m_factory->FindFrame(FrameId::Overview))
            start->SetFilename(arg);
}

void TMainForm1::FirstStartPreparation()
{
    if (CheckBoxInstallationabgeschlossen->isChecked())
        return;
    CheckBoxInstallationabgeschlossen->setChecked(true);
    PanelInstallation->setVisible(true);
    PanelInstallation->raise();
    try {
        if (m_interface)
            m_interface->CreateWorkspaceFolders();
    } catch (const std::exception& e) {
        // The folders are made again when they are needed.
        qCWarning(lcTandrelFrames) << "workspace folders not created:" << e.what();
    }
    try {
        SaveMainSettings();
    } catch (const std::exception& e) {
        ReportSettingsError(e);
    }
    PanelInstallation->setVisible(false);
    try {
        if (m_interface)
            m_interface->SaveInterfaceSettings();
    } catch (const std::exception& e) {
        ReportSettingsError(e);
    }
}

void TMainForm1::closeEvent(QCloseEvent* event)
{
    try {
        SaveMainSettings();
    } catch (const std::exception& e) {
        ReportSettingsError(e);
    }
    if (m_interface) {
        try {
            m_interface->ArchiveDatabase(false);
            m_interface->ArchiveDatabase2(false);
        } catch (const std::exception& e) {
            // A missed archive copy is made at the next close.
            qCWarning(lcTandrelFrames) << "database not archived:" << e.what();
        }
    }
    if (m_infoDialog)
        m_infoDialog->hide();
    event->accept();
}

// Below the Kontalo button, as high as its wrapped text needs, inside the body.
void TMainForm1::ShowKontaloNote()
{
    // Laid out on first use: a rich text costs a text document and the font
    // system at start-up, while the note may never be shown.
    auto* memo = PanelKontaloTestergebnis->findChild<QLabel*>(QStringLiteral("MemoKontaloTestergebnis"));
    if (memo && memo->text().isEmpty())
        memo->setText(QStringLiteral(
            "<b>Kontalo pro 2010 im Test</b><br>"
            "Die Finanzierungsrechnung für PV-Anlagen mit Kredit, Tilgung und Steuer wurde im Vergleich "
            "der Planungsprogramme mit „gut“ bewertet."));
    const int width = 380;
    const int height = PanelKontaloTestergebnis->layout()->totalHeightForWidth(width);
    const int buttonLeft = SpeedButtonKontalo->mapTo(this, QPoint(0, 0)).x() - PanelBody->mapTo(this, QPoint(0, 0)).x();
    const int left = std::max(0, std::min(buttonLeft, PanelBody->width() - width));
    PanelKontaloTestergebnis->setGeometry(left, 4, width, height);
    PanelKontaloTestergebnis->setVisible(true);
    PanelKontaloTestergebnis->raise();
}

bool TMainForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == SpeedButtonKontalo) {
        if (event->type() == QEvent::Enter) {
            ShowKontaloNote();
        } else if (event->type() == QEvent::Leave) {
            PanelKontaloTestergebnis->setVisible(false);
        } else if (event->type() == QEvent::ToolTip && PanelKontaloTestergebnis->isVisible()) {
            // The note names the product itself; its tool tip would only cover it.
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm1::ShowFrameAndPage(int frameId, const char* pageControl, const char* page)
{
    if (!m_factory)
        return;
    m_factory->ShowFrame(frameId);
    TBaseFrame* frame = m_factory->FindFrame(frameId);
    if (!frame)
        return;
    auto* pages = frame->findChild<QTabWidget*>(QString::fromLatin1(pageControl));
    if (!pages)
        return;
    for (int i = 0; i < pages->count(); ++i)
        if (pages->widget(i)->objectName() == QLatin1String(page))
            SelectPage(pages, i);
}

void TMainForm1::SetInfoDialog(TInfoDialog1* dialog)
{
    m_infoDialog = dialog;
}

void TMainForm1::ShowCustomerFolderDialog()
{
    if (!m_factory)
        return;
    // A part's frame that was never opened is made now, hidden behind the current one.
    auto frame = [this](int id) -> TBaseFrame* {
        if (TBaseFrame* f = m_factory->FindFrame(id))
            return f;
        TBaseFrame* current = m_factory->GetCurrentFrame();
        TBaseFrame* made = m_factory->CreateFrame(id);
        if (made && made != current)
            made->setVisible(false);
        return made;
    };
    TKundenmappeDialog dialog(this, m_interface, frame);
    dialog.exec();
}

void TMainForm1::ShowInfoDialog()
{
    if (!m_infoDialog) {
        // Made when first asked for: nothing of it shows before that.
        m_infoDialog = new TInfoDialog1(this);
        m_infoDialog->InitInfo(m_interface);
    }
    m_infoDialog->ShowInfo();
}

void TMainForm1::Open(const char* target)
{
    OpenURL(QString::fromLatin1(target));
}
