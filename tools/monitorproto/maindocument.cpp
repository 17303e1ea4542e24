#include "maindocument.h"

#include <QFile>

namespace {

// Index just past the brace that closes the one at @p open, skipping
// strings and comments; -1 when it is never closed.
qsizetype closingBrace(const QString& text, qsizetype open)
{
    int depth = 0;
    for (qsizetype i = open; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'"' || c == u'\'') {
            for (++i; i < text.size() && text.at(i) != c; ++i) {
                if (text.at(i) == u'\\') {
                    ++i;
                }
            }
        } else if (c == u'/' && i + 1 < text.size() && text.at(i + 1) == u'/') {
            i = text.indexOf(u'\n', i);
            if (i < 0) {
                return -1;
            }
        } else if (c == u'{') {
            ++depth;
        } else if (c == u'}' && --depth == 0) {
            return i + 1;
        }
    }
    return -1;
}

} // namespace

QString mainDocumentWithout(const QStringList& blocks, bool prototypeMonitor)
{
    QFile file(QStringLiteral(":/qt/qml/Korvel/qml/Main.qml"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QStringLiteral("import \"effects\""),
                 QStringLiteral("import \"qrc:/qt/qml/Korvel/qml/effects\""));
    for (const QString& block : blocks) {
        const qsizetype start = text.indexOf(u'\n' + block);
        if (start < 0) {
            return {};
        }
        const qsizetype end = closingBrace(text, text.indexOf(u'{', start));
        if (end < 0) {
            return {};
        }
        text.remove(start, end - start);
    }
    if (prototypeMonitor) {
        text.replace(QStringLiteral("import Korvel\n"),
                     QStringLiteral("import Korvel\nimport KorvelProto\n"));
        text.replace(QStringLiteral("DataMonitorView {"), QStringLiteral("MonitorProto {"));
    }
    return text;
}
