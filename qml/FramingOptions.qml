import QtQuick
import QtQuick.Controls.Fusion as F
import QtQuick.Layouts
import Korvel

// How received bytes become entries of the monitor: lines, or frames that a
// pause in the data ends (binary protocols such as Modbus RTU, whose bytes
// include line feeds), with the pause that ends a frame.
ColumnLayout {
    id: root

    spacing: 2

    RowLayout {
        Layout.fillWidth: true
        spacing: 12

        RadioButton {
            objectName: "rxLinesRadio"
            text: qsTr("Lines")
            palette.windowText: Theme.text
            checked: !AppController.framesBySilence
            onCheckedChanged: {
                if (checked)
                    AppController.framesBySilence = false;
            }
        }

        RadioButton {
            objectName: "rxFramesRadio"
            text: qsTr("Frames by silence")
            palette.windowText: Theme.text
            checked: AppController.framesBySilence
            onCheckedChanged: {
                if (checked)
                    AppController.framesBySilence = true;
            }
        }
    }

    RowLayout {
        Layout.fillWidth: true
        spacing: 6
        enabled: AppController.framesBySilence

        ElidedLabel {
            id: pauseLabel

            Layout.fillWidth: true
            text: qsTr("Frame pause")
            color: pauseLabel.enabled ? Theme.text : Theme.textMuted
        }

        SpinBox {
            objectName: "framePauseSpin"
            from: 1
            to: 1000
            editable: true
            value: AppController.framePauseMs
            onValueModified: AppController.framePauseMs = value
        }

        F.Label {
            id: unitLabel

            text: qsTr("ms")
            color: unitLabel.enabled ? Theme.text : Theme.textMuted
        }
    }

    F.Label {
        Layout.fillWidth: true
        visible: AppController.framesBySilence
        text: qsTr("With CRC on, each frame is marked by its CRC-16/MODBUS.")
        wrapMode: Text.Wrap
        font.pixelSize: Theme.baseFontSize - 1
        color: Theme.textMuted
    }
}
