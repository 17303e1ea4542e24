import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Korvel

// Interface preferences and application information.
Dialog {
    id: root

    title: qsTr("Settings & About")
    modal: true
    anchors.centerIn: Overlay.overlay
    width: 460
    padding: 16
    palette: Theme.palette
    font.family: Theme.baseFontFamily
    font.pixelSize: Theme.baseFontSize

    background: DialogCard {}

    Overlay.modal: ModalDim {}

    header: Label {
        text: root.title
        font.bold: true
        padding: 16
        color: Theme.text
    }

    footer: DialogButtonBox {
        palette: Theme.palette

        Button {
            text: qsTr("Close")
            palette: Theme.palette
            onClicked: root.reject()
        }
    }

    contentItem: ColumnLayout {
        spacing: 4

        Label {
            text: qsTr("Version")
            font.pixelSize: Theme.baseFontSize - 1
            color: Theme.textMuted
        }

        Label {
            text: qsTr("%1 (Qt %2)").arg(AppController.appVersion).arg(AppController.qtVersion)
            color: Theme.text
        }
    }
}
