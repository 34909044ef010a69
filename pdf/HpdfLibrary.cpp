#include "pdf/HpdfLibrary.h"

#include <QLibrary>

namespace {

// Loaded on first use and kept loaded.
QLibrary& Library()
{
    static QLibrary lib(QStringLiteral(TANDREL_HPDF_LIBRARY));
    return lib;
}

} // namespace

#define TANDREL_HPDF_RESOLVE(name)                                                                         \
    a.name = reinterpret_cast<decltype(a.name)>(Library().resolve(#name));                                 \
    a.ok = a.ok && a.name;

const HpdfLibrary& Hpdf()
{
    static const HpdfLibrary api = [] {
        HpdfLibrary a;
        if (!Library().load())
            return a;
        a.ok = true;
        TANDREL_HPDF_FUNCTIONS(TANDREL_HPDF_RESOLVE)
        return a;
    }();
    return api;
}

const HpdfObjectLayer& HpdfObjects()
{
    static const HpdfObjectLayer api = [] {
        HpdfObjectLayer a;
        if (!Hpdf().ok)
            return a;
        a.ok = true;
        TANDREL_HPDF_OBJECT_FUNCTIONS(TANDREL_HPDF_RESOLVE)
        return a;
    }();
    return api;
}

#undef TANDREL_HPDF_RESOLVE
