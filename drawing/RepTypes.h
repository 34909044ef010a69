#pragma once

#include <QString>
#include <cstdint>
#include <vector>

class MBaseRep;
class MKontaloRegistry;
class MStructur;

// Which dialog frame edits a representation type; the widget library
// registers one frame per kind (RepDialogRegistry.h).
enum class MRepDialog { None, Area, Group };

// Creates an empty representation of one type in `list`, ready for its
// LoadBase and LoadSettings; `key` is the store section of its entry.
using MRepCreator = MBaseRep& (*)(MStructur& list, MKontaloRegistry& store, const QString& key);

// One row of the table of representation types: everything to change when
// a type is added.
struct MRepTypeInfo {
    std::int32_t RepTyp;
    const char* ClassName;
    MRepCreator Create; // null: the model loader skips such entries
    MRepDialog Dialog;
};

// Every representation type, by type number (the values of MRepTypNum).
const std::vector<MRepTypeInfo>& RepTypeTable();
// The row of that type number, or null.
const MRepTypeInfo* FindRepType(std::int32_t repTyp);
