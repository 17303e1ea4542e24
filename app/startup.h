#pragma once

#include "app/commandline.h"

#include <QUrl>

class QQmlEngine;

/// Runs the application: identity, icon, font, style, engine and the event
/// loop. Loads @p root when given, else the document Main of the module
/// Korvel, then applies the command line's @p options to the window. Returns
/// the exit status, -1 when the root document cannot be created.
int runKorvelApplication(int argc, char* argv[], const QUrl& root = {},
                         const StartupOptions& options = {});

/// Re-translates every qsTr binding of @p engine after each change of the
/// interface language, for as long as the engine lives.
void followInterfaceLanguage(QQmlEngine& engine);
