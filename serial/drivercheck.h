#pragma once

#include <QList>
#include <QString>

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

    /// Where the vendor driver lives on macOS; tests may point it elsewhere.
    static void setMacDriverPathForTesting(const QString& path);
    /// Makes isCh340DriverInstalled() answer @p installed (0 or 1) on every
    /// platform, so the missing-driver hint can be shown and tested here;
    /// -1 restores the real check.
    static void setInstalledOverrideForTesting(int installed);
};
