// Manual send: composing the draft into bytes (text or hex, optional
// CRC-16/MODBUS), writing and echoing it, and the repeat timer.
#include "app/appcontroller.h"

#include "library/commandhistorymodel.h"
#include "util/crc16.h"
#include "util/textbounds.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>

#include <algorithm>

void AppController::refuseLongDraft(qsizetype length)
{
    m_log.append(LogKind::ERR, tr("Not put into the send box: %L1 characters are more than a "
                                  "command may be (%L2).")
                                   .arg(length)
                                   .arg(TextBounds::Command)
                                   .toUtf8());
}

void AppController::setDraftText(const QString& text)
{
    if (text == m_draftText) {
        return;
    }
    if (text.size() > TextBounds::Command) {
        // Laying such a text out would hold the window up for seconds; the box is told to
        // show the draft it had.
        refuseLongDraft(text.size());
        emit draftTextChanged();
        return;
    }
    m_draftText = text;
    emit draftTextChanged();
}

bool AppController::refuseLongPaste(int keptLength)
{
    // The box lays a pasted text out before it reports the change, which for a megabyte takes
    // a minute: a paste that would make the draft too long never reaches it.
    const qsizetype length = qsizetype(keptLength) + QGuiApplication::clipboard()->text().size();
    if (length <= TextBounds::Command) {
        return false;
    }
    refuseLongDraft(length);
    return true;
}

void AppController::clearDraft()
{
    setDraftText(QString());
}

void AppController::setEchoTx(bool on)
{
    if (on == m_echoTx) {
        return;
    }
    m_echoTx = on;
    emit echoTxChanged();
}

void AppController::setSendAsHex(bool on)
{
    if (on == m_sendAsHex) {
        return;
    }
    m_sendAsHex = on;
    emit sendAsHexChanged();
}

void AppController::setCrcEnabled(bool on)
{
    if (on == m_crcEnabled) {
        return;
    }
    m_crcEnabled = on;
    emit crcEnabledChanged();
}

void AppController::setRepeatSendEnabled(bool on)
{
    if (on == m_repeatSendEnabled) {
        return;
    }
    m_repeatSendEnabled = on;
    m_repeatAwaitingDrain = false;
    if (on && m_serial.isOpen()) {
        m_repeatTimer->start(m_repeatIntervalMs);
    } else {
        m_repeatTimer->stop();
    }
    emit repeatSendChanged();
}

void AppController::setRepeatIntervalMs(int ms)
{
    if (ms == m_repeatIntervalMs) {
        return;
    }
    m_repeatIntervalMs = ms;
    if (m_repeatTimer->isActive()) {
        m_repeatTimer->start(ms);
    }
    emit repeatSendChanged();
}

QByteArray AppController::composeAsciiPayload(const QString& text, bool withCrc) const
{
    QByteArray payload = text.toUtf8();
    const bool endsWithLineFeed = payload.endsWith('\n');
    if (withCrc) {
        payload += Crc16::modbusBytes(payload);
    }
    if (!endsWithLineFeed) {
        payload += "\r\n";
    }
    return payload;
}

namespace {

bool isHexSeparator(QChar c)
{
    return c.isSpace() || c == QLatin1Char(',') || c == QLatin1Char(';') || c == QLatin1Char(':') ||
           c == QLatin1Char('-');
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') {
        return u - '0';
    }
    if (u >= 'a' && u <= 'f') {
        return u - 'a' + 10;
    }
    if (u >= 'A' && u <= 'F') {
        return u - 'A' + 10;
    }
    return -1;
}

// The character at @p i as the user would recognise it in a message.
QString shownCharacter(const QString& text, qsizetype i)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
        return text.mid(i, 2);
    }
    if (!c.isPrint()) {
        return QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
    }
    return QString(c);
}

} // namespace

QByteArray AppController::composeHexPayload(const QString& text, bool withCrc, QString* error) const
{
    auto refuse = [&](const QString& reason) {
        if (error) {
            *error = reason;
        }
        return QByteArray();
    };
    QByteArray payload;
    payload.reserve(text.size() / 2 + 2);
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        if (isHexSeparator(text.at(i))) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < n && !isHexSeparator(text.at(i))) {
            ++i;
        }
        qsizetype digits = start;
        if (i - start >= 2 && text.at(start) == QLatin1Char('0') &&
            (text.at(start + 1) == QLatin1Char('x') || text.at(start + 1) == QLatin1Char('X'))) {
            digits += 2;
        }
        if (digits == i) {
            // "0x" with nothing after it: the x is not a digit.
            return refuse(tr("Not sent: \"%1\" at position %2 is not a hex digit.")
                              .arg(text.at(start + 1))
                              .arg(start + 2));
        }
        for (qsizetype k = digits; k < i; ++k) {
            if (hexValue(text.at(k)) < 0) {
                return refuse(tr("Not sent: \"%1\" at position %2 is not a hex digit.")
                                  .arg(shownCharacter(text, k))
                                  .arg(k + 1));
            }
        }
        qsizetype k = digits;
        if ((i - digits) % 2 != 0) {
            payload.append(char(hexValue(text.at(k))));
            ++k;
        }
        for (; k < i; k += 2) {
            payload.append(char(hexValue(text.at(k)) << 4 | hexValue(text.at(k + 1))));
        }
    }
    if (payload.isEmpty()) {
        return refuse(tr("Not sent: the draft holds no hex digits."));
    }
    if (withCrc) {
        payload += Crc16::modbusBytes(payload);
    }
    if (error) {
        error->clear();
    }
    return payload;
}

QString AppController::crcEchoSuffix(const QByteArray& bytes, bool withCrc) const
{
    if (!withCrc) {
        return {};
    }
    const QByteArray crc = Crc16::modbusBytes(bytes).toHex(' ').toUpper();
    return QStringLiteral(" [CRC %1]").arg(QString::fromLatin1(crc));
}

LineEnd AppController::sentLineEnd(const QString& draft, bool hex)
{
    return !hex && !draft.endsWith(QLatin1Char('\n')) ? LineEnd::CrLf : LineEnd::None;
}

void AppController::sendManualText()
{
    const QString draft = m_draftText;
    if (draft.trimmed().isEmpty()) {
        return;
    }
    if (!m_serial.isOpen()) {
        m_log.append(LogKind::ERR,
                     tr("Port is not open \u2014 click \"Open port\" first.").toUtf8());
        return;
    }
    QByteArray payload;
    QByteArray echo;
    const QByteArray utf8 = draft.toUtf8();
    if (m_sendAsHex) {
        QString error;
        payload = composeHexPayload(draft, m_crcEnabled, &error);
        if (payload.isEmpty()) {
            m_log.append(LogKind::ERR, error.toUtf8());
            return;
        }
        echo = payload.toHex(' ').toUpper();
    } else {
        payload = composeAsciiPayload(draft, m_crcEnabled);
        echo = utf8 + crcEchoSuffix(utf8, m_crcEnabled).toUtf8();
    }
    if (!writePayload(payload, m_echoTx ? echo.size() : 0)) {
        return;
    }
    if (m_echoTx) {
        m_log.append(LogKind::TX, echo, sentLineEnd(draft, m_sendAsHex));
    }
    if (utf8.size() > HistoryTextLimit) {
        emit statusMessage(tr("Sent; not kept in the history, as it is longer than 4 KiB."));
    } else {
        m_historyModel->push(draft, m_sendAsHex ? SentAs::Hex : SentAs::Text);
    }
}

bool AppController::writePayload(const QByteArray& payload, qint64 countedBytes)
{
    const qint64 waiting = m_serial.bytesToWrite();
    if (waiting + payload.size() > MaxQueuedBytes) {
        const QString reason =
            waiting > 0
                ? tr("Not sent: the device is not reading \u2014 %1 bytes are still waiting to go "
                     "out.")
                      .arg(waiting)
                : tr("Not sent: %1 bytes are more than the port may hold at once (%2).")
                      .arg(payload.size())
                      .arg(MaxQueuedBytes);
        m_log.append(LogKind::ERR, reason.toUtf8());
        return false;
    }
    m_serial.write(payload);
    m_txLedger.queued(payload.size(), countedBytes);
    return true;
}

void AppController::onRepeatTick()
{
    // A short interval (0 fires on every pass of the event loop) must not
    // queue payloads faster than the line drains them: while earlier bytes
    // are still waiting, the timer rests until the port reports them gone.
    if (m_serial.bytesToWrite() > 0) {
        m_repeatTimer->stop();
        m_repeatAwaitingDrain = true;
        return;
    }
    sendManualText();
}

// The port has taken what waited: timers that rested for it go on.
void AppController::onBytesWritten()
{
    if (m_serial.bytesToWrite() > 0) {
        return;
    }
    if (m_repeatAwaitingDrain) {
        m_repeatAwaitingDrain = false;
        if (m_repeatSendEnabled && m_serial.isOpen()) {
            m_repeatTimer->start(m_repeatIntervalMs);
        }
    }
    if (m_batchAwaitingDrain) {
        m_batchAwaitingDrain = false;
        if (batchRunning()) {
            m_batchTimer->start(std::max(0, m_runningBatch.intervalMs));
        }
    }
}
