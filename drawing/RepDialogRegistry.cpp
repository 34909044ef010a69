#include "drawing/RepDialogRegistry.h"

#include "drawing/BaseRep.h"

#include <map>

namespace {

std::map<MRepDialog, MRepDialogFrameCreator>& Creators()
{
    static std::map<MRepDialog, MRepDialogFrameCreator> creators;
    return creators;
}

} // namespace

void RegisterRepDialogFrame(MRepDialog kind, MRepDialogFrameCreator creator)
{
    if (creator)
        Creators()[kind] = creator;
    else
        Creators().erase(kind);
}

TBaseFrame* CreateRegisteredDialogFrame(MBaseRep& rep, QWidget* parent, TBaseFrame* ownerFrame,
                                        TBaseFrameFactory* factory)
{
    const MRepTypeInfo* type = FindRepType(rep.RepTyp);
    if (!type || type->Dialog == MRepDialog::None)
        return nullptr;
    const auto it = Creators().find(type->Dialog);
    return it == Creators().end() ? nullptr : it->second(rep, parent, ownerFrame, factory);
}
