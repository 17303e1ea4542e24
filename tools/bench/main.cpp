// Receive-pipeline benchmark: chunks of received lines go through the
// controller's receive path into the log store and the log view model, whose
// text feed is consumed the way the data monitor consumes it. Runs in steady
// state (the store is full, so every batch also evicts).
//
// With --library it measures the device library instead: loading a large
// vendor document, and one search keystroke in the command list. With
// --fields, reading the fields of typical sensor lines into the field store.
#include "app/appcontroller.h"
#include "findbench.h"
#include "library/commandlistmodel.h"
#include "library/devicelibrary.h"
#include "log/fieldextractor.h"
#include "log/fieldstore.h"
#include "log/loglistmodel.h"
#include "settings/settingsstore.h"
#include "tools/shared/residentmemory.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

// A stream of numbered 40-byte lines ("000000123 t=23.4 h=41.0 ...\r\n")
// cut into chunks of the given size regardless of line boundaries. The text
// is made once up front so the measurement covers the receive path only; each
// chunk is still a fresh copy, as a read from the port would be.
class LineStream
{
public:
    LineStream(int lineLength, int chunkSize)
        : m_chunkSize(chunkSize)
    {
        constexpr int lines = 1 << 16;
        m_text.reserve(qsizetype(lines) * lineLength + chunkSize);
        for (int i = 0; i < lines; ++i) {
            QByteArray line = QByteArray::number(i).rightJustified(9, '0');
            line += " t=23.4 h=41.0 lux=812 ok";
            line = line.leftJustified(lineLength - 2, '.', true);
            line += "\r\n";
            m_text += line;
        }
        m_period = m_text.size();
        m_text += m_text.left(chunkSize); // lets a chunk run over the end
    }

    QByteArray nextChunk()
    {
        QByteArray chunk(m_text.constData() + m_offset, m_chunkSize);
        m_offset = (m_offset + m_chunkSize) % m_period;
        return chunk;
    }

private:
    int m_chunkSize;
    QByteArray m_text;
    qsizetype m_period = 0;
    qsizetype m_offset = 0;
};

// A vendor library of @p models x @p commands: text models whose commands take
// parameters, and every fourth model a JSON one; every text in both languages.
QByteArray vendorLibrary(int models, int commands)
{
    QJsonArray modelArray;
    for (int m = 0; m < models; ++m) {
        const bool json = m % 4 == 3;
        QJsonArray commandArray;
        for (int c = 0; c < commands; ++c) {
            QJsonObject command{
                {"id", QStringLiteral("m%1-c%2").arg(m).arg(c)},
                {"group", QJsonObject{{"zh", "配置"}, {"en", "Config"}}},
                {"name",
                 QJsonObject{{"zh", QStringLiteral("设置参数 %1").arg(c)},
                             {"en", QStringLiteral("Set parameter %1 of unit %2").arg(c).arg(m)}}},
                {"type", c % 3 == 0 ? "query" : "set"},
                {"params",
                 QJsonArray{QJsonObject{{"key", "value"},
                                        {"label", QJsonObject{{"zh", "数值"}, {"en", "Value"}}},
                                        {"hint", "0-100"},
                                        {"default", "50"}},
                            QJsonObject{{"key", "unit"},
                                        {"label", QJsonObject{{"zh", "单位"}, {"en", "Unit"}}},
                                        {"hint", "s"},
                                        {"default", ""}}}}};
            if (json) {
                command.insert("needsInput", true);
                command.insert(
                    "payloadBase64",
                    QString::fromLatin1(QStringLiteral(R"({"command":"Set%1","value":""})")
                                            .arg(c)
                                            .toUtf8()
                                            .toBase64()));
            } else {
                command.insert("cmd", QStringLiteral("AT+P%1=<value>,<unit>").arg(c));
            }
            commandArray.append(command);
        }
        modelArray.append(QJsonObject{
            {"id", QStringLiteral("UNIT-%1").arg(m, 3, 10, QLatin1Char('0'))},
            {"protocol", json ? "json" : "text"},
            {"name", QJsonObject{{"zh", "设备"}, {"en", QStringLiteral("Unit %1").arg(m)}}},
            {"description", QJsonObject{{"zh", "示例设备"}, {"en", "Generated vendor unit"}}},
            {"serial", QJsonObject{{"baudRate", 9600},
                                   {"dataBits", 8},
                                   {"parity", "Even"},
                                   {"stopBits", 1},
                                   {"flowControl", "None"}}},
            {"commands", commandArray}});
    }
    return QJsonDocument(QJsonObject{{"version", "bench"}, {"models", modelArray}}).toJson();
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0.0 : values.at(values.size() / 2);
}

int runLibraryBench()
{
    constexpr int models = 200;
    constexpr int commands = 50;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vendor.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(vendorLibrary(models, commands)) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    file.close();

    // Reading the file and parsing it, as at start-up; the first run warms the caches.
    QList<double> loads;
    DeviceLibrary library;
    for (int run = 0; run < 11; ++run) {
        DeviceLibrary fresh;
        QElapsedTimer timer;
        timer.start();
        if (!fresh.loadFromResource(path)) {
            std::fprintf(stderr, "load failed: %s\n", qPrintable(fresh.lastError()));
            return 1;
        }
        loads << double(timer.nsecsElapsed()) / 1e6;
        library = fresh;
    }
    loads.removeFirst();
    std::printf("library: %d models, %d commands, %lld bytes\n", library.modelCount(),
                library.commandCount(), static_cast<long long>(file.size()));
    std::printf("library_load_ms: median %.1f, max %.1f\n", median(loads),
                *std::max_element(loads.cbegin(), loads.cend()));

    // One keystroke: the filter over the current model plus the model reset,
    // with templates and a saved order in the settings as a user would have.
    SettingsStore settings;
    QList<CustomCommandTemplate> templates;
    for (int i = 0; i < 20; ++i) {
        templates.append({QStringLiteral("t%1").arg(i), QStringLiteral("Template %1").arg(i),
                          QStringLiteral("AT+T%1").arg(i)});
    }
    settings.setCustomTemplates(templates);
    CommandListModel model(&library, &settings);
    model.setModelId(QStringLiteral("UNIT-100"));
    model.moveRow(model.rowCount() - 1, 0); // saves an order of every row
    qsizetype shown = 0;
    QObject::connect(&model, &QAbstractItemModel::modelReset, [&] { shown += model.rowCount(); });

    const QString typed = QStringLiteral("set parameter 4");
    QList<double> keystrokes;
    for (int round = 0; round < 20; ++round) {
        QString text;
        for (const QChar c : typed) { // typing, then erasing again
            text += c;
            QElapsedTimer timer;
            timer.start();
            model.setSearchText(text);
            keystrokes << double(timer.nsecsElapsed()) / 1e6;
        }
        while (!text.isEmpty()) {
            text.chop(1);
            QElapsedTimer timer;
            timer.start();
            model.setSearchText(text);
            keystrokes << double(timer.nsecsElapsed()) / 1e6;
        }
    }
    std::printf("search: %lld keystrokes over %d rows (%lld rows shown in all)\n",
                static_cast<long long>(keystrokes.size()), int(commands + templates.size()),
                static_cast<long long>(shown));
    std::printf("library_search_keystroke_ms: median %.3f, max %.3f\n", median(keystrokes),
                *std::max_element(keystrokes.cbegin(), keystrokes.cend()));
    return 0;
}

// Typical lines of sensors, with readings that change from line to line:
// the JSON report of the issue's example device, the simulator's nested
// report with an array, a label:value line and a line of bare numbers.
QList<QByteArray> sensorLines(int count, const QString& shape)
{
    QList<QByteArray> lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i) {
        const QByteArray t = QByteArray::number(20 + (i % 97) * 0.1, 'f', 1);
        const QByteArray h = QByteArray::number(40 + (i % 31));
        const QByteArray lux = QByteArray::number(300 + (i % 211));
        const int kind = shape == QLatin1String("json")      ? 0
                         : shape == QLatin1String("nested")  ? 1
                         : shape == QLatin1String("pairs")   ? 2
                         : shape == QLatin1String("numbers") ? 3
                                                             : i % 4;
        switch (kind) {
        case 0:
            lines << R"({"event":"report","seq":)" + QByteArray::number(i) + R"(,"temperature":)" +
                         t + R"(,"humidity":)" + h + R"(,"light":{"lux":)" + lux +
                         R"(,"ir":12},"wifi":{"rssi":-61}})";
            break;
        case 1:
            lines << R"({"event":"report","seq":)" + QByteArray::number(i) + R"(,"temperature":)" +
                         t + R"(,"humidity":)" + h + R"(,"light":{"lux":)" + lux +
                         R"(,"ir":31},"wifi":{"rssi":-58},)" + R"("accel":[0.01,-0.02,0.98]})";
            break;
        case 2:
            lines << "seq:" + QByteArray::number(i) + " temperature:" + t + " humidity:" + h +
                         " light:" + lux;
            break;
        default:
            lines << t + ',' + h + ',' + lux;
            break;
        }
    }
    return lines;
}

// Qt's JSON reader sorts an object's keys; the panel lists fields in the
// order the device wrote them. Its cheapest recovery: each key's place in
// the text, searched from its object's place (a lower bound: escaped keys
// and keys that also occur inside text values would need more).
void flattenInOrder(const QJsonValue& value, const QByteArray& line, qsizetype from,
                    const QString& path, QList<std::pair<QString, double>>& out)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        QList<std::pair<qsizetype, QString>> keys;
        for (auto it = object.begin(); it != object.end(); ++it) {
            keys.append({line.indexOf('"' + it.key().toUtf8() + '"', from), it.key()});
        }
        std::sort(keys.begin(), keys.end());
        for (const auto& [at, key] : keys) {
            flattenInOrder(object.value(key), line, at,
                           path.isEmpty() ? key : path + QLatin1Char('.') + key, out);
        }
    } else if (value.isArray()) {
        const QJsonArray array = value.toArray();
        for (qsizetype i = 0; i < array.size(); ++i) {
            flattenInOrder(array.at(i), line, from, path + QStringLiteral("[%1]").arg(i), out);
        }
    } else {
        out.append({path, value.toDouble()});
    }
}

// The field reader against QJsonDocument with the order recovered, on the
// same lines: what each costs per line and at a 921600 baud flood.
void compareJsonReaders(const QList<QByteArray>& lines, const QString& shape)
{
    qint64 bytes = 0;
    for (const QByteArray& line : lines) {
        bytes += line.size() + 2;
    }
    const auto report = [&](const char* reader, auto&& readAll) {
        QElapsedTimer timer;
        timer.start();
        qint64 fields = 0;
        int rounds = 0;
        while (timer.elapsed() < 1000) {
            fields += readAll();
            ++rounds;
        }
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        const double mbps = double(bytes) * rounds / 1e6 / seconds;
        std::printf("json_reader_%s_%s: %.1f MB/s, %.0f ns per line, %.2f %% of a core at "
                    "921600 baud (%lld fields)\n",
                    reader, qPrintable(shape), mbps,
                    seconds * 1e9 / (double(lines.size()) * rounds), 100.0 * 92160.0 / (mbps * 1e6),
                    static_cast<long long>(fields / rounds));
    };
    FieldExtractor extractor;
    report("own", [&] {
        qint64 n = 0;
        for (const QByteArray& line : lines) {
            extractor.extract(line);
            n += qint64(extractor.fields().size());
        }
        return n;
    });
    report("qjsondocument_parse_alone", [&] {
        qint64 n = 0;
        for (const QByteArray& line : lines) {
            n += QJsonDocument::fromJson(line).object().size();
        }
        return n;
    });
    report("qjsondocument", [&] {
        qint64 n = 0;
        QList<std::pair<QString, double>> out;
        for (const QByteArray& line : lines) {
            out.clear();
            flattenInOrder(QJsonDocument::fromJson(line).object(), line, 0, QString(), out);
            n += out.size();
        }
        return n;
    });
}

// Reading fields: batches of 20 lines (what a read of the port holds at a
// few hundred lines a second) into one store, in steady state.
int runFieldsBench(double megabytes)
{
    std::printf("fields: lines read into the field store, batches of 20 lines\n");
    double mixedMBps = 0;
    for (const QString& shape :
         {QStringLiteral("json"), QStringLiteral("nested"), QStringLiteral("pairs"),
          QStringLiteral("numbers"), QStringLiteral("mixed")}) {
        const QList<QByteArray> lines = sensorLines(1 << 14, shape);
        if (shape == QLatin1String("json") || shape == QLatin1String("nested")) {
            compareJsonReaders(lines, shape);
        }
        qint64 periodBytes = 0;
        for (const QByteArray& line : lines) {
            periodBytes += line.size() + 2; // with the line end the device sent
        }
        // The receive path hands over each arrival's lines as one list.
        QList<QList<QByteArray>> batches;
        for (qsizetype i = 0; i < lines.size(); i += 20) {
            batches << lines.mid(i, 20);
        }
        FieldStore store;
        qint64 time = 1'700'000'000'000;
        auto feedOnce = [&] {
            for (const QList<QByteArray>& batch : std::as_const(batches)) {
                store.addLines(time, batch);
                time += 5;
            }
        };
        feedOnce(); // the fields exist from now on
        const qint64 target = qint64(megabytes * 1e6);
        qint64 fed = 0;
        QElapsedTimer timer;
        timer.start();
        while (fed < target) {
            feedOnce();
            fed += periodBytes;
        }
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        const double mbps = double(fed) / 1e6 / seconds;
        std::printf("fields_%s_MBps: %.1f (%.0f lines/s, %d fields)\n", qPrintable(shape), mbps,
                    double(fed) / double(periodBytes) * lines.size() / seconds, store.count());
        mixedMBps = mbps;
    }
    std::printf("fields_MBps: %.1f\n", mixedMBps);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // Never touch the user's own settings.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("KorvelBench"));
    QCoreApplication::setApplicationName(QStringLiteral("korvel-bench"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Measures the receive pipeline: line cutting, log store, log view model; "
                       "or, with --library, the device library."));
    parser.addHelpOption();
    QCommandLineOption megabytes(QStringLiteral("megabytes"),
                                 QStringLiteral("Bytes to push through, in MB (default 200)."),
                                 QStringLiteral("mb"), QStringLiteral("200"));
    QCommandLineOption memoryLines(
        QStringLiteral("memory-lines"),
        QStringLiteral("Lines for the memory check (default 10000000; 0 skips it)."),
        QStringLiteral("n"), QStringLiteral("10000000"));
    QCommandLineOption libraryMode(
        QStringLiteral("library"),
        QStringLiteral("Measure the device library instead: loading a generated document of "
                       "200 models x 50 commands, and one search keystroke."));
    QCommandLineOption chunkOption(
        QStringLiteral("chunk-size"),
        QStringLiteral("Bytes per read of the port (default 4096; about 110 at 921600 baud)."),
        QStringLiteral("bytes"), QStringLiteral("4096"));
    QCommandLineOption noFeedOption(
        QStringLiteral("no-feed"),
        QStringLiteral("Leave the text feed unconnected, as the application's window does."));
    parser.addOption(megabytes);
    parser.addOption(memoryLines);
    parser.addOption(libraryMode);
    parser.addOption(chunkOption);
    QCommandLineOption fieldsMode(
        QStringLiteral("fields"),
        QStringLiteral("Measure reading the fields of sensor lines (JSON, nested JSON, "
                       "label:value, bare numbers and a mix) instead; --megabytes per shape."));
    parser.addOption(noFeedOption);
    parser.addOption(fieldsMode);
    QCommandLineOption findMode(
        QStringLiteral("find"),
        QStringLiteral("Measure one keystroke in the find bar over a full log store instead."));
    parser.addOption(findMode);
    parser.process(app);
    if (parser.isSet(findMode)) {
        return runFindBench();
    }
    if (parser.isSet(libraryMode)) {
        QSettings().clear();
        return runLibraryBench();
    }
    if (parser.isSet(fieldsMode)) {
        return runFieldsBench(parser.value(megabytes).toDouble());
    }

    constexpr int lineLength = 40;
    const int chunkSize = qBound(1, parser.value(chunkOption).toInt(), 1 << 20);

    AppController controller;
    LogListModel* model = controller.logModel();

    // The monitor's side of the text feed: it keeps the document length in
    // step and touches every appended character once.
    qint64 documentLength = 0;
    quint64 checksum = 0;
    if (!parser.isSet(noFeedOption)) {
        QObject::connect(model, &LogListModel::lineAppended, [&](const QString& text) {
            documentLength += text.size();
            checksum += text.isEmpty() ? 0 : text.back().unicode();
        });
        QObject::connect(model, &LogListModel::lineEvicted,
                         [&](int length) { documentLength -= length; });
        QObject::connect(model, &LogListModel::rebuildNeeded,
                         [&] { documentLength = model->fullPlainDump().size(); });
    }

    LineStream stream(lineLength, chunkSize);

    // Fill the store so the measured part runs in steady state.
    while (controller.logStore().entries().size() < LogManager::Capacity) {
        controller.handleIncomingData(stream.nextChunk());
    }
    QCoreApplication::processEvents();

    const qint64 totalBytes = qint64(parser.value(megabytes).toDouble() * 1e6);
    const qint64 linesBefore = controller.logStore().totalLineCount();
    QElapsedTimer timer;
    timer.start();
    qint64 fed = 0;
    while (fed < totalBytes) {
        controller.handleIncomingData(stream.nextChunk());
        fed += chunkSize;
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const qint64 lines = controller.logStore().totalLineCount() - linesBefore;

    std::printf("bytes: %lld in %.3f s, lines: %lld, document: %lld chars (checksum %llu)\n",
                static_cast<long long>(fed), seconds, static_cast<long long>(lines),
                static_cast<long long>(documentLength), static_cast<unsigned long long>(checksum));

    const qint64 memoryTarget = parser.value(memoryLines).toLongLong();
    if (memoryTarget > 0) {
        AppController fresh;
        LineStream memoryStream(lineLength, chunkSize);
        const qint64 start = fresh.logStore().totalLineCount();
        auto feedUntil = [&](qint64 count) {
            while (fresh.logStore().totalLineCount() - start < count) {
                fresh.handleIncomingData(memoryStream.nextChunk());
            }
        };
        for (qint64 count = 10000; count <= memoryTarget; count *= 10) {
            feedUntil(count);
            std::printf("rss_after_%lld_lines_KiB: %ld\n", static_cast<long long>(count),
                        residentKiB());
        }
    }

    std::printf("pipeline_MBps: %.1f\n", double(fed) / 1e6 / seconds);
    std::printf("pipeline_lines_per_s: %.0f\n", double(lines) / seconds);
    return 0;
}
