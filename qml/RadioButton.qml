import QtQuick
import QtQuick.Controls.Fusion as F
import Korvel

// Fusion radio button with a larger indicator whose edge shows on the
// window's greys in both themes, and a focus ring.
F.RadioButton {
    id: root

    padding: 6

    Binding {
        target: root.indicator
        property: "implicitWidth"
        value: 18
    }

    Binding {
        target: root.indicator
        property: "implicitHeight"
        value: 18
    }

    Binding {
        target: root.indicator
        property: "border.color"
        value: Theme.controlOutline
    }

    FocusRing {
        shown: root.visualFocus
    }
}
