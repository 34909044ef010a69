#include "fuzz/FuzzEntries.h"

#include "addresses/CommaText.h"
#include "app/KontaloRegistry.h"
#include "drawing/ModelRep.h"
#include "drawing/Structur.h"
#include "geo/CompanyDirectory.h"
#include "geo/PostcodeTable.h"
#include "pdf/Markup.h"
#include "pdf/TextFit.h"
#include "platform/Paths.h"
#include "platform/RegFileFormat.h"
#include "yield/TarifTabelle.h"
#include "yield/TariffReply.h"

#include <QFile>
#include <QLocale>
#include <QString>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace tandrel::fuzz {

namespace {

QByteArray bytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A broken promise of the parser under test.
void require(bool promise)
{
    if (!promise)
        std::abort();
}

// The settings-file reader: whatever it accepts it writes back in a form
// that reads back to the same text.
void settingsFile(const std::uint8_t* data, std::size_t size)
{
    platform::RegistryTree tree;
    if (!platform::regfile::parse(bytes(data, size), tree).ok)
        return;
    const QByteArray text = platform::regfile::serialize(tree);
    platform::RegistryTree again;
    require(platform::regfile::parse(text, again).ok);
    require(platform::regfile::serialize(again) == text);
}

// The comma text of the letter body: what it reads it writes so that it
// reads the same again.
void commaText(const std::uint8_t* data, std::size_t size)
{
    const QStringList lines = FromCommaText(QString::fromUtf8(bytes(data, size)));
    const QStringList again = FromCommaText(ToCommaText(lines));
    require(FromCommaText(ToCommaText(again)) == again);
}

// The tariff reply, under a decimal comma and a decimal point: a table
// made of it holds plausible rates only.
void tariffReply(const std::uint8_t* data, std::size_t size)
{
    const std::optional<QStringList> lines = ReplyLines(bytes(data, size));
    if (!lines)
        return;
    for (const QLocale& locale : {QLocale(QLocale::German, QLocale::Germany), QLocale::c()}) {
        const QLocale previous;
        QLocale::setDefault(locale);
        const bool reply = IsTariffReply(*lines);
        const MTarifTabelle table = TarifTabelleAusZeilen(*lines);
        QLocale::setDefault(previous);
        for (const auto& period : table.Raten)
            for (double rate : period)
                require(IsPlausibleRate(rate));
        require(!reply || !table.Aktualisierungsstand.trimmed().isEmpty());
        require(table.Aktualisierungsstand.size() <= 64);
    }
}

// Company rows of the directory, their distances and every sort key.
void companyRows(const std::uint8_t* data, std::size_t size)
{
    MCompanyDirectory directory;
    directory.AddList(QString::fromUtf8(bytes(data, size)));
    std::int32_t at[2] = {0, 0};
    if (size >= sizeof at)
        std::memcpy(at, data, sizeof at);
    directory.ComputeDistances(at[0], at[1], 400);
    for (int key = 0; key <= 12; ++key)
        directory.SortCompanies(key);
    directory.SortCompaniesDirection(1);
    directory.CompaniesWithin(100);
}

// Postcode rows, then lookups of postcodes taken from the input.
void postcodeRows(const std::uint8_t* data, std::size_t size)
{
    MPostcodeTable table;
    const QByteArray text = bytes(data, size); // NUL-terminated
    table.LoadList(text.constData());
    for (std::size_t i = 0; i + 4 <= size && i < 64; i += 4) {
        std::int32_t postcode;
        std::memcpy(&postcode, data + i, sizeof postcode);
        table.PostcodeX(postcode);
        table.PostcodeY(postcode);
        table.NearestListed(postcode % MPostcodeTable::kSize);
    }
}

// The PDF text markup and the line breaking of the letters and slides: no
// text is lost and no line is wider than asked, unless one character is.
void pdfMarkup(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(bytes(data, size));
    qsizetype marked = 0;
    for (const pdf::MarkupRun& run : pdf::parseMarkup(text, 0))
        marked += run.text.size();
    require(marked <= text.size());
    const auto measure = [](const QString& s) { return double(s.size()); };
    const double width = double(size % 17 + 1);
    qsizetype kept = 0;
    for (const QString& line : pdf::WrapText(text, width, measure)) {
        require(measure(line) <= width || line.size() <= 2);
        kept += line.size();
    }
    require(kept <= text.size() && kept >= text.size() - text.count(QLatin1Char(' ')));
    require(pdf::ElideText(text, width, measure).size() <= std::max<qsizetype>(text.size(), 1));
}

// The model loader on a settings file made of the input (the reader's own
// target takes the damaged files; here only files it accepts).
void modelLoader(const std::uint8_t* data, std::size_t size)
{
    const QByteArray file = bytes(data, size);
    platform::RegistryTree tree;
    if (!platform::regfile::parse(file, tree).ok)
        return;
    {
        QFile out(platform::registryFile());
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return;
        out.write(file);
    }
    for (const char* key : {"Dach", "Hintergrund", "Modell", "AnlagePlanung2D"}) {
        MStructur container;
        MPVModelRep& model = container.Create<MPVModelRep>(0, 0, 0.0, 0.0);
        MKontaloRegistry store;
        model.LoadSettings(store, QString::fromLatin1(key));
    }
}

constexpr Target kTargets[] = {
    {"settings_file", settingsFile}, {"comma_text", commaText},     {"tariff_reply", tariffReply},
    {"company_rows", companyRows},   {"postcode_rows", postcodeRows}, {"pdf_markup", pdfMarkup},
    {"model_loader", modelLoader},
};

} // namespace

std::span<const Target> Targets()
{
    return kTargets;
}

const Target* FindTarget(std::string_view name)
{
    for (const Target& t : kTargets)
        if (t.name == name)
            return &t;
    return nullptr;
}

} // namespace tandrel::fuzz
