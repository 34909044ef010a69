#pragma once

// The built-in lists generated at build time from data/geo (tools/geogen).
namespace tandrel::geo::data {

// Postcodes 0…, 1…–3…, 4…–6…, 7…–8…, 9…: rows "postcode","x","y","region".
inline constexpr int kPostcodeListCount = 5;
extern const char* const kPostcodeLists[kPostcodeListCount];

// The directory's lists in reading order; the first three are read, the
// fourth is not. Rows of 25 quoted fields, each followed by a comma.
inline constexpr int kCompanyListCount = 4;
extern const char* const kCompanyLists[kCompanyListCount];

} // namespace tandrel::geo::data
