#pragma once

#include "drawing/RepTypes.h"

class MBaseRep;
class QWidget;
class TBaseFrame;
class TBaseFrameFactory;

// The engine knows no widgets: the widget library registers the dialog frame
// of each dialog kind here, the table of representation types (RepTypes.h)
// names the kind of each type, and MBaseRep::CreateDialogFrame asks for it.
// The creator initialises the frame (frame ID 22222) and returns it, owned
// by parent.
using MRepDialogFrameCreator = TBaseFrame* (*)(MBaseRep& rep, QWidget* parent, TBaseFrame* ownerFrame,
                                               TBaseFrameFactory* factory);

// Replaces an earlier creator of the same kind; null removes it.
void RegisterRepDialogFrame(MRepDialog kind, MRepDialogFrameCreator creator);
// The registered frame for rep's type, or null.
TBaseFrame* CreateRegisteredDialogFrame(MBaseRep& rep, QWidget* parent, TBaseFrame* ownerFrame,
                                        TBaseFrameFactory* factory);
