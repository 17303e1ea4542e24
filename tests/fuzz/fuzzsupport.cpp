#include "fuzzsupport.h"

#include "library/devicelibrary.h"
#include "library/librarycache.h"
#include "settings/languagemanager.h"
#include "settings/settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

namespace {

QTemporaryDir* scratch()
{
    // Kept reachable for the whole run and removed at exit.
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/korvel-fuzz-XXXXXX"));
    return &dir;
}

} // namespace

void ensureApplication()
{
    if (QCoreApplication::instance()) {
        return;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own warnings (a settings file it cannot parse, say) are expected
    // for hostile input and would only drown the fuzzer's output.
    qputenv("QT_LOGGING_RULES", "*.warning=false;*.critical=false");
    static int argc = 1;
    static char name[] = "korvel-fuzz";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("KorvelFuzz"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("fuzz.korvel.io"));
    QCoreApplication::setApplicationName(QStringLiteral("KorvelSerialAssistantFuzz"));
    QStandardPaths::setTestModeEnabled(true);
    const QString folder = privateFolder();
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, folder + QStringLiteral("/settings"));
        QSettings::setPath(format, QSettings::SystemScope, folder + QStringLiteral("/system"));
    }
    LibraryCache::setFolderForTesting(folder + QStringLiteral("/data"));
    SettingsStore::captureDefaultSystemFontFamily();
    LanguageManager::instance().setLanguage(QStringLiteral("en"));
}

QString privateFolder()
{
    if (!scratch()->isValid()) {
        std::fprintf(stderr, "fuzz: no temporary folder: %s\n",
                     qPrintable(scratch()->errorString()));
        std::abort();
    }
    return scratch()->path();
}

DeviceLibrary* newBuiltInLibrary()
{
    ensureApplication();
    auto* library = new DeviceLibrary;
    if (!library->loadFromResource(QStringLiteral(":/data/devices.json"))) {
        fail("the built-in library does not load", library->lastError());
    }
    return library;
}

void fail(const char* what, const QString& detail)
{
    std::fprintf(stderr, "fuzz check failed: %s\n%s\n", what, detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

uint8_t Input::byte()
{
    return m_pos < m_size ? m_data[m_pos++] : 0;
}

QByteArray Input::take(size_t count)
{
    const size_t n = count < remaining() ? count : remaining();
    QByteArray bytes(reinterpret_cast<const char*>(m_data + m_pos), qsizetype(n));
    m_pos += n;
    return bytes;
}

QByteArray Input::rest()
{
    return take(remaining());
}

} // namespace fuzz
