#include "IniText.h"

#include "FileNames.h"

#include <QStringList>

namespace {

struct Line {
    qsizetype start = 0;
    qsizetype end = 0;
    qsizetype equals = -1;
};

// Where a key stands in the text, or where a new entry for it goes.
struct Place {
    bool sectionFound = false;
    bool found = false;
    qsizetype valueStart = 0;
    qsizetype valueEnd = 0;
    qsizetype sectionEnd = 0;
};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsLineBreak(char c)
{
    return c == '\n' || c == '\r';
}

int Digit(char16_t c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

// Reads the next logical line, split the way QSettings splits them: blank
// lines and ';' comment lines are skipped, a quoted part or a backslash
// carries a line past a line break, an unquoted ';' ends it.
bool NextLine(const QByteArray &text, qsizetype &pos, Line &line)
{
    const qsizetype size = text.size();
    qsizetype start = pos;
    while (start < size && IsBlank(text[start]))
        ++start;
    line.equals = -1;
    bool inQuotes = false;
    qsizetype i = start;
    while (i < size) {
        const char c = text[i++];
        if (c == '=') {
            if (!inQuotes && line.equals < 0)
                line.equals = i - 1;
        } else if (IsLineBreak(c)) {
            if (!inQuotes) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < size) {
                const char next = text[i++];
                if (i < size && IsLineBreak(next) && IsLineBreak(text[i]) && text[i] != next)
                    ++i;
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == ';') {
            if (i == start + 1) {
                while (i < size && !IsLineBreak(text[i]))
                    ++i;
                while (i < size && IsBlank(text[i]))
                    ++i;
                start = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    pos = i;
    line.start = start;
    line.end = i;
    return i > start;
}

QString UnescapeKey(const QByteArray &bytes)
{
    const QString text = DecodeFileName(bytes);
    QString key;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c == u'\\') {
            key += u'/';
            ++i;
            continue;
        }
        const qsizetype digits = i + 1 < text.size() && text.at(i + 1) == u'U' ? 4 : 2;
        const qsizetype first = i + 1 + (digits == 4 ? 1 : 0);
        bool ok = false;
        const ushort code = c == u'%' && first + digits <= text.size()
            ? QStringView(text).mid(first, digits).toUShort(&ok, 16)
            : 0;
        if (ok) {
            key += QChar(code);
            i = first + digits;
        } else {
            key += c;
            ++i;
        }
    }
    return key;
}

QByteArray EscapeKey(const QString &key)
{
    QByteArray bytes;
    for (const QChar qc : key) {
        const char16_t c = qc.unicode();
        if (c == '/')
            bytes += '\\';
        else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'
                 || c == '-' || c == '.')
            bytes += static_cast<char>(c);
        else if (c <= 0xFF)
            bytes += '%' + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
        else
            bytes += "%U" + QByteArray::number(c, 16).toUpper().rightJustified(4, '0');
    }
    return bytes;
}

// "[General]" holds QSettings' keys outside any group, so a group of that
// name is written "[%General]".
QString SectionName(const QByteArray &header)
{
    const qsizetype close = header.indexOf(']');
    const QByteArray name = header.mid(1, close < 0 ? -1 : close - 1).trimmed();
    if (name.compare("general", Qt::CaseInsensitive) == 0)
        return QString();
    if (name.compare("%general", Qt::CaseInsensitive) == 0)
        return QString::fromLatin1(name.mid(1));
    return UnescapeKey(name);
}

QByteArray SectionHeader(const QString &section)
{
    const QByteArray name = EscapeKey(section);
    if (name.compare("general", Qt::CaseInsensitive) == 0)
        return "[%" + name + ']';
    return '[' + name + ']';
}

Place Locate(const QByteArray &text, const QString &section, const QString &key)
{
    Place place;
    qsizetype pos = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    bool inSection = false;
    Line line;
    while (NextLine(text, pos, line)) {
        if (text[line.start] == '[') {
            inSection = SectionName(text.mid(line.start, line.end - line.start)) == section;
            if (inSection) {
                place.sectionFound = true;
                place.sectionEnd = line.end;
            }
            continue;
        }
        if (!inSection)
            continue;
        place.sectionEnd = line.end;
        // A later line for the same key overrides an earlier one.
        if (line.equals >= 0 && UnescapeKey(text.mid(line.start, line.equals - line.start).trimmed()) == key) {
            place.found = true;
            place.valueStart = line.equals + 1;
            place.valueEnd = line.end;
        }
    }
    return place;
}

char NamedEscape(char c)
{
    switch (c) {
    case 'a': return '\a';
    case 'b': return '\b';
    case 'f': return '\f';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'v': return '\v';
    case '"':
    case '?':
    case '\'':
    case '\\': return c;
    default: return 0;
    }
}

// Decodes a value as QSettings does: quotes, backslash escapes (named, \x hex,
// octal), commas outside quotes between the items of a list, and trailing
// blanks of an unquoted item dropped. Bytes that are not UTF-8 are kept as
// stray bytes, as in file names.
QStringList UnescapeValue(const QByteArray &text)
{
    QStringList items;
    QString current;
    bool inQuotes = false;
    bool quoted = false;
    bool chopAtEnd = true;
    qsizetype keep = 0; // blanks before this index are escaped or quoted: kept
    const qsizetype size = text.size();
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < size && (text[i] == ' ' || text[i] == '\t'))
            ++i;
    };
    auto chopBlanks = [&] {
        while (!quoted && current.size() > keep && (current.back() == u' ' || current.back() == u'\t'))
            current.chop(1);
    };
    skipBlanks();
    while (i < size) {
        const char c = text[i];
        if (c == '\\') {
            if (++i >= size) {
                chopAtEnd = false;
                break;
            }
            const char e = text[i++];
            const int base = e == 'x' ? 16 : Digit(static_cast<char16_t>(e), 8) >= 0 ? 8 : 0;
            if (const char named = NamedEscape(e)) {
                current += QLatin1Char(named);
            } else if (base != 0 && (base == 8 || (i < size && Digit(static_cast<char16_t>(text[i]), 16) >= 0))) {
                char16_t code = base == 8 ? static_cast<char16_t>(e - '0') : 0;
                while (i < size && Digit(static_cast<char16_t>(text[i]), base) >= 0)
                    code = static_cast<char16_t>(code * base + Digit(static_cast<char16_t>(text[i++]), base));
                current += QChar(code);
            } else if (IsLineBreak(e) && i < size && IsLineBreak(text[i]) && text[i] != e) {
                ++i;
            }
            if (i >= size && (base != 0 || e == 'x')) {
                chopAtEnd = false;
                break;
            }
            keep = current.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
                keep = current.size();
            }
        } else if (c == ',' && !inQuotes) {
            chopBlanks();
            items.append(current);
            current.clear();
            quoted = false;
            ++i;
            skipBlanks();
            keep = 0;
        } else {
            qsizetype end = i + 1;
            while (end < size && text[end] != '\\' && text[end] != '"' && text[end] != ',')
                ++end;
            current += DecodeFileName(text.mid(i, end - i));
            i = end;
        }
    }
    if (chopAtEnd)
        chopBlanks();
    items.append(current);
    return items;
}

QByteArray EscapeValue(const QString &value)
{
    QByteArray bytes;
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t c = value.at(i).unicode();
        if (c == ';' || c == ',' || c == '=')
            needsQuotes = true;
        if (escapeNextIfDigit && Digit(c, 16) >= 0) {
            bytes += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escapeNextIfDigit = false;
        const bool pair = QChar::isHighSurrogate(c) && i + 1 < value.size() && value.at(i + 1).isLowSurrogate();
        switch (c) {
        case '\0':
            bytes += "\\0";
            escapeNextIfDigit = true;
            break;
        case '\a': bytes += "\\a"; break;
        case '\b': bytes += "\\b"; break;
        case '\f': bytes += "\\f"; break;
        case '\n': bytes += "\\n"; break;
        case '\r': bytes += "\\r"; break;
        case '\t': bytes += "\\t"; break;
        case '\v': bytes += "\\v"; break;
        case '"':
        case '\\':
            bytes += '\\';
            bytes += static_cast<char>(c);
            break;
        default:
            // A lone surrogate (a stray byte of a file name) has no UTF-8
            // form, and a U+FEFF at the start of a value would be taken for a
            // byte order mark; the escape reads back as exactly that code unit.
            if (c <= 0x1F || c == 0xFEFF || (QChar::isSurrogate(c) && !pair)) {
                bytes += "\\x" + QByteArray::number(c, 16);
                escapeNextIfDigit = true;
            } else if (c < 0x80) {
                bytes += static_cast<char>(c);
            } else {
                bytes += QStringView(value).mid(i, pair ? 2 : 1).toUtf8();
                i += pair ? 1 : 0;
            }
        }
    }
    if (needsQuotes || bytes.startsWith(' ') || bytes.endsWith(' ')) {
        bytes.prepend('"');
        bytes.append('"');
    }
    return bytes;
}

// QSettings marks values of other types with a leading '@' ("@Variant(...)",
// "@ByteArray(...)") and writes a string that starts with '@' as "@@...".
bool TakePlainString(QString &item)
{
    if (!item.startsWith(u'@'))
        return true;
    if (item.startsWith(QLatin1String("@@"))) {
        item.remove(0, 1);
        return true;
    }
    if (item.startsWith(QLatin1String("@String(")) && item.endsWith(u')')) {
        item = item.mid(8, item.size() - 9);
        return true;
    }
    return !item.endsWith(u')');
}

// The text's own line end, as its first line break has it: "\r\n", "\n" or
// "\r"; "\n" for a text of one line.
QByteArray LineEnd(const QByteArray &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\n')
            return "\n";
        if (text[i] == '\r')
            return i + 1 < text.size() && text[i + 1] == '\n' ? "\r\n" : "\r";
    }
    return "\n";
}

} // namespace

bool FindIniString(const QByteArray &text, const QString &section, const QString &key, QString &value)
{
    const Place place = Locate(text, section, key);
    if (!place.found)
        return false;
    QStringList items = UnescapeValue(text.mid(place.valueStart, place.valueEnd - place.valueStart));
    for (QString &item : items) {
        if (!TakePlainString(item))
            return false;
    }
    value = items.join(QStringLiteral(", "));
    return true;
}

QByteArray SetIniString(const QByteArray &text, const QString &section, const QString &key,
                        const QString &value)
{
    const Place place = Locate(text, section, key);
    const QByteArray escaped = EscapeValue(value.startsWith(u'@') ? u'@' + value : value);
    const QByteArray entry = EscapeKey(key) + '=' + escaped;
    const QByteArray end = LineEnd(text);
    QByteArray result = text;
    if (place.found) {
        result.replace(place.valueStart, place.valueEnd - place.valueStart, escaped);
    } else if (place.sectionFound) {
        qsizetype at = place.sectionEnd;
        while (at < result.size() && !IsLineBreak(result[at]))
            ++at;
        result.insert(at, at == result.size() ? end + entry + end : end + entry);
    } else {
        if (!result.isEmpty())
            result += IsLineBreak(result.back()) ? end : end + end;
        result += SectionHeader(section) + end + entry + end;
    }
    // A text broken so that the entry would not read back (a quote left open
    // before it) is replaced by one that holds the entry alone.
    QString stored;
    if (!FindIniString(result, section, key, stored) || stored != value)
        return SectionHeader(section) + end + entry + end;
    return result;
}
