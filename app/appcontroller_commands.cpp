// Command actions: the device model choice, facts about the device library,
// loading library commands and the user's templates into the draft, filling
// in parameters and a model's default serial settings.
#include "app/appcontroller.h"

#include "library/commandlistmodel.h"
#include "serial/payloadcomposer.h"
#include "serial/serialmanager.h"
#include "util/textbounds.h"

namespace {

QHash<QString, QString> stringValues(const QVariantMap& values)
{
    QHash<QString, QString> strings;
    strings.reserve(values.size());
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        strings.insert(it.key(), it.value().toString());
    }
    return strings;
}

} // namespace

QString AppController::currentModelId() const
{
    return m_commandModel->modelId();
}

void AppController::setCurrentModelId(const QString& id)
{
    if (id == m_commandModel->modelId()) {
        return;
    }
    m_commandModel->setModelId(id);
    m_settings.setLastModelId(id);
    emit currentModelChanged();
}

QString AppController::currentModelDescription() const
{
    const DeviceModel* model = m_library.model(currentModelId());
    return model ? model->description.text() : QString();
}

QStringList AppController::modelIds() const
{
    return m_library.modelIds();
}

QString AppController::libraryVersion() const
{
    return m_library.version();
}

int AppController::modelCount() const
{
    return m_library.modelCount();
}

int AppController::commandCount() const
{
    return m_library.commandCount();
}

void AppController::loadIntoDraft(const QString& text, bool textCommand)
{
    setDraftText(text);
    // A text the send box refused leaves the send mode as it was.
    if (textCommand && m_sendAsHex && m_draftText == text) {
        setSendAsHex(false);
        emit statusMessage(tr("Send mode switched to ASCII: this command is text."));
    }
}

// A library command is text (or JSON); a template is whatever the user wrote,
// so only one that cannot go out as hex digits turns the mode to ASCII.
void AppController::loadCommandIntoDraft(int row)
{
    if (const DeviceCommand* command = m_commandModel->commandAt(row)) {
        const QString text = command->sendText();
        loadIntoDraft(text, !command->isCustom || PayloadComposer::hex(text, false).isEmpty());
    }
}

QString AppController::commandNameForRow(int row) const
{
    const DeviceCommand* command = m_commandModel->commandAt(row);
    return command ? command->name.text() : QString();
}

QVariantList AppController::paramsForRow(int row) const
{
    QVariantList params;
    if (const DeviceCommand* command = m_commandModel->commandAt(row)) {
        for (const CommandParam& param : command->params) {
            // The hint is only shown (the command falls back to the library's own); the default
            // is the field's value, and one too long for the send box fails the preview as it
            // is, cut or not.
            params.append(QVariantMap{
                {QStringLiteral("key"), param.key},
                {QStringLiteral("label"), param.label.text()},
                {QStringLiteral("hint"), TextBounds::cut(param.hint, TextBounds::Caption)},
                {QStringLiteral("defaultValue"),
                 TextBounds::cut(param.defaultValue, TextBounds::Command)}});
        }
    }
    return params;
}

QString AppController::previewCommand(int row, const QVariantMap& values) const
{
    const DeviceCommand* command = m_commandModel->commandAt(row);
    return command ? command->resolve(stringValues(values)).value_or(QString()) : QString();
}

QString AppController::previewProblem(int row, const QVariantMap& values) const
{
    const DeviceCommand* command = m_commandModel->commandAt(row);
    if (!command || command->resolve(stringValues(values))) {
        return {};
    }
    return tr("Filled in, this command would be longer than %L1 characters, more than a command "
              "may be; check the values.")
        .arg(TextBounds::Command);
}

void AppController::loadCommandWithParamsIntoDraft(int row, const QVariantMap& values)
{
    const DeviceCommand* command = m_commandModel->commandAt(row);
    if (!command) {
        return;
    }
    if (const std::optional<QString> text = command->resolve(stringValues(values))) {
        loadIntoDraft(*text, true);
    } else {
        m_log.append(LogKind::ERR, previewProblem(row, values).toUtf8());
    }
}

void AppController::addCustomTemplate(const QString& name, const QString& content)
{
    m_commandModel->addCustomTemplate(name, content);
}

void AppController::updateCustomTemplate(int row, const QString& name, const QString& content)
{
    m_commandModel->updateCustomTemplate(row, name, content);
}

void AppController::removeCustomTemplate(int row)
{
    m_commandModel->removeCustomTemplate(row);
}

void AppController::moveCommandRow(int from, int to)
{
    m_commandModel->moveRow(from, to);
}

QVariantMap AppController::serialDefaultsForModel(const QString& modelId) const
{
    const DeviceModel* model = m_library.model(modelId);
    if (!model || !model->hasSerial) {
        return {{QStringLiteral("present"), false}};
    }
    return {{QStringLiteral("present"), true},
            {QStringLiteral("baudRate"), model->baudRate},
            {QStringLiteral("dataBits"), model->dataBits},
            {QStringLiteral("parity"), model->parity},
            {QStringLiteral("stopBits"), model->stopBits},
            {QStringLiteral("flowControl"), model->flowControl}};
}

void AppController::onSerialDefaultsApplied(const QVariantMap& defaults, bool deferred)
{
    emit serialDefaultsRequested(defaults);
    if (!deferred || !defaults.value(QStringLiteral("present")).toBool()) {
        return;
    }
    SerialConfig shown;
    shown.portName = m_reconnect->session().portName;
    shown.baudRate = defaults.value(QStringLiteral("baudRate")).toInt();
    shown.dataBits = defaults.value(QStringLiteral("dataBits")).toInt();
    shown.parity = defaults.value(QStringLiteral("parity")).toInt();
    shown.stopBits = defaults.value(QStringLiteral("stopBits")).toInt();
    shown.flowControl = defaults.value(QStringLiteral("flowControl")).toInt();
    if (shown == m_reconnect->session()) {
        return; // what the panel showed all along
    }
    m_log.append(LogKind::SYS, tr("Serial settings of %1 now shown for the next open: %2")
                                   .arg(currentModelId(), SerialManager::summaryFor(shown))
                                   .toUtf8());
}
