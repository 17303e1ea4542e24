#pragma once

#include <QList>
#include <QString>

#include <functional>

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
    /// Answers whether the CH340 driver is installed.
    using Probe = std::function<bool()>;

    /// Asks the platform (platformProbe()).
    DriverCheck();
    explicit DriverCheck(Probe probe);

    bool isCh340DriverInstalled() const;
    QList<DriverInfo> knownDrivers() const;
    static QString downloadUrl();

    /// Looks for the driver where the platform installs it.
    static bool platformProbe();

private:
    Probe m_probe;
};
