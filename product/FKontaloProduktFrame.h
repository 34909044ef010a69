#pragma once

#include "app/FBaseFrame.h"
#include "data/KontaloScreens.h"

#include <vector>

class QLabel;
class QScrollArea;
class QTabWidget;
class QTextBrowser;
class QToolButton;
class QPushButton;

// The on-screen brochure of the maker's finance software: description,
// procedure model, screen pictures with hotspots, test result, links and the
// order form as PDF.
class TKontaloProduktFrame : public TBaseFrame {
    Q_OBJECT
public:
    explicit TKontaloProduktFrame(QWidget* parent = nullptr);
    ~TKontaloProduktFrame() override;

    void InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId) override;
    void ArrangeControls() override;

    // Brings the screen page to the front, in the gallery.
    void ShowScreen(tandrel::kontalo::Screen screen);
    // The order form: address choice, then the PDF.
    void BitBtnBestellformularPdfClick();

    QTabWidget* PageControl1 = nullptr;
    QTabWidget* PageControl2 = nullptr;
    QWidget* TabSheetBeschreibung = nullptr;
    QWidget* TabSheetVorgehen = nullptr;
    QWidget* TabSheetBildschirmansichten = nullptr;
    QWidget* TabSheetTestuebersicht = nullptr;
    std::vector<QWidget*> ScreenSheets;       // in the order of the screens
    std::vector<QToolButton*> Hotspots;       // in the order of the hotspot table
    QToolButton* ImageSchritt[4] = {};

protected:
    // Lets the user pick the customer's address on the address book frame;
    // false when cancelled.
    virtual bool ChooseAddress(TBaseFrame* addressFrame);

private:
    QWidget* AddPage(const char* name, const QString& caption);
    void BuildLeftColumn();
    void BuildDescription();
    void BuildProcedure();
    void BuildScreens();
    void BuildTest();
    void WriteOrderForm(TBaseFrame* addressFrame);

    QLabel* ImageLogo = nullptr;
    QToolButton* ImageCover = nullptr;
    QLabel* LabelStand = nullptr;
    QLabel* LabelWeitereInfo = nullptr;
    QToolButton* LabelProduktseite = nullptr;
    QLabel* MemoWerbung = nullptr;
    QLabel* LabelBriefFax = nullptr;
    QLabel* LabelInternet = nullptr;
    QPushButton* BitBtnBestellformularPdf = nullptr;
    QPushButton* BitBtnOnlineBestellformular = nullptr;
    QTextBrowser* MemoBeschreibung = nullptr;
    QPushButton* ButtonVorgehensmodell = nullptr;
    QPushButton* ButtonBildschirmseiten = nullptr;
    QToolButton* ImageTest = nullptr;
};
