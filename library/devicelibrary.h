#pragma once

#include "util/textbounds.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

/// A Chinese/English text pair from the device library.
struct LocalizedText
{
    QString zh;
    QString en;

    /// The half that suits the interface language, the other one when it is empty.
    QString text() const;
};

/// One parameter of a text command: a placeholder <key> in the template.
struct CommandParam
{
    QString key;
    LocalizedText label;
    QString hint;
    QString defaultValue;
};

enum class CommandType : qint32 { Query = 0, Set = 1, Action = 2 };
enum class ModelProtocol : qint32 { Text = 0, Json = 1 };

/// One command of a device model, or one of the user's templates (isCustom).
struct DeviceCommand
{
    QString id;
    LocalizedText group;
    LocalizedText name;
    QString cmd;
    QList<CommandParam> params;
    bool isJson = false;
    CommandType type = CommandType::Query;
    bool needsInput = false;
    QString payload;
    bool isCustom = false;

    /// The text the command puts into the send box.
    QString sendText() const { return isJson ? payload : cmd; }
    /// The template with each <key> replaced by its value, else the
    /// parameter's default, else its hint, one parameter after the other, so
    /// later parameters see what earlier ones put in. Nothing when the text
    /// would grow past @p limit characters on the way: values that hold
    /// further placeholders multiply, and a document of a kilobyte could
    /// otherwise expand to gigabytes.
    std::optional<QString> resolve(const QHash<QString, QString>& values,
                                   qsizetype limit = TextBounds::Command) const;
};

/// One device model with its default serial settings (SerialConfig codes).
struct DeviceModel
{
    QString id;
    ModelProtocol protocol = ModelProtocol::Text;
    LocalizedText name;
    LocalizedText description;
    bool hasSerial = false;
    qint32 baudRate = 115200;
    qint32 dataBits = 8;
    qint32 parity = 0;
    qint32 stopBits = 1;
    qint32 flowControl = 0;
    QList<DeviceCommand> commands;
};

/// The catalogue of device models and their commands, parsed from a JSON
/// document. A failed load leaves the previous content in place.
///
/// What the window shows as it is (the version, ids, names, descriptions and
/// labels) is cut to TextBounds::Caption characters with a mark; a document
/// with more models, commands or parameters than the bounds below is refused.
/// Command texts, defaults and hints are kept whole: the send box refuses
/// what is too long for it (TextBounds::Command).
class DeviceLibrary
{
public:
    /// Bounds of a whole document.
    static constexpr qsizetype MaxModels = 1024;
    static constexpr qsizetype MaxCommands = 16384;
    static constexpr qsizetype MaxParams = 65536;
    /// The parameter form shows a field for each.
    static constexpr qsizetype MaxCommandParams = 64;

    /// Reads a file or resource and parses it; "cannot open %1" when unreadable.
    bool loadFromResource(const QString& path);
    /// Replaces the whole content, or only sets lastError on a syntax error.
    bool loadFromJsonText(const QByteArray& bytes);

    /// The model with this id; the first model for an unknown id; null when empty.
    const DeviceModel* model(const QString& id) const;
    QStringList modelIds() const;
    int commandCount() const;

    const QList<DeviceModel>& models() const { return m_models; }
    QString version() const { return m_version; }
    int modelCount() const { return int(m_models.size()); }
    QString lastError() const { return m_lastError; }

private:
    QList<DeviceModel> m_models;
    QString m_version;
    QString m_lastError;
};
