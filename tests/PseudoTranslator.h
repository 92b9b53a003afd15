#pragma once

#include <QTranslator>

#include <cmath>

// Translates every text into a pseudo-language: each letter accented, and
// the text made 40 % longer with accented letters of its own, so that a
// window in it shows which controls have room for a longer translation.
// Markers (%1) and line breaks stay as they are.
class PseudoTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }

    QString translate(const char *, const char *source, const char * = nullptr, int = -1) const override
    {
        const QString text = QString::fromUtf8(source);
        if (text.isEmpty())
            return text;
        QString accented;
        QString letters;
        for (int at = 0; at < text.size(); ++at) {
            const QChar c = text.at(at);
            if (c == QLatin1Char('%') && at + 1 < text.size() && text.at(at + 1).isDigit()) {
                accented += text.mid(at, 2);
                ++at;
                continue;
            }
            const QChar shown = Accented(c);
            accented += shown;
            if (c.isLetter())
                letters += shown;
        }
        if (letters.isEmpty() || !IsPseudo(accented))
            return text; // no word: "320x200", "?"
        const int extra = static_cast<int>(std::ceil(text.size() * 0.4));
        for (int at = 0; at < extra; ++at)
            accented += letters.at(at % letters.size());
        return accented;
    }

    // Whether text is a pseudo-translation (holds an accented letter made here).
    static bool IsPseudo(const QString &text)
    {
        for (const QChar c : text)
            if (kAccented.contains(c))
                return true;
        return false;
    }

private:
    static QChar Accented(QChar c)
    {
        const int at = kPlain.indexOf(c);
        return at >= 0 ? kAccented.at(at) : c;
    }

    inline static const QString kPlain = QStringLiteral("aeiouyAEIOUYcnsCNSgGrR");
    inline static const QString kAccented = QStringLiteral("àéîõüýÀÉÎÕÜÝçñšÇÑŠğĞŕŔ");
};
