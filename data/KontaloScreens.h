#pragma once

// The screen pictures of the Kontalo brochure and the hotspots on them.
// Shared by the picture generator (which draws the screens so that the
// element a hotspot describes lies under it) and the brochure frame (which
// places a button over each hotspot).

namespace tandrel::kontalo {

enum Screen {
    Startbildschirm,
    AnsichtPVAnlage,
    Standortdialog,
    Generatorausrichtung,
    Finanzierung,
    Anlagedaten,
    Solarkredite,
    Diagrammansicht,
    ReportDialog,
    Reportseiten,
    ScreenCount
};

struct ScreenInfo {
    const char* caption;  // tab caption (UTF-8)
    const char* key;      // object names and picture name ("product/screen-<key>")
};

inline constexpr ScreenInfo kScreens[ScreenCount] = {
    {"Startbildschirm", "Startbildschirm"},
    {"Ansicht PV-Anlage", "AnsichtPVAnlage"},
    {"Standortdialog", "Standortdialog"},
    {"Generatorausrichtung", "Generatorausrichtung"},
    {"Finanzierung", "Finanzierung"},
    {"Anlagedaten", "Anlagedaten"},
    {"Solarkredite", "Solarkredite"},
    {"Diagrammansicht", "Diagrammansicht"},
    {"ReportDialog", "ReportDialog"},
    {"Reportseiten", "Reportseiten"},
};

inline constexpr int kScreenWidth = 940;
inline constexpr int kScreenHeight = 640;

struct Rect {
    int x, y, w, h;
};

// The application window every screen shows: title bar, menu, tool bar,
// project tree on the left, content, status bar.
inline constexpr int kTitleHeight = 28;
inline constexpr int kMenuBottom = 48;
inline constexpr int kToolBarBottom = 94;
inline constexpr int kTreeWidth = 196;
inline constexpr int kStatusTop = 618;
inline constexpr Rect kContent = {202, kToolBarBottom + 6, kScreenWidth - 208, kStatusTop - kToolBarBottom - 12};

enum ToolButton { ToolNeu, ToolOeffnen, ToolSpeichern, ToolAnlage, ToolStandort, ToolGenerator, ToolFinanzen,
                  ToolKredite, ToolDiagramme, ToolReport, ToolHilfe, ToolCount };
inline constexpr const char* kToolCaptions[ToolCount] = {"Neu", "Öffnen", "Speichern", "Anlage", "Standort",
                                                       "Generator", "Finanzen", "Kredite", "Diagramme", "Report",
                                                       "Hilfe"};

constexpr Rect toolButton(int i)
{
    return {6 + i * 62 + (i >= ToolAnlage ? 14 : 0) + (i >= ToolHilfe ? 14 : 0), kMenuBottom + 3, 60, 42};
}

enum TreeItem { TreeProjekt, TreeAnlage, TreeStandort, TreeGenerator, TreeWechselrichter, TreeFinanzierung,
                TreeAnlagedaten, TreeSolarkredite, TreeSteuer, TreeAuswertung, TreeDiagramme, TreeReport,
                TreeCount };
inline constexpr const char* kTreeCaptions[TreeCount] = {
    "Projekt Schneider", "PV-Anlage 9,87 kWp", "Standort Freiburg", "Generator Süd-West", "Wechselrichter",
    "Finanzierung", "Anlagedaten", "Solarkredite", "Steuer und AfA", "Auswertung", "Diagramme", "Report"};
inline constexpr int kTreeIndent[TreeCount] = {0, 1, 2, 2, 2, 1, 2, 2, 2, 1, 2, 2};

constexpr Rect treeItem(int i)
{
    return {8 + kTreeIndent[i] * 16, kToolBarBottom + 34 + i * 23, kTreeWidth - 14 - kTreeIndent[i] * 16, 21};
}

// The tabs above the financing pages.
enum FinanceTab { TabFinanzplan, TabAnlagedaten, TabSolarkredite, TabSteuer, FinanceTabCount };
inline constexpr const char* kFinanceTabCaptions[FinanceTabCount] = {"Finanzierungsplan", "Anlagedaten",
                                                                     "Solarkredite", "Steuer und AfA"};
constexpr Rect financeTab(int i)
{
    return {kContent.x + 10 + i * 138, kContent.y + 44, 134, 26};
}

struct Hotspot {
    Screen screen;   // where it lies
    Screen target;   // where it leads
    Rect rect;       // in picture pixels
    const char* name; // object name of the button
    const char* what; // the element under it, for the tool tip (UTF-8)
};

inline constexpr Hotspot kHotspots[] = {
    {Startbildschirm, AnsichtPVAnlage, toolButton(ToolAnlage), "HotspotStartZuAnlageWerkzeug", "Werkzeug „Anlage“"},
    {Startbildschirm, AnsichtPVAnlage, {kContent.x + 24, kContent.y + 150, 214, 118}, "HotspotStartZuAnlageKachel",
     "Kachel „PV-Anlage planen“"},
    {Startbildschirm, Diagrammansicht, toolButton(ToolDiagramme), "HotspotStartZuDiagrammWerkzeug",
     "Werkzeug „Diagramme“"},
    {Startbildschirm, Diagrammansicht, {kContent.x + 494, kContent.y + 150, 214, 118}, "HotspotStartZuDiagrammKachel",
     "Kachel „Wirtschaftlichkeit“"},

    {AnsichtPVAnlage, Finanzierung, treeItem(TreeFinanzierung), "HotspotAnlageZuFinanzierung", "Projektbaum „Finanzierung“"},
    {AnsichtPVAnlage, Diagrammansicht, toolButton(ToolDiagramme), "HotspotAnlageZuDiagramm", "Werkzeug „Diagramme“"},
    {AnsichtPVAnlage, Generatorausrichtung, treeItem(TreeGenerator), "HotspotAnlageZuGeneratorBaum",
     "Projektbaum „Generator“"},
    {AnsichtPVAnlage, Generatorausrichtung, {kContent.x + 12, kContent.y + 48, 430, 300}, "HotspotAnlageZuGeneratorDach",
     "Dachansicht mit dem Generator"},
    {AnsichtPVAnlage, Standortdialog, treeItem(TreeStandort), "HotspotAnlageZuStandortBaum", "Projektbaum „Standort“"},
    {AnsichtPVAnlage, Standortdialog, {kContent.x + 600, kContent.y + 356, 116, 26}, "HotspotAnlageZuStandortKnopf",
     "Schaltfläche „Standort…“"},

    {Standortdialog, AnsichtPVAnlage, {548, 500, 92, 26}, "HotspotStandortZuAnlage", "Schaltfläche „OK“"},
    {Generatorausrichtung, AnsichtPVAnlage, {kContent.x + 596, kContent.y + 476, 120, 28}, "HotspotGeneratorZuAnlage",
     "Schaltfläche „Übernehmen“"},

    {Finanzierung, Anlagedaten, treeItem(TreeAnlagedaten), "HotspotFinanzierungZuAnlagedatenBaum",
     "Projektbaum „Anlagedaten“"},
    {Finanzierung, Anlagedaten, financeTab(TabAnlagedaten), "HotspotFinanzierungZuAnlagedatenReiter",
     "Reiter „Anlagedaten“"},
    {Finanzierung, Solarkredite, financeTab(TabSolarkredite), "HotspotFinanzierungZuSolarkredite",
     "Reiter „Solarkredite“"},
    {Finanzierung, AnsichtPVAnlage, treeItem(TreeAnlage), "HotspotFinanzierungZuAnlageBaum", "Projektbaum „PV-Anlage“"},
    {Finanzierung, AnsichtPVAnlage, toolButton(ToolAnlage), "HotspotFinanzierungZuAnlageWerkzeug", "Werkzeug „Anlage“"},

    {Anlagedaten, Finanzierung, treeItem(TreeFinanzierung), "HotspotAnlagedatenZuFinanzierungBaum",
     "Projektbaum „Finanzierung“"},
    {Anlagedaten, Finanzierung, financeTab(TabFinanzplan), "HotspotAnlagedatenZuFinanzierungReiter",
     "Reiter „Finanzierungsplan“"},
    {Solarkredite, Finanzierung, treeItem(TreeFinanzierung), "HotspotSolarkrediteZuFinanzierungBaum",
     "Projektbaum „Finanzierung“"},
    {Solarkredite, Finanzierung, financeTab(TabFinanzplan), "HotspotSolarkrediteZuFinanzierungReiter",
     "Reiter „Finanzierungsplan“"},

    {Diagrammansicht, AnsichtPVAnlage, toolButton(ToolAnlage), "HotspotDiagrammZuAnlage", "Werkzeug „Anlage“"},
    {Diagrammansicht, ReportDialog, toolButton(ToolReport), "HotspotDiagrammZuReportDialog", "Werkzeug „Report“"},

    {ReportDialog, Reportseiten, {466, 470, 100, 26}, "HotspotReportDialogZuSeitenVorschau", "Schaltfläche „Vorschau“"},
    {ReportDialog, Reportseiten, {574, 470, 100, 26}, "HotspotReportDialogZuSeitenErstellen", "Schaltfläche „Erstellen“"},
};

// Other pictures of the brochure.
inline constexpr char kCoverPicture[] = "product/cover";
inline constexpr char kTestPicture[] = "product/testresult";

} // namespace tandrel::kontalo
