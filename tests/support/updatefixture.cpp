#include "support/updatefixture.h"

#include "app/appcontroller.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

namespace korveltest {

namespace {

constexpr int kAnswerMs = 15000;

} // namespace

UpdateFixture::~UpdateFixture()
{
    if (!m_set) {
        return;
    }
    if (m_savedTmp.isNull()) {
        qunsetenv("TMPDIR");
    } else {
        qputenv("TMPDIR", m_savedTmp);
    }
}

bool UpdateFixture::setUp()
{
    if (!m_work.isValid() || !QDir().mkpath(tempRoot())) {
        return false;
    }
    m_savedTmp = qgetenv("TMPDIR");
    m_set = true;
    qputenv("TMPDIR", QFile::encodeName(tempRoot()));
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation) == tempRoot();
}

QString UpdateFixture::tempRoot() const
{
    return m_work.filePath(QStringLiteral("tmp"));
}

QString UpdateFixture::downloadFolder() const
{
    return tempRoot() + QStringLiteral("/KorvelSerialAssistant-update");
}

QString UpdateFixture::downloadTarget() const
{
    return downloadFolder() + QStringLiteral("/update.zip");
}

bool UpdateFixture::clearDownloads() const
{
    if (QFileInfo(downloadFolder()).isSymLink() && !QFile::remove(downloadFolder())) {
        return false;
    }
    return QDir(downloadFolder()).removeRecursively();
}

QString UpdateFixture::freshFolder()
{
    const QString path = m_work.filePath(QStringLiteral("f%1").arg(++m_folders));
    QDir().mkpath(path);
    return path;
}

bool UpdateFixture::serveLibrary(UpdateServerProcess& server, const QByteArray& document,
                                 const QStringList& args, QString* folder)
{
    const QString dir = freshFolder();
    if (folder) {
        *folder = dir;
    }
    return writeFile(dir + QStringLiteral("/devices.json"), document) &&
           server.start(QStringList{QStringLiteral("--library-dir"), dir} + args);
}

bool UpdateFixture::serveReleases(UpdateServerProcess& server, const QJsonArray& releases,
                                  const QByteArray& package, const QStringList& args,
                                  QString* folder)
{
    const QString dir = freshFolder();
    if (folder) {
        *folder = dir;
    }
    return writeFile(dir + QStringLiteral("/releases.json"), QJsonDocument(releases).toJson()) &&
           writeFile(dir + QStringLiteral("/korvel.zip"), package) &&
           server.start(QStringList{QStringLiteral("--release-dir"), dir} + args);
}

QByteArray envLine(const char* key, const QString& value)
{
    return QByteArray(key) + '=' + value.toUtf8() + '\n';
}

std::unique_ptr<AppController> makeController(const QByteArray& env)
{
    return std::make_unique<AppController>(testServices({}, env));
}

bool libraryBusy(const AppController& controller)
{
    return controller.libraryUpdateState() == QLatin1String("checking") ||
           controller.libraryUpdateState() == QLatin1String("downloading");
}

bool appBusy(const AppController& controller)
{
    return controller.appUpdateState() == QLatin1String("checking") ||
           controller.appUpdateState() == QLatin1String("downloading");
}

bool libraryOfferFound(AppController& controller)
{
    controller.checkForLibraryUpdate();
    return QTest::qWaitFor([&] { return !libraryBusy(controller); }, kAnswerMs) &&
           controller.libraryUpdateAvailable();
}

bool appOfferFound(AppController& controller)
{
    controller.checkForAppUpdate();
    return QTest::qWaitFor([&] { return !appBusy(controller); }, kAnswerMs) &&
           controller.appUpdateAvailable();
}

QString replyError(const QString& url, int timeoutMs)
{
    QNetworkAccessManager network;
    QNetworkRequest probe{QUrl(url)};
    probe.setTransferTimeout(timeoutMs);
    std::unique_ptr<QNetworkReply> reply(network.get(probe));
    QSignalSpy finished(reply.get(), &QNetworkReply::finished);
    if (!finished.wait(10000) || reply->error() == QNetworkReply::NoError) {
        return {};
    }
    return reply->errorString();
}

QJsonObject libraryModel(const QString& id, const QString& description, const QStringList& commands)
{
    QJsonArray list;
    for (const QString& name : commands) {
        list.append(QJsonObject{{QStringLiteral("id"), name.toLower()},
                                {QStringLiteral("name"), QJsonObject{{QStringLiteral("zh"), name},
                                                                     {QStringLiteral("en"), name}}},
                                {QStringLiteral("cmd"), name.toUpper()}});
    }
    return {{QStringLiteral("id"), id},
            {QStringLiteral("protocol"), QStringLiteral("text")},
            {QStringLiteral("description"),
             QJsonObject{{QStringLiteral("zh"), description}, {QStringLiteral("en"), description}}},
            {QStringLiteral("commands"), list}};
}

QByteArray libraryDocument(const QString& version, const QJsonValue& models,
                           const QString& minAppVersion, const QJsonValue& changelog)
{
    QJsonObject document{{QStringLiteral("version"), version}, {QStringLiteral("models"), models}};
    if (!minAppVersion.isEmpty()) {
        document.insert(QStringLiteral("minAppVersion"), minAppVersion);
    }
    if (!changelog.isUndefined()) {
        document.insert(QStringLiteral("changelog"), changelog);
    }
    return QJsonDocument(document).toJson();
}

QByteArray newerLibrary(const QString& minAppVersion, const QJsonValue& changelog)
{
    return libraryDocument(
        QStringLiteral("9.0"),
        QJsonArray{
            libraryModel(QStringLiteral("HX4"), QStringLiteral("HX4 mark II"), {"Ping"}),
            libraryModel(QStringLiteral("AT2"), QStringLiteral("AT2 text sensor"), {"Reset"})},
        minAppVersion, changelog);
}

QString appSlug()
{
    return QStringLiteral("korvel-serial-assistant");
}

QJsonObject release(const QString& version, const QString& file, const QString& description,
                    bool forced, const QString& minRequired, const QString& slug)
{
    return {{QStringLiteral("slug"), slug},
            {QStringLiteral("version"),
             QJsonObject{{QStringLiteral("version"), version},
                         {QStringLiteral("file"), file},
                         {QStringLiteral("description"), description},
                         {QStringLiteral("is_force_update"), forced},
                         {QStringLiteral("min_required_version"), minRequired}}}};
}

QByteArray packageBytes(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i) {
        bytes[i] = char((i * 7 + i / 251) % 256);
    }
    return bytes;
}

} // namespace korveltest
