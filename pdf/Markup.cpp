#include "pdf/Markup.h"

#include "pdf/PdfWriter.h"

#include <algorithm>
#include <array>

namespace tandrel::pdf {

std::vector<MarkupRun> parseMarkup(const QString& text, int baseStyles)
{
    static constexpr std::array<std::pair<char16_t, int>, 3> kTags = {{
        {u'b', PdfWriter::Bold}, {u'i', PdfWriter::Italic}, {u'u', PdfWriter::Underline}}};
    std::array<int, 3> depth = {0, 0, 0};

    auto stylesNow = [&] {
        int s = baseStyles;
        for (std::size_t k = 0; k < kTags.size(); ++k) {
            if (depth[k] > 0)
                s |= kTags[k].second;
        }
        return s;
    };

    std::vector<MarkupRun> runs;
    QString current;
    auto flush = [&] {
        if (current.isEmpty())
            return;
        const int s = stylesNow();
        if (!runs.empty() && runs.back().styles == s)
            runs.back().text += current;
        else
            runs.push_back({current, s});
        current.clear();
    };

    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'<') {
            const qsizetype close = text.indexOf(u'>', i + 1);
            if (close > i) {
                const QString tag = text.mid(i + 1, close - i - 1).toLower();
                const bool closing = tag.startsWith(u'/');
                const QString name = closing ? tag.mid(1) : tag;
                for (std::size_t k = 0; k < kTags.size(); ++k) {
                    if (name.size() == 1 && name[0] == kTags[k].first) {
                        flush();
                        depth[k] = closing ? std::max(0, depth[k] - 1) : depth[k] + 1;
                        i = close;
                        break;
                    }
                }
                if (i == close)
                    continue;
            }
        }
        current += text[i];
    }
    flush();
    return runs;
}

} // namespace tandrel::pdf
