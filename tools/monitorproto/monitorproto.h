#pragma once

#include "app/qmlmodule.h"

// Generated with the module KorvelProto; nothing calls it by itself in a
// static library.
void qml_register_types_KorvelProto();

/// Makes the prototype's types (MonitorSurface, MonitorProto) known to QML,
/// and those of the module Korvel, which its documents import.
inline void registerMonitorPrototype()
{
    registerKorvelModule();
    qml_register_types_KorvelProto();
}
