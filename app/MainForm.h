#pragma once

#include "app/BaseFrameFactory.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QSpinBox;
class QToolButton;
class TFrameFactory;
class TInfoDialog1;
class TInterfaceFrame;
class AutomationScript;

// The main window: button bar, menus, status bar and the body panel in which
// the factory shows one frame at a time.
class TMainForm1 : public QMainWindow, public TMainWindowInterface {
    Q_OBJECT
public:
    static constexpr const char* kApplicationTitle = "Tandrel - 2012";

    explicit TMainForm1(QStringList arguments = {}, QWidget* parent = nullptr);
    ~TMainForm1() override;

    QWidget* GetBodyPanel() override;
    QWidget* GetUpdatePanel() override;
    void SetFrameCaption(const QString& name) override;
    void CommandsChanged() override;
    void ShowInfoDialog() override;
    void ShowCustomerFolderDialog() override;

    void LoadMainSettings();
    void SaveMainSettings();

    // The information dialog is made on first use unless one is given here.
    void SetInfoDialog(TInfoDialog1* dialog);
    TFrameFactory* GetFrameFactory() const { return m_factory.get(); }
    TInterfaceFrame* GetInterfaceFrame() const { return m_interface; }
    bool StartUpDone() const { return m_startUpDone; }
    // The command line has been evaluated (once the window is on screen).
    bool CommandLineDone() const { return m_commandLineDone; }
    QString LanguageSelection() const { return m_language; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowKontaloNote();
    // Runs `then` once the window is on screen (exposed).
    void WhenOnScreen(std::function<void()> then);
    void BuildButtonBar();
    void BuildMenus();
    void ShowSolarAddresses();
    void BuildBody();
    void StartUp();
    void EvaluateCommandLine();
    void FirstStartPreparation();
    void ShowFrameAndPage(int frameId, const char* pageControl, const char* page);
    void Open(const char* target);
    QToolButton* AddButton(const char* name, const QString& caption, const QString& hint, const QString& picture);

    QStringList m_arguments;
    QString m_language;
    bool m_startUpDone = false;
    bool m_commandLineDone = false;
    bool m_startUpStarted = false;

    QFrame* PanelTop = nullptr;
    QFrame* PanelLeft = nullptr;
    QWidget* PanelBody = nullptr;
    QFrame* PanelInstallation = nullptr;
    QFrame* PanelAktualisierung = nullptr;
    QFrame* PanelKontaloTestergebnis = nullptr;
    QCheckBox* CheckBoxInstallationabgeschlossen = nullptr;
    QSpinBox* UpDownRegistrySubVersion = nullptr;

    QToolButton* SpeedButtonBack = nullptr;
    QToolButton* SpeedButtonForward = nullptr;
    QToolButton* SpeedButtonEigenverbrauch = nullptr;
    QToolButton* SpeedButtonKontalo = nullptr;

    QAction* FilePrint1 = nullptr;
    QAction* DateiKundenmappe = nullptr;
    QAction* FileExit1 = nullptr;
    QAction* EditCut1 = nullptr;
    QAction* EditCopy1 = nullptr;
    QAction* EditPaste1 = nullptr;
    QAction* HelpAbout1 = nullptr;

    TInterfaceFrame* m_interface = nullptr; // child of PanelBody
    std::unique_ptr<TFrameFactory> m_factory;
    QPointer<TInfoDialog1> m_infoDialog;
    std::unique_ptr<AutomationScript> m_script;
};
