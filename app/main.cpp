#include "app/commandline.h"
#include "app/startup.h"

#include <cstdio>

// The program's command line is read before anything of Qt starts, so that
// --help works without a display and a mistake ends with status 2 at once.
int main(int argc, char* argv[])
{
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
