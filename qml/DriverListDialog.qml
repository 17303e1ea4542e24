import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Korvel

// The USB-serial drivers that matter on this platform, whether each is
// present, and where to download it.
Dialog {
    id: root

    property var drivers: []

    objectName: "driverListDialog"
    title: qsTr("Driver downloads")
    modal: true
    parent: Overlay.overlay
    anchors.centerIn: parent
    width: 420
    padding: 16
    palette: Theme.palette
    font.family: Theme.baseFontFamily
    font.pixelSize: Theme.baseFontSize

    background: DialogCard {}

    Overlay.modal: ModalDim {}

    // Read afresh each time, so a driver installed meanwhile shows as such.
    onAboutToShow: root.drivers = AppController.availableDrivers()

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
            onClicked: root.accept()
        }
    }

    ThemedContent {
        anchors.fill: parent

        ColumnLayout {
            anchors.fill: parent
            spacing: 0

            Label {
                objectName: "noDriversLabel"
                Layout.fillWidth: true
                Layout.topMargin: 8
                visible: root.drivers.length === 0
                text: qsTr("No drivers are relevant on this platform.")
                wrapMode: Text.WordWrap
                color: Theme.textMuted
            }

            Repeater {
                model: root.drivers

                delegate: ColumnLayout {
                    id: block

                    required property var modelData
                    required property int index

                    objectName: "driverBlock" + block.index
                    Layout.fillWidth: true
                    spacing: 0

                    Rectangle {
                        Layout.fillWidth: true
                        implicitHeight: 1
                        visible: block.index > 0
                        color: Theme.divider
                    }

                    RowLayout {
                        Layout.fillWidth: true
                        Layout.topMargin: 10
                        Layout.bottomMargin: 10
                        spacing: 12

                        ColumnLayout {
                            Layout.fillWidth: true
                            spacing: 2

                            Label {
                                text: block.modelData.name
                                font.bold: true
                                color: Theme.text
                            }

                            Label {
                                Layout.fillWidth: true
                                text: qsTr(block.modelData.description)
                                wrapMode: Text.WordWrap
                                font.pixelSize: Theme.baseFontSize - 1
                                color: Theme.textMuted
                            }

                            Label {
                                objectName: "driverState" + block.index
                                text: block.modelData.installed ? qsTr("Installed") : qsTr("Not detected")
                                font.pixelSize: Theme.baseFontSize - 1
                                color: block.modelData.installed ? Theme.accent700 : Theme.error
                            }
                        }

                        Button {
                            objectName: "driverDownload" + block.index
                            visible: block.modelData.url !== ""
                            text: qsTr("Download")
                            onClicked: Qt.openUrlExternally(block.modelData.url)
                        }
                    }
                }
            }
        }
    }
}
