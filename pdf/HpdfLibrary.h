#pragma once

#include <hpdf.h>
#include <hpdf_objects.h>
#include <hpdf_streams.h>

// libharu, loaded with the first PDF instead of at every program start (it
// binds all its symbols when loaded). Only its types come from the header;
// the functions are reached through Hpdf().
#define TANDREL_HPDF_FUNCTIONS(X)                                                                          \
    X(HPDF_New) X(HPDF_Free) X(HPDF_SetCompressionMode) X(HPDF_SetPageMode) X(HPDF_SetPageLayout)          \
    X(HPDF_SetInfoAttr) X(HPDF_AddPage) X(HPDF_GetFont) X(HPDF_SaveToStream) X(HPDF_ResetStream)           \
    X(HPDF_ReadFromStream) X(HPDF_LoadRawImageFromMem) X(HPDF_LoadJpegImageFromMem) X(HPDF_Image_AddSMask) \
    X(HPDF_Font_TextWidth) X(HPDF_Font_GetAscent) X(HPDF_Page_SetWidth) X(HPDF_Page_SetHeight)             \
    X(HPDF_Page_GetHeight) X(HPDF_Page_SetRGBStroke) X(HPDF_Page_SetRGBFill) X(HPDF_Page_SetLineWidth)     \
    X(HPDF_Page_SetDash) X(HPDF_Page_SetFontAndSize) X(HPDF_Page_MoveTo) X(HPDF_Page_LineTo)               \
    X(HPDF_Page_Rectangle) X(HPDF_Page_Stroke) X(HPDF_Page_ClosePathStroke) X(HPDF_Page_EofillStroke)      \
    X(HPDF_Page_ClosePathEofillStroke) X(HPDF_Page_Eofill) X(HPDF_Page_EndPath) X(HPDF_Page_BeginText) X(HPDF_Page_EndText)                         \
    X(HPDF_Page_MoveTextPos) X(HPDF_Page_ShowText) X(HPDF_Page_DrawImage) X(HPDF_CreateOutline)                  \
    X(HPDF_Outline_SetDestination) X(HPDF_Outline_SetOpened) X(HPDF_Page_CreateDestination) X(HPDF_GetEncoder)

struct HpdfLibrary {
#define TANDREL_HPDF_MEMBER(name) decltype(&::name) name = nullptr;
    TANDREL_HPDF_FUNCTIONS(TANDREL_HPDF_MEMBER)
#undef TANDREL_HPDF_MEMBER
    bool ok = false; // every function was found
};

// Loaded on the first call; `ok` is false when the library is missing.
const HpdfLibrary& Hpdf();

// libharu's object layer, for image objects whose stream the writer fills
// with bytes compressed already. Optional: without it such pictures are
// decoded and encoded like any other.
#define TANDREL_HPDF_OBJECT_FUNCTIONS(X)                                                                   \
    X(HPDF_DictStream_New) X(HPDF_Dict_New) X(HPDF_Dict_Add) X(HPDF_Dict_AddName) X(HPDF_Dict_AddNumber)   \
    X(HPDF_Stream_Write) X(HPDF_Stream_WriteStr)

struct HpdfObjectLayer {
#define TANDREL_HPDF_MEMBER(name) decltype(&::name) name = nullptr;
    TANDREL_HPDF_OBJECT_FUNCTIONS(TANDREL_HPDF_MEMBER)
#undef TANDREL_HPDF_MEMBER
    bool ok = false; // the library is loaded and every function was found
};

const HpdfObjectLayer& HpdfObjects();
