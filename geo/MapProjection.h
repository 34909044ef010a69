#pragma once

// The one map projection of the program: the map picture, the postcode lists
// and the company positions are all made with it, so a postcode falls on its
// place on the map by construction.
//
// Lambert conformal conic on a sphere (standard parallels 48° and 54° N,
// central meridian 10.5° E): the scale stays within 0.3 % of true over the
// whole of Germany, so distances measured on the map hold everywhere.

#include <cmath>

namespace tandrel::geo {

inline constexpr double kMapPixelsPerKm = 0.748;
inline constexpr int kMapWidth = 492;
inline constexpr int kMapHeight = 645;
// A row of the postcode lists holds x + 63 and y + 1 (map pixels).
inline constexpr int kListOffsetX = 63;
inline constexpr int kListOffsetY = 1;

struct MapPoint {
    double x = 0;
    double y = 0;
};

// Map pixels (x to the right, y downwards) of a point given in degrees.
inline MapPoint ProjectToMap(double lonDeg, double latDeg)
{
    constexpr double pi = 3.14159265358979323846;
    constexpr double earthRadiusKm = 6371.0;
    constexpr double rad = pi / 180.0;
    const double phi1 = 48.0 * rad, phi2 = 54.0 * rad, phi0 = 51.0 * rad, lambda0 = 10.5 * rad;
    auto t = [&](double phi) { return std::tan(pi / 4 + phi / 2); };
    static const double n = std::log(std::cos(phi1) / std::cos(phi2)) / std::log(t(phi2) / t(phi1));
    static const double f = std::cos(phi1) * std::pow(t(phi1), n) / n;
    static const double rho0 = earthRadiusKm * f / std::pow(t(phi0), n);
    const double rho = earthRadiusKm * f / std::pow(t(latDeg * rad), n);
    const double theta = n * (lonDeg * rad - lambda0);
    const double eastKm = rho * std::sin(theta);
    const double northKm = rho0 - rho * std::cos(theta);
    // Placed so that the whole country lies on the 492 x 645 picture.
    return {248.0 + eastKm * kMapPixelsPerKm, 337.0 - northKm * kMapPixelsPerKm};
}

// Great-circle distance in kilometres between two points given in degrees.
inline double GreatCircleKm(double lon1, double lat1, double lon2, double lat2)
{
    constexpr double rad = 3.14159265358979323846 / 180.0;
    const double dLat = (lat2 - lat1) * rad, dLon = (lon2 - lon1) * rad;
    const double a = std::sin(dLat / 2) * std::sin(dLat / 2) +
                     std::cos(lat1 * rad) * std::cos(lat2 * rad) * std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2 * 6371.0 * std::asin(std::sqrt(a));
}

} // namespace tandrel::geo
