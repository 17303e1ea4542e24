// The device library loader, which reads a document from a server or the
// cache with a parser of its own: it accepts exactly what QJsonDocument
// accepts as an object (unless it holds more records than the bounds),
// reads the same version, models and commands (the shown texts cut to their
// bound), and a document it refuses leaves the previous library in place.
#include "fuzzsupport.h"

#include "library/devicelibrary.h"
#include "util/textbounds.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct Snapshot
{
    QString version;
    QStringList ids;
    int commands = 0;

    explicit Snapshot(const DeviceLibrary& library)
        : version(library.version())
        , ids(library.modelIds())
        , commands(library.commandCount())
    {}
    bool operator==(const Snapshot& o) const
    {
        return version == o.version && ids == o.ids && commands == o.commands;
    }
};

void compareWithDocument(const DeviceLibrary& library, const QJsonObject& document)
{
    auto shown = [](const QJsonValue& value) {
        return TextBounds::cut(value.toString(), TextBounds::Caption);
    };
    FUZZ_CHECK(library.version() == shown(document.value(QLatin1String("version"))),
               library.version());
    const QJsonArray models = document.value(QLatin1String("models")).toArray();
    FUZZ_CHECK(library.modelCount() == models.size(), QString::number(library.modelCount()));
    for (qsizetype i = 0; i < models.size(); ++i) {
        const QJsonObject model = models.at(i).toObject();
        const DeviceModel& loaded = library.models().at(i);
        FUZZ_CHECK(loaded.id == shown(model.value(QLatin1String("id"))), loaded.id);
        FUZZ_CHECK(loaded.commands.size() ==
                       model.value(QLatin1String("commands")).toArray().size(),
                   loaded.id);
        FUZZ_CHECK(loaded.hasSerial == model.contains(QLatin1String("serial")), loaded.id);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static DeviceLibrary* library = fuzz::newBuiltInLibrary();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    const Snapshot before(*library);
    const bool loaded = library->loadFromJsonText(bytes);

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    const bool expected = error.error == QJsonParseError::NoError && document.isObject();
    // A well-formed document past the bounds is refused for that, and says so.
    const bool pastBounds = !loaded && expected &&
                            (library->lastError().startsWith(QLatin1String("the library holds")) ||
                             library->lastError().startsWith(QLatin1String("a command has")));
    FUZZ_CHECK(loaded == expected || pastBounds, QStringLiteral("loader %1, QJsonDocument %2 (%3)")
                                                     .arg(loaded)
                                                     .arg(expected)
                                                     .arg(error.errorString()));
    if (!loaded) {
        FUZZ_CHECK(!library->lastError().isEmpty(), QString());
        FUZZ_CHECK(Snapshot(*library) == before, library->lastError());
        return 0;
    }
    FUZZ_CHECK(library->lastError().isEmpty(), library->lastError());
    compareWithDocument(*library, document.object());

    // What the command panel does with every command of the model it shows.
    for (const QString& id : library->modelIds()) {
        const DeviceModel* model = library->model(id);
        FUZZ_CHECK(model && model->id == id, id);
        for (const DeviceCommand& command : model->commands) {
            QHash<QString, QString> values;
            for (const CommandParam& param : command.params) {
                values.insert(param.key, param.hint);
            }
            command.resolve({});
            command.resolve(values);
        }
    }
    return 0;
}
