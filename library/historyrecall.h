#pragma once

#include "library/commandhistorymodel.h"

#include <QObject>
#include <QString>

#include <functional>

/// Puts sent texts back into the send box with the mode they went out in: a
/// chosen history entry, or, step by step with Up and Down while the draft is
/// one line, the next older or newer one. Down past the newest entry brings
/// back the draft (and mode) from before the first step; editing a recalled
/// text ends the stepping.
class HistoryRecall : public QObject
{
    Q_OBJECT

public:
    /// Where the draft and the send mode live.
    struct Draft
    {
        std::function<QString()> text;
        std::function<void(const QString&)> setText;
        std::function<bool()> hex;
        std::function<void(bool)> setHex;
    };

    HistoryRecall(CommandHistoryModel* history, Draft draft, QObject* parent = nullptr);

    /// Puts the entry of @p row into the draft; nothing for a row out of range.
    Q_INVOKABLE void recall(int row);
    /// One step towards older entries; false (nothing changed) when the draft
    /// holds more than one line or no older entry is left.
    Q_INVOKABLE bool older();
    /// One step back towards the draft the stepping began with; false when
    /// not stepping or the draft holds more than one line.
    Q_INVOKABLE bool newer();

private:
    bool stepping() const;
    void apply(int row);

    CommandHistoryModel* m_history;
    Draft m_draft;
    int m_row = -1;
    bool m_stepping = false;
    QString m_lastRecalled;
    QString m_savedText;
    bool m_savedHex = false;
};
