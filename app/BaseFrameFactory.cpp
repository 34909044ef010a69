#include "app/BaseFrameFactory.h"

#include "app/FBaseFrame.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"

#include <algorithm>

TBaseFrameFactory::TBaseFrameFactory() = default;

TBaseFrameFactory::~TBaseFrameFactory()
{
    DestroyFrames();
}

void TBaseFrameFactory::StartFactory(TMainWindowInterface* mainWindow, TInterfaceFrame* interfaceFrame)
{
    AuxFrame = nullptr;
    HistoryPos = 0;
    History.clear();
    MainWindow = mainWindow;
    InterfaceFrame = interfaceFrame;
}

void TBaseFrameFactory::ShutdownFactory()
{
    // Deleting a frame the list owns would delete it twice; only a frame the
    // list does not hold is this factory's to delete here.
    if (AuxFrame && std::find(m_frames.begin(), m_frames.end(), AuxFrame.data()) == m_frames.end())
        delete AuxFrame.data();
    AuxFrame = nullptr;
    History.clear();
    HistoryPos = 0;
}

void TBaseFrameFactory::AddFrame(TBaseFrame* frame)
{
    m_frames.push_back(frame);
}

void TBaseFrameFactory::DestroyFrames()
{
    // Detach first: a frame's FinishFrame may still look up other frames.
    std::vector<QPointer<TBaseFrame>> frames(m_frames.begin(), m_frames.end());
    for (auto& f : frames) {
        if (!f)
            continue;
        try {
            f->FinishFrame();
        } catch (const std::exception& e) {
            ReportSettingsError(e);
        }
    }
    m_frames.clear();
    CurrentFrame = nullptr;
    for (auto& f : frames)
        delete f.data();
}

TBaseFrame* TBaseFrameFactory::Frame(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return m_frames[size_t(index)];
}

TBaseFrame* TBaseFrameFactory::HistoryEntry(int index) const
{
    if (index < 0 || index >= HistoryCount())
        return nullptr;
    return History[size_t(index)].data();
}

bool TBaseFrameFactory::ShowMatching(int frameId, bool record)
{
    bool matched = false;
    for (TBaseFrame* f : std::vector<TBaseFrame*>(m_frames)) {
        if (f->GetFrameID() == frameId) {
            matched = true;
            f->setVisible(true);
            f->raise();
            f->ActivateFrame();
            SetMainCaption(f->GetFrameName());
            if (record)
                PushHistory(f);
        } else {
            f->setVisible(false);
        }
    }
    return matched;
}

bool TBaseFrameFactory::ShowHistoryFrame(int frameId)
{
    bool matched = ShowMatching(frameId, false);
    NotifyCommandsChanged();
    return matched;
}

bool TBaseFrameFactory::ShowFrame(int frameId)
{
    bool shown = ShowMatching(frameId, true);
    if (!shown) {
        if (TBaseFrame* created = CreateFrame(frameId)) {
            created->setVisible(true);
            created->raise();
            created->ActivateFrame();
            SetMainCaption(created->GetFrameName());
            PushHistory(created);
            shown = true;
        }
    }
    NotifyCommandsChanged();
    return shown;
}

TBaseFrame* TBaseFrameFactory::FindFrame(int frameId) const
{
    for (TBaseFrame* f : m_frames)
        if (f->GetFrameID() == frameId)
            return f;
    return nullptr;
}

void TBaseFrameFactory::PushHistory(TBaseFrame* frame)
{
    if (!History.empty() && HistoryPos + 1 < HistoryCount())
        History.erase(History.begin() + HistoryPos + 1, History.end());
    History.emplace_back(frame);
    HistoryPos = HistoryCount() - 1;
}

bool TBaseFrameFactory::CanGoBack() const
{
    return HistoryPos > 0 && HistoryCount() > 1;
}

void TBaseFrameFactory::GoBack()
{
    if (HistoryPos > 0) {
        --HistoryPos;
        if (TBaseFrame* f = HistoryEntry(HistoryPos))
            ShowHistoryFrame(f->GetFrameID());
    }
    NotifyCommandsChanged();
}

bool TBaseFrameFactory::CanGoForward() const
{
    return HistoryPos < HistoryCount() - 1 && HistoryCount() > 1;
}

void TBaseFrameFactory::GoForward()
{
    if (HistoryPos < HistoryCount() - 1) {
        ++HistoryPos;
        if (TBaseFrame* f = HistoryEntry(HistoryPos))
            ShowHistoryFrame(f->GetFrameID());
    }
    NotifyCommandsChanged();
}

void TBaseFrameFactory::SetCurrentFrame(TBaseFrame* frame)
{
    CurrentFrame = frame;
    NotifyCommandsChanged();
}

TBaseFrame* TBaseFrameFactory::GetCurrentFrame() const
{
    return CurrentFrame.data();
}

void TBaseFrameFactory::SetMainCaption(const QString& name)
{
    if (MainWindow)
        MainWindow->SetFrameCaption(name);
}

void TBaseFrameFactory::NotifyCommandsChanged()
{
    if (MainWindow)
        MainWindow->CommandsChanged();
}

void ReportSettingsError(const std::exception& error)
{
    tandrel::platform::dialogs().showMessage(
        QStringLiteral("Die Einstellungen konnten nicht gespeichert werden:\n%1").arg(QString::fromUtf8(error.what())));
}
