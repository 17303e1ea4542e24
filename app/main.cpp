#include "app/startup.h"

// The QML module lives in a static library; referencing its registration
// function keeps the linker from dropping the object that registers it.

int main(int argc, char* argv[])
{
    return runKorvelApplication(argc, argv);
}
