#include "app/KontaloRegistry.h"
#include "drawing/ModelRep.h"
#include "drawing/PVElementeReps.h"
#include "drawing/PVFlaecheReps.h"
#include "drawing/Reps3D.h"
#include "drawing/VirtualView.h"
#include "tests/support/CaseName.h"
#include "tests/support/TestEnv.h"

#include <QFile>
#include <QTextStream>
#include <functional>
#include <map>
#include <typeinfo>
#include <gtest/gtest.h>

namespace {

// Base values every case changes from the constructors' defaults.
void SetBaseValues(MBaseRep& r)
{
    r.XPos = 3.25;
    r.YPos = -1.5;
    r.ZPos = 0.75;
    r.XSize = 4.5;
    r.YSize = 2.25;
    r.ZSize = 0.125;
    r.RepID = 42;
    r.ObjectTypeNum = 7;
    r.ObjektID = 9;
    r.Name1 = "Name eins";
    r.Name2 = "Name zwei";
    r.PenColor = 0x123456;
    r.AuxColor1 = 0x234567;
    r.FillColor = 0x345678;
    r.AuxColor2 = 0x456789;
}

struct CloneCase {
    std::string name;
    // Creates the original in list with every stored value off its default.
    std::function<MBaseRep&(MStructur& list)> make;
};

const CloneCase kCases[] = {
    {"Module",
     [](MStructur& l) -> MBaseRep& {
         auto& m = l.Create<MPVModulRep>(0, 0, 0.0, 0.0);
         SetBaseValues(m);
         m.ModulID = 5, m.ModulInnerhalb = 0, m.ModulStatus = 0, m.GruppeRepID = 3;
         m.RowNr = 2, m.ColNr = 4, m.WRNr = 1, m.StringNr = 6;
         return m;
     }},
    {"Group",
     [](MStructur& l) -> MBaseRep& {
         auto& g = l.Create<MGruppeRep>(0, 0, 0.0, 0.0);
         SetBaseValues(g);
         g.GruppeModulID = 11, g.RasterTyp = 1, g.RowCount = 3, g.ColCount = 4;
         g.RowDistance = 0.07, g.ColDistance = 0.09, g.XVersatz = 0.2;
         g.RowElevationAngle = 5, g.ColElevationAngle = 6;
         g.ColCountAnfang = 2, g.ColCountPeriode = 3, g.ColPeriodeAbstand = 0.4;
         g.RowCountAnfang = 3, g.RowCountPeriode = 4, g.RowPeriodeAbstand = 0.5;
         g.ElementBreite = 1.1, g.ElementHoehe = 1.7;
         g.BuildRaster();
         return g;
     }},
    {"Field",
     [](MStructur& l) -> MBaseRep& {
         auto& f = l.Create<MPVFeldRep>(0, 0, 0.0, 0.0);
         SetBaseValues(f);
         f.RowCount = 3, f.ColCount = 5;
         return f;
     }},
    {"MountingArea",
     [](MStructur& l) -> MBaseRep& {
         auto& a = l.Create<MStandardFlaecheRep>(0, 0, 0.0, 0.0);
         SetBaseValues(a);
         a.Innenabstand1 = 0.6, a.Laenge1 = 12, a.Breite1 = 8, a.Laenge2 = 2, a.Breite2 = 3;
         a.Laenge3 = 10, a.Breite3 = 4, a.Laenge4 = 1, a.Breite4 = 2;
         a.Nordrichtung = 15, a.Modulrichtung = 20, a.Blickrichtung = 25;
         a.BuildOutline(kFormTrapez);
         return a;
     }},
    {"BlockedArea",
     [](MStructur& l) -> MBaseRep& {
         auto& a = l.Create<MSperrFlaecheRep>(0, 0, 0.0, 0.0);
         SetBaseValues(a);
         a.Aussenabstand = 0.4, a.ZeichneFlaecheAussen = false, a.Innenabstand = 0.2;
         a.ZeichneZweiteFlaeche = false, a.Nordrichtung = 33;
         a.Laenge1 = 1, a.Breite1 = 2, a.Laenge2 = 3, a.Breite2 = 4;
         a.Laenge3 = 5, a.Breite3 = 6, a.Laenge4 = 7, a.Breite4 = 8;
         a.BuildOutline(kFormLForm);
         return a;
     }},
    {"Face",
     [](MStructur& l) -> MBaseRep& {
         auto& f = l.Create<MFlaeche3DRep>(0, 0, 0.0, 0.0);
         SetBaseValues(f);
         f.GruppeRepID = 8, f.Punkteanzahl = 3;
         return f;
     }},
    {"Building",
     [](MStructur& l) -> MBaseRep& {
         auto& b = l.Create<MGebaeudeRep>(0, 0, 0.0, 0.0);
         SetBaseValues(b);
         b.GebaeudeTypEntry = 0, b.Nordrichtung = 40, b.Elevationgrad = 35;
         b.GebaudeLaenge = 14, b.GebaeudeBreite = 9, b.GebaeudeHoehe = 6;
         b.DachUeberstandx = 0.5, b.DachUeberstandy = 0.25;
         b.BuildFaces(0);
         return b;
     }},
    {"Model",
     [](MStructur& l) -> MBaseRep& {
         auto& m = l.Create<MModelRep>(0, 0, 0.0, 0.0);
         SetBaseValues(m);
         m.ModellID = 12;
         return m;
     }},
    {"PvModel",
     [](MStructur& l) -> MBaseRep& {
         auto& m = l.Create<MPVModelRep>(0, 0, 0.0, 0.0);
         SetBaseValues(m);
         m.ModellID = 13;
         m.View()->xver2d = 17, m.View()->yver2d = 19, m.View()->xdehnung2d = 2.5, m.View()->ydehnung2d = 0.5;
         return m;
     }},
    {"BackgroundPicture",
     [](MStructur& l) -> MBaseRep& {
         auto& b = l.Create<MBackPlaneRep>("c:\\bilder\\dach.bmp", 0, 0, 0.0, 0.0);
         SetBaseValues(b);
         return b;
     }},
    {"ScaleBar",
     [](MStructur& l) -> MBaseRep& {
         auto& m = l.Create<MMasstabRep>(0, 0, 0.0, 0.0);
         SetBaseValues(m);
         return m;
     }},
};

class CloneTest : public tandrel::test::TestEnv, public ::testing::WithParamInterface<CloneCase> {
protected:
    // Every value line of the settings file below section `key`, keyed by
    // the sub-section path after it and the value name.
    std::map<std::string, std::string> StoredBelow(const QString& key) const
    {
        QFile f(registryPath());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        QTextStream in(&f);
        std::map<std::string, std::string> values;
        QString section;
        bool inside = false;
        const QString mark = QLatin1Char('\\') + key;
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            if (line.startsWith(QLatin1Char('['))) {
                const qsizetype at = line.indexOf(mark);
                inside = at >= 0
                    && (at + mark.size() == line.size() - 1 || line.at(at + mark.size()) == QLatin1Char('\\'));
                section = inside ? line.mid(at + mark.size()).chopped(1) : QString();
            } else if (inside && !line.isEmpty()) {
                const qsizetype eq = line.indexOf(QLatin1Char('='));
                values[(section + QLatin1Char('|') + line.left(eq)).toStdString()] = line.mid(eq + 1).toStdString();
            }
        }
        return values;
    }

    static void Store(MBaseRep& rep, const QString& key)
    {
        MKontaloRegistry store;
        rep.SaveSettings(store, key);
        rep.SaveBase(store, key);
    }
};

TEST_P(CloneTest, TheCloneStoresWhatTheOriginalStores)
{
    MStructur source, target;
    MBaseRep& original = GetParam().make(source);
    MBaseRep& copy = original.Clone(target);

    ASSERT_EQ(typeid(copy), typeid(original));
    EXPECT_EQ(copy.Owner, &target);
    ASSERT_EQ(target.Count(), 1);
    EXPECT_EQ(target.Items(0), &copy);
    EXPECT_EQ(source.Count(), 1) << "the original stays where it was";

    Store(original, "Original");
    Store(copy, "Kopie");
    const auto stored = StoredBelow("Original");
    EXPECT_GE(stored.size(), 12u) << "at least the base values were written";
    EXPECT_EQ(StoredBelow("Kopie"), stored);
}

TEST_P(CloneTest, TheCloneIsIndependentOfTheOriginal)
{
    MStructur source, target;
    MBaseRep& original = GetParam().make(source);
    MBaseRep& copy = original.Clone(target);
    Store(copy, "Vorher");
    original.MoveBy(10, 20);
    original.Name1 = "geaendert";
    if (auto* model = dynamic_cast<MModelRep*>(&original)) {
        // Content of the original's own list never shows in the copy.
        model->Structure().Create<MMasstabRep>(0, 0, 0.0, 0.0);
    }
    Store(copy, "Nachher");
    EXPECT_EQ(StoredBelow("Nachher"), StoredBelow("Vorher"));
    if (auto* group = dynamic_cast<MGruppeRep*>(&copy))
        for (MBaseRep* rep : group->Structure().Reps())
            EXPECT_EQ(static_cast<MPVModulRep*>(rep)->Group, group) << "its own modules";
}

INSTANTIATE_TEST_SUITE_P(Reps, CloneTest, ::testing::ValuesIn(kCases), tandrel::test::CaseName{});

} // namespace
