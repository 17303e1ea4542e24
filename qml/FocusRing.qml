import QtQuick
import Korvel

// The ring round the control that has the keyboard focus. A child of the
// control, drawn just outside its edge so it shows on any fill.
Rectangle {
    id: root

    // True while the control shows that it has the focus (visualFocus).
    property bool shown: false

    objectName: "focusRing"
    anchors.fill: parent
    anchors.margins: -3
    z: 10
    radius: 4
    color: "transparent"
    border.width: 2
    border.color: Theme.focusRing
    visible: root.shown
}
