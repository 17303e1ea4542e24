#pragma once

// Generated with the module KorvelProto; nothing calls it by itself in a
// static library.
void qml_register_types_KorvelProto();

/// Makes the prototype's types (MonitorSurface, MonitorProto) known to QML.
inline void registerMonitorPrototype()
{
    qml_register_types_KorvelProto();
}
