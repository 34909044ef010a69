#include "pdf/HpdfLibrary.h"

#include <QLibrary>

const HpdfLibrary& Hpdf()
{
    static const HpdfLibrary api = [] {
        HpdfLibrary a;
        static QLibrary lib(QStringLiteral(TANDREL_HPDF_LIBRARY)); // stays loaded
        if (!lib.load())
            return a;
        a.ok = true;
#define TANDREL_HPDF_RESOLVE(name)                                                                         \
    a.name = reinterpret_cast<decltype(a.name)>(lib.resolve(#name));                                       \
    a.ok = a.ok && a.name;
        TANDREL_HPDF_FUNCTIONS(TANDREL_HPDF_RESOLVE)
#undef TANDREL_HPDF_RESOLVE
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
        static QLibrary lib(QStringLiteral(TANDREL_HPDF_LIBRARY)); // the library Hpdf() loaded
        if (!lib.load())
            return a;
        a.ok = true;
#define TANDREL_HPDF_RESOLVE(name)                                                                         \
    a.name = reinterpret_cast<decltype(a.name)>(lib.resolve(#name));                                       \
    a.ok = a.ok && a.name;
        TANDREL_HPDF_OBJECT_FUNCTIONS(TANDREL_HPDF_RESOLVE)
#undef TANDREL_HPDF_RESOLVE
        return a;
    }();
    return api;
}
