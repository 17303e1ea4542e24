#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

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
    /// parameter's default, else its hint.
    QString resolve(const QHash<QString, QString>& values) const;
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
class DeviceLibrary
{
public:
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
