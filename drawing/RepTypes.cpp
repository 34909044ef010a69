#include "drawing/RepTypes.h"

#include "app/KontaloRegistry.h"
#include "drawing/BaseRep.h"
#include "drawing/ModelRep.h"
#include "drawing/PVElementeReps.h"
#include "drawing/PVFlaecheReps.h"
#include "drawing/Reps3D.h"
#include "drawing/Structur.h"

#include <algorithm>

namespace {

template <class T>
MBaseRep& Make(MStructur& list, MKontaloRegistry&, const QString&)
{
    return list.Create<T>(0, 0, 0.0, 0.0);
}

MBaseRep& MakeBackPlane(MStructur& list, MKontaloRegistry& store, const QString& key)
{
    return list.Create<MBackPlaneRep>(store.ReadString(key, QStringLiteral("FileName"), QString()), 0, 0, 0.0, 0.0);
}

} // namespace

const std::vector<MRepTypeInfo>& RepTypeTable()
{
    static const std::vector<MRepTypeInfo> table = {
        {kRepTypEmpty, "", nullptr, MRepDialog::None},
        {kRepTypBackPlane, "MBackPlaneRep", MakeBackPlane, MRepDialog::None},
        {kRepTypPVModul, "MPVModulRep", Make<MPVModulRep>, MRepDialog::None},
        {kRepTypModel, "MModelRep", Make<MModelRep>, MRepDialog::None},
        {kRepTypMasstab, "MMasstabRep", Make<MMasstabRep>, MRepDialog::None},
        {kRepTypSperrFlaeche, "MSperrFlaecheRep", Make<MSperrFlaecheRep>, MRepDialog::Area},
        {kRepTypPVFeld, "MPVFeldRep", Make<MPVFeldRep>, MRepDialog::None},
        {kRepTypGruppe, "MGruppeRep", Make<MGruppeRep>, MRepDialog::Group},
        {kRepTypStandardFlaeche, "MStandardFlaecheRep", Make<MStandardFlaecheRep>, MRepDialog::Area},
        // The 3D faces and buildings are built by their owners, never loaded.
        {kRepTypFlaeche3D, "MFlaeche3DRep", nullptr, MRepDialog::None},
        {kRepTypGebaeude, "MGebaeudeRep", nullptr, MRepDialog::None},
    };
    return table;
}

const MRepTypeInfo* FindRepType(std::int32_t repTyp)
{
    const auto& table = RepTypeTable();
    const auto it = std::find_if(table.begin(), table.end(), [repTyp](const MRepTypeInfo& row) { return row.RepTyp == repTyp; });
    return it == table.end() ? nullptr : &*it;
}
