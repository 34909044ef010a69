#include "app/KontaloRegistry.h"
#include "drawing/BaseObj.h"
#include "drawing/ModelRep.h"
#include "drawing/PVElementeReps.h"
#include "drawing/PVFlaecheReps.h"
#include "drawing/VirtualView.h"
#include "tests/support/TestEnv.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

class ModelStoreTest : public tandrel::test::TestEnv {
protected:
    // The model of a frame lives in a container, as a frame keeps it.
    MStructur container;

    MPVModelRep& NewModel() { return container.Create<MPVModelRep>(0, 0, 0.0, 0.0); }

    static void Save(MModelRep& model, const QString& key)
    {
        MKontaloRegistry store;
        model.SaveSettings(store, key);
    }
    static void Load(MModelRep& model, const QString& key)
    {
        MKontaloRegistry store;
        model.LoadSettings(store, key);
    }
};

TEST_F(ModelStoreTest, ThreeRepresentationsAndTheViewSurviveTheRoundTrip)
{
    const QString picture = tempDir.filePath("rueckseite.png");
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::green);
    ASSERT_TRUE(image.save(picture));

    MPVModelRep& model = NewModel();
    model.Name1 = "Dachmodell";
    model.ModellID = 77;
    model.View()->xver2d = 12;
    model.View()->yver2d = 345;
    model.View()->xdehnung2d = 2.5;
    model.View()->ydehnung2d = 3.25;
    auto& back = model.Structure().Create<MBackPlaneRep>(picture, 3, 4, 1.0, 2.0);
    back.XSize = 10;
    back.YSize = 8;
    back.RepID = 11;
    back.Name1 = "Foto";
    auto& blocked = model.Structure().Create<MSperrFlaecheRep>(0, 0, 5.0, 5.0);
    blocked.Laenge1 = 2;
    blocked.Breite1 = 1;
    blocked.Aussenabstand = 0.25;
    blocked.ZeichneZweiteFlaeche = false;
    blocked.Nordrichtung = 30;
    blocked.BuildOutline(kFormRechteck);
    blocked.Name2 = "Kamin";
    auto& bar = model.Structure().Create<MMasstabRep>(0, 0, -3.0, 0.5);
    bar.XSize = 10;
    bar.RepID = 13;
    Save(model, "Modelle\\Test");

    MPVModelRep& loaded = NewModel();
    Load(loaded, "Modelle\\Test");
    EXPECT_EQ(loaded.Name1, "Dachmodell");
    EXPECT_EQ(loaded.ModellID, 77);
    ASSERT_EQ(loaded.Structure().Count(), 3);
    auto* back2 = dynamic_cast<MBackPlaneRep*>(loaded.Structure().Items(0));
    auto* blocked2 = dynamic_cast<MSperrFlaecheRep*>(loaded.Structure().Items(1));
    auto* bar2 = dynamic_cast<MMasstabRep*>(loaded.Structure().Items(2));
    ASSERT_TRUE(back2 && blocked2 && bar2);
    for (int i = 0; i < 3; ++i) {
        const MBaseRep& a = *model.Structure().Items(i);
        const MBaseRep& b = *loaded.Structure().Items(i);
        EXPECT_EQ(b.RepTyp, a.RepTyp);
        EXPECT_EQ(b.RepID, a.RepID);
        EXPECT_EQ(b.XPos, a.XPos);
        EXPECT_EQ(b.YPos, a.YPos);
        EXPECT_EQ(b.XSize, a.XSize);
        EXPECT_EQ(b.YSize, a.YSize);
        EXPECT_EQ(b.ObjectTypeNum, a.ObjectTypeNum);
        EXPECT_EQ(b.ObjektID, a.ObjektID);
        EXPECT_EQ(b.Name1, a.Name1);
        EXPECT_EQ(b.Name2, a.Name2);
    }
    EXPECT_EQ(back2->FileName, picture);
    EXPECT_TRUE(back2->PictureLoaded);
    EXPECT_EQ(back2->Picture.size(), QSize(4, 3));
    EXPECT_EQ(blocked2->Aussenabstand, 0.25);
    EXPECT_FALSE(blocked2->ZeichneZweiteFlaeche);
    EXPECT_EQ(blocked2->Nordrichtung, 30);
    EXPECT_EQ(blocked2->ShapeX, blocked.ShapeX); // the outline is rebuilt
    // The view's offsets and scales as written; the world covers the content.
    EXPECT_EQ(loaded.View()->xver2d, 12);
    EXPECT_EQ(loaded.View()->yver2d, 345);
    EXPECT_EQ(loaded.View()->xdehnung2d, 2.5);
    EXPECT_EQ(loaded.View()->ydehnung2d, 3.25);
    EXPECT_EQ(loaded.View()->WorldXMin, -3);
    EXPECT_EQ(loaded.View()->WorldXMax, 11);
}

TEST_F(ModelStoreTest, TheStoreLayoutUsesTheExactValueNames)
{
    MPVModelRep& model = NewModel();
    auto& area = model.Structure().Create<MStandardFlaecheRep>(0, 0, 0.0, 0.0);
    area.Laenge1 = 12;
    area.Breite1 = 8;
    area.Laenge3 = 12;
    area.BuildOutline(kFormTrapez);
    model.Structure().Create<MBackPlaneRep>("c:\\bild.bmp", 0, 0, 0.0, 0.0);
    Save(model, "Layout");

    MKontaloRegistry store;
    EXPECT_EQ(store.ReadInteger("Layout", "RepAnzahl", -1), 2);
    EXPECT_EQ(store.ReadFloat("Layout", "xdehnung2d", -1), 1.0);
    EXPECT_EQ(store.ReadInteger("Layout", "xver2d", -1), 1000);
    EXPECT_EQ(store.ReadInteger("Layout\\0", "RepTyp", -1), 610);
    EXPECT_EQ(store.ReadInteger("Layout\\0", "FlaechenForm", -1), 10);
    EXPECT_EQ(store.ReadFloat("Layout\\0", "Laenge1\\", -1), 12);
    EXPECT_EQ(store.ReadFloat("Layout\\0", "Breite1\\", -1), 8);
    EXPECT_EQ(store.ReadFloat("Layout\\0", "Innenabstand1\\", -1), 0.8);
    EXPECT_EQ(store.ReadFloat("Layout\\0", "Laenge1", -1), -1) << "the name carries the backslash";
    EXPECT_EQ(store.ReadFloat("Layout\\0", "WindroseWeltgroesse", -1), -1) << "the wind rose is not written";
    EXPECT_EQ(store.ReadString("Layout\\1", "FileName", "-"), "c:\\bild.bmp");
    EXPECT_EQ(store.ReadString("Layout\\1", "BackBitmapFilename", "-"), "c:\\bild.bmp");
    EXPECT_EQ(store.ReadInteger("Layout\\1", "RepTyp", -1), 10);
}

TEST_F(ModelStoreTest, AModelWithoutAViewWritesZeroScales)
{
    MModelRep& plain = container.Create<MModelRep>(0, 0, 0.0, 0.0);
    Save(plain, "OhneSicht");
    MKontaloRegistry store;
    EXPECT_EQ(store.ReadFloat("OhneSicht", "xdehnung2d", -1), 0.0);
    EXPECT_EQ(store.ReadInteger("OhneSicht", "yver2d", -1), 0);
}

TEST_F(ModelStoreTest, UnknownAndEmptyEntriesAreSkippedAndTheRestIsRead)
{
    {
        MKontaloRegistry store;
        store.WriteInteger("Lose", "RepAnzahl", 5);
        store.WriteInteger("Lose\\0", "RepTyp", 1);
        store.WriteInteger("Lose\\1", "RepTyp", 999);
        store.WriteInteger("Lose\\2", "RepTyp", 110);
        store.WriteFloat("Lose\\2", "XPos", 3.5);
        // "Lose\3" is missing altogether.
        store.WriteInteger("Lose\\4", "RepTyp", 20);
        store.WriteInteger("Lose\\4", "ModulStatus", 0);
    }
    MPVModelRep& model = NewModel();
    Load(model, "Lose");
    ASSERT_EQ(model.Structure().Count(), 2);
    auto* bar = dynamic_cast<MMasstabRep*>(model.Structure().Items(0));
    auto* module = dynamic_cast<MPVModulRep*>(model.Structure().Items(1));
    ASSERT_TRUE(bar && module);
    EXPECT_EQ(bar->XPos, 3.5);
    EXPECT_EQ(bar->YPos, 1); // base default
    EXPECT_EQ(module->ModulStatus, 0);
    EXPECT_EQ(module->ModulInnerhalb, 1);
    EXPECT_EQ(model.Name1, QString()) << "a missing string reads empty";
    EXPECT_EQ(model.ModellID, 10);
}

TEST_F(ModelStoreTest, LoadingEmptiesTheStructureAndAMissingCountLoadsNothing)
{
    MPVModelRep& model = NewModel();
    auto& old = model.Structure().Create<MMasstabRep>(0, 0, 0.0, 0.0);
    Load(model, "GibtEsNicht");
    EXPECT_TRUE(model.Structure().IsEmpty());
    EXPECT_EQ(model.Structure().RemovedReps().Items(0), &old) << "taken out, not freed";
}

TEST_F(ModelStoreTest, AStoredZeroScaleKeepsTheExistingView)
{
    {
        MKontaloRegistry store;
        store.WriteFloat("Null", "xdehnung2d", 0);
        store.WriteInteger("Null", "xver2d", 5);
        store.WriteFloat("Kaputt", "xdehnung2d", 2);
        store.WriteFloat("Kaputt", "ydehnung2d", 0);
        store.WriteInteger("Kaputt", "xver2d", 5);
    }
    for (const char* key : {"Null", "Kaputt"}) {
        MPVModelRep& model = NewModel();
        MVirtualView* view = model.View();
        Load(model, key);
        ASSERT_EQ(model.View(), view) << key;
        EXPECT_EQ(view->xver2d, 1000) << key;
        EXPECT_EQ(view->xdehnung2d, 1.0) << key;
        EXPECT_EQ(view->ydehnung2d, 1.0) << key;
    }
}

TEST_F(ModelStoreTest, APlainModelEntryTellsTheUserItCannotBeLoaded)
{
    {
        MKontaloRegistry store;
        store.WriteInteger("Verschachtelt", "RepAnzahl", 1);
        store.WriteInteger("Verschachtelt\\0", "RepTyp", 40);
        store.WriteFloat("Verschachtelt\\0", "XPos", 7);
    }
    MPVModelRep& model = NewModel();
    Load(model, "Verschachtelt");
    ASSERT_EQ(model.Structure().Count(), 1);
    EXPECT_EQ(model.Structure().Items(0)->XPos, 7);
    EXPECT_EQ(dialogs.messages, QStringList{"Laden des Modells ist nicht implementiert!"});
}

TEST_F(ModelStoreTest, AModuleGroupBringsBackItsModules)
{
    MPVModelRep& model = NewModel();
    auto& group = model.Structure().Create<MGruppeRep>(0, 0, 0.5, 0.25);
    group.RowCount = 2;
    group.ColCount = 3;
    group.RasterTyp = 2;
    group.ElementBreite = 1;
    group.BuildRaster();
    static_cast<MPVModulRep*>(group.Structure().Items(4))->ModulStatus = 0;
    Save(model, "Gruppe");

    MKontaloRegistry store;
    EXPECT_EQ(store.ReadInteger("Gruppe\\0", "RepAnzahl", -1), 6);
    EXPECT_EQ(store.ReadInteger("Gruppe\\0\\4", "ColNr", -1), 1);
    EXPECT_EQ(store.ReadInteger("Gruppe\\0", "RasterTyp", -1), 2);

    MPVModelRep& loaded = NewModel();
    Load(loaded, "Gruppe");
    ASSERT_EQ(loaded.Structure().Count(), 1);
    auto* g = dynamic_cast<MGruppeRep*>(loaded.Structure().Items(0));
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->ColCount, 3);
    EXPECT_EQ(g->ElementBreite, 1);
    ASSERT_EQ(g->Structure().Count(), 6) << "the stored modules, no second raster";
    auto* m = dynamic_cast<MPVModulRep*>(g->Structure().Items(4));
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->ModulStatus, 0);
    EXPECT_EQ(m->XPos, static_cast<MPVModulRep*>(group.Structure().Items(4))->XPos);
    EXPECT_EQ(g->XSize, group.XSize);
}

TEST_F(ModelStoreTest, CatalogueModuleSettings)
{
    MObjTypePVModul type;
    auto* obj = static_cast<MPVModulObj*>(type.CreateObject(8));
    obj->ObjName = "Testmodul";
    obj->xsize = 1.0;
    obj->ModulLeistung = 240;
    {
        MKontaloRegistry store;
        obj->SaveSettings(store, type.RegistryKey + "\\8");
    }
    MPVModulObj copy(&type, 0);
    MKontaloRegistry store;
    copy.LoadSettings(store, type.RegistryKey + "\\8");
    EXPECT_EQ(copy.ObjID, 8);
    EXPECT_EQ(copy.ObjName, "Testmodul");
    EXPECT_EQ(copy.xsize, 1.0);
    EXPECT_EQ(copy.ysize, 25);
    EXPECT_EQ(copy.ModulLeistung, 240);
}

// The settings folder is a file: nothing can be written.
class ModelStoreFailingDisk : public ModelStoreTest {
protected:
    void SetUp() override
    {
        QFile f(tempDir.filePath("datei"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("kein Ordner");
        f.close();
        qputenv("TANDREL_REGISTRY", tempDir.filePath("datei/registry.reg").toUtf8());
    }
};

TEST_F(ModelStoreFailingDisk, AWriteFailureReachesTheCaller)
{
    MPVModelRep& model = NewModel();
    model.Structure().Create<MMasstabRep>(0, 0, 0.0, 0.0);
    EXPECT_THROW(Save(model, "Modell"), RegistryError);

    // Also from a group's nested modules, which a representation could
    // otherwise swallow.
    MGruppeRep& group = container.Create<MGruppeRep>(0, 0, 0.0, 0.0);
    group.BuildRaster();
    EXPECT_THROW(
        {
            MKontaloRegistry store;
            group.SaveSettings(store, "Gruppe");
        },
        RegistryError);
}

TEST_F(ModelStoreFailingDisk, LoadingStillWorksWithDefaults)
{
    MPVModelRep& model = NewModel();
    EXPECT_NO_THROW(Load(model, "Modell"));
    EXPECT_TRUE(model.Structure().IsEmpty());
}

} // namespace
