#include "serial/serialoptions.h"

#include "serial/payloadcomposer.h"

#include <QVariantMap>

namespace {

QVariantMap option(const QString& label, int value)
{
    return {{QStringLiteral("label"), label}, {QStringLiteral("value"), value}};
}

} // namespace

SerialOptions::SerialOptions(QObject* parent)
    : QObject(parent)
{}

QVariantList SerialOptions::dataBitsOptions() const
{
    return {option(QStringLiteral("5"), 5), option(QStringLiteral("6"), 6),
            option(QStringLiteral("7"), 7), option(QStringLiteral("8"), 8)};
}

QVariantList SerialOptions::parityOptions() const
{
    // "None" twice, told apart for languages where parity and flow control
    // take different grammatical genders.
    return {option(tr("None", "parity"), 0), option(tr("Even"), 2), option(tr("Odd"), 3)};
}

QVariantList SerialOptions::stopBitsOptions() const
{
    return {option(QStringLiteral("1"), 1), option(QStringLiteral("1.5"), 3),
            option(QStringLiteral("2"), 2)};
}

QVariantList SerialOptions::flowControlOptions() const
{
    return {option(tr("None", "flow control"), 0), option(tr("RTS/CTS"), 1),
            option(tr("XON/XOFF"), 2)};
}

QVariantList SerialOptions::lineEndOptions() const
{
    using End = PayloadComposer::TextLineEnd;
    return {option(QStringLiteral("CR LF"), int(End::CrLf)),
            option(QStringLiteral("LF"), int(End::Lf)), option(QStringLiteral("CR"), int(End::Cr)),
            option(tr("None", "line end"), int(End::None))};
}

QVariantList SerialOptions::baudRateOptions() const
{
    QVariantList rates;
    for (int rate : {300, 600, 900, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 57600, 115200,
                     230400, 460800, 921600}) {
        rates.append(rate);
    }
    return rates;
}
