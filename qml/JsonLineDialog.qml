import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Korvel

// One line of the monitor as JSON: indented and selectable when it is JSON,
// otherwise the line as received with where and why it stops being JSON,
// the rest of the line from there on selected.
Dialog {
    id: root

    // What AppController.fields.lineAsJson() said about the line shown.
    property var report: ({})
    property bool valid: false
    property string problem: ""
    property int errorPosition: -1

    function showLine(lineNumber) {
        root.report = AppController.fields.lineAsJson(lineNumber)
        root.valid = root.report.valid
        root.problem = root.report.problem
        root.errorPosition = root.report.errorPosition
        jsonText.text = root.report.text
        root.open()
        if (root.errorPosition >= 0)
            jsonText.select(root.errorPosition, jsonText.length)
        else
            jsonText.deselect()
    }

    function copyText() {
        const start = jsonText.selectionStart
        const end = jsonText.selectionEnd
        jsonText.selectAll()
        jsonText.copy()
        jsonText.select(start, end)
    }

    objectName: "jsonLineDialog"
    title: qsTr("Line as JSON")
    modal: true
    parent: Overlay.overlay
    anchors.centerIn: parent
    width: Math.min(640, parent ? parent.width - 80 : 640)
    height: Math.min(520, parent ? parent.height - 80 : 520)
    padding: 14
    palette: Theme.palette
    font.family: Theme.baseFontFamily
    font.pixelSize: Theme.baseFontSize

    background: DialogCard {}

    Overlay.modal: ModalDim {}

    header: Label {
        text: root.title
        font.bold: true
        padding: 14
        color: Theme.text
        background: Rectangle {
            color: Theme.surface
        }
    }

    footer: DialogButtonBox {
        palette: Theme.palette

        background: Rectangle {
            color: Theme.surface
        }

        Button {
            objectName: "jsonCopyButton"
            text: qsTr("Copy")
            palette: Theme.palette
            onClicked: root.copyText()
        }

        Button {
            text: qsTr("Close")
            palette: Theme.palette
            onClicked: root.accept()
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 10

        Label {
            objectName: "jsonProblem"
            Layout.fillWidth: true
            visible: root.problem !== ""
            text: root.problem
            wrapMode: Text.Wrap
            color: Theme.error
        }

        ScrollView {
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true

            background: Rectangle {
                color: Theme.consoleBackground
                border.width: 1
                border.color: Theme.consoleBorder
            }

            TextArea {
                id: jsonText

                objectName: "jsonText"
                readOnly: true
                selectByMouse: true
                textFormat: TextEdit.PlainText
                wrapMode: root.valid ? TextEdit.NoWrap : TextEdit.WrapAnywhere
                font.family: AppController.logFontFamily
                font.pixelSize: AppController.logFontSize
                color: Theme.consoleText
                selectionColor: root.valid ? Theme.accent : Theme.error
                selectedTextColor: Theme.accentForeground
                background: null
            }
        }
    }
}
