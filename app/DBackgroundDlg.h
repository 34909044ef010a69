#pragma once

#include <QDialog>
#include <array>

class QFrame;
class TInterfaceFrame;
class TPictureLabel;

// Lets the user pick the start page's background from twelve picture slots.
class TBackgroundDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kSlots = 12;
    // Picture ID of each slot; 0 for a slot that is never filled.
    static constexpr std::array<int, kSlots> kSlotPictures = {3110, 3120, 3130, 3140, 3150, 3160,
                                                              3170, 3180, 3190, 3200, 3201, 0};

    explicit TBackgroundDlg(QWidget* parent = nullptr);
    ~TBackgroundDlg() override;

    void SetInterfaceFrame(TInterfaceFrame* interfaceFrame) { m_interface = interfaceFrame; }
    void SetSelectedID(int id);
    int GetSelectedID() const { return m_selectedId; }
    int GetLight() const { return 1; }
    // The ID a slot carries (1-based); 0 when empty.
    int SlotID(int slot) const { return m_slotIds[size_t(slot - 1)]; }
    void ClickSlot(int slot);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillSlots();
    void UpdateHighlight();

    TInterfaceFrame* m_interface = nullptr;
    int m_selectedId = 3110;
    // Decoded at the slot's size while the dialog is shown.
    std::array<TPictureLabel*, kSlots> m_images{};
    std::array<QFrame*, kSlots> m_shapes{};
    std::array<int, kSlots> m_slotIds{};
};
