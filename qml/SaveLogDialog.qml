import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Dialogs
import Korvel

// Exports the log to a file and switches continuous logging to disk on or off.
Dialog {
    id: root

    property string errorText: ""
    // The extension each format gives the file (see AppController.saveLog).
    readonly property var extensions: ({
            "text": ".log",
            "csv": ".csv",
            "hex": ".hex.txt"
        })
    readonly property string format: formatCsv.checked ? formatCsv.value
                                                       : formatHex.checked ? formatHex.value : "text"

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

    // The box shows whether continuous logging runs, so an ordinary save
    // does not stop it unasked.
    onAboutToShow: {
        formatText.checked = true
        fileNameField.text = AppController.suggestedLogBaseName() + root.extensions.text
        locationField.text = AppController.suggestedLogDirectory()
        continuousCheck.checked = AppController.continuousLog.active
        root.errorText = ""
    }

    // Opened from the keyboard (Ctrl+S), the keys go to the file name.
    onOpened: fileNameField.forceActiveFocus()

    // The file name's extension follows the format chosen.
    onFormatChanged: fileNameField.text = root.baseNameFor(fileNameField.text) + root.extensions[root.format]

    // The file name without the extension the user typed: the format decides
    // the extension. One of the formats' own extensions goes whole (".hex.txt"),
    // any other from the last "."; a leading "." alone is part of the name.
    function baseNameFor(fileName) {
        for (const extension of Object.values(root.extensions)) {
            if (fileName.length > extension.length && fileName.endsWith(extension))
                return fileName.slice(0, fileName.length - extension.length)
        }
        const dot = fileName.lastIndexOf(".")
        return dot > 0 ? fileName.slice(0, dot) : fileName
    }

    function save() {
        root.errorText = AppController.saveLog(locationField.text, root.baseNameFor(fileNameField.text),
                                               root.format, continuousCheck.checked)
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
                objectName: "continuousFileLabel"
                Layout.fillWidth: true
                visible: AppController.continuousLog.active
                text: continuousCheck.checked ? qsTr("Logging now to %1").arg(AppController.continuousLog.filePath)
                                              : qsTr("Saving stops logging to %1").arg(AppController.continuousLog.filePath)
                textFormat: Text.PlainText
                elide: Text.ElideMiddle
                color: Theme.textMuted
                font.pixelSize: Theme.baseFontSize - 1

                ToolTip.visible: continuousFileHover.hovered && truncated
                ToolTip.text: text

                HoverHandler {
                    id: continuousFileHover
                }
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
