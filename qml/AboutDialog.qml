import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Korvel

// What the application is, who makes it, when it was built and on which Qt.
Dialog {
    id: root

    objectName: "aboutDialog"
    title: qsTr("About")
    modal: true
    parent: Overlay.overlay
    anchors.centerIn: parent
    width: 440
    padding: 16
    palette: Theme.palette
    font.family: Theme.baseFontFamily
    font.pixelSize: Theme.baseFontSize

    background: DialogCard {}

    Overlay.modal: ModalDim {}

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
            text: qsTr("Close")
            palette: Theme.palette
            onClicked: root.reject()
        }
    }

    ThemedContent {
        anchors.fill: parent

        ColumnLayout {
            anchors.fill: parent
            spacing: 14

            RowLayout {
                Layout.fillWidth: true
                spacing: 12

                Image {
                    Layout.preferredWidth: 40
                    Layout.preferredHeight: 40
                    source: "qrc:/icons/app.png"
                    sourceSize.width: 40
                    sourceSize.height: 40
                }

                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 2

                    // Wraps: a long translated name must not widen the dialog.
                    Label {
                        Layout.fillWidth: true
                        text: qsTr("Korvel Serial Assistant")
                        wrapMode: Text.WordWrap
                        font.bold: true
                        font.pixelSize: Theme.baseFontSize + 2
                        color: Theme.text
                    }

                    Label {
                        objectName: "aboutVersion"
                        text: qsTr("Version %1").arg(AppController.appVersion)
                        color: Theme.textMuted
                    }
                }
            }

            Label {
                Layout.fillWidth: true
                text: qsTr("A serial terminal for Korvel's USB sensors and other devices that talk JSON or text over a serial line.")
                wrapMode: Text.WordWrap
                color: Theme.textMuted
            }

            Rectangle {
                Layout.fillWidth: true
                implicitHeight: 1
                color: Theme.divider
            }

            GridLayout {
                Layout.fillWidth: true
                columns: 2
                columnSpacing: 16
                rowSpacing: 8

                Label {
                    text: qsTr("Build time")
                    font.pixelSize: Theme.baseFontSize - 1
                    color: Theme.textMuted
                }

                Label {
                    text: qsTr("Company")
                    font.pixelSize: Theme.baseFontSize - 1
                    color: Theme.textMuted
                }

                Label {
                    objectName: "aboutBuildTime"
                    text: AppController.buildTime
                    font.family: Theme.monoFont
                    color: Theme.text
                }

                Label {
                    text: "Korvel"
                    color: Theme.text
                }

                Label {
                    text: qsTr("Website")
                    font.pixelSize: Theme.baseFontSize - 1
                    color: Theme.textMuted
                }

                Label {
                    text: "GitHub"
                    font.pixelSize: Theme.baseFontSize - 1
                    color: Theme.textMuted
                }

                Label {
                    textFormat: Text.RichText
                    text: "<a href=\"https://korvel.example\" style=\"color: %1\">korvel.example</a>".arg(Theme.accent)
                    onLinkActivated: link => Qt.openUrlExternally(link)
                }

                Label {
                    textFormat: Text.RichText
                    text: "<a href=\"https://git.korvel.example/korvel/serial-assistant\" style=\"color: %1\">korvel/serial-assistant</a>".arg(Theme.accent)
                    onLinkActivated: link => Qt.openUrlExternally(link)
                }
            }

            Rectangle {
                Layout.fillWidth: true
                implicitHeight: 1
                color: Theme.divider
            }

            Label {
                objectName: "qtNotice"
                Layout.fillWidth: true
                text: qsTr("Built with Qt %1, used under the GNU Lesser General Public License v3 (LGPLv3). Qt is a trademark of The Qt Company Ltd. Qt is linked dynamically: its libraries may be replaced with a compatible LGPLv3 build.").arg(AppController.qtVersion)
                wrapMode: Text.WordWrap
                font.pixelSize: Theme.baseFontSize - 2
                color: Theme.textMuted
            }
        }
    }
}
