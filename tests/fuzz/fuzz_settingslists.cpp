// The user's lists as the settings hold them (templates, batches, command
// order, history), written by an older version, another tool or a broken
// disk, in any of the forms a settings file hands back. Reading them back
// through the store and the models never fails, and whatever was read is
// stored and read again unchanged. The preferences live in a settings file
// of a format registered here that keeps each value with its type, so that
// they come back in every form a platform's own format may hand back (the
// text of an INI file is Qt's to parse).
#include "fuzzsupport.h"

#include "library/batchcommandmodel.h"
#include "library/commandhistorymodel.h"
#include "library/commandlistmodel.h"
#include "library/devicelibrary.h"
#include "settings/settingsstore.h"

#include <QDataStream>
#include <QSettings>

namespace {

const QString kKeys[] = {
    QStringLiteral("send/customTemplates"),
    QStringLiteral("send/batchCommands"),
    QStringLiteral("send/commandOrder"),
    QStringLiteral("send/history"),
};

// A stored value in one of the forms QSettings may hand back.
QVariant storedForm(const QByteArray& bytes, uint8_t form)
{
    switch (form % 6) {
    case 0:
        return bytes;
    case 1:
        return QString::fromUtf8(bytes);
    case 2: {
        QStringList list;
        for (const QByteArray& part : bytes.split('\0')) {
            list.append(QString::fromUtf8(part));
        }
        return list;
    }
    case 3: {
        // A list of mixed values, as a file written by another tool may hold.
        QVariantList list;
        for (const QByteArray& part : bytes.split('\0')) {
            if (part.size() == 1) {
                list.append(int(uchar(part.at(0))));
            } else {
                list.append(QString::fromUtf8(part));
            }
        }
        return list;
    }
    case 4:
        return bytes.size() % 2 == 0;
    default:
        return QVariant(int(bytes.size()));
    }
}

// The settings file of the store, in a format registered here that keeps
// every value as it was set (QDataStream writes a QVariant with its type).
struct SettingsFile
{
    QString path = fuzz::privateFolder() + QStringLiteral("/settings.fuzz");
    QSettings::Format format = QSettings::registerFormat(
        QStringLiteral("fuzz"),
        [](QIODevice& device, QSettings::SettingsMap& map) {
            QDataStream stream(&device);
            stream >> map;
            return stream.status() == QDataStream::Ok;
        },
        [](QIODevice& device, const QSettings::SettingsMap& map) {
            QDataStream stream(&device);
            stream << map;
            return stream.status() == QDataStream::Ok;
        });
};

void writeRaw(fuzz::Input& input, QSettings& settings)
{
    settings.clear();
    for (const QString& key : kKeys) {
        const uint8_t form = input.byte();
        if (form & 0x80) {
            continue; // the key stays absent
        }
        const size_t length = (size_t(input.byte()) << 8 | input.byte()) % 2048;
        settings.setValue(key, storedForm(input.take(length), form));
    }
    settings.sync();
}

// Every getter, as start-up and the dialogs call them.
void readEverything(const SettingsStore& store)
{
    store.language();
    store.lastSerialConfig();
    store.lastModelId();
    store.windowGeometry();
    store.lastLogDirectory();
    store.continuousLoggingEnabled();
    store.logFontFamily();
    const int logSize = store.logFontSize();
    FUZZ_CHECK(logSize >= SettingsStore::MinLogFontSize && logSize <= SettingsStore::MaxLogFontSize,
               QString::number(logSize));
    store.systemFontFamily();
    const int systemSize = store.systemFontSize();
    FUZZ_CHECK(systemSize >= SettingsStore::MinSystemFontSize &&
                   systemSize <= SettingsStore::MaxSystemFontSize,
               QString::number(systemSize));
    const QString theme = store.themeMode();
    FUZZ_CHECK(theme == QLatin1String("light") || theme == QLatin1String("dark"), theme);
    store.cachedLibraryJson();
    store.lastLibraryCheckAt();
    store.ch340DriverHintDismissed();
    store.recentPortPaths();
    store.autoReconnect();
}

// Every role of every row, as the views read them. The role numbers are
// taken once per model class: walking the role hash for every input took a
// tenth of the run.
void readModel(const QAbstractItemModel& model)
{
    static QHash<const QMetaObject*, QList<int>> rolesOfClass;
    auto known = rolesOfClass.constFind(model.metaObject());
    if (known == rolesOfClass.constEnd()) {
        known = rolesOfClass.insert(model.metaObject(), model.roleNames().keys());
    }
    const QList<int>& roles = *known;
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int role : roles) {
            model.data(model.index(row, 0), role);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static DeviceLibrary* library = fuzz::newBuiltInLibrary();

    static const SettingsFile file;
    fuzz::Input input(data, size);
    {
        QSettings settings(file.path, file.format);
        writeRaw(input, settings);
    }
    SettingsStore store(file.path, file.format);

    readEverything(store);
    const QList<CustomCommandTemplate> templates = store.customTemplates();
    const QList<BatchCommand> batches = store.batchCommands();
    const QStringList order = store.commandOrder();
    const QStringList history = store.commandHistory();

    // What was read survives being stored and read again.
    store.setCustomTemplates(templates);
    FUZZ_CHECK(store.customTemplates() == templates,
               QString::fromUtf8(SettingsStore::serializeCustomTemplates(templates)));
    store.setBatchCommands(batches);
    FUZZ_CHECK(store.batchCommands() == batches,
               QString::fromUtf8(SettingsStore::serializeBatchCommands(batches)));
    store.setCommandOrder(order);
    FUZZ_CHECK(store.commandOrder() == order, order.join(QLatin1Char('|')));
    store.setCommandHistory(history);
    FUZZ_CHECK(store.commandHistory() == history, history.join(QLatin1Char('|')));

    // The models that start from these lists.
    // The stored history is shown as it stands (an older version may have
    // kept more entries); the next send trims it to the limit.
    CommandHistoryModel historyModel(&store);
    FUZZ_CHECK(historyModel.rowCount() == history.size(), QString::number(historyModel.rowCount()));
    readModel(historyModel);
    const QString sent = QStringLiteral("sent \u2192 %1").arg(history.size());
    historyModel.push(sent);
    FUZZ_CHECK(historyModel.rowCount() <= CommandHistoryModel::MaxEntries,
               QString::number(historyModel.rowCount()));
    FUZZ_CHECK(historyModel.textAt(0) == sent && store.commandHistory().value(0) == sent,
               store.commandHistory().value(0));
    BatchCommandModel batchModel(&store);
    FUZZ_CHECK(batchModel.rowCount() == batches.size(), QString::number(batchModel.rowCount()));
    readModel(batchModel);
    for (int row = 0; row < batchModel.rowCount(); ++row) {
        batchModel.stepsForRow(row);
    }
    CommandListModel commandModel(library, &store);
    commandModel.setModelId(QStringLiteral("HX4"));
    readModel(commandModel);
    for (int row = 0; row < commandModel.rowCount(); ++row) {
        // Stored templates that share an id (only a hand-edited file has
        // them) are found as the first of them, as editing finds them.
        const QString identity = commandModel.rowIdentity(row);
        const int found = commandModel.rowOfIdentity(identity);
        FUZZ_CHECK(found >= 0 && found <= row && commandModel.rowIdentity(found) == identity,
                   identity);
    }
    return 0;
}
