#pragma once

#include <QList>
#include <QString>

#include <optional>

/// A USB-serial driver the application knows of.
struct DriverInfo
{
    QString name;
    QString description;
    QString url;
    bool installed = false;
};

/// Tells whether the CH340/CH341 bridge driver is present and where to get it.
class DriverCheck
{
public:
    static bool isCh340DriverInstalled();
    static QString downloadUrl();
    static QList<DriverInfo> knownDrivers();

    /// Makes isCh340DriverInstalled() answer @p installed on every platform,
    /// so that the missing-driver hint can be shown and tested here; no
    /// value restores the real check.
    static void setInstalledOverrideForTesting(std::optional<bool> installed);
};
