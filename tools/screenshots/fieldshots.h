#pragma once

#include <QString>

#include <functional>

class QQuickWindow;

/// Saves the main window with the fields panel fed a minute of JSON reports
/// as "fields-<theme>" (with a language other than English
/// "fields-<language>-<theme>"), and one report shown as JSON as the same
/// name followed by "-json", through @p save.
void shootFields(const QString& theme, const QString& language,
                 const std::function<void(QQuickWindow*, const QString&)>& save);
