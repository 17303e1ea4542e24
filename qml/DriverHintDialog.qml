import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Korvel

// Explains the missing USB-serial driver and leads to its download.
Dialog {
    id: root

    signal downloadRequested

    objectName: "driverHintDialog"
    title: qsTr("Serial driver may be missing")
    modal: true
    parent: Overlay.overlay
    anchors.centerIn: parent
    width: 380
    padding: 16
    palette: Theme.palette
    font.family: Theme.baseFontFamily
    font.pixelSize: Theme.baseFontSize

    background: DialogCard {}

    Overlay.modal: ModalDim {}

    header: Label {
        palette: Theme.palette
        text: root.title
        font.bold: true
        padding: 16
        color: Theme.text
    }

    footer: DialogButtonBox {
        palette: Theme.palette

        Button {
            objectName: "downloadDriverButton"
            text: qsTr("Download driver")
            palette: Theme.palette
            onClicked: root.downloadRequested()
        }

        Button {
            text: qsTr("Close")
            palette: Theme.palette
            onClicked: root.accept()
        }
    }

    ThemedContent {
        anchors.fill: parent

        ColumnLayout {
            anchors.fill: parent
            spacing: 12

            Label {
                Layout.fillWidth: true
                text: qsTr("The CH340 USB-to-serial driver doesn't appear to be installed on this computer. Without it, a connected Korvel device won't show up as an available serial port.")
                wrapMode: Text.WordWrap
                color: Theme.text
            }

            CheckBox {
                objectName: "dontShowAgainCheck"
                text: qsTr("Don't show this again")
                checked: AppController.ch340DriverHintDismissed
                onToggled: AppController.ch340DriverHintDismissed = checked
            }
        }
    }
}
