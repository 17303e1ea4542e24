// The choices about the port, what is received and what is sent, kept apart from the
// preferences of the window so that neither file grows past reading.
#include "settings/settingsstore.h"

#include <QtGlobal>

namespace {

const QString kRecentPortPaths = QStringLiteral("serial/recentPaths");
const QString kAutoReconnect = QStringLiteral("serial/autoReconnect");
const QString kEnterSends = QStringLiteral("send/enterSends");

} // namespace

QStringList SettingsStore::recentPortPaths() const
{
    return read(kRecentPortPaths).toStringList();
}

void SettingsStore::setRecentPortPaths(const QStringList& paths)
{
    write(kRecentPortPaths, paths);
}

bool SettingsStore::autoReconnect() const
{
    return read(kAutoReconnect, true).toBool();
}

void SettingsStore::setAutoReconnect(bool enabled)
{
    write(kAutoReconnect, enabled);
}

bool SettingsStore::enterSends() const
{
    return read(kEnterSends, false).toBool();
}

void SettingsStore::setEnterSends(bool enabled)
{
    write(kEnterSends, enabled);
}

namespace {

const QString kFraming = QStringLiteral("receive/framing");
const QString kFramePause = QStringLiteral("receive/framePauseMs");

} // namespace

bool SettingsStore::framesBySilence() const
{
    return read(kFraming).toString() == QLatin1String("silence");
}

void SettingsStore::setFramesBySilence(bool on)
{
    write(kFraming, on ? QStringLiteral("silence") : QStringLiteral("lines"));
}

int SettingsStore::framePauseMs() const
{
    bool ok = false;
    const int ms = read(kFramePause).toInt(&ok);
    return ok ? qBound(MinFramePauseMs, ms, MaxFramePauseMs) : DefaultFramePauseMs;
}

void SettingsStore::setFramePauseMs(int ms)
{
    write(kFramePause, qBound(MinFramePauseMs, ms, MaxFramePauseMs));
}

namespace {

const QString kTextLineEnd = QStringLiteral("send/lineEnd");

} // namespace

int SettingsStore::textLineEnd() const
{
    return read(kTextLineEnd, 0).toInt();
}

void SettingsStore::setTextLineEnd(int code)
{
    write(kTextLineEnd, code);
}

namespace {

const QString kDtrOnOpen = QStringLiteral("serial/dtrOnOpen");
const QString kRtsOnOpen = QStringLiteral("serial/rtsOnOpen");
const QString kResetLine = QStringLiteral("serial/resetLine");
const QString kResetPulseMs = QStringLiteral("serial/resetPulseMs");
const QString kFileAsText = QStringLiteral("send/fileAsText");
const QString kFilePauseMs = QStringLiteral("send/filePauseMs");

} // namespace

bool SettingsStore::dtrOnOpen() const
{
    return read(kDtrOnOpen, true).toBool();
}

void SettingsStore::setDtrOnOpen(bool asserted)
{
    write(kDtrOnOpen, asserted);
}

bool SettingsStore::rtsOnOpen() const
{
    return read(kRtsOnOpen, true).toBool();
}

void SettingsStore::setRtsOnOpen(bool asserted)
{
    write(kRtsOnOpen, asserted);
}

int SettingsStore::resetLine() const
{
    return read(kResetLine, 0).toInt();
}

void SettingsStore::setResetLine(int line)
{
    write(kResetLine, line);
}

int SettingsStore::resetPulseMs() const
{
    bool ok = false;
    const int ms = read(kResetPulseMs, 100).toInt(&ok);
    return ok ? ms : 100;
}

void SettingsStore::setResetPulseMs(int ms)
{
    write(kResetPulseMs, ms);
}

bool SettingsStore::fileAsText() const
{
    return read(kFileAsText, false).toBool();
}

void SettingsStore::setFileAsText(bool asText)
{
    write(kFileAsText, asText);
}

int SettingsStore::filePauseMs() const
{
    bool ok = false;
    const int ms = read(kFilePauseMs, 0).toInt(&ok);
    return ok ? ms : 0;
}

void SettingsStore::setFilePauseMs(int ms)
{
    write(kFilePauseMs, ms);
}
