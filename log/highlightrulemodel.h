#pragma once

#include "log/logmatcher.h"
#include "settings/highlightrules.h"

#include <QAbstractListModel>
#include <QList>

class LogManager;
struct LogEntry;

/// The highlight rules, editable as a list and kept in the settings, and the
/// colour each line of the log gets from them: that of the first rule that
/// matches the line's text (ignoring case), decided once as the line
/// arrives.
class HighlightRuleModel : public QAbstractListModel
{
    Q_OBJECT

    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)
    Q_PROPERTY(bool full READ full NOTIFY countChanged)
    Q_PROPERTY(QStringList colourNames READ colourNames CONSTANT)

public:
    enum Role {
        PatternRole = Qt::UserRole + 1,
        RegexRole,
        ColourRole,
        ColourIndexRole,
    };
    Q_ENUM(Role)

    /// Reads the rules from the settings.
    explicit HighlightRuleModel(LogManager* log, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    bool full() const { return m_rules.size() >= HighlightRules::MaxRules; }
    QStringList colourNames() const { return HighlightRules::colourNames(); }
    QList<HighlightRule> rules() const { return m_rules; }

    /// Adds a rule at the end, or (row given) replaces that rule; returns why
    /// it was refused (an empty or unusable pattern, no room, an unknown
    /// colour), or an empty text once it is stored.
    Q_INVOKABLE QString setRule(int row, const QString& pattern, bool regex, const QString& colour);
    Q_INVOKABLE void removeRule(int row);
    /// The palette index of a line's colour, -1 for none or for a line no
    /// longer held (line numbers as LogViewRows gives them).
    Q_INVOKABLE int colourIndexOfLine(double lineNumber) const;

signals:
    void countChanged();
    /// The colours of the lines held were worked out again.
    void lineColoursChanged();

private:
    void compile();
    void save();
    void recolourAll();
    void onAppended(int count);
    void onAboutToBeEvicted(int count);
    qint8 colourOf(const LogEntry& entry) const;

    LogManager* m_log;
    QList<HighlightRule> m_rules;
    QList<LogMatcher> m_matchers;
    QList<qint8> m_colourIndices;
    // Per held entry, oldest first: the palette index of its colour or -1.
    QList<qint8> m_lineColours;
};
