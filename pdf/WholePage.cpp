#include "pdf/WholePage.h"

#include "pdf/PdfWriter.h"

bool UseWholePage(PdfWriter& pdf)
{
    const double drawingHeight = pdf.PageHeight();
    pdf.SetTopMargin(0);
    pdf.SetBottomMargin(0);
    pdf.SetHeaderHeight(0);
    pdf.SetFooterHeight(0);
    if (pdf.PageHeight() != drawingHeight)
        pdf.BeginDoc();
    return pdf.Printing();
}
