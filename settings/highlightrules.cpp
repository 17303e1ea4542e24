#include "settings/highlightrules.h"

#include "util/textbounds.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace HighlightRules {

QStringList colourNames()
{
    return {QStringLiteral("red"),    QStringLiteral("orange"), QStringLiteral("yellow"),
            QStringLiteral("green"),  QStringLiteral("teal"),   QStringLiteral("blue"),
            QStringLiteral("purple"), QStringLiteral("grey")};
}

QList<HighlightRule> parse(const QByteArray& json)
{
    QList<HighlightRule> rules;
    if (json.isEmpty() || json.size() > MaxStoredBytes) {
        return rules;
    }
    const QJsonDocument doc = QJsonDocument::fromJson(json);
    const QStringList colours = colourNames();
    const QJsonArray array = doc.array();
    for (const QJsonValue& element : array) {
        if (rules.size() == MaxRules) {
            break;
        }
        const QJsonObject object = element.toObject();
        const QString pattern = object.value(QStringLiteral("pattern")).toString();
        if (pattern.isEmpty() || pattern.size() > TextBounds::SearchPattern) {
            continue;
        }
        QString colour = object.value(QStringLiteral("colour")).toString();
        if (!colours.contains(colour)) {
            colour = colours.first();
        }
        rules.append({pattern, object.value(QStringLiteral("regex")).toBool(), colour});
    }
    return rules;
}

QByteArray serialize(const QList<HighlightRule>& rules)
{
    QJsonArray array;
    for (const HighlightRule& rule : rules) {
        array.append(QJsonObject{{QStringLiteral("pattern"), rule.pattern},
                                 {QStringLiteral("regex"), rule.regex},
                                 {QStringLiteral("colour"), rule.colour}});
    }
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

} // namespace HighlightRules
