// Every text and every control edge the theme draws on one of its fills
// stands out enough to read (WCAG 2.1 AA): 4.5:1 for text, 3:1 for the
// outlines of controls and the focus ring, in both themes.
#include "app/appcontroller.h"
#include "support/mainwindowdriver.h"
#include "support/testsupport.h"

#include <QColor>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

constexpr double kText = 4.5;
constexpr double kOutline = 3.0;

struct Pair
{
    const char* foreground;
    const char* background;
    double minimum;
};

// What the interface draws on what. "palette.x" reads the theme's palette.
const Pair kPairs[] = {
    {"text", "background", kText},
    {"text", "surface", kText},
    {"textMuted", "background", kText},
    {"textMuted", "surface", kText},
    // Links, the run action of a batch, chip and HEX tags.
    {"accent", "background", kText},
    {"accent", "surface", kText},
    // Port status while open, command texts, a running batch's progress.
    {"accent700", "background", kText},
    {"accent700", "surface", kText},
    {"accent700", "accentTint", kText},
    // The "Up to date" badge, the pause bar.
    {"accent800", "accentTint", kText},
    {"error", "background", kText},
    {"error", "surface", kText},
    // Selected segment, "Open port", highlighted rows, the selection.
    {"accentForeground", "accentFill", kText},
    {"accentForeground", "accentFillHover", kText},
    // "Close port".
    {"accentForeground", "errorFill", kText},
    {"accentForeground", "errorFillHover", kText},
    {"consoleText", "consoleBackground", kText},
    // The monitor's header and its pause bar's neighbour.
    {"consoleMuted", "consoleBackground", kText},
    {"palette.windowText", "palette.window", kText},
    {"palette.text", "palette.base", kText},
    {"palette.buttonText", "palette.button", kText},
    {"palette.highlightedText", "palette.highlight", kText},
    // The edges of inputs and of check and radio indicators.
    {"controlOutline", "background", kOutline},
    {"controlOutline", "surface", kOutline},
    {"focusRing", "background", kOutline},
    {"focusRing", "surface", kOutline},
    {"focusRing", "consoleBackground", kOutline},
    // Found text in the monitor.
    {"consoleText", "matchFill", kText},
    {"currentMatchText", "currentMatchFill", kText},
    // Lines coloured by the highlight rules ("name.i": the array's item i),
    // their edge marks and the swatches of the rules editor.
    {"consoleText", "ruleTints.0", kText},
    {"consoleText", "ruleTints.1", kText},
    {"consoleText", "ruleTints.2", kText},
    {"consoleText", "ruleTints.3", kText},
    {"consoleText", "ruleTints.4", kText},
    {"consoleText", "ruleTints.5", kText},
    {"consoleText", "ruleTints.6", kText},
    {"consoleText", "ruleTints.7", kText},
    {"ruleMarks.0", "consoleBackground", kOutline},
    {"ruleMarks.1", "consoleBackground", kOutline},
    {"ruleMarks.2", "consoleBackground", kOutline},
    {"ruleMarks.3", "consoleBackground", kOutline},
    {"ruleMarks.4", "consoleBackground", kOutline},
    {"ruleMarks.5", "consoleBackground", kOutline},
    {"ruleMarks.6", "consoleBackground", kOutline},
    {"ruleMarks.7", "consoleBackground", kOutline},
};

} // namespace

class TestThemeContrast : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QQmlEngine> m_engine;
    std::unique_ptr<QObject> m_holder;
    QObject* m_theme = nullptr;
    AppController* m_controller = nullptr;

    QColor colour(const QString& name) const
    {
        if (name.startsWith(QLatin1String("palette."))) {
            auto* palette = m_theme->property("palette").value<QObject*>();
            return palette ? palette->property(qPrintable(name.mid(8))).value<QColor>() : QColor();
        }
        if (const qsizetype dot = name.indexOf(QLatin1Char('.')); dot > 0) {
            const QVariantList list = m_theme->property(qPrintable(name.left(dot))).toList();
            bool ok = false;
            const int at = name.mid(dot + 1).toInt(&ok);
            return ok && at < list.size() ? list.at(at).value<QColor>() : QColor();
        }
        return m_theme->property(qPrintable(name)).value<QColor>();
    }

private slots:
    void initTestCase()
    {
        korveltest::isolateSettings();
        m_engine = std::make_unique<QQmlEngine>();
        korveltest::prepareQmlEngine(*m_engine);
        korveltest::provideController(*m_engine);
        QQmlComponent component(m_engine.get());
        component.setData("import QtQuick\nimport Korvel\nQtObject { property QtObject theme: "
                          "Theme }\n",
                          QUrl(QStringLiteral("qrc:/tst_themecontrast.qml")));
        m_holder.reset(component.create());
        QVERIFY2(m_holder, qPrintable(component.errorString()));
        m_theme = m_holder->property("theme").value<QObject*>();
        m_controller = korveltest::appController(*m_engine);
        QVERIFY(m_theme && m_controller);
    }

    void cleanupTestCase()
    {
        m_holder.reset();
        m_engine.reset();
    }

    void pairsStandOut_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QString>("foreground");
        QTest::addColumn<QString>("background");
        QTest::addColumn<double>("minimum");
        for (const char* theme : {"light", "dark"}) {
            for (const Pair& pair : kPairs) {
                QTest::addRow("%s: %s on %s", theme, pair.foreground, pair.background)
                    << QString::fromLatin1(theme) << QString::fromLatin1(pair.foreground)
                    << QString::fromLatin1(pair.background) << pair.minimum;
            }
        }
    }

    void pairsStandOut()
    {
        QFETCH(QString, theme);
        QFETCH(QString, foreground);
        QFETCH(QString, background);
        QFETCH(double, minimum);
        m_controller->setThemeMode(theme);
        QCOMPARE(m_theme->property("dark").toBool(), theme == QLatin1String("dark"));
        const QColor fg = colour(foreground);
        const QColor bg = colour(background);
        QVERIFY2(fg.isValid() && bg.isValid(), "the theme has no such colour");
        const double ratio = korveltest::contrastRatio(fg, bg);
        QVERIFY2(ratio >= minimum, qPrintable(QStringLiteral("%1 on %2: %3:1, needs %4:1")
                                                  .arg(fg.name(), bg.name())
                                                  .arg(ratio, 0, 'f', 2)
                                                  .arg(minimum)));
    }

    // The formula itself, on pairs whose ratios are known.
    void contrastFormula_data()
    {
        QTest::addColumn<QColor>("a");
        QTest::addColumn<QColor>("b");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("same colour") << QColor("#777777") << QColor("#777777") << 1.0;
        QTest::newRow("#767676 on white") << QColor("#767676") << QColor(Qt::white) << 4.54;
        QTest::newRow("order does not matter") << QColor(Qt::white) << QColor("#767676") << 4.54;
    }

    void contrastFormula()
    {
        QFETCH(QColor, a);
        QFETCH(QColor, b);
        QFETCH(double, ratio);
        const double found = korveltest::contrastRatio(a, b);
        QVERIFY2(std::abs(found - ratio) < 0.01, qPrintable(QString::number(found)));
    }
};

QTEST_MAIN(TestThemeContrast)
#include "tst_themecontrast.moc"
