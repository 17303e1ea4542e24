import QtQuick
import QtQuick.Controls
import Korvel

// Where to download the USB-serial drivers.
Dialog {
    id: root

    title: qsTr("Driver downloads")
    modal: true
    anchors.centerIn: Overlay.overlay
    width: 420
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
            onClicked: root.accept()
        }
    }

    contentItem: Label {
        text: AppController.ch340DriverUrl
        wrapMode: Text.WrapAnywhere
        color: Theme.text
    }
}
