#include "app/commandline.h"
#include "app/startup.h"

#include <cstdio>

// The QML module lives in a static library; referencing its registration
// function keeps the linker from dropping the object that registers it.
void qml_register_types_Korvel();

int main(int argc, char* argv[])
{
    volatile auto keepModule = &qml_register_types_Korvel;
    (void)keepModule;

    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const CommandLine commandLine = CommandLine::parse(arguments);
    if (!commandLine.run) {
        std::fputs(commandLine.output.toLocal8Bit().constData(), stdout);
        std::fputs(commandLine.error.toLocal8Bit().constData(), stderr);
        return commandLine.exitStatus;
    }
    return runKorvelApplication(argc, argv, {}, commandLine.options);
}
