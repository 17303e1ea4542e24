import QtQuick
import QtQuick.Controls.Fusion as F

// Fusion radio button with a larger indicator.
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
}
