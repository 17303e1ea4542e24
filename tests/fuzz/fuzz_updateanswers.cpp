// The update services' answers, read without a network: the library
// service's "/version" and "/latest" and the application service's
// "/software/list". Whatever a server sends, the answer is a success or a
// failure with a reason, never both, and what it promises holds.
#include "fuzzsupport.h"

#include "library/devicelibrary.h"
#include "update/devicelibraryupdateclient.h"
#include "update/softwareupdateclient.h"
#include "util/versioncompare.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

void libraryCheck(const QByteArray& body, const QString& current)
{
    const auto answer = DeviceLibraryUpdateClient::readCheckAnswer(body, current);
    FUZZ_CHECK(answer.ok == answer.error.isEmpty(), answer.error);
    if (!answer.ok) {
        FUZZ_CHECK(!answer.updateAvailable && answer.remoteVersion.isEmpty(), answer.error);
        return;
    }
    FUZZ_CHECK(answer.updateAvailable ==
                   (!answer.remoteVersion.isEmpty() && answer.remoteVersion != current),
               answer.remoteVersion);
}

void libraryFetch(const QByteArray& body, const QByteArray& digest)
{
    const auto answer = DeviceLibraryUpdateClient::readFetchAnswer(body, digest);
    FUZZ_CHECK(answer.ok == answer.error.isEmpty(), answer.error);
    if (!answer.ok) {
        FUZZ_CHECK(answer.rawJson.isEmpty() && answer.version.isEmpty(), answer.error);
        return;
    }
    FUZZ_CHECK(answer.rawJson == body, QString());
    const QJsonObject document = QJsonDocument::fromJson(body).object();
    FUZZ_CHECK(document.contains(QLatin1String("models")), QString());
    // The controller then loads it: a document the client passes is one
    // the library loader reads, unless it holds more than the loader's
    // bounds, and both show the same version.
    DeviceLibrary library;
    if (!library.loadFromJsonText(answer.rawJson)) {
        FUZZ_CHECK(library.lastError().startsWith(QLatin1String("the library holds")) ||
                       library.lastError().startsWith(QLatin1String("a command has")),
                   library.lastError());
        return;
    }
    FUZZ_CHECK(library.version() == answer.version, library.version());
}

void softwareCheck(const QByteArray& body, const QString& current)
{
    const auto answer = SoftwareUpdateClient::readCheckAnswer(body, current);
    if (answer.ok) {
        FUZZ_CHECK(answer.error.isEmpty(), answer.error);
    }
    if (!answer.ok) {
        FUZZ_CHECK(!answer.updateAvailable && !answer.appTooOld && answer.version.isEmpty() &&
                       answer.downloadUrl.isEmpty() && answer.fileSize == 0,
                   answer.error);
        return;
    }
    FUZZ_CHECK(answer.updateAvailable ==
                   (!answer.version.isEmpty() && VersionCompare::isHigher(answer.version, current)),
               answer.version);
    FUZZ_CHECK(!answer.appTooOld || answer.updateAvailable, answer.version);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::ensureApplication();
    fuzz::Input input(data, size);
    const uint8_t mode = input.byte();
    const QString current = QString::fromUtf8(input.take(input.byte() % 24));
    const QByteArray body = input.rest();
    switch (mode % 4) {
    case 0:
        libraryCheck(body, current);
        break;
    case 1:
        // The digest the body really has, so the check gets past it.
        libraryFetch(body, QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex());
        break;
    case 2:
        libraryFetch(body, current.toUtf8());
        break;
    default:
        softwareCheck(body, current);
        break;
    }
    return 0;
}
