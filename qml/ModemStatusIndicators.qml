pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Korvel

// CTS, DSR, DCD and RI of the open port, each a dot that fills while its
// line is up. The lines are read only while these are in the window, and not
// at all on a port without modem lines, where the row gives way.
RowLayout {
    id: root

    readonly property ControlLines lines: AppController.controlLines

    objectName: "modemStatus"
    visible: AppController.portOpen && root.lines.supported
    spacing: 8

    Binding {
        target: root.lines
        property: "watching"
        value: true
    }

    Repeater {
        model: [
            { name: "CTS", up: root.lines.cts },
            { name: "DSR", up: root.lines.dsr },
            { name: "DCD", up: root.lines.dcd },
            { name: "RI", up: root.lines.ri }
        ]

        delegate: RowLayout {
            id: indicator

            required property var modelData

            objectName: "modemLine" + indicator.modelData.name
            spacing: 3

            Rectangle {
                implicitWidth: 8
                implicitHeight: 8
                radius: 4
                color: indicator.modelData.up ? Theme.accent700 : "transparent"
                border.width: 1
                border.color: indicator.modelData.up ? Theme.accent700 : Theme.controlOutline
            }

            Label {
                text: indicator.modelData.name
                font.family: Theme.monoFont
                font.pixelSize: Theme.baseFontSize - 2
                color: indicator.modelData.up ? Theme.text : Theme.textMuted
            }
        }
    }
}
