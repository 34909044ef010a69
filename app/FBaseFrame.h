#pragma once

#include "platform/ColorRef.h"

#include <QFrame>
#include <QString>

class TBaseFrameFactory;
class TInterfaceFrame;

// The base of every view. A frame fills its parent; its three panels are
// re-arranged by the descendants as they need.
class TBaseFrame : public QFrame {
    Q_OBJECT
public:
    explicit TBaseFrame(QWidget* parent = nullptr);
    ~TBaseFrame() override;

    // 1 … 25: the frame interface the shell talks to.
    virtual void InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId);
    virtual void AfterFramesCreated() {}
    virtual void FinishFrame() {}
    virtual void ActivateFrame();
    virtual void ArrangeControls() {}
    virtual void NotifyOwner();
    virtual void PrintFrame() {}
    virtual void CopyFrame() {}
    virtual void PasteFrame() {}
    virtual void CutFrame() {}
    virtual bool CanPrintFrame() { return false; }
    virtual bool CanCopyFrame() { return false; }
    virtual bool CanPasteFrame() { return false; }
    virtual bool CanCutFrame() { return false; }
    virtual void SetFilename(const QString& fileName);
    virtual void PdfDump();
    virtual QString GetFrameName() { return FrameName; }
    virtual int GetFrameQuery1() { return 0; }
    virtual int GetFrameQuery2() { return 0; }
    virtual void RefreshFrame() {}
    virtual QString GetHelpText() { return QStringLiteral("Kein Hilfstext verfügbar"); }
    virtual int GetRelatedFrame1() { return 0; }
    virtual int GetRelatedFrame2() { return 0; }
    virtual int GetFrameQuery3() { return 0; }
    virtual int GetFrameQuery4() { return 0; }

    int GetFrameID() const { return FrameID; }
    QString GetFrameDescription() const { return FrameDescription; }
    TBaseFrameFactory* GetFactory() const { return Factory; }
    TBaseFrame* GetOwnerFrame() const { return OwnerFrame; }
    TInterfaceFrame* GetInterfaceFrame() const;
    QString GetMainConnectionString() const;
    TBaseFrame* FindFrame(int frameId) const;
    tandrel::platform::ColorRef ChooseColor(tandrel::platform::ColorRef color);
    void ApplyPanelColors();
    void FrameResize();

    // Tells the main window that print/copy/paste/cut may have changed.
    void NotifyCommandsChanged();

    QFrame* PanelMain = nullptr;
    QFrame* PanelLeft = nullptr;
    QFrame* PanelFrameTop = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Follows the parent's size: a frame always fills the panel it lives in.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Gives a panel a solid background colour.
    static void SetPanelColor(QWidget* panel, tandrel::platform::ColorRef color);

    int FrameID = 0;
    QString FrameName;
    QString FrameDescription;
    TBaseFrame* OwnerFrame = nullptr;
    TBaseFrameFactory* Factory = nullptr;
};

