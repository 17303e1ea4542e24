// Which file "Save log" writes for a folder, a base name and a format name, the reasons it
// refuses one, and the name it suggests. No file is written here (tst_savelog does that).
#include "log/logexport.h"

#include <QtTest>

class TestLogExport : public QObject
{
    Q_OBJECT

private slots:
    void target_data()
    {
        QTest::addColumn<QString>("directory");
        QTest::addColumn<QString>("baseName");
        QTest::addColumn<QString>("formatName");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("problem");

        const int text = int(LogFileFormat::Text);
        const QString none;
        const QString noName = QStringLiteral("Enter a file name.");
        const QString badCharacter =
            QStringLiteral("A file name cannot contain \"/\", \"\\\" or control characters.");
        QTest::newRow("text") << "/logs"
                              << "s"
                              << "text"
                              << "/logs/s.log" << text << none;
        QTest::newRow("csv") << "/logs"
                             << "s"
                             << "csv"
                             << "/logs/s.csv" << int(LogFileFormat::Csv) << none;
        QTest::newRow("hex") << "/logs"
                             << "s"
                             << "hex"
                             << "/logs/s.hex.txt" << int(LogFileFormat::Hex) << none;
        QTest::newRow("format names are exact") << "/logs"
                                                << "s"
                                                << "CSV"
                                                << "/logs/s.log" << text << none;
        QTest::newRow("folder with a trailing slash") << "/logs/"
                                                      << "s"
                                                      << "text"
                                                      << "/logs/s.log" << text << none;
        QTest::newRow("dots in the name stay")
            << "/logs"
            << "a.b"
            << "csv"
            << "/logs/a.b.csv" << int(LogFileFormat::Csv) << none;
        QTest::newRow("no folder") << ""
                                   << "s"
                                   << "text"
                                   << "" << text << "Choose a folder for the log.";
        QTest::newRow("blank folder") << "  "
                                      << "s"
                                      << "text"
                                      << "" << text << "Choose a folder for the log.";
        QTest::newRow("the folder is asked for first")
            << ""
            << ""
            << "text"
            << "" << text << "Choose a folder for the log.";
        QTest::newRow("no name") << "/logs"
                                 << ""
                                 << "text"
                                 << "" << text << noName;
        QTest::newRow("blank name") << "/logs"
                                    << " \t"
                                    << "text"
                                    << "" << text << noName;
        QTest::newRow("dot") << "/logs"
                             << "."
                             << "text"
                             << "" << text << noName;
        QTest::newRow("dot dot") << "/logs"
                                 << ".."
                                 << "text"
                                 << "" << text << noName;
        QTest::newRow("slash leaves the folder") << "/logs"
                                                 << "../escape"
                                                 << "text"
                                                 << "" << text << badCharacter;
        QTest::newRow("backslash") << "/logs"
                                   << "a\\b"
                                   << "text"
                                   << "" << text << badCharacter;
        QTest::newRow("line break") << "/logs"
                                    << "a\nb"
                                    << "text"
                                    << "" << text << badCharacter;
        QTest::newRow("DEL is allowed") << "/logs"
                                        << "a\x7f"
                                        << "text"
                                        << "/logs/a\x7f.log" << text << none;
    }

    void target()
    {
        QFETCH(QString, directory);
        QFETCH(QString, baseName);
        QFETCH(QString, formatName);
        QFETCH(QString, path);
        QFETCH(int, format);
        QFETCH(QString, problem);
        const LogExport result = LogExport::target(directory, baseName, formatName);
        QCOMPARE(result.problem, problem);
        QCOMPARE(result.path, path);
        QCOMPARE(int(result.format), format);
    }

    void suggestedBaseName_data()
    {
        QTest::addColumn<QString>("modelId");
        QTest::addColumn<QString>("name");
        QTest::newRow("model") << "HX4"
                               << "korvel-HX4-20260307-1405";
        QTest::newRow("blanks become hyphens") << "AT 2 pro"
                                               << "korvel-AT-2-pro-20260307-1405";
        QTest::newRow("no model") << ""
                                  << "korvel-device-20260307-1405";
    }

    void suggestedBaseName()
    {
        QFETCH(QString, modelId);
        QFETCH(QString, name);
        // An afternoon time shows whether the hour is counted to 24.
        const QDateTime now(QDate(2026, 3, 7), QTime(14, 5, 59));
        QCOMPARE(LogExport::suggestedBaseName(modelId, now), name);
    }
};

QTEST_GUILESS_MAIN(TestLogExport)
#include "tst_logexport.moc"
