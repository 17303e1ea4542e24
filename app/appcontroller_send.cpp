// Manual send: the draft, writing and echoing what PayloadComposer makes of it, and repeat
// send (RepeatSender).
#include "app/appcontroller.h"

#include "library/commandhistorymodel.h"
#include "serial/payloadcomposer.h"
#include "serial/repeatsender.h"
#include "util/textbounds.h"

#include <QClipboard>
#include <QGuiApplication>

#include <algorithm>

namespace {

LineEnd logLineEnd(PayloadComposer::TextLineEnd end)
{
    switch (end) {
    case PayloadComposer::TextLineEnd::CrLf:
        return LineEnd::CrLf;
    case PayloadComposer::TextLineEnd::Lf:
        return LineEnd::Lf;
    case PayloadComposer::TextLineEnd::Cr:
        return LineEnd::Cr;
    case PayloadComposer::TextLineEnd::None:
        break;
    }
    return LineEnd::None;
}

} // namespace

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
    m_rxReceiver.setCrcCheck(on);
    emit crcEnabledChanged();
}

// The stored pause is the assembler's, bounds and default alike.
static_assert(SettingsStore::MinFramePauseMs == RxFrameAssembler::MinPauseMs &&
              SettingsStore::MaxFramePauseMs == RxFrameAssembler::MaxPauseMs &&
              SettingsStore::DefaultFramePauseMs == RxFrameAssembler::DefaultPauseMs);

void AppController::setFramesBySilence(bool on)
{
    if (on == framesBySilence()) {
        return;
    }
    m_rxReceiver.setFramesBySilence(on);
    m_settings.setFramesBySilence(on);
    emit receiveFramingChanged();
}

void AppController::setFramePauseMs(int ms)
{
    const int bounded = qBound(RxFrameAssembler::MinPauseMs, ms, RxFrameAssembler::MaxPauseMs);
    if (bounded == framePauseMs()) {
        return;
    }
    m_rxReceiver.setPauseMs(bounded);
    m_settings.setFramePauseMs(bounded);
    emit receiveFramingChanged();
}

void AppController::setLineEnd(int code)
{
    const PayloadComposer::TextLineEnd end = PayloadComposer::lineEndFromCode(code);
    if (end == m_lineEnd) {
        return;
    }
    m_lineEnd = end;
    m_settings.setTextLineEnd(int(end));
    emit lineEndChanged();
}

void AppController::setRepeatSendEnabled(bool on)
{
    if (on == m_repeatSender->enabled()) {
        return;
    }
    m_repeatSender->setEnabled(on);
    emit repeatSendChanged();
}

void AppController::setRepeatIntervalMs(int ms)
{
    if (ms == m_repeatSender->intervalMs()) {
        return;
    }
    m_repeatSender->setIntervalMs(ms);
    emit repeatSendChanged();
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
    const PayloadComposer::Composed composed =
        PayloadComposer::compose(draft, m_sendAsHex, m_crcEnabled, m_lineEnd);
    if (!composed.error.isEmpty()) {
        m_log.append(LogKind::ERR, composed.error.toUtf8());
        return;
    }
    if (!writeComposed(composed)) {
        return;
    }
    if (draft.toUtf8().size() > HistoryTextLimit) {
        emit statusMessage(tr("Sent; not kept in the history, as it is longer than 4 KiB."));
    } else {
        m_historyModel->push(draft, m_sendAsHex ? SentAs::Hex : SentAs::Text);
    }
}

bool AppController::writeComposed(const PayloadComposer::Composed& composed)
{
    if (!writePayload(composed.bytes, m_echoTx ? composed.echo.size() : 0)) {
        return false;
    }
    if (m_echoTx) {
        m_log.append(LogKind::TX, composed.echo, logLineEnd(composed.lineEndAdded));
    }
    return true;
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

bool AppController::repeatSendEnabled() const
{
    return m_repeatSender->enabled();
}

int AppController::repeatIntervalMs() const
{
    return m_repeatSender->intervalMs();
}
