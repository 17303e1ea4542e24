// korvel-update-server: a local stand-in for the device library and application update
// services, for the clients' tests and for trying updates without the maker's servers.
// See --help.
#include "updateserver.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>
#include <QTimer>

#include <cstdio>

namespace {

const QHash<QString, Fault>& faultNames()
{
    static const QHash<QString, Fault> names{
        {QStringLiteral("none"), Fault::None},
        {QStringLiteral("malformed"), Fault::Malformed},
        {QStringLiteral("not-object"), Fault::NotObject},
        {QStringLiteral("service-error"), Fault::ServiceError},
        {QStringLiteral("service-error-bare"), Fault::ServiceErrorBare},
        {QStringLiteral("no-models"), Fault::NoModels},
        {QStringLiteral("wrong-digest"), Fault::WrongDigest},
        {QStringLiteral("http-500"), Fault::Http500},
        {QStringLiteral("redirect"), Fault::Redirect},
        {QStringLiteral("stall"), Fault::Stall},
        {QStringLiteral("half"), Fault::Half},
        {QStringLiteral("half-close"), Fault::HalfClose},
        {QStringLiteral("no-length"), Fault::NoLength},
        {QStringLiteral("slow"), Fault::Slow},
        {QStringLiteral("trickle"), Fault::Trickle},
        {QStringLiteral("endless"), Fault::Endless},
        {QStringLiteral("huge-texts"), Fault::HugeTexts},
    };
    return names;
}

const char kDescription[] = R"(Serves, on 127.0.0.1 only:
  GET /version          the newest library document of --library-dir (by its "version"):
                        {"ok": true, "version", "minAppVersion", "changelog"}, the last two
                        taken from the document's own members of those names
  GET /latest           that document's bytes, with an "X-Content-SHA256" header
  GET /software/list    {"success": true, "data": [...]} with "data" read from releases.json in
                        --release-dir (an array of {"slug", "version": {...}} entries); a
                        release "file" given as a bare file name is served from that folder
                        and gets "file_size" and "sha256" filled in when they are missing
  GET /software/packages/NAME   the file NAME of --release-dir (no key needed)
The first line on standard output is the port; then one JSON line per request (method, path,
query, headers) unless --quiet.

Fault modes (--fault), applied to the paths that start with --fault-path (default: all):
  malformed           JSON answers that do not parse
  not-object          JSON answers that are an array
  service-error       "ok": false with "error"."message" / "success": false with "message"
                      (the text of --message)
  service-error-bare  the same without any message
  no-models           /latest without its "models" member
  wrong-digest        /latest with the body's first byte changed after the digest was taken
  http-500            status 500
  redirect            302 to --redirect-to followed by the path and query
  stall               never answer (the connection is closed after 60 s)
  half                half the announced body, then silence (closed after 60 s)
  half-close          half the announced body, then the connection closes
  no-length           the body without a Content-Length, ended by closing the connection
  slow                the body in pieces of 16 KiB every 50 ms
  trickle             the body one byte at a time, one every --interval milliseconds, so the
                      connection is never silent for long but the answer never ends
  endless             the first half of the body, then filler without end, as fast as the
                      client takes it (chunked, no length)
  huge-texts          the version texts, model descriptions, command names, release notes and
                      failure messages of the answers each --huge-size characters longer
                      (a version keeps its number: "-" and the filler follow it))";

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvel-update-server"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    parser.addHelpOption();
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("Port on 127.0.0.1; 0 picks a free one."),
                                  QStringLiteral("port"), QStringLiteral("0"));
    const QCommandLineOption libraryDir(QStringLiteral("library-dir"),
                                        QStringLiteral("Folder of device library documents."),
                                        QStringLiteral("dir"));
    const QCommandLineOption releaseDir(
        QStringLiteral("release-dir"),
        QStringLiteral("Folder with releases.json and the package files."), QStringLiteral("dir"));
    const QCommandLineOption apiKey(
        QStringLiteral("api-key"),
        QStringLiteral("Require this X-Api-Key on /version, /latest and /software/list."),
        QStringLiteral("key"));
    const QCommandLineOption prefix(QStringLiteral("prefix"),
                                    QStringLiteral("Path prefix of every route, such as /api."),
                                    QStringLiteral("path"));
    const QCommandLineOption fault(QStringLiteral("fault"),
                                   QStringLiteral("Misbehave in this way (see above)."),
                                   QStringLiteral("mode"), QStringLiteral("none"));
    const QCommandLineOption faultPath(
        QStringLiteral("fault-path"),
        QStringLiteral("Misbehave only for paths (after the prefix) starting with this."),
        QStringLiteral("path"));
    const QCommandLineOption message(QStringLiteral("message"),
                                     QStringLiteral("Failure text of --fault service-error."),
                                     QStringLiteral("text"));
    const QCommandLineOption redirectTo(QStringLiteral("redirect-to"),
                                        QStringLiteral("Base address of --fault redirect."),
                                        QStringLiteral("url"));
    const QCommandLineOption upperDigest(QStringLiteral("upper-digest"),
                                         QStringLiteral("Send X-Content-SHA256 in upper case."));
    const QCommandLineOption noDigest(QStringLiteral("no-digest"),
                                      QStringLiteral("Send no X-Content-SHA256 header."));
    const QCommandLineOption lifetime(QStringLiteral("lifetime"),
                                      QStringLiteral("Exit after this many seconds; 0 runs on."),
                                      QStringLiteral("seconds"), QStringLiteral("0"));
    const QCommandLineOption interval(QStringLiteral("interval"),
                                      QStringLiteral("Milliseconds between the bytes of "
                                                     "--fault trickle."),
                                      QStringLiteral("ms"), QStringLiteral("7000"));
    const QCommandLineOption hugeSize(QStringLiteral("huge-size"),
                                      QStringLiteral("Characters added by --fault huge-texts."),
                                      QStringLiteral("count"), QStringLiteral("20000000"));
    const QCommandLineOption quiet(QStringLiteral("quiet"),
                                   QStringLiteral("Print only the port, no request log."));
    parser.addOptions({port, libraryDir, releaseDir, apiKey, prefix, fault, faultPath, message,
                       redirectTo, upperDigest, noDigest, lifetime, interval, hugeSize, quiet});
    parser.process(app);

    ServerOptions options;
    options.libraryDir = parser.value(libraryDir);
    options.releaseDir = parser.value(releaseDir);
    options.apiKey = parser.value(apiKey);
    options.prefix = parser.value(prefix);
    while (options.prefix.endsWith(QLatin1Char('/'))) {
        options.prefix.chop(1);
    }
    if (!options.prefix.isEmpty() && !options.prefix.startsWith(QLatin1Char('/'))) {
        options.prefix.prepend(QLatin1Char('/'));
    }
    const auto mode = faultNames().constFind(parser.value(fault));
    if (mode == faultNames().constEnd()) {
        std::fprintf(stderr, "unknown fault mode: %s\n", qPrintable(parser.value(fault)));
        return 2;
    }
    options.fault = *mode;
    options.faultPath = parser.value(faultPath);
    options.messageSet = parser.isSet(message);
    options.message = parser.value(message);
    options.redirectTo = parser.value(redirectTo);
    options.upperDigest = parser.isSet(upperDigest);
    options.noDigest = parser.isSet(noDigest);
    options.quiet = parser.isSet(quiet);

    bool intervalOk = false;
    options.intervalMs = parser.value(interval).toInt(&intervalOk);
    bool hugeOk = false;
    options.hugeSize = parser.value(hugeSize).toLongLong(&hugeOk);
    if (!intervalOk || options.intervalMs < 1 || !hugeOk || options.hugeSize < 0) {
        std::fprintf(stderr, "bad --interval or --huge-size\n");
        return 2;
    }

    bool portOk = false;
    const uint portNumber = parser.value(port).toUInt(&portOk);
    bool lifetimeOk = false;
    const int seconds = parser.value(lifetime).toInt(&lifetimeOk);
    if (!portOk || portNumber > 65535 || !lifetimeOk || seconds < 0) {
        std::fprintf(stderr, "bad --port or --lifetime\n");
        return 2;
    }

    UpdateServer server(options);
    const quint16 chosen = server.start(quint16(portNumber));
    if (chosen == 0) {
        std::fprintf(stderr, "cannot listen on 127.0.0.1:%u\n", portNumber);
        return 1;
    }
    std::printf("%u\n", unsigned(chosen));
    std::fflush(stdout);
    if (seconds > 0) {
        QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    }
    return app.exec();
}
