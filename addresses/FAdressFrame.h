#pragma once

#include "addresses/Adresse.h"
#include "addresses/AddressBook.h"
#include "app/FBaseFrame.h"

#include <QPointer>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>
#include <vector>

class QLineEdit;
class QTabWidget;
class QTableWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

// The user's own address book: eight slots kept in the settings store, one of
// them marked as the user's current address (sender of letters, location on
// the map), and the directory companies near it.
class TAdressFrame : public TBaseFrame, public IAddressBook {
    Q_OBJECT
    Q_INTERFACES(IAddressBook)
public:
    static constexpr int kSlots = 8;
    // The sixteen stored values of a slot, in storage order.
    static const std::array<const char*, 16> kValueNames;
    // The list's fourteen columns.
    static const std::array<const char*, 14> kColumnTitles;
    static inline const QString kEmptyCaption = QStringLiteral(" -leer- ");

    explicit TAdressFrame(QWidget* parent = nullptr);
    ~TAdressFrame() override;

    void InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId) override;
    void FinishFrame() override;
    void ArrangeControls() override;

    void LoadAddresses();
    void SaveAddresses();
    // The selected row, or without one the edit fields, as the frame's own record.
    MAdresse* GetCurrentAddress() override;
    QString PostcodeText() const override;
    void FillNearbyCompanies();

    // Event handlers, public for the dialogs and tests that drive them.
    void ListViewAdressenSelectItem(QTreeWidgetItem* item, bool selected);
    void ListViewAdressenColumnClick(int column);
    int ListViewAdressenCompare(QTreeWidgetItem* a, QTreeWidgetItem* b) const;
    void ListViewAdressenChange(QTreeWidgetItem* item);
    void EditChange(int column);
    void SpeedButtonEmail1Click();
    void SpeedButtonEmail2Click();
    void SpeedButtonInternet1Click();
    void SpeedButton1Click();

    // Row values: the caption and sub-items 0 … 14.
    static QString SubItem(const QTreeWidgetItem* row, int index);
    static void SetSubItem(QTreeWidgetItem* row, int index, const QString& text);
    static QString Caption(const QTreeWidgetItem* row);
    // "Name1" of the row: empty for an empty slot, whose caption is kEmptyCaption.
    static QString Name1(const QTreeWidgetItem* row);
    static void SetName1(QTreeWidgetItem* row, const QString& name);
    static int RowSlot(const QTreeWidgetItem* row);

    QTreeWidgetItem* SelectedRow() const;
    QTreeWidgetItem* MarkedRow() const { return m_markedRow; }
    int MarkedSlot() const { return m_markedSlot; }
    bool SortDescending() const { return m_sortFlag; }
    int SortColumn() const { return m_sortColumn; }
    bool IsLoaded() const { return m_loaded; }

    QTabWidget* PageControlAdressen = nullptr;
    QTreeWidget* ListViewAdressen = nullptr;
    QTableWidget* StringGridAdressen = nullptr;
    // EditName1 … EditBemerkung2 in column order.
    std::array<QLineEdit*, 14> Edits{};
    QLineEdit* EditName1 = nullptr;
    QLineEdit* EditName2 = nullptr;
    QLineEdit* EditStrasse = nullptr;
    QLineEdit* EditPLZ = nullptr;
    QLineEdit* EditOrt = nullptr;
    QLineEdit* EditTel = nullptr;
    QLineEdit* EditFax = nullptr;
    QLineEdit* EditMobil = nullptr;
    QLineEdit* EditEMail = nullptr;
    QLineEdit* EditInternet = nullptr;
    QLineEdit* EditEMail2 = nullptr;
    QLineEdit* EditInternet2 = nullptr;
    QLineEdit* EditBemerkung1 = nullptr;
    QLineEdit* EditBemerkung2 = nullptr;
    QToolButton* SpeedButtonEmail1 = nullptr;
    QToolButton* SpeedButtonEmail2 = nullptr;
    QToolButton* SpeedButtonInternet1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;

private:
    void BuildControls();
    void SetRowMark(QTreeWidgetItem* row, bool marked);
    void FillEdits(const QTreeWidgetItem* row);
    // The company list of the directory frame in its list's order, and the
    // map frame's position of a postcode.
    std::vector<MAdresse> DirectoryEntries() const;
    std::optional<QPoint> PostcodePosition(int plz) const;

    int m_markedSlot = -1;
    QTreeWidgetItem* m_markedRow = nullptr;
    bool m_loaded = false;
    bool m_filling = false;
    int m_sortColumn = 0;
    bool m_sortFlag = false;
    std::unique_ptr<MAdresse> m_address;
    QPointer<TBaseFrame> m_directoryFrame;
    QPointer<TBaseFrame> m_mapFrame;
};
