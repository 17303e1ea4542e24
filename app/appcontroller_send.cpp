// Manual send: composing the draft into bytes (text or hex, optional
// CRC-16/MODBUS), writing and echoing it, and the repeat timer.
#include "app/appcontroller.h"

#include "library/commandhistorymodel.h"
#include "util/crc16.h"

#include <QTimer>

void AppController::setDraftText(const QString& text)
{
    if (text == m_draftText) {
        return;
    }
    m_draftText = text;
    emit draftTextChanged();
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

QByteArray AppController::composeHexPayload(const QString& text, bool withCrc) const
{
    QString digits = text;
    digits.remove(QLatin1Char(' '))
        .remove(QLatin1Char('\n'))
        .remove(QLatin1Char('\r'))
        .remove(QLatin1Char('\t'));
    QByteArray payload = QByteArray::fromHex(digits.toUtf8());
    if (withCrc) {
        payload += Crc16::modbusBytes(payload);
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
    if (m_sendAsHex) {
        const QByteArray payload = composeHexPayload(draft, m_crcEnabled);
        m_serial.write(payload);
        if (m_echoTx) {
            m_log.append(LogKind::TX, payload.toHex(' ').toUpper());
        }
    } else {
        const QByteArray payload = composeAsciiPayload(draft, m_crcEnabled);
        m_serial.write(payload);
        if (m_echoTx) {
            const QByteArray utf8 = draft.toUtf8();
            m_log.append(LogKind::TX, utf8 + crcEchoSuffix(utf8, m_crcEnabled).toUtf8());
        }
    }
    m_historyModel->push(draft);
}

void AppController::onRepeatTick()
{
    // A short interval (0 fires on every pass of the event loop) must not
    // queue payloads faster than the line drains them: skip the tick while
    // earlier bytes are still waiting to go out.
    if (m_serial.bytesToWrite() > 0) {
        return;
    }
    sendManualText();
}
