import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Dialogs
import Korvel

// Chooses a file to send through the open port and how: its raw bytes, or
// its text line by line with the send box's line end, with an optional pause.
Dialog {
    id: root

    property string errorText: ""
    readonly property FileSender sender: AppController.fileSender

    objectName: "fileSendDialog"
    title: qsTr("Send file")
    modal: true
    parent: Overlay.overlay
    anchors.centerIn: parent
    width: 460
    padding: 16
    palette: Theme.palette
    font.family: Theme.baseFontFamily
    font.pixelSize: Theme.baseFontSize

    background: DialogCard {}
    Overlay.modal: ModalDim {}

    onAboutToShow: root.errorText = ""
    onOpened: pathField.forceActiveFocus()

    function send() {
        root.errorText = AppController.sendFile(pathField.text)
        if (root.errorText === "")
            root.close()
    }

    header: Label {
        palette: Theme.palette
        text: root.title
        font.bold: true
        padding: 14
        color: Theme.text
        background: Rectangle {
            color: Theme.surface
        }
    }

    ThemedContent {
        anchors.fill: parent

        ColumnLayout {
            anchors.fill: parent
            spacing: 12

            RowLayout {
                Layout.fillWidth: true
                spacing: 10

                TextField {
                    id: pathField

                    objectName: "filePathField"
                    Layout.fillWidth: true
                    font.family: Theme.monoFont
                    placeholderText: qsTr("File to send")
                    onAccepted: root.send()
                }

                Button {
                    objectName: "fileBrowseButton"
                    text: qsTr("Browse…")
                    onClicked: fileDialog.open()
                }
            }

            RadioButton {
                objectName: "fileRawRadio"
                text: qsTr("Raw bytes, as they are in the file")
                checked: !root.sender.asText
                onToggled: root.sender.asText = false
            }

            RadioButton {
                objectName: "fileTextRadio"
                text: qsTr("Text, line by line, each line ended by %1")
                      .arg(SerialOptions.lineEndOptions()[AppController.lineEnd].label)
                checked: root.sender.asText
                onToggled: root.sender.asText = true
            }

            RowLayout {
                Layout.fillWidth: true
                spacing: 8

                Label {
                    text: qsTr("Pause after each line or piece")
                    color: Theme.text
                }

                SpinBox {
                    objectName: "filePauseSpin"
                    from: 0
                    to: 60000
                    stepSize: 10
                    editable: true
                    value: root.sender.pauseMs
                    onValueModified: root.sender.pauseMs = value
                }

                Label {
                    text: qsTr("ms")
                    color: Theme.text
                }
            }

            Label {
                objectName: "fileSendError"
                Layout.fillWidth: true
                visible: root.errorText !== ""
                text: root.errorText
                textFormat: Text.PlainText
                color: Theme.error
                wrapMode: Text.Wrap
            }
        }
    }

    footer: DialogButtonBox {
        palette: Theme.palette

        background: Rectangle {
            color: Theme.surface
        }

        Button {
            objectName: "fileSendCancelButton"
            text: qsTr("Cancel")
            palette: Theme.palette
            onClicked: root.reject()
        }

        Button {
            objectName: "fileSendButton"
            text: qsTr("Send")
            highlighted: true
            palette: Theme.palette
            enabled: pathField.text !== "" && AppController.portOpen && !root.sender.running
            onClicked: root.send()
        }
    }

    FileDialog {
        id: fileDialog

        objectName: "fileSendPicker"
        fileMode: FileDialog.OpenFile
        onAccepted: pathField.text = AppController.localPathForUrl(fileDialog.selectedFile)
    }
}
