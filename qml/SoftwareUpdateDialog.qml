import QtQuick
import QtQuick.Controls
import Korvel

// The application update: what the update client reports.
Dialog {
    id: root

    title: qsTr("Software Update")
    modal: true
    anchors.centerIn: Overlay.overlay
    width: 380
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
            text: qsTr("OK")
            palette: Theme.palette
            onClicked: root.accept()
        }
    }

    contentItem: Label {
        text: AppController.appUpdateMessage
        wrapMode: Text.WordWrap
        color: AppController.appUpdateState === "error" ? Theme.error : Theme.text
    }
}
