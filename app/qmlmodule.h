#pragma once

// Generated with the module Korvel by Qt's type registration, which names it
// after the module's URI.
void qml_register_types_Korvel();

/// Makes the module Korvel's types known to QML. Every program that loads the
/// module calls it before its first engine: the back end is a set of static
/// libraries, and an object file that nothing calls never reaches the program,
/// so without the call `import Korvel` would find no C++ types.
inline void registerKorvelModule()
{
    qml_register_types_Korvel();
}
