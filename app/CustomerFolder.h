#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

class PdfWriter;
class TBaseFrame;
class TInterfaceFrame;

// The parts a customer folder may hold, in the folder's order.
enum class FolderPart { Anschreiben, Ertrag, Dachplanung, Papierhaus, Hochhaus, Eigenverbrauch, KEV };
inline constexpr int kFolderPartCount = 7;

// The title of a part in the table of contents and the bookmarks.
QString FolderPartTitle(FolderPart part);

struct MFolderCustomer {
    QString Name, Strasse, PLZ, Ort;
};

// What the dialog stores (section "Kundenmappe").
struct MFolderSettings {
    MFolderCustomer Customer;
    std::array<bool, kFolderPartCount> Parts{true, true, true, true, false, true, false};

    static MFolderSettings Load();
    void Save() const;
};

// One part ready to be drawn: the paper of its first page (mm) and the
// routine of its own PDF, which draws from that fresh page on.
struct MFolderSection {
    QString Title;
    QSizeF FirstPage;
    std::function<void(PdfWriter&)> Draw;
};

struct MFolderCover {
    MFolderCustomer Customer;
    QString Date;
    QStringList Sender; // empty lines are left out
    QImage Logo;        // none when null
    QString MakerLine;
};

// Draws the cover on the open document's first page, each section from a
// new page with a bookmark, then the table of contents and a page number in
// every page's footer. `step(k)` runs before section k and once after the
// last (k == sections.size()); when it answers false nothing more is drawn
// and false is returned (the caller drops the document). The first page of
// each section (1-based) goes to `firstPages`.
bool DrawCustomerFolder(PdfWriter& pdf, const MFolderCover& cover, const std::vector<MFolderSection>& sections,
                        const std::function<bool(int)>& step, std::vector<int>* firstPages = nullptr);

// The cover from the stored sender and the workspace's logo.
MFolderCover FolderCover(const MFolderCustomer& customer, TInterfaceFrame* workspace);

// The chosen parts as sections, each reaching its frame through its
// interface on `frame(id)` (which may create the frame). A part whose frame
// cannot be had is left out and its title goes to `missing`.
std::vector<MFolderSection> FolderSections(const MFolderSettings& settings, TInterfaceFrame* workspace,
                                           const std::function<TBaseFrame*(int)>& frame, QStringList* missing);
