#pragma once

#include "support/updateserverprocess.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class AppController;

namespace korveltest {

/// What the tests of the update workflows share: a work folder that is also the process's
/// temporary-files folder (so a downloaded package lands in it and nowhere else), and servers
/// that publish a library or a release list from fresh folders of it.
class UpdateFixture
{
public:
    UpdateFixture() = default;
    /// Gives the temporary-files folder back.
    ~UpdateFixture();
    UpdateFixture(const UpdateFixture&) = delete;
    UpdateFixture& operator=(const UpdateFixture&) = delete;

    /// Makes the work folder the temporary-files folder; call it once, before any controller.
    bool setUp();

    QString tempRoot() const;
    /// Where the controller puts a package: "<temp>/KorvelSerialAssistant-update".
    QString downloadFolder() const;
    QString downloadTarget() const;
    /// Removes what an earlier case downloaded (a link there too, never what it points to).
    bool clearDownloads() const;

    /// A new empty folder below the work folder.
    QString freshFolder();
    /// Starts @p server publishing @p document as its only library.
    bool serveLibrary(UpdateServerProcess& server, const QByteArray& document,
                      const QStringList& args = {}, QString* folder = nullptr);
    /// Starts @p server listing @p releases, with @p package served as "korvel.zip".
    bool serveReleases(UpdateServerProcess& server, const QJsonArray& releases,
                       const QByteArray& package = {}, const QStringList& args = {},
                       QString* folder = nullptr);

private:
    QTemporaryDir m_work;
    QByteArray m_savedTmp;
    bool m_set = false;
    int m_folders = 0;
};

/// One ".env" line.
QByteArray envLine(const char* key, const QString& value);
/// A controller whose update clients are configured by @p env, the text of a ".env" file.
std::unique_ptr<AppController> makeController(const QByteArray& env);

bool libraryBusy(const AppController& controller);
bool appBusy(const AppController& controller);
/// Checks for a library update and waits for the answer: true when it offers one.
bool libraryOfferFound(AppController& controller);
/// Checks for an application update and waits for the answer: true when it offers one.
bool appOfferFound(AppController& controller);

/// The network layer's own text for a failing request to @p url (with @p timeoutMs, for one
/// that sees no data for that long); empty when the request did not end.
QString replyError(const QString& url, int timeoutMs = 0);

/// A text-protocol model with one command per name (its text the name in capitals).
QJsonObject libraryModel(const QString& id, const QString& description,
                         const QStringList& commands);
/// A library document as the service publishes it; "minAppVersion" and "changelog" are what
/// the service reports on "/version".
QByteArray libraryDocument(const QString& version, const QJsonValue& models,
                           const QString& minAppVersion = {},
                           const QJsonValue& changelog = QJsonValue::Undefined);
/// Library 9.0 with the HX4 (command "Ping") and the AT2 (command "Reset").
QByteArray newerLibrary(const QString& minAppVersion = {},
                        const QJsonValue& changelog = QJsonValue::Undefined);

/// The slug of this application on the release service.
QString appSlug();
/// An entry of the release list; a bare file name is served from the release folder.
QJsonObject release(const QString& version, const QString& file = {},
                    const QString& description = {}, bool forced = false,
                    const QString& minRequired = {}, const QString& slug = appSlug());
/// Bytes that vary, so a package cut or shifted anywhere compares unequal.
QByteArray packageBytes(qsizetype size);

} // namespace korveltest
