#pragma once

#include "log/rxframeassembler.h"
#include "log/rxlineassembler.h"

#include <QByteArray>

#include <functional>

/// Hands the received bytes of a session to the log cut the way the user
/// chose: into lines (RxLineAssembler) or into frames ended by silence
/// (RxFrameAssembler). A change of the choice first logs what the previous
/// rule still held, so that no byte is lost or logged twice.
class RxReceiver
{
public:
    explicit RxReceiver(LogManager* log, std::function<bool()> inputWaiting = {});

    void feed(const QByteArray& data);
    /// Logs the partial line or frame now.
    void flush();
    qsizetype pendingSize() const;

    bool framesBySilence() const { return m_framesBySilence; }
    void setFramesBySilence(bool on);
    int pauseMs() const { return m_frames.pauseMs(); }
    void setPauseMs(int ms) { m_frames.setPauseMs(ms); }
    /// Whether frames are marked by their CRC-16/MODBUS (lines never are).
    void setCrcCheck(bool on) { m_frames.setCrcCheck(on); }

private:
    RxLineAssembler m_lines;
    RxFrameAssembler m_frames;
    bool m_framesBySilence = false;
};
