// The control lines (ControlLines) and sending a file (FileSender): their stored choices,
// their lines in the log, and the file send's writes through the send path.
#include "app/appcontroller.h"

#include "serial/payloadcomposer.h"

void AppController::createLineServices()
{
    m_controlLines = new ControlLines(
        m_controlLinePort ? m_controlLinePort.get() : &m_serial.controlLinePort(), this);
    m_controlLines->setDtrOnOpen(m_settings.dtrOnOpen());
    m_controlLines->setRtsOnOpen(m_settings.rtsOnOpen());
    m_controlLines->setResetLine(m_settings.resetLine());
    m_controlLines->setResetPulseMs(m_settings.resetPulseMs());
    connect(m_controlLines, &ControlLines::openPolicyChanged, this, [this] {
        m_settings.setDtrOnOpen(m_controlLines->dtrOnOpen());
        m_settings.setRtsOnOpen(m_controlLines->rtsOnOpen());
    });
    connect(m_controlLines, &ControlLines::resetChanged, this, [this] {
        m_settings.setResetLine(m_controlLines->resetLine());
        m_settings.setResetPulseMs(m_controlLines->resetPulseMs());
    });
    connect(m_controlLines, &ControlLines::notice, this,
            [this](const QString& text) { m_log.append(LogKind::SYS, text.toUtf8()); });

    m_fileSender = new FileSender(&m_serial, this);
    m_fileSender->setAsText(m_settings.fileAsText());
    m_fileSender->setPauseMs(m_settings.filePauseMs());
    // Pieces go through the send path, so the bound on what waits in the port holds; the
    // Tx counter counts the summary line, as it counts a send's echo.
    m_fileSender->setWriter([this](const QByteArray& piece) { return writePayload(piece, 0); });
    connect(m_fileSender, &FileSender::optionsChanged, this, [this] {
        m_settings.setFileAsText(m_fileSender->asText());
        m_settings.setFilePauseMs(m_fileSender->pauseMs());
    });
    connect(m_fileSender, &FileSender::finished, this, &AppController::onFileSendFinished);
}

QString AppController::sendFile(const QString& path)
{
    m_fileSender->setLineEnd(m_lineEnd);
    QString error;
    if (!m_fileSender->start(path, &error)) {
        m_log.append(LogKind::ERR, error.toUtf8());
        return error;
    }
    return {};
}

void AppController::onFileSendFinished(FileSender::Outcome outcome, const QString& fileName,
                                       qint64 bytes, const QString& error)
{
    switch (outcome) {
    case FileSender::Outcome::Sent:
        // One line for the whole file: its bytes would flood the log.
        if (m_echoTx) {
            m_log.append(LogKind::TX,
                         tr("[file %1 \u00b7 bytes sent: %L2]").arg(fileName).arg(bytes).toUtf8());
        }
        emit statusMessage(tr("%1 sent.").arg(fileName));
        break;
    case FileSender::Outcome::Cancelled:
        m_log.append(
            LogKind::SYS,
            tr("Sending %1 cancelled; bytes sent: %L2.").arg(fileName).arg(bytes).toUtf8());
        break;
    case FileSender::Outcome::Failed:
        m_log.append(LogKind::ERR, error.toUtf8());
        break;
    }
}
