#pragma once

// The back end's types as the module Korvel shows them to QML. They live in
// the subsystem libraries (serial, log, library), which know nothing of QML;
// Qt's type registration only reads the module target's own headers, so the
// module names them here with QML_FOREIGN. A type gets its QML name in this
// file only: the build rejects QML_ELEMENT and its kin in other folders.

#include "library/batchcommandmodel.h"
#include "library/commandhistorymodel.h"
#include "library/commandlistmodel.h"
#include "library/historyrecall.h"
#include "log/continuouslogstate.h"
#include "log/fieldmonitor.h"
#include "log/fieldplot.h"
#include "log/fieldtablemodel.h"
#include "log/highlightrulemodel.h"
#include "log/logfiltermodel.h"
#include "log/loglistmodel.h"
#include "log/logsearch.h"
#include "log/logviewrows.h"
#include "log/matchhighlighter.h"
#include "log/matchmarks.h"
#include "log/pausewatch.h"
#include "log/repaintband.h"
#include "serial/controllines.h"
#include "serial/filesender.h"
#include "serial/portlistmodel.h"
#include "serial/serialoptions.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

struct SerialOptionsForeign
{
    Q_GADGET
    QML_FOREIGN(SerialOptions)
    QML_NAMED_ELEMENT(SerialOptions)
    QML_SINGLETON
};

struct PortListModelForeign
{
    Q_GADGET
    QML_FOREIGN(PortListModel)
    QML_NAMED_ELEMENT(PortListModel)
    QML_UNCREATABLE("Created by AppController")
};

struct ControlLinesForeign
{
    Q_GADGET
    QML_FOREIGN(ControlLines)
    QML_NAMED_ELEMENT(ControlLines)
    QML_UNCREATABLE("Created by AppController")
};

struct FileSenderForeign
{
    Q_GADGET
    QML_FOREIGN(FileSender)
    QML_NAMED_ELEMENT(FileSender)
    QML_UNCREATABLE("Created by AppController")
};

struct LogListModelForeign
{
    Q_GADGET
    QML_FOREIGN(LogListModel)
    QML_NAMED_ELEMENT(LogListModel)
    QML_UNCREATABLE("Created by AppController")
};

// Reached through LogListModel.viewRows only; it adds no name to the module.
struct LogViewRowsForeign
{
    Q_GADGET
    QML_FOREIGN(LogViewRows)
    QML_ANONYMOUS
};

struct ContinuousLogStateForeign
{
    Q_GADGET
    QML_FOREIGN(ContinuousLogState)
    QML_NAMED_ELEMENT(ContinuousLogState)
    QML_UNCREATABLE("Created by AppController")
};

struct PauseWatchForeign
{
    Q_GADGET
    QML_FOREIGN(PauseWatch)
    QML_NAMED_ELEMENT(PauseWatch)
};

struct FieldMonitorForeign
{
    Q_GADGET
    QML_FOREIGN(FieldMonitor)
    QML_NAMED_ELEMENT(FieldMonitor)
    QML_UNCREATABLE("Created by AppController")
};

struct FieldTableModelForeign
{
    Q_GADGET
    QML_FOREIGN(FieldTableModel)
    QML_NAMED_ELEMENT(FieldTableModel)
    QML_UNCREATABLE("Created by AppController")
};

struct FieldPlotForeign
{
    Q_GADGET
    QML_FOREIGN(FieldPlot)
    QML_NAMED_ELEMENT(FieldPlot)
};

struct CommandListModelForeign
{
    Q_GADGET
    QML_FOREIGN(CommandListModel)
    QML_NAMED_ELEMENT(CommandListModel)
    QML_UNCREATABLE("Created by AppController")
};

struct CommandHistoryModelForeign
{
    Q_GADGET
    QML_FOREIGN(CommandHistoryModel)
    QML_NAMED_ELEMENT(CommandHistoryModel)
    QML_UNCREATABLE("Created by AppController")
};

struct HistoryRecallForeign
{
    Q_GADGET
    QML_FOREIGN(HistoryRecall)
    QML_NAMED_ELEMENT(HistoryRecall)
    QML_UNCREATABLE("Created by AppController")
};

struct BatchCommandModelForeign
{
    Q_GADGET
    QML_FOREIGN(BatchCommandModel)
    QML_NAMED_ELEMENT(BatchCommandModel)
    QML_UNCREATABLE("Created by AppController")
};

struct LogSearchForeign
{
    Q_GADGET
    QML_FOREIGN(LogSearch)
    QML_NAMED_ELEMENT(LogSearch)
    QML_UNCREATABLE("Created by AppController")
};

struct LogFilterModelForeign
{
    Q_GADGET
    QML_FOREIGN(LogFilterModel)
    QML_NAMED_ELEMENT(LogFilterModel)
    QML_UNCREATABLE("Created by AppController")
};

struct HighlightRuleModelForeign
{
    Q_GADGET
    QML_FOREIGN(HighlightRuleModel)
    QML_NAMED_ELEMENT(HighlightRuleModel)
    QML_UNCREATABLE("Created by AppController")
};

// Made by the data monitor's rows for the text they show.
struct MatchHighlighterForeign
{
    Q_GADGET
    QML_FOREIGN(MatchHighlighter)
    QML_NAMED_ELEMENT(MatchHighlighter)
};

// Made by the data monitor's rows for the text they show.
struct MatchMarksForeign
{
    Q_GADGET
    QML_FOREIGN(MatchMarks)
    QML_NAMED_ELEMENT(MatchMarks)
};

// In front of the data monitor's rows that have matches marked.
struct RepaintBandForeign
{
    Q_GADGET
    QML_FOREIGN(RepaintBand)
    QML_NAMED_ELEMENT(RepaintBand)
};
