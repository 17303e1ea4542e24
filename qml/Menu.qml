import QtQuick
import QtQuick.Controls.Fusion as F
import Korvel

// Fusion menu framed like the interface's dialogs.
F.Menu {
    id: root

    Binding {
        target: root.background
        property: "border.color"
        value: Theme.dialogBorder
    }
}
