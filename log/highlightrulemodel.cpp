#include "log/highlightrulemodel.h"

#include "log/ansitext.h"
#include "log/logmanager.h"
#include "settings/settingsstore.h"

HighlightRuleModel::HighlightRuleModel(LogManager* log, QObject* parent)
    : QAbstractListModel(parent)
    , m_log(log)
    , m_rules(SettingsStore().highlightRules())
{
    compile();
    connect(log, &LogManager::entriesAppended, this, &HighlightRuleModel::onAppended);
    connect(log, &LogManager::entriesAboutToBeEvicted, this,
            &HighlightRuleModel::onAboutToBeEvicted);
    connect(log, &LogManager::bulkChanged, this, &HighlightRuleModel::recolourAll);
    connect(log, &LogManager::cleared, this, &HighlightRuleModel::recolourAll);
    recolourAll();
}

int HighlightRuleModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rules.size());
}

QVariant HighlightRuleModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const HighlightRule& rule = m_rules.at(index.row());
    switch (role) {
    case PatternRole:
        return rule.pattern;
    case RegexRole:
        return rule.regex;
    case ColourRole:
        return rule.colour;
    case ColourIndexRole:
        return int(m_colourIndices.at(index.row()));
    default:
        return {};
    }
}

QHash<int, QByteArray> HighlightRuleModel::roleNames() const
{
    return {{PatternRole, "pattern"},
            {RegexRole, "regex"},
            {ColourRole, "colour"},
            {ColourIndexRole, "colourIndex"}};
}

QString HighlightRuleModel::setRule(int row, const QString& pattern, bool regex,
                                    const QString& colour)
{
    const bool adding = row < 0 || row >= m_rules.size();
    if (adding && full()) {
        return tr("No more than %n rules can be kept.", nullptr, HighlightRules::MaxRules);
    }
    if (pattern.isEmpty()) {
        return tr("The rule needs a pattern.");
    }
    if (!colourNames().contains(colour)) {
        return tr("\"%1\" is not a colour of the palette.").arg(colour);
    }
    const LogMatcher matcher(pattern, regex ? LogMatcher::Mode::Regex : LogMatcher::Mode::Text,
                             false);
    if (!matcher.isActive()) {
        return matcher.errorText();
    }
    const HighlightRule rule{pattern, regex, colour};
    if (adding) {
        beginInsertRows({}, int(m_rules.size()), int(m_rules.size()));
        m_rules.append(rule);
        compile();
        endInsertRows();
        emit countChanged();
    } else if (!(m_rules.at(row) == rule)) {
        m_rules[row] = rule;
        compile();
        emit dataChanged(index(row), index(row));
    } else {
        return {};
    }
    save();
    recolourAll();
    return {};
}

void HighlightRuleModel::removeRule(int row)
{
    if (row < 0 || row >= m_rules.size()) {
        return;
    }
    beginRemoveRows({}, row, row);
    m_rules.remove(row);
    compile();
    endRemoveRows();
    emit countChanged();
    save();
    recolourAll();
}

int HighlightRuleModel::colourIndexOfLine(double lineNumber) const
{
    const qint64 first = m_log->totalLineCount() - m_log->entries().size();
    const qint64 row = qint64(lineNumber) - first;
    if (row < 0 || row >= m_lineColours.size()) {
        return -1;
    }
    return m_lineColours.at(row);
}

void HighlightRuleModel::compile()
{
    const QStringList colours = colourNames();
    m_matchers.clear();
    m_colourIndices.clear();
    for (const HighlightRule& rule : m_rules) {
        m_matchers.append(LogMatcher(
            rule.pattern, rule.regex ? LogMatcher::Mode::Regex : LogMatcher::Mode::Text, false));
        m_colourIndices.append(qint8(qMax(0, colours.indexOf(rule.colour))));
    }
}

void HighlightRuleModel::save()
{
    SettingsStore().setHighlightRules(m_rules);
}

qint8 HighlightRuleModel::colourOf(const LogEntry& entry) const
{
    if (m_matchers.isEmpty()) {
        return -1;
    }
    // The text as the monitor shows it, whatever the view: a rule for
    // "ERROR" colours the line in the hex view too.
    const QString text = AnsiText::stripToPlain(QString::fromUtf8(entry.data));
    for (int i = 0; i < m_matchers.size(); ++i) {
        if (m_matchers.at(i).matches(text)) {
            return m_colourIndices.at(i);
        }
    }
    return -1;
}

void HighlightRuleModel::recolourAll()
{
    m_lineColours.clear();
    const auto& entries = m_log->entries();
    m_lineColours.reserve(entries.size());
    for (const LogEntry& entry : entries) {
        m_lineColours.append(colourOf(entry));
    }
    emit lineColoursChanged();
}

void HighlightRuleModel::onAppended(int count)
{
    const auto& entries = m_log->entries();
    for (qsizetype row = entries.size() - count; row < entries.size(); ++row) {
        m_lineColours.append(colourOf(entries.at(row)));
    }
}

void HighlightRuleModel::onAboutToBeEvicted(int count)
{
    m_lineColours.remove(0, qMin<qsizetype>(count, m_lineColours.size()));
}
