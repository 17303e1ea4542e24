// Runs the application's real start-up with a root document given on the
// command line, so tests can watch how start-up treats a broken document.
#include "app/startup.h"

#include <QUrl>

int main(int argc, char* argv[])
{
    const QUrl root = argc > 1 ? QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])) : QUrl();
    return runKorvelApplication(argc, argv, root);
}
