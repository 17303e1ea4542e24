import QtQuick
import QtQuick.Controls.Fusion as F
import QtQuick.Layouts
import Korvel

// DTR and RTS of the open port, "Reset device", and the choices that hold
// from the next open: the lines' state right after it, the line the reset
// pulses and for how long.
ColumnLayout {
    id: root

    readonly property ControlLines lines: AppController.controlLines
    // Why a line cannot be set while the port is open; empty when it can.
    readonly property string restingReason: AppController.portOpen && !root.lines.supported
                                            ? qsTr("This port has no modem control lines.") : ""

    spacing: 4

    F.Label {
        Layout.fillWidth: true
        Layout.topMargin: 8
        text: qsTr("Control lines")
        font.pixelSize: Theme.baseFontSize - 1
        font.letterSpacing: 1
        color: Theme.textMuted
    }

    RowLayout {
        Layout.fillWidth: true
        spacing: 8

        // The boxes sit in items that take the pointer, so that a disabled
        // box still tells why it rests.
        Item {
            implicitWidth: dtrToggle.implicitWidth
            implicitHeight: dtrToggle.implicitHeight

            HoverHandler {
                id: dtrHover
            }

            CheckBox {
                id: dtrToggle

                objectName: "dtrToggle"
                anchors.fill: parent
                text: "DTR"
                enabled: root.lines.available && !root.lines.busy
                checked: root.lines.dtr
                F.ToolTip.visible: dtrHover.hovered && root.restingReason !== ""
                F.ToolTip.text: root.restingReason
                onToggled: root.lines.dtr = checked
            }
        }

        Item {
            implicitWidth: rtsToggle.implicitWidth
            implicitHeight: rtsToggle.implicitHeight

            HoverHandler {
                id: rtsHover
            }

            CheckBox {
                id: rtsToggle

                readonly property string toolTipText: root.restingReason !== ""
                    ? root.restingReason
                    : AppController.portOpen && root.lines.rtsOwnedByDriver
                      ? qsTr("RTS/CTS flow control drives RTS while the port is open.") : ""

                objectName: "rtsToggle"
                anchors.fill: parent
                text: "RTS"
                enabled: root.lines.available && !root.lines.busy
                         && !root.lines.rtsOwnedByDriver
                checked: root.lines.rts
                F.ToolTip.visible: rtsHover.hovered && rtsToggle.toolTipText !== ""
                F.ToolTip.text: rtsToggle.toolTipText
                onToggled: root.lines.rts = checked
            }
        }

        Button {
            objectName: "resetDeviceButton"
            Layout.fillWidth: true
            Layout.minimumWidth: 60
            text: qsTr("Reset device")
            enabled: root.lines.available && !root.lines.busy
            onClicked: root.lines.resetDevice()
        }
    }

    CheckBox {
        objectName: "dtrOnOpenCheck"
        Layout.fillWidth: true
        text: qsTr("Assert DTR after opening")
        checked: root.lines.dtrOnOpen
        onToggled: root.lines.dtrOnOpen = checked
    }

    CheckBox {
        objectName: "rtsOnOpenCheck"
        Layout.fillWidth: true
        text: qsTr("Assert RTS after opening")
        checked: root.lines.rtsOnOpen
        onToggled: root.lines.rtsOnOpen = checked
    }

    RowLayout {
        Layout.fillWidth: true
        spacing: 6

        ElidedLabel {
            Layout.fillWidth: true
            Layout.minimumWidth: 40
            text: qsTr("Reset pulses")
            color: Theme.text
        }

        ComboBox {
            objectName: "resetLineCombo"
            Layout.preferredWidth: 72
            model: ["DTR", "RTS"]
            currentIndex: root.lines.resetLine
            onActivated: index => root.lines.resetLine = index
        }

        // Narrow enough that the row fits the panel: the panel's other rows
        // follow the widest one.
        SpinBox {
            objectName: "resetPulseSpin"
            Layout.preferredWidth: 92
            from: 10
            to: 5000
            stepSize: 10
            editable: true
            value: root.lines.resetPulseMs
            onValueModified: root.lines.resetPulseMs = value
        }

        F.Label {
            text: qsTr("ms")
            color: Theme.text
        }
    }
}
