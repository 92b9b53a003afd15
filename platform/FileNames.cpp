#include "FileNames.h"

#include <QStringDecoder>

namespace {

constexpr char16_t kStrayBase = 0xDC80;

// A stray byte is a low surrogate of the escape range with no high surrogate before it.
bool IsStrayAt(const QString &name, qsizetype i)
{
    const char16_t c = name.at(i).unicode();
    return c >= kStrayBase && c <= 0xDCFF && (i == 0 || !name.at(i - 1).isHighSurrogate());
}

// Length of the valid UTF-8 sequence starting at bytes[i], or 0 when there is none.
int SequenceLength(const unsigned char *bytes, qsizetype i, qsizetype size)
{
    const unsigned char lead = bytes[i];
    int length = 0;
    char32_t minimum = 0;
    char32_t code = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        minimum = 0x80;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        minimum = 0x800;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        minimum = 0x10000;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > size)
        return 0;
    for (int k = 1; k < length; ++k) {
        const unsigned char next = bytes[i + k];
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

// Unlike QString::fromUtf8, keeps a leading U+FEFF: it is part of the name.
QString FromUtf8(const char *data, qsizetype size)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(data, size));
}

} // namespace

QString DecodeFileName(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        const int length = SequenceLength(data, i, size);
        if (length == 0)
            break;
        i += length;
    }
    if (i == size)
        return FromUtf8(bytes.constData(), size);

    QString name = FromUtf8(bytes.constData(), i);
    while (i < size) {
        const int length = SequenceLength(data, i, size);
        if (length == 0) {
            name.append(QChar(char16_t(kStrayBase + data[i] - 0x80)));
            ++i;
        } else {
            name.append(FromUtf8(bytes.constData() + i, length));
            i += length;
        }
    }
    return name;
}

QByteArray EncodeFileName(const QString &name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype runStart = 0;
    auto flush = [&](qsizetype end) {
        if (end > runStart)
            bytes.append(QStringView(name).mid(runStart, end - runStart).toUtf8());
    };
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (IsStrayAt(name, i)) {
            flush(i);
            bytes.append(static_cast<char>(name.at(i).unicode() - kStrayBase + 0x80));
            runStart = i + 1;
        }
    }
    flush(name.size());
    return bytes;
}

QString DisplayFileName(const QString &name)
{
    QString shown = name;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (IsStrayAt(shown, i))
            shown[i] = QChar::ReplacementCharacter;
    }
    return shown;
}

QString OneLineName(const QString &name)
{
    const QString shown = DisplayFileName(name);
    QString line;
    line.reserve(shown.size());
    for (const QChar c : shown) {
        const QChar::Category category = c.category();
        if (category != QChar::Other_Control && category != QChar::Separator_Line
            && category != QChar::Separator_Paragraph) {
            line += c;
        } else if (c.unicode() <= 0xFF) {
            line += QLatin1Char('\\') + QString::number(c.unicode(), 8).rightJustified(3, QLatin1Char('0'));
        } else {
            line += QStringLiteral("\\u") + QString::number(c.unicode(), 16).rightJustified(4, QLatin1Char('0'));
        }
    }
    return line;
}
