#pragma once

#include <QString>
#include <QStringList>

enum class ReportShape { Flat, Nested, Labels, Numbers };

/// The simulator's command line, checked for ranges and conflicting modes.
struct Options
{
    QString link;
    qint64 reportMs = 0;
    bool flood = false;
    qint64 floodRate = 0;
    int lineLength = 40;
    qint64 count = 0;
    bool ansi = false;
    bool binary = false;
    qint64 binaryRate = 0;
    bool modbus = false;
    bool text = false;
    int modbusAddress = 1;
    /// With --modbus: every this many answers one carries a wrong CRC; 0 for none.
    qint64 badCrcEvery = 0;
    qint64 hangupAfterMs = 0;
    bool hangupMidLine = false;
    bool quiet = false;
    /// What report and flood lines look like; Flat is the HX4's own report.
    ReportShape shape = ReportShape::Flat;
    bool shapeGiven = false;
};

enum class ParseResult { Run, Help, Error };

ParseResult parseOptions(const QStringList& args, Options& options, QString& error);
QString usageText();
