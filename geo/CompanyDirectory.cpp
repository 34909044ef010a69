#include "geo/CompanyDirectory.h"

#include "addresses/CommaText.h"

#include "drawing/Rounding.h"
#include "geo/GeoData.h"
#include "geo/MapProjection.h"

#include <algorithm>
#include <cmath>

std::unique_ptr<MAdresse> MCompanyDirectory::ParseCompany(const QString& line)
{
    const QStringList f = FromCommaText(line);
    if (f.size() < 25)
        return nullptr;
    int numbers[10] = {};
    for (int i = 0; i < 10; ++i) {
        if (i == 1) // not read
            continue;
        bool ok = false;
        numbers[i] = f[i].trimmed().toInt(&ok);
        if (!ok)
            return nullptr;
    }
    auto a = std::make_unique<MAdresse>();
    a->ID = numbers[0];
    a->Logo = numbers[2];
    a->Column3 = numbers[3];
    a->Anschreiben = numbers[4];
    a->Branche = numbers[5];
    a->FrameId1 = numbers[6];
    a->Column7 = numbers[7];
    a->MapX = numbers[8];
    a->MapY = numbers[9];
    QString* texts[] = {&a->Name1, &a->Name2, &a->Name3, &a->Strasse, &a->Plz, &a->Ort, &a->Tel, &a->Fax,
                        &a->Mobil, &a->EMail, &a->Internet, &a->EMail2, &a->Internet2, &a->Bemerkung1,
                        &a->Bemerkung2};
    for (int i = 0; i < 15; ++i)
        *texts[i] = f[10 + i];
    return a;
}

QString MCompanyDirectory::CategoryNumbers(int branche)
{
    QString s;
    for (int bit = 0; bit < kBrancheBitCount; ++bit)
        if (branche & (1 << bit)) {
            if (!s.isEmpty())
                s += QLatin1Char(',');
            s += QString::number(BrancheNumber(bit));
        }
    return s;
}

QString MCompanyDirectory::SortNameOf(int key)
{
    switch (key) {
    case 1: return QStringLiteral("Name");
    case 2: return QStringLiteral("Name2");
    case 4: return QStringLiteral("Strasse");
    case 7: return QStringLiteral("Postleitzahl");
    case 8: return QStringLiteral("Ort");
    case 10: return QStringLiteral("Entfernung");
    default: return {};
    }
}

int MCompanyDirectory::AddList(const QString& text)
{
    int read = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty())
            continue;
        if (auto a = ParseCompany(line)) {
            Add(std::move(a));
            ++read;
        }
    }
    return read;
}

int MCompanyDirectory::LoadBuiltInLists()
{
    int read = 0;
    // The fourth list is not read.
    for (int i = 0; i < 3; ++i)
        read += AddList(QString::fromUtf8(tandrel::geo::data::kCompanyLists[i]));
    Sort();
    return read;
}

void MCompanyDirectory::Add(std::unique_ptr<MAdresse> company)
{
    m_companies.push_back(std::move(company));
    ++m_count;
}

void MCompanyDirectory::Clear()
{
    m_companies.clear();
    m_count = 0;
}

void MCompanyDirectory::SortCompaniesDirection(int direction)
{
    m_sortDirection = direction;
    Sort();
}

void MCompanyDirectory::SortCompanies(int key)
{
    m_sortKey = key;
    Sort();
    const QString name = SortNameOf(key);
    if (!name.isEmpty())
        m_sortName = name;
}

void MCompanyDirectory::Sort()
{
    QString MAdresse::*text = nullptr;
    switch (m_sortKey) {
    case 1: text = &MAdresse::Name1; break;
    case 2: text = &MAdresse::Name2; break;
    case 4: text = &MAdresse::Strasse; break;
    case 7: text = &MAdresse::Plz; break;
    case 8: text = &MAdresse::Ort; break;
    case 20: text = &MAdresse::Tel; break;
    case 22: text = &MAdresse::Fax; break;
    case 24: text = &MAdresse::Mobil; break;
    case 30: text = &MAdresse::EMail; break;
    case 34: text = &MAdresse::Internet; break;
    case 10: break;
    default: return; // every company compares equal
    }
    const bool descending = m_sortDirection == 1;
    auto compare = [&](const std::unique_ptr<MAdresse>& l, const std::unique_ptr<MAdresse>& r) {
        int c = text ? QString::compare((*l).*text, (*r).*text, Qt::CaseSensitive)
                     : (l->Distance < r->Distance ? -1 : l->Distance > r->Distance ? 1 : 0);
        return (descending ? -c : c) < 0;
    };
    std::stable_sort(m_companies.begin(), m_companies.end(), compare);
}

void MCompanyDirectory::ComputeDistances(int a, int b, int radiusKm)
{
    const double r = radiusKm * tandrel::geo::kMapPixelsPerKm;
    const long long limit = RoundToInt(r * r);
    for (auto& c : m_companies) {
        // Coordinates of a row may lie anywhere in the int32 range: their
        // difference needs 33 bits and its square more than 64, so the
        // square is taken in double, exact for every map-sized distance.
        const double dx = double(std::int64_t(c->MapX) - a), dy = double(std::int64_t(c->MapY) - b);
        const double d2 = dx * dx + dy * dy;
        c->InRadius = d2 < double(limit);
        c->Distance = RoundToInt(std::sqrt(d2) / tandrel::geo::kMapPixelsPerKm);
    }
}

void MCompanyDirectory::ClearSelection()
{
    for (auto& c : m_companies)
        c->Selected = false;
}

void MCompanyDirectory::SelectOnly(const MAdresse* company)
{
    for (auto& c : m_companies)
        c->Selected = c.get() == company;
}

std::vector<MAdresse*> MCompanyDirectory::CompaniesWithin(int radiusKm) const
{
    const int limit = radiusKm > 0 ? radiusKm : 1000000;
    std::vector<MAdresse*> out;
    out.reserve(m_companies.size());
    for (const auto& c : m_companies)
        if (c->Distance <= limit)
            out.push_back(c.get());
    return out;
}
