// Manual send: composing the draft into bytes (text or hex, optional
// CRC-16/MODBUS), writing and echoing it, and the repeat timer.
#include "app/appcontroller.h"

#include "library/commandhistorymodel.h"
#include "util/crc16.h"
#include "util/hextokens.h"
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

QByteArray AppController::composeHexPayload(const QString& text, bool withCrc, QString* error) const
{
    auto refuse = [&](const QString& reason) {
        if (error) {
            *error = reason;
        }
        return QByteArray();
    };
    const HexTokens::Reading reading = HexTokens::read(text);
    if (reading.badPosition >= 0) {
        return refuse(tr("Not sent: \"%1\" at position %2 is not a hex digit.")
                          .arg(HexTokens::shownCharacter(text, reading.badPosition))
                          .arg(reading.badPosition + 1));
    }
    QByteArray payload = reading.bytes;
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
}
