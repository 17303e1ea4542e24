#pragma once

#include <QString>
#include <QStringList>

/// The main window's document with some of its parts taken out, to see
/// what creating them at start costs: each of @p blocks names an object
/// declaration as it starts a line ("SaveLogDialog {"), taken out whole.
/// With @p prototypeMonitor, the data monitor is the prototype's. Relative
/// imports are made absolute, so the result loads from any folder.
QString mainDocumentWithout(const QStringList& blocks, bool prototypeMonitor);
