#pragma once

#include "serial/controllines.h"
#include "serial/drivercheck.h"
#include "serial/portlistmodel.h"
#include "settings/envconfig.h"
#include "settings/settingsstore.h"

#include <memory>

/// What the controller takes from outside the program: where the preferences live, the
/// deployment configuration (the update services), how serial ports are found and how the
/// driver is looked for. Each default is the platform's own, with an empty configuration; the
/// application fills `env` from the ".env" files of EnvConfig::defaultLocations().
struct AppServices
{
    SettingsStore settings;
    EnvConfig env;
    /// Lists the ports; empty for the platform's enumeration.
    PortListModel::Enumerator portEnumerator;
    /// Tells by its modification time that ports may have come or gone; empty to enumerate at
    /// every poll.
    QString deviceFolder = PortListModel::systemDeviceFolder();
    DriverCheck driverCheck;
    /// DTR, RTS, BREAK and the modem status; empty for those of the serial port itself.
    std::shared_ptr<ControlLinePort> controlLinePort{};
};
