#pragma once

#include <cstdint>
#include <vector>

// Map positions of the German postcodes: for every postcode 0 … 99999 its
// map x and y and its region (state 1 … 16; 0 = not listed).
class MPostcodeTable {
public:
    static constexpr int kSize = 100000;
    // How far the neighbour search looks on each side.
    static constexpr int kSearchRange = 200;

    MPostcodeTable();

    // Every postcode becomes unlisted.
    void ClearRegions();
    // Reads rows "postcode","x","y","region" (list x - 63, y - 1 become the
    // map position); empty and malformed lines are skipped. Returns the rows read.
    int LoadList(const char* text);
    // The five built-in lists.
    int LoadBuiltInLists();

    bool IsListed(int postcode) const;
    int Region(int postcode) const;
    // The postcode itself when listed, else the nearest listed one (upwards
    // first at each step, up to 200 away); -1 when there is none.
    int NearestListed(int postcode) const;
    // Map position of the postcode or its nearest listed neighbour; 0 when
    // there is none or the postcode lies outside 0 … 99999.
    int PostcodeX(int postcode) const;
    int PostcodeY(int postcode) const;

private:
    std::vector<std::int32_t> m_x, m_y, m_region;
};
