#include "platform/RegFileFormat.h"

#include <QStringDecoder>
#include <QtEndian>
#include <cstring>

namespace tandrel::platform {

// ---------------------------------------------------------------- values

RegistryValue RegistryValue::fromString(const QString& text)
{
    RegistryValue v;
    v.m_kind = Kind::String;
    v.m_type = RegSz;
    v.m_text = text;
    // A string value ends at its first NUL wherever it is read: a NUL inside
    // would cut the text short, so it is kept as a blank.
    v.m_text.replace(QChar(0), QLatin1Char(' '));
    return v;
}

RegistryValue RegistryValue::fromDWord(quint32 value)
{
    RegistryValue v;
    v.m_kind = Kind::DWord;
    v.m_type = RegDWord;
    v.m_dword = value;
    return v;
}

RegistryValue RegistryValue::fromBinary(const QByteArray& bytes)
{
    RegistryValue v;
    v.m_kind = Kind::Binary;
    v.m_type = RegBinary;
    v.m_bytes = bytes;
    return v;
}

RegistryValue RegistryValue::fromDouble(double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    QByteArray bytes(8, '\0');
    qToLittleEndian(bits, bytes.data());
    return fromBinary(bytes);
}

RegistryValue RegistryValue::fromRaw(quint32 type, const QByteArray& bytes)
{
    if (type == RegBinary)
        return fromBinary(bytes);
    if (type == RegDWord && bytes.size() == 4)
        return fromDWord(qFromLittleEndian<quint32>(bytes.constData()));
    if (type == RegSz && bytes.size() % 2 == 0) {
        QString text(bytes.size() / 2, Qt::Uninitialized);
        qFromLittleEndian<char16_t>(bytes.constData(), text.size(), text.data());
        while (text.endsWith(QChar(0)))
            text.chop(1);
        // Written so by earlier versions from a text holding a NUL.
        return fromString(text);
    }
    RegistryValue v;
    v.m_kind = Kind::Other;
    v.m_type = type;
    v.m_bytes = bytes;
    return v;
}

bool RegistryValue::operator==(const RegistryValue& o) const
{
    return m_kind == o.m_kind && m_type == o.m_type && m_dword == o.m_dword && m_text == o.m_text
        && m_bytes == o.m_bytes;
}

namespace regfile {

// ---------------------------------------------------------------- names

namespace {

// No control characters (a tab only where allowed) and no broken surrogate pairs.
bool isCleanText(QStringView s, bool allowTab)
{
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = s[i].unicode();
        if (c < 0x20) {
            if (!(allowTab && c == u'\t'))
                return false;
        } else if (QChar::isHighSurrogate(c)) {
            if (i + 1 >= n || !QChar::isLowSurrogate(s[i + 1].unicode()))
                return false;
            ++i;
        } else if (QChar::isLowSurrogate(c)) {
            return false;
        }
    }
    return true;
}

} // namespace

QString normalizeKeyPath(QStringView path, bool* ok)
{
    QString out;
    out.reserve(path.size());
    bool good = true;
    for (QStringView part : path.tokenize(u'\\', Qt::SkipEmptyParts)) {
        if (part.size() > 255 || !isCleanText(part, false)) {
            good = false;
            break;
        }
        if (!out.isEmpty())
            out += QLatin1Char('\\');
        out += part;
    }
    if (ok)
        *ok = good;
    return good ? out : QString();
}

bool isValidValueName(QStringView name)
{
    return name.size() <= 16383 && isCleanText(name, true);
}

namespace {

// Case folding with a quick path for the usual ASCII names.
QString fold(QStringView s, char16_t separator)
{
    QString out(s.size(), Qt::Uninitialized);
    char16_t* o = reinterpret_cast<char16_t*>(out.data());
    for (qsizetype i = 0; i < s.size(); ++i) {
        char16_t c = s[i].unicode();
        if (c >= 0x80) {
            out = s.toString().toCaseFolded();
            if (separator != u'\\')
                out.replace(QLatin1Char('\\'), QChar(separator));
            return out;
        }
        if (c >= u'A' && c <= u'Z')
            c += 32;
        else if (c == u'\\')
            c = separator;
        o[i] = c;
    }
    return out;
}

} // namespace

QString foldKey(QStringView normalizedPath)
{
    return fold(normalizedPath, kFoldedSeparator); // the separator sorts before every allowed character
}

QString foldName(QStringView name)
{
    return fold(name, u'\\');
}

// ---------------------------------------------------------------- parsing

namespace {

int hexDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

QStringView trimBlanks(QStringView s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && (s[b] == u' ' || s[b] == u'\t'))
        ++b;
    while (e > b && (s[e - 1] == u' ' || s[e - 1] == u'\t'))
        --e;
    return s.sliced(b, e - b);
}

// Reads a quoted text starting at s[pos] == '"'; on success `pos` is just past
// the closing quote.
bool readQuoted(QStringView s, qsizetype& pos, QString& out)
{
    const qsizetype n = s.size();
    qsizetype i = pos + 1;
    // Most texts have no escapes: take them in one piece.
    while (i < n && s[i] != u'"' && s[i] != u'\\')
        ++i;
    if (i < n && s[i] == u'"') {
        out = s.sliced(pos + 1, i - pos - 1).toString();
        pos = i + 1;
        return true;
    }
    out = s.sliced(pos + 1, i - pos - 1).toString();
    while (i < n) {
        const QChar c = s[i];
        if (c == u'"') {
            pos = i + 1;
            return true;
        }
        if (c == u'\\') {
            if (i + 1 >= n || (s[i + 1] != u'\\' && s[i + 1] != u'"'))
                return false;
            out += s[i + 1];
            i += 2;
            continue;
        }
        out += c;
        ++i;
    }
    return false;
}

// "aa,bb, cc" -> bytes; every byte exactly two hex digits.
bool readHexBytes(QStringView s, QByteArray& out)
{
    out.clear();
    s = trimBlanks(s);
    const qsizetype n = s.size();
    if (n == 0)
        return true;
    out.reserve((n + 1) / 3);
    qsizetype i = 0;
    for (;;) {
        while (i < n && (s[i] == u' ' || s[i] == u'\t'))
            ++i;
        if (i + 2 > n)
            return false;
        const int hi = hexDigit(s[i].unicode());
        const int lo = hexDigit(s[i + 1].unicode());
        if (hi < 0 || lo < 0)
            return false;
        out.append(char(hi * 16 + lo));
        i += 2;
        while (i < n && (s[i] == u' ' || s[i] == u'\t'))
            ++i;
        if (i == n)
            return true;
        if (s[i] != u',')
            return false;
        ++i;
    }
}

bool decodeText(const QByteArray& bytes, QString& text)
{
    if (bytes.size() >= 2 && uchar(bytes[0]) == 0xFF && uchar(bytes[1]) == 0xFE) {
        QStringDecoder dec(QStringConverter::Utf16LE, QStringConverter::Flag::Stateless);
        text = dec(QByteArrayView(bytes).sliced(2));
        return !dec.hasError();
    }
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    QStringDecoder dec(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    text = dec(view);
    return !dec.hasError();
}

class Parser {
public:
    Parser(const QString& text, RegistryTree& tree) : m_text(text), m_tree(tree) {}

    ParseResult run()
    {
        if (!m_text.endsWith(QLatin1Char('\n')))
            return failAtEnd(QStringLiteral("letzte Zeile unvollständig"));
        QStringView line;
        if (!nextLine(line) || trimBlanks(line) != QLatin1StringView(kHeader))
            return fail(QStringLiteral("Kopfzeile fehlt"));
        while (nextLine(line)) {
            const QStringView l = trimBlanks(line);
            if (l.isEmpty() || l.startsWith(u';'))
                continue;
            bool good = false;
            if (l.startsWith(u'['))
                good = keyLine(l);
            else if (l.startsWith(u'"') || l.startsWith(u'@'))
                good = valueLine(l);
            if (!good)
                return m_result.ok ? fail(QStringLiteral("ungültige Zeile")) : m_result;
        }
        return m_result;
    }

private:
    bool nextLine(QStringView& line)
    {
        if (m_pos >= m_text.size())
            return false;
        qsizetype end = m_text.indexOf(QLatin1Char('\n'), m_pos);
        line = QStringView(m_text).sliced(m_pos, end - m_pos);
        m_pos = end + 1;
        ++m_line;
        if (line.endsWith(u'\r'))
            line.chop(1);
        return true;
    }

    ParseResult fail(const QString& why)
    {
        m_result.ok = false;
        m_result.line = m_line;
        m_result.error = why;
        return m_result;
    }

    ParseResult failAtEnd(const QString& why)
    {
        m_line = int(m_text.count(QLatin1Char('\n'))) + 1;
        return fail(why);
    }

    bool keyLine(QStringView l)
    {
        if (!l.endsWith(u']'))
            return false;
        QStringView inner = l.sliced(1, l.size() - 2);
        const QLatin1StringView hive(kHive);
        if (!inner.startsWith(hive, Qt::CaseInsensitive))
            return false;
        inner = inner.sliced(hive.size());
        if (!inner.isEmpty() && inner[0] != u'\\')
            return false;
        bool ok = false;
        const QString path = normalizeKeyPath(inner, &ok);
        if (!ok)
            return false;
        auto [it, inserted] = m_tree.try_emplace(foldKey(path));
        if (inserted)
            it->second.path = path;
        m_key = &it->second;
        return true;
    }

    bool valueLine(QStringView l)
    {
        if (!m_key) {
            fail(QStringLiteral("Wert ohne Schlüssel"));
            return false;
        }
        QString name;
        qsizetype pos = 0;
        if (l[0] == u'@') {
            pos = 1;
        } else if (!readQuoted(l, pos, name) || !isValidValueName(name)) {
            return false;
        }
        if (pos >= l.size() || l[pos] != u'=')
            return false;
        RegistryValue value;
        if (!readData(l.sliced(pos + 1), value))
            return false;
        auto [it, inserted] = m_key->values.try_emplace(foldName(name));
        if (inserted)
            it->second.name = name;
        it->second.value = std::move(value);
        return true;
    }

    bool readData(QStringView d, RegistryValue& value)
    {
        if (d.startsWith(u'"')) {
            QString text;
            qsizetype pos = 0;
            if (!readQuoted(d, pos, text) || pos != d.size())
                return false;
            value = RegistryValue::fromString(text);
            return true;
        }
        if (d.startsWith(QLatin1StringView("dword:"), Qt::CaseInsensitive)) {
            d = d.sliced(6);
            if (d.size() != 8)
                return false;
            quint32 v = 0;
            for (QChar c : d) {
                const int h = hexDigit(c.unicode());
                if (h < 0)
                    return false;
                v = v * 16 + quint32(h);
            }
            value = RegistryValue::fromDWord(v);
            return true;
        }
        if (!d.startsWith(QLatin1StringView("hex"), Qt::CaseInsensitive))
            return false;
        d = d.sliced(3);
        quint32 type = RegistryValue::RegBinary;
        if (d.startsWith(u'(')) {
            const qsizetype close = d.indexOf(u')');
            if (close < 2 || close > 9)
                return false;
            type = 0;
            for (QChar c : d.sliced(1, close - 1)) {
                const int h = hexDigit(c.unicode());
                if (h < 0)
                    return false;
                type = type * 16 + quint32(h);
            }
            d = d.sliced(close + 1);
        }
        if (!d.startsWith(u':'))
            return false;
        d = d.sliced(1);
        QByteArray bytes;
        if (d.endsWith(u'\\')) {
            // Long hex values may continue on the following lines.
            QString joined = d.chopped(1).toString();
            QStringView next;
            for (;;) {
                if (!nextLine(next))
                    return false;
                next = trimBlanks(next);
                if (!next.endsWith(u'\\')) {
                    joined += next;
                    break;
                }
                joined += next.chopped(1);
            }
            if (!readHexBytes(joined, bytes))
                return false;
        } else if (!readHexBytes(d, bytes)) {
            return false;
        }
        value = RegistryValue::fromRaw(type, bytes);
        return true;
    }

    const QString& m_text;
    RegistryTree& m_tree;
    RegistryKeyData* m_key = nullptr;
    qsizetype m_pos = 0;
    int m_line = 0;
    ParseResult m_result;
};

bool hasStrayControl(const QString& text)
{
    const QChar* p = text.constData();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (c >= 0x20 || c == u'\t' || c == u'\n')
            continue;
        if (c == u'\r' && i + 1 < n && p[i + 1] == u'\n')
            continue;
        return true;
    }
    return false;
}

} // namespace

ParseResult parse(const QByteArray& bytes, RegistryTree& tree)
{
    tree.clear();
    ParseResult result;
    if (bytes.isEmpty())
        return result;
    QString text;
    if (!decodeText(bytes, text)) {
        result.ok = false;
        result.error = QStringLiteral("ungültige Zeichenkodierung");
        return result;
    }
    if (hasStrayControl(text)) {
        result.ok = false;
        result.error = QStringLiteral("ungültige Steuerzeichen");
        return result;
    }
    result = Parser(text, tree).run();
    if (!result.ok)
        tree.clear();
    return result;
}

// ---------------------------------------------------------------- writing

namespace {

void appendQuoted(QString& out, const QString& text)
{
    out += QLatin1Char('"');
    for (QChar c : text) {
        if (c == u'\\' || c == u'"')
            out += QLatin1Char('\\');
        out += c;
    }
    out += QLatin1Char('"');
}

void appendHexBytes(QString& out, const QByteArray& bytes)
{
    static const char digits[] = "0123456789abcdef";
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (i)
            out += QLatin1Char(',');
        const uchar b = uchar(bytes[i]);
        out += QLatin1Char(digits[b >> 4]);
        out += QLatin1Char(digits[b & 15]);
    }
}

void appendValue(QString& out, const RegistryValue& v)
{
    switch (v.kind()) {
    case RegistryValue::Kind::DWord:
        out += QStringLiteral("dword:%1").arg(v.dword(), 8, 16, QLatin1Char('0'));
        return;
    case RegistryValue::Kind::Binary:
        out += QLatin1StringView("hex:");
        appendHexBytes(out, v.bytes());
        return;
    case RegistryValue::Kind::String:
        if (isCleanText(v.text(), true)) {
            appendQuoted(out, v.text());
        } else {
            // Line breaks and other control characters cannot stand inside a
            // quoted line: write the string as UTF-16LE bytes, like regedit.
            QByteArray raw((v.text().size() + 1) * 2, '\0');
            qToLittleEndian<char16_t>(v.text().utf16(), v.text().size(), raw.data());
            out += QLatin1StringView("hex(1):");
            appendHexBytes(out, raw);
        }
        return;
    case RegistryValue::Kind::Other:
        out += QStringLiteral("hex(%1):").arg(v.regType(), 0, 16);
        appendHexBytes(out, v.bytes());
        return;
    }
}

} // namespace

QByteArray serialize(const RegistryTree& tree)
{
    QString out;
    out.reserve(4096);
    out += QLatin1StringView(kHeader);
    out += QLatin1Char('\n');
    for (const auto& [folded, key] : tree) {
        out += QLatin1StringView("\n[");
        out += QLatin1StringView(kHive);
        if (!key.path.isEmpty()) {
            out += QLatin1Char('\\');
            out += key.path;
        }
        out += QLatin1StringView("]\n");
        for (const auto& [foldedName, entry] : key.values) {
            if (entry.name.isEmpty())
                out += QLatin1Char('@');
            else
                appendQuoted(out, entry.name);
            out += QLatin1Char('=');
            appendValue(out, entry.value);
            out += QLatin1Char('\n');
        }
    }
    return out.toUtf8();
}

} // namespace regfile
} // namespace tandrel::platform
