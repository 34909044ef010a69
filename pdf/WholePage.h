#pragma once

class PdfWriter;

// Makes the whole page the drawing area of a document just begun on the
// shared writer, whatever margins an earlier document left set; begins it
// again when that changes the page. False when the writer no longer prints.
// Raises PdfError as BeginDoc does.
bool UseWholePage(PdfWriter& pdf);
