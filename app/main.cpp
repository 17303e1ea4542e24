#include "app/startup.h"

// The QML module lives in a static library; referencing its registration
// function keeps the linker from dropping the object that registers it.
void qml_register_types_Korvel();

int main(int argc, char* argv[])
{
    volatile auto keepModule = &qml_register_types_Korvel;
    (void)keepModule;
    return runKorvelApplication(argc, argv);
}
