import QtQuick
import Korvel

// Started as the root document by the start-up probe: tells the interface
// font family before and after "Restore defaults", then ends the process.
Item {
    Component.onCompleted: {
        console.log("stored=" + AppController.systemFontFamily)
        AppController.restoreDefaultSettings()
        console.log("restored=" + AppController.systemFontFamily)
        console.log("applied=" + Qt.application.font.family)
        Qt.exit(0)
    }
}
