#pragma once

#include <QString>
#include <vector>

namespace tandrel::pdf {

struct MarkupRun {
    QString text;
    int styles = 0; // PdfWriter::FontStyle flags
};

// Splits text with <b>, <i> and <u> tags (and their closing tags, any case)
// into runs of one style each, starting from `baseStyles`. Tags nest by
// counting; a closing tag without an opening one is ignored. Any other text
// in angle brackets stays literal.
std::vector<MarkupRun> parseMarkup(const QString& text, int baseStyles);

} // namespace tandrel::pdf
