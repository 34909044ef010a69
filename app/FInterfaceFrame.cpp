#include "app/FInterfaceFrame.h"

#include "pdf/PdfWriter.h"

#include <QLabel>

// Placeholder until the workspace object is built: it yields nothing.

TInterfaceFrame::TInterfaceFrame(QWidget* parent) : QFrame(parent) { setVisible(false); }
TInterfaceFrame::~TInterfaceFrame() = default;
void TInterfaceFrame::InitInterface() {}
void TInterfaceFrame::DoneInterface() {}
void TInterfaceFrame::LoadInterfaceSettings() {}
void TInterfaceFrame::SaveInterfaceSettings() {}
void TInterfaceFrame::CreateWorkspaceFolders() {}
QString TInterfaceFrame::GetTempFolder() { return TempPath; }
QString TInterfaceFrame::GetArchiveFolder() { return DatabaseArchivPath; }
QString TInterfaceFrame::GetArchiveDatabaseFile() { return {}; }
QString TInterfaceFrame::GetCompanyDatabaseFile() const { return NorviDatabaseName; }
bool TInterfaceFrame::ArchiveDatabase(bool) { return false; }
bool TInterfaceFrame::ArchiveDatabase2(bool) { return false; }
QString TInterfaceFrame::GetMainConnectionString() const { return Connect1 + MainDatabaseName + Connect2; }
tandrel::platform::ColorRef TInterfaceFrame::ChooseColor(tandrel::platform::ColorRef color) { return color; }
const PictureEntry* TInterfaceFrame::FindPicture(int) const { return nullptr; }
void TInterfaceFrame::AssignPicture(QLabel*, int) const {}
PdfWriter* TInterfaceFrame::OpenPdfDocument(const QString&) { return nullptr; }
void TInterfaceFrame::SetPdfPageSize(double, double) {}
void TInterfaceFrame::BitBtnImageListClick() {}
