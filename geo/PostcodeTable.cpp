#include "geo/PostcodeTable.h"

#include "geo/GeoData.h"
#include "geo/MapProjection.h"

#include <cstring>

namespace {

// One quoted integer of a row; advances p past the field and its comma.
bool quotedInt(const char*& p, const char* end, int& value)
{
    while (p < end && (*p == ' ' || *p == '\t'))
        ++p;
    const bool quoted = p < end && *p == '"';
    if (quoted)
        ++p;
    bool neg = false;
    if (p < end && *p == '-') {
        neg = true;
        ++p;
    }
    if (p >= end || *p < '0' || *p > '9')
        return false;
    long long v = 0;
    while (p < end && *p >= '0' && *p <= '9') {
        v = v * 10 + (*p++ - '0');
        if (v > 1000000000)
            return false;
    }
    if (quoted) {
        if (p >= end || *p != '"')
            return false;
        ++p;
    }
    while (p < end && (*p == ' ' || *p == '\t'))
        ++p;
    if (p < end && *p == ',')
        ++p;
    value = int(neg ? -v : v);
    return true;
}

} // namespace

MPostcodeTable::MPostcodeTable() : m_x(kSize, 0), m_y(kSize, 0), m_region(kSize, 0) {}

void MPostcodeTable::ClearRegions()
{
    std::fill(m_region.begin(), m_region.end(), 0);
}

int MPostcodeTable::LoadList(const char* text)
{
    int rows = 0;
    const char* p = text;
    const char* const end = text + std::strlen(text);
    while (p < end) {
        const char* eol = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)));
        if (!eol)
            eol = end;
        const char* lineEnd = eol > p && eol[-1] == '\r' ? eol - 1 : eol;
        const char* q = p;
        int plz = 0, x = 0, y = 0, region = 0;
        if (lineEnd > p && quotedInt(q, lineEnd, plz) && quotedInt(q, lineEnd, x) && quotedInt(q, lineEnd, y) &&
            quotedInt(q, lineEnd, region) && plz >= 0 && plz < kSize) {
            m_x[size_t(plz)] = x - tandrel::geo::kListOffsetX;
            m_y[size_t(plz)] = y - tandrel::geo::kListOffsetY;
            m_region[size_t(plz)] = region;
            ++rows;
        }
        p = eol + 1;
    }
    return rows;
}

int MPostcodeTable::LoadBuiltInLists()
{
    int rows = 0;
    for (const char* list : tandrel::geo::data::kPostcodeLists)
        rows += LoadList(list);
    return rows;
}

bool MPostcodeTable::IsListed(int postcode) const
{
    return postcode >= 0 && postcode < kSize && m_region[size_t(postcode)] > 0;
}

int MPostcodeTable::Region(int postcode) const
{
    return postcode >= 0 && postcode < kSize ? m_region[size_t(postcode)] : 0;
}

int MPostcodeTable::NearestListed(int postcode) const
{
    if (postcode < 0 || postcode >= kSize)
        return -1;
    if (IsListed(postcode))
        return postcode;
    for (int i = 1; i <= kSearchRange; ++i) {
        if (postcode + i < kSize && IsListed(postcode + i))
            return postcode + i;
        if (postcode - i > 0 && IsListed(postcode - i))
            return postcode - i;
    }
    return -1;
}

int MPostcodeTable::PostcodeX(int postcode) const
{
    const int at = NearestListed(postcode);
    return at < 0 ? 0 : m_x[size_t(at)];
}

int MPostcodeTable::PostcodeY(int postcode) const
{
    const int at = NearestListed(postcode);
    return at < 0 ? 0 : m_y[size_t(at)];
}
