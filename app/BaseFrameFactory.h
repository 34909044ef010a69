#pragma once

#include <QPointer>
#include <QString>
#include <exception>
#include <functional>
#include <vector>

class QWidget;
class TBaseFrame;
class TInterfaceFrame;

// What the factory needs of the main window.
class TMainWindowInterface {
public:
    virtual ~TMainWindowInterface() = default;
    virtual QWidget* GetBodyPanel() = 0;
    virtual QWidget* GetUpdatePanel() = 0;
    // The caption becomes "Tandrel - " followed by the name.
    virtual void SetFrameCaption(const QString& name) = 0;
    // Back, print, copy, paste and cut may have changed.
    virtual void CommandsChanged() {}
    // Shows the information dialog, not modal.
    virtual void ShowInfoDialog() {}
    // Opens the customer-folder dialog (modal).
    virtual void ShowCustomerFolderDialog() {}
};

// Holds the frames (in creation order, owned), the back history and the
// showing logic. Descendants supply CreateFrame.
class TBaseFrameFactory {
public:
    TBaseFrameFactory();
    virtual ~TBaseFrameFactory();
    TBaseFrameFactory(const TBaseFrameFactory&) = delete;
    TBaseFrameFactory& operator=(const TBaseFrameFactory&) = delete;

    virtual void StartFactory(TMainWindowInterface* mainWindow, TInterfaceFrame* interfaceFrame);
    virtual void ShutdownFactory();
    virtual TBaseFrame* CreateFrame(int frameId) = 0;

    bool ShowFrame(int frameId);
    bool ShowHistoryFrame(int frameId);
    TBaseFrame* FindFrame(int frameId) const;
    void GoBack();
    bool CanGoBack() const;
    void GoForward();
    bool CanGoForward() const;
    void SetCurrentFrame(TBaseFrame* frame);
    TBaseFrame* GetCurrentFrame() const;
    void PushHistory(TBaseFrame* frame);
    void SetMainCaption(const QString& name);
    TInterfaceFrame* GetInterfaceFrame() const { return InterfaceFrame; }
    TMainWindowInterface* GetMainWindow() const { return MainWindow; }
    void NotifyCommandsChanged();

    // The list of created frames.
    int Count() const { return int(m_frames.size()); }
    TBaseFrame* Frame(int index) const;
    const std::vector<TBaseFrame*>& Frames() const { return m_frames; }

    // The history, for inspection.
    int GetHistoryPos() const { return HistoryPos; }
    int HistoryCount() const { return int(History.size()); }
    TBaseFrame* HistoryEntry(int index) const;

protected:
    // Appends a frame the factory now owns.
    void AddFrame(TBaseFrame* frame);
    // Destroys every frame in creation order (after FinishFrame on each).
    void DestroyFrames();

    TMainWindowInterface* MainWindow = nullptr;
    TInterfaceFrame* InterfaceFrame = nullptr;
    // The frame of the start-up request for 3010. When the factory made it,
    // the frame list owns it like every other frame; this only refers to it.
    QPointer<TBaseFrame> AuxFrame;
    QPointer<TBaseFrame> CurrentFrame;
    std::vector<QPointer<TBaseFrame>> History;
    int HistoryPos = 0;

private:
    // Shows the frames with the ID, hides every other; records them if asked.
    bool ShowMatching(int frameId, bool record);

    std::vector<TBaseFrame*> m_frames;
};

// Tells the user that settings could not be saved; the caller goes on.
void ReportSettingsError(const std::exception& error);
