pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Korvel

// The highlight rules: each a pattern (text or regular expression) and a
// colour of the theme's palette given to the whole line of every match. The
// list shows the rules kept; the form below adds one or changes the one
// picked for editing.
Dialog {
    id: root

    readonly property HighlightRuleModel rules: AppController.highlightRules
    // The rule being changed, or -1 while the form adds a new one.
    property int editedRow: -1
    property string colour: root.rules.colourNames[0]
    property string errorText: ""

    function edit(row, pattern, regex, colour) {
        root.editedRow = row
        patternField.text = pattern
        regexCheck.checked = regex
        root.colour = colour
        root.errorText = ""
        patternField.forceActiveFocus()
    }

    function resetForm() {
        root.editedRow = -1
        patternField.text = ""
        regexCheck.checked = false
        root.errorText = ""
    }

    function remove(row) {
        root.rules.removeRule(row)
        if (row === root.editedRow)
            root.resetForm()
        else if (row < root.editedRow)
            root.editedRow--
    }

    function apply() {
        root.errorText = root.rules.setRule(root.editedRow, patternField.text, regexCheck.checked, root.colour)
        if (root.errorText === "")
            root.resetForm()
    }

    objectName: "highlightRulesDialog"
    title: qsTr("Highlight rules")
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

    onAboutToShow: root.resetForm()

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
            objectName: "rulesCloseButton"
            text: qsTr("Close")
            palette: Theme.palette
            onClicked: root.accept()
        }
    }

    ThemedContent {
        anchors.fill: parent

        ColumnLayout {
            anchors.fill: parent
            spacing: 8

            Label {
                objectName: "noRulesLabel"
                Layout.fillWidth: true
                visible: root.rules.count === 0
                text: qsTr("No rules yet: lines keep the monitor's colours.")
                wrapMode: Text.Wrap
                color: Theme.textMuted
            }

            ListView {
                id: ruleList

                objectName: "ruleList"
                Layout.fillWidth: true
                Layout.preferredHeight: Math.min(root.rules.count, 4) * 34
                visible: root.rules.count > 0
                clip: true
                boundsBehavior: Flickable.StopAtBounds
                model: root.rules

                ScrollBar.vertical: ScrollBar {
                    policy: root.rules.count > 4 ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
                }

                delegate: Rectangle {
                    id: ruleRow

                    required property int index
                    required property string pattern
                    required property bool regex
                    required property string colour
                    required property int colourIndex

                    objectName: "ruleRow"
                    width: ListView.view.width - 12
                    height: 34
                    color: ruleRow.index === root.editedRow ? Theme.accentTint : "transparent"
                    radius: 4

                    RowLayout {
                        anchors.fill: parent
                        anchors.leftMargin: 4
                        anchors.rightMargin: 4
                        spacing: 8

                        // The line as the monitor colours it.
                        Rectangle {
                            Layout.fillWidth: true
                            Layout.preferredHeight: 24
                            color: Theme.ruleTints[ruleRow.colourIndex]
                            radius: 3

                            Text {
                                anchors.fill: parent
                                anchors.leftMargin: 8
                                anchors.rightMargin: 8
                                verticalAlignment: Text.AlignVCenter
                                text: ruleRow.pattern
                                textFormat: Text.PlainText
                                elide: Text.ElideRight
                                font.family: Theme.monoFont
                                color: Theme.consoleText
                            }
                        }

                        Label {
                            visible: ruleRow.regex
                            text: ".*"
                            font.family: Theme.monoFont
                            color: Theme.textMuted
                        }

                        Button {
                            objectName: "editRuleButton"
                            text: qsTr("Edit")
                            onClicked: root.edit(ruleRow.index, ruleRow.pattern, ruleRow.regex, ruleRow.colour)
                        }

                        Button {
                            objectName: "removeRuleButton"
                            text: qsTr("Remove")
                            onClicked: root.remove(ruleRow.index)
                        }
                    }
                }
            }

            RowLayout {
                Layout.fillWidth: true
                spacing: 8

                TextField {
                    id: patternField

                    objectName: "rulePatternField"
                    Layout.fillWidth: true
                    placeholderText: qsTr("Text to colour, e.g. ERROR")
                    font.family: Theme.monoFont
                    selectByMouse: true

                    onAccepted: root.apply()
                }

                CheckBox {
                    id: regexCheck

                    objectName: "ruleRegexCheck"
                    text: qsTr("Regular expression")
                }
            }

            RowLayout {
                Layout.fillWidth: true
                spacing: 6

                Repeater {
                    model: root.rules.colourNames

                    delegate: Rectangle {
                        id: swatch

                        required property int index
                        required property string modelData
                        readonly property bool chosen: root.colour === swatch.modelData

                        objectName: "swatch_" + swatch.modelData
                        implicitWidth: 26
                        implicitHeight: 26
                        radius: 13
                        color: Theme.ruleTints[swatch.index]
                        border.width: swatch.chosen ? 3 : 2
                        border.color: swatch.chosen ? Theme.focusRing : Theme.ruleMarks[swatch.index]

                        Rectangle {
                            anchors.centerIn: parent
                            width: 10
                            height: 10
                            radius: 5
                            color: Theme.ruleMarks[swatch.index]
                        }

                        MouseArea {
                            anchors.fill: parent
                            cursorShape: Qt.PointingHandCursor
                            onClicked: root.colour = swatch.modelData
                        }
                    }
                }

                Item {
                    Layout.fillWidth: true
                }

                Button {
                    objectName: "cancelRuleButton"
                    visible: root.editedRow >= 0
                    text: qsTr("Cancel")
                    onClicked: root.resetForm()
                }

                Button {
                    objectName: "saveRuleButton"
                    text: root.editedRow >= 0 ? qsTr("Save rule") : qsTr("Add rule")
                    enabled: patternField.text !== ""
                    onClicked: root.apply()
                }
            }

            Label {
                objectName: "ruleErrorLabel"
                Layout.fillWidth: true
                visible: root.errorText !== ""
                text: root.errorText
                wrapMode: Text.Wrap
                color: Theme.error
            }
        }
    }
}
