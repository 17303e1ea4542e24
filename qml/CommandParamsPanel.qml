pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Korvel

// The parameter strip between the data monitor and the send box; hidden
// until a command with parameters is chosen. It shows one field per
// parameter, the resulting text and inserts it into the send box.
Rectangle {
    id: root

    property int row: -1
    property string commandName: ""
    property var params: []
    property var values: ({})
    readonly property string preview: root.row >= 0 ? AppController.previewCommand(root.row, root.values) : ""
    // Set instead of a preview when the values make the command too long to insert.
    readonly property string problem: root.row >= 0 ? AppController.previewProblem(root.row, root.values) : ""
    // Names the command the strip was opened for, so that the strip goes on
    // acting on that command (or closes) when the list changes underneath it.
    property string commandIdentity: ""

    visible: false
    implicitHeight: root.visible ? content.implicitHeight + 28 : 0
    color: Theme.background
    border.width: 1
    border.color: Theme.divider

    function openForRow(rowIndex) {
        root.row = rowIndex
        root.commandIdentity = AppController.commandModel.rowIdentity(rowIndex)
        root.params = AppController.paramsForRow(rowIndex)
        const initial = {}
        for (const param of root.params)
            initial[param.key] = param.defaultValue
        root.values = initial
        root.commandName = AppController.commandNameForRow(rowIndex)
        root.visible = true
    }

    function updateValue(key, value) {
        const next = Object.assign({}, root.values)
        next[key] = value
        root.values = next
    }

    function insert() {
        AppController.loadCommandWithParamsIntoDraft(root.row, root.values)
        root.visible = false
    }

    // The command may now stand at another row, or not be listed at all.
    function followCommand() {
        if (root.row < 0)
            return
        const current = AppController.commandModel.rowOfIdentity(root.commandIdentity)
        if (current < 0) {
            root.visible = false
            root.row = -1
        } else {
            root.row = current
        }
    }

    Connections {
        target: AppController.commandModel

        function onModelReset() {
            root.followCommand()
        }

        function onRowsMoved() {
            root.followCommand()
        }

        // Captions follow the interface language.
        function onDataChanged() {
            if (root.row < 0)
                return
            root.commandName = AppController.commandNameForRow(root.row)
            root.params = AppController.paramsForRow(root.row)
        }
    }

    ColumnLayout {
        id: content

        anchors.fill: parent
        anchors.margins: 14
        spacing: 13

        RowLayout {
            Layout.fillWidth: true
            spacing: 10

            Label {
                id: nameLabel

                objectName: "paramsCommandName"
                text: root.commandName
                textFormat: Text.PlainText
                font.bold: true
                font.pixelSize: Theme.baseFontSize + 3
                color: Theme.text
                elide: Text.ElideRight
                // As wide as the name, narrower (elided) when the row is short.
                Layout.fillWidth: true
                Layout.maximumWidth: nameLabel.implicitWidth
            }

            Label {
                text: qsTr("Needs parameters")
                color: Theme.accent
                font.pixelSize: Theme.baseFontSize - 1
                padding: 4

                background: Rectangle {
                    color: "transparent"
                    border.width: 1
                    border.color: Theme.accent
                }
            }

            Item {
                Layout.fillWidth: true
            }

            Button {
                objectName: "paramsCancelButton"
                text: qsTr("Cancel")
                onClicked: root.visible = false
            }
        }

        // Three equal columns, also when there are fewer parameters.
        Grid {
            id: fieldGrid

            // The row's width, whatever the cells would like.
            Layout.fillWidth: true
            Layout.preferredWidth: 0
            columns: 3
            columnSpacing: 10
            rowSpacing: 10

            Repeater {
                model: root.params

                delegate: ColumnLayout {
                    id: paramCell

                    required property var modelData

                    width: (fieldGrid.width - 2 * fieldGrid.columnSpacing) / 3
                    spacing: 4

                    Label {
                        Layout.fillWidth: true
                        text: paramCell.modelData.label
                        textFormat: Text.PlainText
                        elide: Text.ElideRight
                        font.pixelSize: Theme.baseFontSize - 1
                        color: Theme.textMuted
                    }

                    TextField {
                        id: paramField

                        objectName: "paramField_" + paramCell.modelData.key
                        Layout.fillWidth: true
                        font.family: Theme.monoFont
                        color: Theme.text
                        placeholderText: paramCell.modelData.hint
                        placeholderTextColor: Theme.textMuted
                        text: root.values[paramCell.modelData.key] ?? ""
                        onTextEdited: root.updateValue(paramCell.modelData.key, paramField.text)
                    }
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 10

            Label {
                objectName: "paramsPreview"
                Layout.fillWidth: true
                text: root.problem !== "" ? root.problem : root.preview
                textFormat: Text.PlainText
                elide: Text.ElideRight
                font.family: root.problem !== "" ? Theme.baseFontFamily : Theme.monoFont
                font.pixelSize: Theme.baseFontSize
                color: root.problem !== "" ? Theme.error : Theme.accent700
            }

            Button {
                objectName: "paramsInsertButton"
                text: qsTr("Insert")
                highlighted: true
                enabled: root.problem === ""
                onClicked: root.insert()
            }
        }
    }
}
