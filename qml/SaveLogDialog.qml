import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Dialogs
import Korvel

// Exports the log to a file and switches continuous logging to disk on or off.
Dialog {
    id: root

    property string errorText: ""

    objectName: "saveLogDialog"
    title: qsTr("Save session log")
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

    onAboutToShow: {
        fileNameField.text = AppController.suggestedLogBaseName() + ".log"
        locationField.text = AppController.suggestedLogDirectory()
        formatText.checked = true
        continuousCheck.checked = false
        root.errorText = ""
    }

    // The file name without the extension the user typed: the format decides
    // the extension. A leading "." alone is part of the name.
    function baseNameFor(fileName) {
        const dot = fileName.lastIndexOf(".")
        return dot > 0 ? fileName.slice(0, dot) : fileName
    }

    function save() {
        const format = formatCsv.checked ? formatCsv.value : formatHex.checked ? formatHex.value : "text"
        root.errorText = AppController.saveLog(locationField.text, root.baseNameFor(fileNameField.text),
                                               format, continuousCheck.checked)
        if (root.errorText === "")
            root.close()
    }

    header: Label {
        text: root.title
        font.bold: true
        padding: 14
        color: Theme.text
        background: Rectangle {
            color: Theme.surface
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 14

        GridLayout {
            Layout.fillWidth: true
            columns: 2
            columnSpacing: 10
            rowSpacing: 8

            Label {
                text: qsTr("File name")
                color: Theme.text
            }

            TextField {
                id: fileNameField

                objectName: "fileNameField"
                Layout.fillWidth: true
                font.family: Theme.monoFont
            }

            Label {
                text: qsTr("Location")
                color: Theme.text
            }

            RowLayout {
                Layout.fillWidth: true
                spacing: 10

                TextField {
                    id: locationField

                    objectName: "locationField"
                    Layout.fillWidth: true
                    font.family: Theme.monoFont
                }

                Button {
                    objectName: "browseButton"
                    text: qsTr("Browse…")
                    onClicked: folderDialog.open()
                }
            }
        }

        GroupBox {
            Layout.fillWidth: true
            title: qsTr("Format")

            RowLayout {
                anchors.fill: parent

                RadioButton {
                    id: formatText

                    readonly property string value: "text"

                    objectName: "formatText"
                    text: qsTr("Plain text (.log)")
                    checked: true
                }

                RadioButton {
                    id: formatCsv

                    readonly property string value: "csv"

                    objectName: "formatCsv"
                    text: "CSV"
                }

                RadioButton {
                    id: formatHex

                    readonly property string value: "hex"

                    objectName: "formatHex"
                    text: qsTr("HEX dump")
                }
            }
        }

        CheckBox {
            id: continuousCheck

            objectName: "continuousCheck"
            Layout.fillWidth: true
            text: qsTr("Continue logging to disk, rotating the file every day")
        }

        Label {
            objectName: "errorLabel"
            Layout.fillWidth: true
            visible: root.errorText !== ""
            text: root.errorText
            color: Theme.error
            wrapMode: Text.Wrap
        }
    }

    footer: DialogButtonBox {
        palette: Theme.palette

        background: Rectangle {
            color: Theme.surface
        }

        Button {
            objectName: "cancelButton"
            text: qsTr("Cancel")
            palette: Theme.palette
            onClicked: root.reject()
        }

        Button {
            objectName: "saveButton"
            text: qsTr("Save")
            highlighted: true
            palette: Theme.palette
            onClicked: root.save()
        }
    }

    FolderDialog {
        id: folderDialog

        objectName: "folderDialog"
        currentFolder: AppController.urlForLocalPath(locationField.text)
        // Accepted without picking a subfolder, the folder shown is the choice.
        onAccepted: locationField.text = AppController.localPathForUrl(folderDialog.selectedFolder)
                                         || AppController.localPathForUrl(folderDialog.currentFolder)
    }
}
