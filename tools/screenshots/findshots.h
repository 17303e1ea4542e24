#pragma once

#include <QString>

#include <functional>

class QQuickWindow;

/// Saves the main window with a sensor's log, in one theme: the find bar
/// with its matches marked and stepped to one as "find-<theme>", the log
/// coloured by highlight rules as "rules-<theme>" and the settings with
/// their rules as "rules-<theme>-editor", through @p save.
void shootFind(const QString& theme,
               const std::function<void(QQuickWindow*, const QString&)>& save);
