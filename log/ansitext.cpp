#include "log/ansitext.h"

QString AnsiText::stripToPlain(const QString& text)
{
    // Most device lines hold no control character at all: hand those back
    // shared instead of copying them character by character.
    const QChar* data = text.constData();
    const qsizetype size = text.size();
    qsizetype clean = 0;
    while (clean < size && data[clean].unicode() >= 32) {
        ++clean;
    }
    if (clean == size) {
        return text;
    }

    QString out;
    out.reserve(text.size());
    out.append(data, clean);
    const qsizetype n = size;
    for (qsizetype i = clean; i < n; ++i) {
        const QChar c = text.at(i);
        const ushort u = c.unicode();
        if (u == 9) {
            out.append(QLatin1String("    "));
        } else if (u == 27) {
            if (i + 1 < n && text.at(i + 1) == QLatin1Char('[')) {
                // Skip up to and including the first letter after "[".
                qsizetype j = i + 2;
                while (j < n) {
                    const QChar d = text.at(j);
                    const ushort v = d.unicode();
                    if ((v >= 'A' && v <= 'Z') || (v >= 'a' && v <= 'z') ||
                        (v >= 128 && d.isLetter())) {
                        break;
                    }
                    ++j;
                }
                i = j; // past the end when no letter follows: the rest is dropped
            }
        } else if (u >= 32) {
            out.append(c);
        }
    }
    return out;
}
