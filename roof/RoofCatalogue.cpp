#include "roof/RoofCatalogue.h"

#include "app/Links.h"
#include "drawing/PVElementeReps.h"
#include "drawing/Rounding.h"
#include "drawing/Structur.h"

#include <algorithm>
#include <cmath>

namespace tandrel::roof {

namespace {

struct Covering {
    const char* caption;
    const char* picture;
    double width, height, overlapX, overlapY;
};

const Covering kCoverings[kCoveringCount] = {
    {"Frankfurter Pfanne (klassisch rot)", "roof/covering1", 0.33, 0.42, 0.03, 0.021},
    {"Frankfurter Pfanne (rot)", "roof/covering2", 0.33, 0.42, 0.03, 0.021},
    {"Frankfurter Pfanne (braun)", "roof/covering3", 0.33, 0.42, 0.03, 0.021},
    {"Frankfurter Pfanne (grau)", "roof/covering4", 0.33, 0.42, 0.03, 0.021},
    {"Frankfurter Pfanne (schwarz)", "roof/covering5", 0.33, 0.42, 0.03, 0.021},
    {"Biberschwanz (rot)", "roof/covering6", 0.18, 0.32, 0, 0.2},
    {"Biberschwanz (weinrot)", "roof/covering7", 0.18, 0.32, 0, 0.2},
    {"Biberschwanz (schwarz)", "roof/covering8", 0.18, 0.32, 0, 0.2},
    {"Biberschwanz (blau)", "roof/covering9", 0.18, 0.32, 0, 0.2},
};

struct Module {
    const char* name;
    double width, height, powerWp;
    int makerLogoKey;
    const char* picture;
    double gap;
};

const Module kModules[kModuleCount] = {
    {"SI M260 black", 1.0, 1.667, 260, 220, "roof/module-black", 0.01},
    {"SI P240 classic", 1.0, 1.667, 240, 220, "roof/module-classic", 0.03},
    {"SI P240 dark blue", 1.0, 1.667, 240, 220, "roof/module-darkblue", 0.03},
};

const char* const kModuleMaker = "Solar Industries AG";

} // namespace

bool SelectCovering(int index, TRoofCovering& covering)
{
    if (index < 0 || index >= kCoveringCount) {
        covering.Name = QStringLiteral("Ziegel");
        covering.TileWidth = 0.33;
        covering.TileHeight = 0.42;
        covering.TileOverlapX = 0.03;
        covering.TileOverlapY = 0.021;
        return false;
    }
    const Covering& c = kCoverings[index];
    covering.Name = QString::fromUtf8(c.caption);
    covering.Picture = QString::fromLatin1(c.picture);
    covering.TileWidth = c.width;
    covering.TileHeight = c.height;
    covering.TileOverlapX = c.overlapX;
    covering.TileOverlapY = c.overlapY;
    return true;
}

bool SelectModule(int index, TRoofModule& module)
{
    if (index < 0 || index >= kModuleCount) {
        module.Name = QStringLiteral("Test-Modul");
        module.Maker = QStringLiteral("Test-Hersteller");
        module.Width = 0.8;
        module.Height = 1.401;
        module.PowerWp = 180;
        return false;
    }
    const Module& m = kModules[index];
    module.Name = QString::fromLatin1(m.name);
    module.Maker = QString::fromLatin1(kModuleMaker);
    module.Internet = QString::fromLatin1(links::kModuleMakerWebSite);
    module.Width = m.width;
    module.Height = m.height;
    module.PowerWp = m.powerWp;
    module.MakerLogoKey = m.makerLogoKey;
    module.Picture = QString::fromLatin1(m.picture);
    module.Gap = m.gap;
    return true;
}

int ListIndex(int index, int count)
{
    return index >= 0 && index < count ? index : -1;
}

TRasterCounts RasterCounts(double eaves, double gable, double w, double h, double colGap, double rowGap)
{
    // A roof smaller than its edges and one module holds none (never a
    // negative count).
    const double rows = std::trunc((gable - 2 * kEdgeDistance) / (h + rowGap));
    const double cols = std::trunc((eaves - 2 * kEdgeDistance) / (w + colGap));
    TRasterCounts counts;
    counts.rows = rows > 0 && rows < 1e6 ? int(rows) : 0;
    counts.cols = cols > 0 && cols < 1e6 ? int(cols) : 0;
    return counts;
}

int CountActiveModules(const MStructur& structure, const MGruppeRep* group, bool twoSides)
{
    // A group the user deleted in the 2D frame shows no modules: it has none.
    if (!group || structure.IndexOf(group) < 0)
        return 0;
    int n = 0;
    for (const MBaseRep* rep : group->Structure().Reps())
        if (const auto* m = dynamic_cast<const MPVModulRep*>(rep))
            n += m->ModulInnerhalb == 1 && m->ModulStatus == 1;
    return twoSides ? 2 * n : n;
}

double PlantPowerKWp(int activeModules, double modulePowerWp)
{
    return activeModules * modulePowerWp / 1000;
}

double PreviewFactor(double w, double h)
{
    double e = (w <= 1.6 && h <= 1.6) ? 35 : 32;
    const auto exceeds = [&](double limit) { return w > limit || h > limit; };
    if (exceeds(1.8))
        e = 30;
    if (exceeds(2))
        e = 26;
    if (exceeds(2.2))
        e = 22;
    if (exceeds(2.5))
        e = 20;
    if (exceeds(3))
        e = 15;
    return 1.5 * e;
}

QSize RoofPictureSize(int w, int h, int width, int maxWidth)
{
    if (w <= 0 || h <= 0)
        return {0, 0};
    if (maxWidth > 0)
        width = std::min(width, maxWidth);
    // A very narrow, high roof would ask for a picture of gigabytes: its
    // height is limited and the width follows.
    if (double(h) * width / w > kMaxPrintSide)
        width = std::max(1, int(double(kMaxPrintSide) * w / h));
    return {width + 1, RoundToInt(double(h) * width / w) + 1};
}

} // namespace tandrel::roof
