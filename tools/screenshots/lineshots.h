#pragma once

#include <QString>

#include <functional>

class QQuickWindow;

/// Saves the main window with a port open on an adapter whose modem lines answer (DTR
/// released, CTS and DSR up) as "lines-<theme>", the file send dialog as
/// "filesend-<theme>-dialog" and a file on its way to a device that stopped reading as
/// "filesend-<theme>", through @p save.
void shootLines(const QString& theme,
                const std::function<void(QQuickWindow*, const QString&)>& save);
