#include "app/commandline.h"

#include "buildinfo.h"
#include "serial/serialoptions.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

QList<int> offeredBaudRates()
{
    QList<int> rates;
    for (const QVariant& rate : SerialOptions().baudRateOptions()) {
        rates << rate.toInt();
    }
    return rates;
}

// Qt's own options, which the application object takes out of the arguments
// later on; accepted here so that they are not mistaken for unknown ones.
void addQtOptions(QCommandLineParser& parser)
{
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                             "qwindowgeometry", "qwindowicon", "qwindowtitle", "qmljsdebugger",
                             "session", "display", "style", "stylesheet"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

} // namespace

CommandLine CommandLine::parse(const QStringList& arguments)
{
    const QString program = arguments.isEmpty() ? QStringLiteral("KorvelSerialAssistant")
                                                : QFileInfo(arguments.constFirst()).fileName();
    const QList<int> rates = offeredBaudRates();
    QStringList rateTexts;
    for (const int rate : rates) {
        rateTexts << QString::number(rate);
    }

    QCommandLineParser parser;
    // Qt's options have one dash ("-platform offscreen").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        tr("Korvel Serial Assistant: a serial terminal for Korvel sensors and any other serial "
           "device."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption port(
        QStringList{QStringLiteral("port")},
        tr("Choose the port PATH: a name from the port list (ttyUSB0) or any device path "
           "(/dev/serial/by-id/..., /tmp/hx4)."),
        tr("PATH"));
    const QCommandLineOption baud(
        QStringList{QStringLiteral("baud")},
        tr("Use N bits per second, one of %1.").arg(rateTexts.join(QStringLiteral(", "))), tr("N"));
    const QCommandLineOption open(QStringList{QStringLiteral("open")},
                                  tr("Open the port at start-up, with the serial settings the "
                                     "window shows."));
    parser.addOptions({port, baud, open});
    addQtOptions(parser);

    CommandLine result;
    const auto fail = [&](const QString& message) {
        result.run = false;
        result.exitStatus = 2;
        result.error =
            QStringLiteral("%1: %2\n%3\n")
                .arg(program, message, tr("Run \"%1 --help\" to see the options.").arg(program));
        return result;
    };

    if (!parser.parse(arguments)) {
        return fail(parser.errorText());
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        result.run = false;
        // Without an application object Qt cannot name the program itself.
        result.output = parser.helpText().replace(QStringLiteral("<executable_name>"), program);
        return result;
    }
    if (parser.isSet(version)) {
        result.run = false;
        result.output =
            QStringLiteral("KorvelSerialAssistant %1\n").arg(QStringLiteral(KORVEL_APP_VERSION));
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return fail(
            tr("Unexpected argument \"%1\".").arg(parser.positionalArguments().constFirst()));
    }
    if (parser.isSet(port)) {
        result.options.port = parser.value(port).trimmed();
        if (result.options.port.isEmpty()) {
            return fail(tr("--port needs a port name or a device path."));
        }
    }
    if (parser.isSet(baud)) {
        bool ok = false;
        const int value = parser.value(baud).toInt(&ok);
        if (!ok || !rates.contains(value)) {
            return fail(tr("--baud: \"%1\" is not a baud rate the window offers (%2).")
                            .arg(parser.value(baud), rateTexts.join(QStringLiteral(", "))));
        }
        result.options.baudRate = value;
    }
    result.options.open = parser.isSet(open);
    return result;
}
