import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Korvel

// Static information about the application.
Dialog {
    id: root

    title: qsTr("About")
    modal: true
    anchors.centerIn: Overlay.overlay
    width: 440
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
        spacing: 2

        Label {
            text: qsTr("Korvel Serial Assistant")
            font.bold: true
            font.pixelSize: Theme.baseFontSize + 2
            color: Theme.text
        }

        Label {
            text: qsTr("Version %1").arg(AppController.appVersion)
            color: Theme.textMuted
        }
    }
}
