// The forward-only JSON reader against QJsonDocument, which sets the rules:
// the same documents are accepted and refused, strings and numbers read the
// same, and broken library documents are refused without harm.
#include "library/devicelibrary.h"
#include "library/jsonreader.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QtTest>

namespace {

bool qtAccepts(const QByteArray& document)
{
    QJsonParseError error;
    QJsonDocument::fromJson(document, &error);
    return error.error == QJsonParseError::NoError;
}

bool readerAccepts(const QByteArray& document, QString* error = nullptr)
{
    JsonReader reader(document);
    reader.skip();
    const bool ok = reader.finish();
    if (error)
        *error = reader.errorString();
    return ok;
}

QByteArray nested(int depth)
{
    return "{\"a\":" + QByteArray(depth - 1, '[') + QByteArray(depth - 1, ']') + "}";
}

QByteArray resource(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestJsonReader : public QObject
{
    Q_OBJECT

private slots:
    void sameVerdictAsQJsonDocument_data()
    {
        QTest::addColumn<QByteArray>("document");
        const QList<QByteArray> documents{
            R"({})",
            R"([])",
            R"({"a":1})",
            " \t\r\n{ \"a\" : [ 1 , 2 ] , \"b\" : { } } \n",
            "\xEF\xBB\xBF{\"a\":1}",
            R"({"a":{"b":{"c":[true,false,null,"x",-1.5e3]}}})",
            "{\"a\":\"x\x01y\"}",
            R"({"a":1.})",
            R"({"a":.5})",
            R"({"a":-.5})",
            R"({"a":1.e3})",
            R"({"a":1E-2})",
            R"({"a":-0})",
            R"({"a":1.5e308})",
            R"({"a":9007199254740993})",
            "{\"a\":\"\\u00e9\\ud83d\\ude00\\ud800\\/\\b\\f\\n\\r\\t\\\"\\\\\\x\"}",
            R"({"\u0061":3})",
            "{\"a\":\"\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80\"}",
            R"({"a":1,"a":2})",
            "{\"a\":\"\\\xC3"
            "A\"}", // an escaped byte of its own
            // refused
            "",
            "  ",
            "{",
            "}",
            "[",
            R"({"a":1e})",
            R"({"a":1e+})",
            R"({"a":+1})",
            R"({"a":00})",
            R"({"a":-01})",
            R"({"a":-})",
            R"({"a":.})",
            "{\"a\":\f1}",
            R"({"a":True})",
            R"({"a":nulll})",
            R"({"a":tru})",
            R"({"a":})",
            R"({,})",
            R"({"a" 1})",
            R"({"a":1 "b":2})",
            R"({1:2})",
            R"({"a":[1 2]})",
            R"({"a":[1,]})",
            R"({"a":1,})",
            R"({"a":"\u12"})",
            R"({"a":"\u12G4"})",
            "{\"a\":\"abc",
            "{\"a\":\"\\",
            R"({"a":1e-400})",
            R"({"a":1e999})",
            "{\"a\":\"\xC3\x28\"}",
            "{\"a\":\"\xED\xA0\x80\"}",
            "{\"a\":\"\xF4\x90\x80\x80\"}",
            "{\"a\":\"\xC0\xAF\"}",
            "{\"a\":\"\xE4\xB8\"}",
            "{\"a\":\"\\\xC2\xB7\"}", // the escape takes the lead byte only
            R"({"a":1} x)",
            R"({"a":1}})",
            "{\"a\xFF\":1}",
            nested(1023),
            nested(1024),
            nested(5000),
        };
        for (const QByteArray& document : documents) {
            QTest::newRow(document.left(40).toHex().constData()) << document;
        }
    }

    void sameVerdictAsQJsonDocument()
    {
        QFETCH(QByteArray, document);
        QString error;
        QCOMPARE(readerAccepts(document, &error), qtAccepts(document));
        QCOMPARE(error.isEmpty(), false); // a text even for "no error occurred"
    }

    void stringsReadAsQJsonDocumentReadsThem_data()
    {
        QTest::addColumn<QByteArray>("literal");
        QTest::newRow("plain") << QByteArray(R"("AT+INTERVAL=<sec>")");
        QTest::newRow("empty") << QByteArray(R"("")");
        QTest::newRow("UTF-8") << QByteArray(
            "\"WiFi \xE5\x90\x8D\xE7\xA7\xB0 \xC3\xA9 \xF0\x9F\x98\x80\"");
        QTest::newRow("escapes") << QByteArray("\"a\\\"b\\\\c\\/d\\be\\ff\\ng\\rh\\ti\"");
        QTest::newRow("unicode escapes") << QByteArray(R"("\u00e9\u4E2D\ud83d\ude00")");
        QTest::newRow("lone surrogate") << QByteArray(R"("x\udc00y")");
        QTest::newRow("any escaped character") << QByteArray(R"("\q\%")");
        QTest::newRow("escapes and UTF-8") << QByteArray("\"\xE4\xB8\xAD\\n\xF0\x9F\x98\x80\"");
        QTest::newRow("control character") << QByteArray("\"a\x01\tb\"");
    }

    void stringsReadAsQJsonDocumentReadsThem()
    {
        QFETCH(QByteArray, literal);
        const QByteArray document = "[" + literal + "]";
        JsonReader reader(document);
        reader.enterArray();
        QVERIFY(reader.nextElement());
        QCOMPARE(reader.next(), JsonReader::Kind::String);
        QCOMPARE(reader.readString(), QJsonDocument::fromJson(document).array().at(0).toString());
        QVERIFY(!reader.nextElement());
        QVERIFY(reader.finish());
    }

    // Member names come as UTF-8, escapes resolved, so they compare with the
    // names the loader knows.
    void memberNames_data()
    {
        QTest::addColumn<QByteArray>("literal");
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("plain") << QByteArray("\"id\"") << QByteArray("id");
        QTest::newRow("escaped") << QByteArray("\"\\u0069d\"") << QByteArray("id");
        QTest::newRow("UTF-8") << QByteArray("\"\xE4\xB8\xAD\"") << QByteArray("\xE4\xB8\xAD");
        QTest::newRow("escaped quote") << QByteArray("\"a\\\"b\"") << QByteArray("a\"b");
        QTest::newRow("empty") << QByteArray("\"\"") << QByteArray("");
    }

    void memberNames()
    {
        QFETCH(QByteArray, literal);
        QFETCH(QByteArray, name);
        const QByteArray document = "{" + literal + ":1," + literal + ":[2]}";
        JsonReader reader(document);
        reader.enterObject();
        QByteArrayView read;
        for (int member = 0; member < 2; ++member) {
            QVERIFY(reader.nextMember(read));
            QCOMPARE(QByteArray(read.data(), read.size()), name);
            reader.skip();
        }
        QVERIFY(!reader.nextMember(read));
        QVERIFY(reader.finish());
    }

    void numbersReadAsQJsonDocumentReadsThem_data()
    {
        QTest::addColumn<QByteArray>("literal");
        for (const char* number :
             {"0", "-0", "115200", "1.5", "2", "-40", ".5", "1.", "9.6e3", "1E-2", "4.9e-324"}) {
            QTest::newRow(number) << QByteArray(number);
        }
    }

    void numbersReadAsQJsonDocumentReadsThem()
    {
        QFETCH(QByteArray, literal);
        const QByteArray document = "[" + literal + "]";
        JsonReader reader(document);
        reader.enterArray();
        QVERIFY(reader.nextElement());
        QCOMPARE(reader.next(), JsonReader::Kind::Number);
        QCOMPARE(reader.readNumber(), QJsonDocument::fromJson(document).array().at(0).toDouble());
        QVERIFY(!reader.nextElement());
        QVERIFY(reader.finish());
    }

    void errorsAreQJsonDocumentTexts()
    {
        QString error;
        QVERIFY(!readerAccepts(R"({"a":1} x)", &error));
        QCOMPARE(error, QStringLiteral("garbage at the end of the document"));
        QVERIFY(!readerAccepts(nested(2000), &error));
        QCOMPARE(error, QStringLiteral("too deeply nested document"));
        QVERIFY(!readerAccepts("{\"a\":\"\xC3\x28\"}", &error));
        QCOMPARE(error, QStringLiteral("invalid UTF8 string"));
    }

    // Cut short anywhere, or with bytes changed at random, a library document
    // loads exactly when QJsonDocument reads an object from it, and a refused
    // one leaves the loaded library alone.
    void brokenLibraryDocuments_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::newRow("built in") << resource(QStringLiteral(":/data/devices.json"));
        QTest::newRow("compact") << QJsonDocument::fromJson(
                                        resource(QStringLiteral(":/data/devices.json")))
                                        .toJson(QJsonDocument::Compact);
        QTest::newRow("sample") << resource(qEnvironmentVariable("KORVEL_SAMPLE_DATA") +
                                            QStringLiteral("/at2-library.json"));
    }

    void brokenLibraryDocuments()
    {
        QFETCH(QByteArray, document);
        QVERIFY(document.size() > 1000);
        const auto loadsAsQtReads = [](const QByteArray& bytes) {
            DeviceLibrary library;
            if (!library.loadFromJsonText(R"({"version":"keep","models":[{"id":"K"}]})"))
                return false;
            const bool loaded = library.loadFromJsonText(bytes);
            const bool expected = qtAccepts(bytes) && QJsonDocument::fromJson(bytes).isObject();
            const bool kept = loaded || (library.version() == QLatin1String("keep") &&
                                         library.modelIds() == QStringList{"K"} &&
                                         !library.lastError().isEmpty());
            return loaded == expected && kept;
        };
        for (qsizetype cut = 0; cut < document.size(); ++cut) {
            QVERIFY2(loadsAsQtReads(document.left(cut)), qPrintable(QString::number(cut)));
        }
        QRandomGenerator random(20260812);
        // Structure, escapes, digits, bytes that break UTF-8, and a NUL.
        const QByteArray replacements("\"\\{}[],: 0e-u\x80\xC3\xFF", 17);
        for (int round = 0; round < 3000; ++round) {
            QByteArray mutated = document;
            for (int edits = 1 + random.bounded(3); edits > 0; --edits) {
                mutated[random.bounded(int(mutated.size()))] =
                    replacements.at(random.bounded(int(replacements.size())));
            }
            QVERIFY2(loadsAsQtReads(mutated), mutated.constData());
        }
    }
};

QTEST_GUILESS_MAIN(TestJsonReader)
#include "tst_jsonreader.moc"
