pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Korvel

// The send box with the send mode beside it (text or hex digits, the CRC),
// the Send, Clear and History buttons and the history of what was sent.
RowLayout {
    id: root

    spacing: 12

    // Ctrl+Enter sends; Enter alone too when the setting says so, and then
    // Shift+Enter starts a new line.
    function enterPressed(event) {
        const send = (event.modifiers & Qt.ControlModifier)
                   || (AppController.enterSends && !(event.modifiers & Qt.ShiftModifier))
        if (send)
            AppController.sendManualText()
        event.accepted = send
    }

    ColumnLayout {
        Layout.fillWidth: true
        Layout.alignment: Qt.AlignTop
        spacing: 4

        ScrollView {
            objectName: "sendScroll"
            Layout.fillWidth: true
            Layout.preferredHeight: Math.max(74, Math.min(200, sendBox.contentHeight + 20))
            clip: true

            TextArea {
                id: sendBox

                objectName: "sendBox"
                font.family: Theme.monoFont
                color: Theme.text
                wrapMode: TextEdit.Wrap
                placeholderText: qsTr("Type data to send…")
                placeholderTextColor: Theme.textMuted
                // Written only when it differs, so the echo of an edit never
                // resets the cursor.
                onTextChanged: {
                    if (sendBox.text !== AppController.draftText)
                        AppController.draftText = sendBox.text
                }
                Component.onCompleted: sendBox.text = AppController.draftText

                // Tab leaves the box like any other field; Ctrl+Tab types a tab.
                Keys.onTabPressed: event => {
                    if (event.modifiers & Qt.ControlModifier)
                        sendBox.insert(sendBox.cursorPosition, "\t")
                    else
                        sendBox.nextItemInFocusChain(true).forceActiveFocus(Qt.TabFocusReason)
                    event.accepted = true
                }
                Keys.onBacktabPressed: event => {
                    sendBox.nextItemInFocusChain(false).forceActiveFocus(Qt.BacktabFocusReason)
                    event.accepted = true
                }
                // A paste that would make the draft too long is dropped
                // before the box lays it out.
                Keys.onPressed: event => {
                    if (event.matches(StandardKey.Paste))
                        event.accepted = AppController.refuseLongPaste(
                            sendBox.length - sendBox.selectedText.length)
                }
                Keys.onReturnPressed: event => root.enterPressed(event)
                Keys.onEnterPressed: event => root.enterPressed(event)
                // In a draft of one line, Up and Down step through the history.
                Keys.onUpPressed: event => event.accepted = AppController.historyRecall.older()
                Keys.onDownPressed: event => event.accepted = AppController.historyRecall.newer()

                background: Rectangle {
                    color: Theme.surface
                    border.width: 1
                    border.color: sendBox.activeFocus ? Theme.focusRing : Theme.controlOutline
                }

                Connections {
                    target: AppController

                    function onDraftTextChanged() {
                        if (sendBox.text !== AppController.draftText)
                            sendBox.text = AppController.draftText
                    }
                }
            }
        }

        // How the draft goes out, where it is typed: the same switches as on
        // the serial page.
        RowLayout {
            objectName: "sendModeRow"
            Layout.fillWidth: true
            spacing: 10

            Label {
                text: qsTr("Send as")
                color: Theme.textMuted
                font.pixelSize: Theme.baseFontSize - 1
            }

            RadioButton {
                objectName: "sendAsciiRadio"
                text: "ASCII"
                padding: 2
                checked: !AppController.sendAsHex
                onToggled: AppController.sendAsHex = false
            }

            RadioButton {
                objectName: "sendHexRadio"
                text: "HEX"
                padding: 2
                checked: AppController.sendAsHex
                onToggled: AppController.sendAsHex = true
            }

            CheckBox {
                objectName: "sendCrcCheck"
                text: qsTr("CRC16")
                padding: 2
                checked: AppController.crcEnabled
                onToggled: AppController.crcEnabled = checked
            }

            LineEndChooser {}

            Item {
                Layout.fillWidth: true
            }

            Label {
                objectName: "sendKeyHint"
                text: AppController.enterSends ? qsTr("Enter sends · Shift+Enter new line")
                                               : qsTr("Ctrl+Enter sends")
                color: Theme.textMuted
                font.pixelSize: Theme.baseFontSize - 1
            }
        }
    }

    ColumnLayout {
        Layout.fillWidth: false
        Layout.preferredWidth: 116
        Layout.alignment: Qt.AlignTop
        spacing: 6

        Button {
            id: sendButton

            objectName: "sendButton"
            Layout.fillWidth: true
            text: qsTr("Send")
            highlighted: true
            ToolTip.visible: sendButton.hovered
            ToolTip.delay: 400
            ToolTip.text: qsTr("Send (Ctrl+Enter)")
            onClicked: AppController.sendManualText()
        }

        Button {
            objectName: "clearDraftButton"
            Layout.fillWidth: true
            text: qsTr("Clear")
            onClicked: AppController.clearDraft()
        }

        Button {
            id: historyButton

            objectName: "historyButton"
            Layout.fillWidth: true
            text: qsTr("History")
            onClicked: historyPopup.visible ? historyPopup.close() : historyPopup.open()

            Popup {
                id: historyPopup

                objectName: "historyPopup"
                x: historyButton.width - historyPopup.width
                y: -historyPopup.height - 6
                width: 320
                padding: 0
                modal: false
                focus: true
                // A press on the History button itself is left to the button,
                // which toggles.
                closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutsideParent
                palette: Theme.palette
                font.family: Theme.baseFontFamily
                font.pixelSize: Theme.baseFontSize

                background: DialogCard {}

                ThemedContent {
                    anchors.fill: parent

                    ColumnLayout {
                        anchors.fill: parent
                        spacing: 0

                        RowLayout {
                            Layout.fillWidth: true
                            Layout.margins: 10
                            spacing: 8

                            Label {
                                Layout.fillWidth: true
                                text: qsTr("Send history")
                                font.bold: true
                                color: Theme.text
                            }

                            Button {
                                objectName: "clearHistoryButton"
                                text: qsTr("Clear history")
                                flat: true
                                enabled: historyList.count > 0
                                onClicked: AppController.commandHistoryModel.clear()
                            }
                        }

                        Rectangle {
                            Layout.fillWidth: true
                            Layout.preferredHeight: 1
                            color: Theme.divider
                        }

                        Label {
                            objectName: "historyEmptyLabel"
                            Layout.fillWidth: true
                            Layout.margins: 16
                            visible: historyList.count === 0
                            text: qsTr("No history yet")
                            horizontalAlignment: Text.AlignHCenter
                            color: Theme.textMuted
                            font.pixelSize: Theme.baseFontSize
                        }

                        ListView {
                            id: historyList

                            objectName: "historyList"
                            Layout.fillWidth: true
                            Layout.preferredHeight: Math.min(historyList.contentHeight, 260)
                            visible: historyList.count > 0
                            clip: true
                            boundsBehavior: Flickable.StopAtBounds
                            model: AppController.commandHistoryModel

                            ScrollBar.vertical: ScrollBar {}

                            delegate: ItemDelegate {
                                id: historyRow

                                required property int index
                                required property string commandText
                                required property string timeText
                                required property string previewText
                                required property bool sentAsHex

                                width: ListView.view.width
                                leftPadding: 9
                                rightPadding: 9
                                topPadding: 7
                                bottomPadding: 7
                                onClicked: {
                                    AppController.historyRecall.recall(historyRow.index)
                                    historyPopup.close()
                                }

                                contentItem: ColumnLayout {
                                    spacing: 2

                                    RowLayout {
                                        Layout.fillWidth: true
                                        spacing: 6

                                        Label {
                                            objectName: "historyPreview"
                                            Layout.fillWidth: true
                                            text: historyRow.previewText
                                            textFormat: Text.PlainText
                                            maximumLineCount: 1
                                            font.family: Theme.monoFont
                                            elide: Text.ElideRight
                                            color: Theme.text
                                        }

                                        // Entries sent as hex digits go out as hex again.
                                        Label {
                                            objectName: "historyHexTag"
                                            visible: historyRow.sentAsHex
                                            text: "HEX"
                                            font.pixelSize: Theme.baseFontSize - 2
                                            font.bold: true
                                            color: Theme.accent
                                        }
                                    }

                                    Label {
                                        Layout.fillWidth: true
                                        visible: historyRow.timeText !== ""
                                        text: historyRow.timeText
                                        font.pixelSize: Theme.baseFontSize - 2
                                        color: Theme.textMuted
                                    }
                                }
                            }
                        }
                    }
                }
            }
        }
    }
}
