import QtQuick
import QtQuick.Controls.Fusion as F
import Korvel

// Fusion text field with the interface's padding; its edge shows on the
// window's greys in both themes and turns into the focus colour with the focus.
F.TextField {
    id: root

    padding: 6

    Binding {
        target: root.background
        property: "border.color"
        value: root.activeFocus ? Theme.focusRing : Theme.controlOutline
        when: root.background instanceof Rectangle
    }
}
