#include "util/versioncompare.h"

#include <QList>
#include <QStringView>

namespace {

bool isDigitAt(QStringView text, qsizetype pos)
{
    return pos < text.size() && text.at(pos).unicode() >= '0' && text.at(pos).unicode() <= '9';
}

// The numeric segments as digit runs without leading zeros, so segments of any length compare
// exactly (no integer overflow on a service that sends "99999999999999999999").
QList<QStringView> segments(QStringView text)
{
    QList<QStringView> result;
    qsizetype pos = 0;
    while (isDigitAt(text, pos)) {
        const qsizetype start = pos;
        while (isDigitAt(text, pos)) {
            ++pos;
        }
        QStringView digits = text.mid(start, pos - start);
        while (digits.size() > 1 && digits.front() == QLatin1Char('0')) {
            digits = digits.mid(1);
        }
        result.append(digits);
        // A dot continues the version only when a digit follows it.
        if (pos >= text.size() || text.at(pos) != QLatin1Char('.') || !isDigitAt(text, pos + 1)) {
            break;
        }
        ++pos;
    }
    return result;
}

int compareDigits(QStringView a, QStringView b)
{
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return a.compare(b);
}

} // namespace

int VersionCompare::compare(const QString& a, const QString& b)
{
    const QList<QStringView> left = segments(a);
    const QList<QStringView> right = segments(b);
    const qsizetype shared = qMin(left.size(), right.size());
    for (qsizetype i = 0; i < shared; ++i) {
        const int order = compareDigits(left.at(i), right.at(i));
        if (order != 0) {
            return order < 0 ? -1 : 1;
        }
    }
    if (left.size() == right.size()) {
        return 0;
    }
    return left.size() < right.size() ? -1 : 1;
}
