#include "DatFile.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>

namespace {

bool IsHex(QStringView text, qsizetype minLength, qsizetype maxLength)
{
    if (text.size() < minLength || text.size() > maxLength)
        return false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F')))
            return false;
    }
    return true;
}

// An entity declared, or the first entity a text names other than XML's own
// five and character references ("&#..."), with its line: the reader would
// leave it unresolved, quietly, inside an attribute's value.
QString NamedEntity(const QByteArray &text)
{
    static const char *const kOwn[] = {"amp", "lt", "gt", "quot", "apos"};
    // memmem rather than QByteArray::indexOf: several times faster over a
    // long file, where nearly every byte is read for nothing.
    if (const void *declared = memmem(text.constData(), static_cast<std::size_t>(text.size()), "<!ENTITY", 8))
        return QStringLiteral("line %1: it declares entities")
            .arg(text.left(static_cast<const char *>(declared) - text.constData()).count('\n') + 1);
    for (qsizetype at = text.indexOf('&'); at >= 0; at = text.indexOf('&', at + 1)) {
        const qsizetype end = text.indexOf(';', at);
        if (at + 1 < text.size() && text[at + 1] == '#')
            continue;
        const QByteArray name = text.mid(at + 1, end < 0 ? 16 : std::min<qsizetype>(end - at - 1, 64));
        if (std::none_of(std::begin(kOwn), std::end(kOwn), [&](const char *own) { return name == own; }))
            return QStringLiteral("line %1: it uses the entity &%2;")
                .arg(text.left(at).count('\n') + 1)
                .arg(QString::fromUtf8(name));
    }
    return {};
}

// The text in UTF-8, made straight from the view when it is all ASCII, as
// the names in a DAT nearly always are: no QString or QByteArray on the way.
std::string Utf8(QStringView text)
{
    std::string utf8(static_cast<std::size_t>(text.size()), '\0');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u >= 0x80)
            return text.toString().toStdString();
        utf8[static_cast<std::size_t>(i)] = static_cast<char>(u);
    }
    return utf8;
}

// The value of a hexadecimal digit IsHex let through.
int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return u <= '9' ? u - '0' : (u | 0x20) - 'a' + 10;
}

class DatParser
{
public:
    DatParser(const QByteArray &text, DatFile &dat, const DatLimits &limits, const DatRomsTaker *take)
        : text_(text), xml_(text), dat_(dat), limits_(limits), take_(take)
    {
        xml_.setNamespaceProcessing(false);
    }

    // Empty when the file was read whole; else why not.
    QString Read()
    {
        if (QString why = NamedEntity(text_); !why.isEmpty())
            return why;
        // QXmlStreamReader never fetches the DTD a DOCTYPE names; an entity
        // declared inside the file is refused before it could be expanded.
        bool inDatafile = false;
        while (!xml_.atEnd()) {
            switch (xml_.readNext()) {
            case QXmlStreamReader::DTD:
                if (!xml_.entityDeclarations().isEmpty() || xml_.text().contains(QLatin1String("<!ENTITY")))
                    return Refuse(QStringLiteral("it declares entities"));
                break;
            case QXmlStreamReader::EntityReference:
                return Refuse(QStringLiteral("it uses the entity &%1;").arg(xml_.name()));
            case QXmlStreamReader::StartElement:
                if (!inDatafile) {
                    if (xml_.name() != QLatin1String("datafile"))
                        return Refuse(QStringLiteral("it is not a DAT file (no <datafile>)"));
                    inDatafile = true;
                } else if (QString why = Element(); !why.isEmpty()) {
                    return why;
                }
                break;
            default:
                break;
            }
        }
        if (xml_.hasError())
            return Refuse(QStringLiteral("it is not XML: %1").arg(xml_.errorString()));
        if (!inDatafile)
            return Refuse(QStringLiteral("it is not a DAT file (no <datafile>)"));
        if (dat_.name.isEmpty())
            return Refuse(QStringLiteral("its header has no name"));
        return HandOver() ? QString() : QStringLiteral("its reading was stopped");
    }

private:
    // The ROMs read so far, to the taker when there is one.
    bool HandOver()
    {
        if (!take_ || dat_.roms.empty())
            return true;
        const bool more = (*take_)(dat_.roms);
        dat_.roms.clear();
        return more;
    }

    QString Refuse(const QString &why) const
    {
        return QStringLiteral("line %1: %2").arg(xml_.lineNumber()).arg(why);
    }

    // A child of <datafile>, read whole.
    QString Element()
    {
        if (xml_.name() == QLatin1String("header"))
            return Header();
        if (xml_.name() == QLatin1String("game") || xml_.name() == QLatin1String("machine"))
            return Game();
        xml_.skipCurrentElement();
        return {};
    }

    QString Header()
    {
        while (xml_.readNextStartElement()) {
            if (xml_.name() == QLatin1String("name"))
                dat_.name = xml_.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
            else if (xml_.name() == QLatin1String("version"))
                dat_.version = xml_.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
            else
                xml_.skipCurrentElement();
        }
        return {};
    }

    QString Game()
    {
        if (++dat_.games > limits_.maxGames)
            return Refuse(QStringLiteral("it holds more than %1 games").arg(limits_.maxGames));
        const QXmlStreamAttributes attributes = xml_.attributes();
        const QStringView game = attributes.value(QLatin1String("name"));
        if (game.isEmpty())
            return Refuse(QStringLiteral("a game has no name"));
        const QStringView cloneOf = attributes.value(QLatin1String("cloneof"));
        while (xml_.readNextStartElement()) {
            if (xml_.name() != QLatin1String("rom")) {
                xml_.skipCurrentElement();
                continue;
            }
            if (QString why = Rom(game, cloneOf); !why.isEmpty())
                return why;
            xml_.skipCurrentElement();
        }
        return {};
    }

    QString Rom(QStringView game, QStringView cloneOf)
    {
        const QXmlStreamAttributes attributes = xml_.attributes();
        const auto refuse = [&](const char *what) {
            return Refuse(QString::fromLatin1(what).arg(QLatin1Char('"') + game.toString() + QLatin1Char('"')));
        };
        QStringView name, status, size, crc, md5, sha1;
        // One pass over the attributes rather than a search for each.
        for (const QXmlStreamAttribute &attribute : attributes) {
            const QStringView key = attribute.name();
            QStringView *value = key == QLatin1String("name") ? &name
                                 : key == QLatin1String("size") ? &size
                                 : key == QLatin1String("crc") ? &crc
                                 : key == QLatin1String("sha1") ? &sha1
                                 : key == QLatin1String("md5") ? &md5
                                 : key == QLatin1String("status") ? &status
                                                                  : nullptr;
            if (value)
                *value = attribute.value();
        }
        if (name.isEmpty())
            return refuse("a rom of %1 has no name");
        if (status == QLatin1String("nodump") && (size.isEmpty() || crc.isEmpty()))
            return {};
        if (size.isEmpty())
            return refuse("a rom of %1 has no size");
        if (crc.isEmpty())
            return refuse("a rom of %1 has no crc");
        bool ok = false;
        const qint64 bytes = size.toLongLong(&ok);
        if (!ok || bytes < 0)
            return refuse("the size of a rom of %1 is not a number");
        if (!IsHex(crc, 1, 8))
            return refuse("the crc of a rom of %1 is not hexadecimal");
        if (!md5.isEmpty() && !IsHex(md5, 32, 32))
            return refuse("the md5 of a rom of %1 is not 32 hexadecimal digits");
        if (!sha1.isEmpty() && !IsHex(sha1, 40, 40))
            return refuse("the sha1 of a rom of %1 is not 40 hexadecimal digits");
        DatRom rom;
        rom.game = Utf8(game);
        rom.cloneOf = Utf8(cloneOf);
        rom.size = bytes;
        rom.crc32 = crc.toUInt(nullptr, 16);
        rom.sha1.resize(sha1.size() / 2);
        for (qsizetype i = 0; i + 1 < sha1.size(); i += 2)
            rom.sha1[static_cast<std::size_t>(i / 2)] = static_cast<char>(HexDigit(sha1[i]) << 4 | HexDigit(sha1[i + 1]));
        rom.badDump = status == QLatin1String("baddump");
        dat_.roms.push_back(std::move(rom));
        constexpr std::size_t kBatch = 2048;
        if (take_ && dat_.roms.size() >= kBatch && !HandOver())
            return Refuse(QStringLiteral("its reading was stopped"));
        return {};
    }

    const QByteArray &text_;
    QXmlStreamReader xml_;
    DatFile &dat_;
    const DatLimits &limits_;
    const DatRomsTaker *take_;
};

bool Parse(const QByteArray &text, const QString &name, DatFile &dat, QString *why, const DatLimits &limits,
           const DatRomsTaker *take)
{
    dat = DatFile();
    const auto refuse = [&](const QString &reason) {
        dat = DatFile();
        if (why)
            *why = QStringLiteral("The DAT file %1 is refused: %2").arg(name, reason);
        return false;
    };
    if (text.size() > limits.maxBytes)
        return refuse(QStringLiteral("it is longer than %1 bytes").arg(limits.maxBytes));
    const QString reason = DatParser(text, dat, limits, take).Read();
    if (!reason.isEmpty())
        return refuse(reason);
    const std::string datName = dat.name.toStdString();
    for (DatRom &rom : dat.roms)
        rom.dat = datName;
    return true;
}

} // namespace

bool ParseDat(const QByteArray &text, const QString &name, DatFile &dat, QString *why, const DatLimits &limits)
{
    return Parse(text, name, dat, why, limits, nullptr);
}

bool ParseDat(const QByteArray &text, const QString &name, DatFile &dat, QString *why, const DatLimits &limits,
              const DatRomsTaker &take)
{
    return Parse(text, name, dat, why, limits, &take);
}

bool ReadDatText(const QString &path, QByteArray &text, QString *why, const DatLimits &limits)
{
    QFile file(path);
    const auto refuse = [&](const QString &reason) {
        text.clear();
        if (why)
            *why = QStringLiteral("The DAT file %1 is refused: %2").arg(path, reason);
        return false;
    };
    if (!QFileInfo(path).isFile())
        return refuse(QStringLiteral("it is not a file"));
    // Its length is known before a byte is read: a huge file is not read at all.
    if (file.size() > limits.maxBytes)
        return refuse(QStringLiteral("it is longer than %1 bytes").arg(limits.maxBytes));
    if (!file.open(QIODevice::ReadOnly))
        return refuse(file.errorString());
    // Read no more than the limit allows, in case it grows meanwhile.
    text = file.read(limits.maxBytes + 1);
    return true;
}

bool ReadDatFile(const QString &path, DatFile &dat, QString *why, const DatLimits &limits)
{
    QByteArray text;
    if (!ReadDatText(path, text, why, limits)) {
        dat = DatFile();
        return false;
    }
    return ParseDat(text, path, dat, why, limits);
}
