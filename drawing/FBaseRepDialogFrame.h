#pragma once

#include "app/FBaseFrame.h"
#include "app/FrameIds.h"

#include <optional>

class MBaseRep;
class QLineEdit;

// Registers the dialog frames of the areas and the module group with the
// engine (MBaseRep::CreateDialogFrame); safe to call more than once.
void RegisterRepDialogFrames();

// The colour dialog preset with initial (the workspace's colour dialog when
// there is one); empty on cancel.
std::optional<tandrel::platform::ColorRef> ChooseFrameColor(TBaseFrame& frame,
                                                            tandrel::platform::ColorRef initial);

// The edit's text as a number: trimmed, thousands separators removed, the
// locale's decimal separator. A text that is no number is reported with the
// platform's conversion message and gives nothing.
std::optional<double> ReadFloatEdit(const QLineEdit* edit);
std::optional<int> ReadIntegerEdit(const QLineEdit* edit);

// A frame that edits one representation; the base of the representation
// dialog frames shown on the "Rep" tab of the properties dialog.
class TBaseRepDialogFrame : public TBaseFrame {
    Q_OBJECT
public:
    static constexpr int kFrameID = FrameId::RepDialog;

    explicit TBaseRepDialogFrame(QWidget* parent = nullptr);
    ~TBaseRepDialogFrame() override;

    // InitFrame, then takes the representation and becomes its DialogFrame.
    virtual void InitRepFrame(QWidget* parent, TBaseFrame* owner, MBaseRep* rep, int frameId,
                              TBaseFrameFactory* factory);
    // Writes the edits back into the representation. False when an input was
    // refused; then nothing has changed.
    virtual bool ApplyRepFrame() { return true; }
    void ArrangeControls() override;

    MBaseRep* Rep() const { return m_rep; }

private:
    MBaseRep* m_rep = nullptr; // not owned
};
