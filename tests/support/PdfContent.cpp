#include "tests/support/PdfContent.h"

#include "tests/support/PdfReader.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cctype>
#include <cmath>

namespace tandrel::test {

namespace {

constexpr double kMmPerPoint = 25.4 / 72.0;

struct Matrix {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
    QPointF map(double x, double y) const { return {a * x + c * y + e, b * x + d * y + f}; }
    // this applied after m: m × this
    Matrix then(const Matrix& n) const
    {
        return {a * n.a + b * n.c, a * n.b + b * n.d, c * n.a + d * n.c, c * n.b + d * n.d, e * n.a + f * n.c + n.e,
                e * n.b + f * n.d + n.f};
    }
    double scale() const { return std::sqrt(std::abs(a * d - b * c)); }
};

struct State {
    Matrix ctm;
    double lineWidth = 1;
    bool dashed = false;
    QColor stroke = Qt::black, fill = Qt::black;
};

// Splits a content stream into operands and operators; strings, arrays and
// dictionaries become single operands.
class Tokens {
public:
    explicit Tokens(const QByteArray& s) : m_s(s) {}

    // Next token; empty at the end. `isOperator` tells operators from operands.
    QByteArray next(bool& isOperator)
    {
        skipSpace();
        isOperator = false;
        if (m_i >= m_s.size())
            return {};
        const char ch = m_s[m_i];
        const qsizetype start = m_i;
        if (ch == '(') {
            int depth = 0;
            for (; m_i < m_s.size(); ++m_i) {
                if (m_s[m_i] == '\\') {
                    ++m_i;
                    continue;
                }
                if (m_s[m_i] == '(')
                    ++depth;
                else if (m_s[m_i] == ')' && --depth == 0) {
                    ++m_i;
                    break;
                }
            }
            return m_s.mid(start, m_i - start);
        }
        if (ch == '[' || (ch == '<' && m_i + 1 < m_s.size() && m_s[m_i + 1] == '<')) {
            const char open = ch, close = ch == '[' ? ']' : '>';
            int depth = 0;
            for (; m_i < m_s.size(); ++m_i) {
                if (m_s[m_i] == open)
                    ++depth;
                else if (m_s[m_i] == close && --depth == 0) {
                    ++m_i;
                    if (open == '<' && m_i < m_s.size() && m_s[m_i] == '>')
                        ++m_i;
                    break;
                }
            }
            return m_s.mid(start, m_i - start);
        }
        if (ch == '<') {
            m_i = m_s.indexOf('>', m_i);
            m_i = m_i < 0 ? m_s.size() : m_i + 1;
            return m_s.mid(start, m_i - start);
        }
        if (ch == '/') {
            ++m_i;
            while (m_i < m_s.size() && !delimiter(m_s[m_i]))
                ++m_i;
            return m_s.mid(start, m_i - start);
        }
        while (m_i < m_s.size() && !delimiter(m_s[m_i]))
            ++m_i;
        if (m_i == start)
            ++m_i;
        const QByteArray t = m_s.mid(start, m_i - start);
        bool number = false;
        t.toDouble(&number);
        isOperator = !number;
        return t;
    }

private:
    static bool delimiter(char c)
    {
        return std::isspace(static_cast<unsigned char>(c)) || c == '(' || c == ')' || c == '[' || c == ']' || c == '<'
               || c == '>' || c == '/' || c == '{' || c == '}' || c == '%';
    }
    void skipSpace()
    {
        while (m_i < m_s.size()) {
            if (std::isspace(static_cast<unsigned char>(m_s[m_i]))) {
                ++m_i;
            } else if (m_s[m_i] == '%') {
                while (m_i < m_s.size() && m_s[m_i] != '\n')
                    ++m_i;
            } else {
                break;
            }
        }
    }
    const QByteArray& m_s;
    qsizetype m_i = 0;
};

PdfContentPage ParsePage(const QByteArray& stream, double pageHeightPt)
{
    PdfContentPage page;
    std::vector<State> stack;
    State st;
    std::vector<std::vector<QPointF>> path;
    std::vector<double> nums;
    QByteArray lastOperand;
    int order = 0;
    auto toMm = [&](double x, double y) {
        const QPointF p = st.ctm.map(x, y);
        return QPointF(p.x() * kMmPerPoint, (pageHeightPt - p.y()) * kMmPerPoint);
    };
    auto paint = [&](bool stroke, bool fill, bool close) {
        if (close && !path.empty() && !path.back().empty())
            path.back().push_back(path.back().front());
        if ((stroke || fill) && !path.empty()) {
            PdfPath p;
            p.subpaths = path;
            p.stroked = stroke;
            p.filled = fill;
            p.dashed = stroke && st.dashed;
            p.lineWidthMm = st.lineWidth * st.ctm.scale() * kMmPerPoint;
            p.strokeColor = st.stroke;
            p.fillColor = st.fill;
            p.order = order++;
            page.paths.push_back(std::move(p));
        }
        path.clear();
    };
    auto rgb = [&](std::size_t from) {
        return QColor::fromRgbF(float(nums[from]), float(nums[from + 1]), float(nums[from + 2]));
    };

    Tokens tokens(stream);
    bool isOperator = false;
    for (QByteArray t = tokens.next(isOperator); !t.isEmpty(); t = tokens.next(isOperator)) {
        if (!isOperator) {
            bool ok = false;
            const double v = t.toDouble(&ok);
            if (ok)
                nums.push_back(v);
            else
                lastOperand = t;
            continue;
        }
        const std::size_t n = nums.size();
        if (t == "q") {
            stack.push_back(st);
        } else if (t == "Q") {
            if (!stack.empty()) {
                st = stack.back();
                stack.pop_back();
            }
        } else if (t == "cm" && n >= 6) {
            const Matrix m{nums[n - 6], nums[n - 5], nums[n - 4], nums[n - 3], nums[n - 2], nums[n - 1]};
            st.ctm = m.then(st.ctm);
        } else if (t == "w" && n >= 1) {
            st.lineWidth = nums[n - 1];
        } else if (t == "d") {
            // "[a b] phase d": an empty array is a solid line.
            st.dashed = lastOperand.startsWith('[') && lastOperand.mid(1).trimmed() != "]";
        } else if (t == "RG" && n >= 3) {
            st.stroke = rgb(n - 3);
        } else if (t == "rg" && n >= 3) {
            st.fill = rgb(n - 3);
        } else if (t == "G" && n >= 1) {
            st.stroke = QColor::fromRgbF(float(nums[n - 1]), float(nums[n - 1]), float(nums[n - 1]));
        } else if (t == "g" && n >= 1) {
            st.fill = QColor::fromRgbF(float(nums[n - 1]), float(nums[n - 1]), float(nums[n - 1]));
        } else if (t == "m" && n >= 2) {
            path.push_back({toMm(nums[n - 2], nums[n - 1])});
        } else if (t == "l" && n >= 2) {
            if (path.empty())
                path.emplace_back();
            path.back().push_back(toMm(nums[n - 2], nums[n - 1]));
        } else if (t == "re" && n >= 4) {
            const double x = nums[n - 4], y = nums[n - 3], w = nums[n - 2], h = nums[n - 1];
            path.push_back({toMm(x, y), toMm(x + w, y), toMm(x + w, y + h), toMm(x, y + h), toMm(x, y)});
        } else if (t == "h") {
            if (!path.empty() && !path.back().empty())
                path.back().push_back(path.back().front());
        } else if (t == "S") {
            paint(true, false, false);
        } else if (t == "s") {
            paint(true, false, true);
        } else if (t == "f" || t == "F" || t == "f*") {
            paint(false, true, true);
        } else if (t == "B" || t == "B*") {
            paint(true, true, true);
        } else if (t == "b" || t == "b*") {
            paint(true, true, true);
        } else if (t == "n") {
            path.clear();
        } else if (t == "Do") {
            const QPointF a = toMm(0, 0), b = toMm(1, 1);
            const QString name = lastOperand.startsWith('/') ? QString::fromLatin1(lastOperand.mid(1)) : QString();
            page.pictures.push_back({QRectF(a, b).normalized(), order++, name});
        }
        nums.clear();
        lastOperand.clear();
    }
    return page;
}

} // namespace

QRectF PdfPath::bounds() const
{
    double x1 = 1e300, y1 = 1e300, x2 = -1e300, y2 = -1e300;
    for (const auto& sp : subpaths)
        for (const QPointF& p : sp) {
            x1 = std::min(x1, p.x());
            y1 = std::min(y1, p.y());
            x2 = std::max(x2, p.x());
            y2 = std::max(y2, p.y());
        }
    if (x1 > x2)
        return {};
    const double reach = stroked ? lineWidthMm / 2 : 0;
    return QRectF(QPointF(x1 - reach, y1 - reach), QPointF(x2 + reach, y2 + reach));
}

std::vector<PdfContentPage> ReadPdfContent(const QString& path)
{
    const PdfReader reader(path);
    std::vector<PdfContentPage> pages(std::size_t(std::max(0, reader.pageCount())));
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("plain.pdf"));
    QProcess qpdf;
    qpdf.start(QStringLiteral("qpdf"),
               {QStringLiteral("--qdf"), QStringLiteral("--object-streams=disable"), path, plain});
    if (!qpdf.waitForFinished(60000) || qpdf.exitCode() != 0)
        return {};
    QFile file(plain);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = file.readAll();
    static const QRegularExpression marker(QStringLiteral("%% Contents for page (\\d+)"));
    const QString latin = QString::fromLatin1(text);
    auto it = marker.globalMatch(latin);
    while (it.hasNext()) {
        const auto m = it.next();
        const int page = m.captured(1).toInt() - 1;
        if (page < 0 || page >= int(pages.size()))
            continue;
        const qsizetype begin = text.indexOf("stream\n", m.capturedEnd());
        const qsizetype end = text.indexOf("endstream", begin);
        if (begin < 0 || end < 0)
            continue;
        const QByteArray stream = text.mid(begin + 7, end - begin - 7);
        pages[std::size_t(page)] = ParsePage(stream, reader.pageSizeMm(page).height() / kMmPerPoint);
    }
    return pages;
}

} // namespace tandrel::test
