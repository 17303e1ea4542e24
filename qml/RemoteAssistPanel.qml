import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Korvel

// The remote support page: shows a session code and a one-time password for
// the support team. Presentation only: there is no transport behind it yet.
Item {
    id: root

    property string sessionCode: ""
    property string oneTimePassword: ""

    Component.onCompleted: root.regenerate()

    // Four decimal digits, 1000..9999.
    function randomGroup() {
        return String(1000 + Math.floor(Math.random() * 9000))
    }

    function regenerate() {
        root.sessionCode = root.randomGroup() + "-" + root.randomGroup() + "-" + root.randomGroup()
        root.oneTimePassword = root.randomGroup()
    }

    function copyCode() {
        clipboardHelper.text = root.sessionCode
        clipboardHelper.selectAll()
        clipboardHelper.copy()
    }

    // QML has no clipboard API; a hidden editor carries the text there.
    TextEdit {
        id: clipboardHelper

        visible: false
    }

    Flickable {
        id: flick

        anchors.fill: parent
        contentWidth: width
        contentHeight: column.height + 32
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        ScrollBar.vertical: ScrollBar {}

        ColumnLayout {
            id: column

            x: 16
            y: 16
            width: flick.width - 32
            spacing: 16

            Label {
                Layout.fillWidth: true
                text: qsTr("Remote support")
                font.bold: true
                color: Theme.text
            }

            Label {
                Layout.fillWidth: true
                text: qsTr("Send the code below to Korvel support so they can connect to your computer and help diagnose device issues.")
                wrapMode: Text.WordWrap
                color: Theme.textMuted
            }

            Rectangle {
                Layout.fillWidth: true
                implicitHeight: codeColumn.implicitHeight + 28
                color: "transparent"
                border.width: 1
                border.color: Theme.divider

                ColumnLayout {
                    id: codeColumn

                    anchors.fill: parent
                    anchors.margins: 14
                    spacing: 6

                    Label {
                        text: qsTr("Your code")
                        font.pixelSize: Theme.baseFontSize - 2
                        font.letterSpacing: 1
                        color: Theme.textMuted
                    }

                    Label {
                        objectName: "remoteCodeLabel"
                        Layout.fillWidth: true
                        text: root.sessionCode
                        font.family: Theme.monoFont
                        font.pixelSize: Theme.baseFontSize + 14
                        font.letterSpacing: 3
                        color: Theme.accent800
                        fontSizeMode: Text.HorizontalFit
                        minimumPixelSize: Theme.baseFontSize
                    }

                    Label {
                        Layout.fillWidth: true
                        text: qsTr("Valid for 10 minutes · this session only")
                        wrapMode: Text.WordWrap
                        font.pixelSize: Theme.baseFontSize - 1
                        color: Theme.textMuted
                    }

                    RowLayout {
                        Layout.fillWidth: true
                        spacing: 8

                        Button {
                            objectName: "copyCodeButton"
                            text: qsTr("Copy code")
                            onClicked: root.copyCode()
                        }

                        Button {
                            objectName: "regenerateCodeButton"
                            text: qsTr("Regenerate")
                            onClicked: root.regenerate()
                        }

                        Item {
                            Layout.fillWidth: true
                        }
                    }
                }
            }

            ColumnLayout {
                Layout.fillWidth: true
                spacing: 6

                Label {
                    text: qsTr("One-time password")
                    color: Theme.textMuted
                }

                TextField {
                    objectName: "remotePasswordField"
                    Layout.fillWidth: true
                    text: root.oneTimePassword
                    readOnly: true
                    horizontalAlignment: TextInput.AlignHCenter
                    font.family: Theme.monoFont
                    font.letterSpacing: 5
                }
            }

            ColumnLayout {
                Layout.fillWidth: true
                spacing: 0

                CheckBox {
                    Layout.fillWidth: true
                    text: qsTr("Allow support to send/receive on the serial port")
                    checked: true
                }

                CheckBox {
                    Layout.fillWidth: true
                    text: qsTr("Share this session's log")
                    checked: true
                }

                CheckBox {
                    Layout.fillWidth: true
                    text: qsTr("Allow full desktop control")
                    checked: false
                }
            }

            Button {
                objectName: "startSessionButton"
                Layout.fillWidth: true
                text: qsTr("Start session")
                highlighted: true
                onClicked: noTransportDialog.open()
            }

            Label {
                text: qsTr("Not connected")
                font.pixelSize: Theme.baseFontSize - 1
                color: Theme.textMuted
            }
        }
    }

    Dialog {
        id: noTransportDialog

        objectName: "remoteSupportDialog"
        title: qsTr("Remote support")
        modal: true
        anchors.centerIn: Overlay.overlay
        padding: 16
        contentWidth: 320
        palette: Theme.palette
        font.family: Theme.baseFontFamily
        font.pixelSize: Theme.baseFontSize

        background: DialogCard {}

        Overlay.modal: ModalDim {}

        header: Label {
            palette: Theme.palette
            text: noTransportDialog.title
            font.bold: true
            padding: 14
            color: Theme.text
            background: Rectangle {
                color: Theme.surface
            }
        }

        footer: DialogButtonBox {
            palette: Theme.palette

            Button {
                text: qsTr("OK")
                palette: Theme.palette
                onClicked: noTransportDialog.accept()
            }
        }

        contentItem: Label {
            palette: Theme.palette
            text: qsTr("Remote support requires a signaling/relay service that this build does not include yet. The session code and permissions above are ready to wire up once that transport exists.")
            wrapMode: Text.WordWrap
            color: Theme.text
        }
    }
}
