#pragma once

#include <QString>

#include <functional>

class QQuickWindow;

/// Saves the main window after a Modbus RTU exchange with the device
/// simulator, replies cut by silence and marked by their CRC (one spoilt on
/// purpose), in the hex view, as "modbus-<theme>", through @p save.
void shootModbus(const QString& theme,
                 const std::function<void(QQuickWindow*, const QString&)>& save);

/// Saves the main window after a batch of Modbus requests that each wait for
/// their reply ran against the device simulator, stopped by a reply with a
/// spoilt CRC, as "modbus-batch-<theme>", through @p save.
void shootModbusBatch(const QString& theme,
                      const std::function<void(QQuickWindow*, const QString&)>& save);
