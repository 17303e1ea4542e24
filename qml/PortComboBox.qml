pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Fusion as F
import QtQuick.Layouts
import Korvel

// The port chooser: follows AppController.selectedPortName and writes the
// user's pick back to it, so the controller's selection survives list refreshes.
// Its last row asks for a device path that the system does not list.
ComboBox {
    id: root

    // The user wants to open a device by its path.
    signal pathRequested()

    // The row of the controller's selection. The port list only ever resets,
    // and each reset may move the selected name to another row without
    // changing the name itself; the combo box also picks a row of its own
    // on a reset, so the row is set again once the reset is over.
    function showSelection() {
        root.currentIndex = AppController.portListModel.indexOfPortName(AppController.selectedPortName)
    }

    model: AppController.portListModel
    textRole: "portName"
    valueRole: "portName"
    Component.onCompleted: root.showSelection()
    displayText: root.currentIndex >= 0 ? root.currentText
               : AppController.missingPortName !== "" ? qsTr("%1 is gone").arg(AppController.missingPortName)
               : root.count === 0 ? qsTr("No ports found") : qsTr("Choose a port")
    // A long device path keeps its end, which names the device.
    elide: Text.ElideMiddle
    // The path row is there to choose even when no port is.
    opensWhenEmpty: true

    onActivated: index => AppController.selectedPortName = AppController.portListModel.portNameAt(index)

    popup.width: Math.max(280, root.width)
    // The frame under the card takes the base combo's border binding and
    // keeps the list readable wherever the card's effect cannot render.
    popup.background: Rectangle {
        color: Theme.surface
        border.width: 1

        DialogCard {
            anchors.fill: parent
        }
    }
    popup.contentItem: ListView {
        id: portList

        objectName: "portList"
        clip: true
        implicitHeight: portList.contentHeight + pathRow.height
        // The ports scroll above the path row, which stays in sight.
        bottomMargin: pathRow.height
        model: root.popup.visible ? root.delegateModel : null
        currentIndex: root.highlightedIndex
        highlightMoveDuration: 0

        F.ScrollIndicator.vertical: F.ScrollIndicator {}

        // The last row: a device the system does not list, opened by its path.
        F.ItemDelegate {
            id: pathRow

            objectName: "portPathRow"
            parent: portList
            anchors.left: portList.left
            anchors.right: portList.right
            anchors.bottom: portList.bottom
            implicitHeight: pathRow.implicitContentHeight + 16
            leftPadding: 25
            rightPadding: 12
            topPadding: 8
            bottomPadding: 8
            hoverEnabled: root.hoverEnabled

            background: Rectangle {
                color: pathRow.down || pathRow.hovered ? Theme.accentFill : Theme.surface

                Rectangle {
                    width: pathRow.width
                    height: 1
                    color: Theme.divider
                    visible: root.count > 0
                }
            }

            contentItem: ColumnLayout {
                spacing: 2

                Text {
                    Layout.fillWidth: true
                    text: qsTr("Open a device path…")
                    elide: Text.ElideRight
                    font.pixelSize: Theme.baseFontSize
                    font.bold: true
                    color: pathRow.down || pathRow.hovered ? Theme.accentForeground : Theme.text
                }

                Text {
                    Layout.fillWidth: true
                    text: qsTr("A device the list does not show")
                    elide: Text.ElideRight
                    font.pixelSize: Theme.baseFontSize - 1
                    color: pathRow.down || pathRow.hovered ? Theme.accentForeground : Theme.textMuted
                }
            }

            onClicked: {
                root.popup.close()
                root.pathRequested()
            }
        }
    }

    delegate: F.ItemDelegate {
        id: row

        required property int index
        required property string portName
        required property string description
        required property bool recommended
        required property string chipLabel
        required property bool byPath

        objectName: "portRow" + row.index
        width: ListView.view ? ListView.view.width : implicitWidth
        implicitHeight: row.implicitContentHeight + 16
        leftPadding: 12
        rightPadding: 12
        topPadding: 8
        bottomPadding: 8
        highlighted: root.highlightedIndex === row.index
        hoverEnabled: root.hoverEnabled

        // Rows lie on the popup's card, so only the highlight is painted.
        background: Rectangle {
            implicitWidth: 200
            implicitHeight: 20
            color: row.down || row.highlighted ? Theme.accentFill : "transparent"
        }

        contentItem: RowLayout {
            spacing: 10

            Rectangle {
                Layout.preferredWidth: 3
                Layout.fillHeight: true
                Layout.topMargin: 2
                Layout.bottomMargin: 2
                radius: 1.5
                color: row.recommended ? Theme.accent : "transparent"
            }

            ColumnLayout {
                Layout.fillWidth: true
                spacing: 2

                Text {
                    Layout.fillWidth: true
                    text: row.portName
                    // The end of a path names the device.
                    elide: row.byPath ? Text.ElideMiddle : Text.ElideRight
                    font.pixelSize: Theme.baseFontSize
                    font.bold: true
                    color: row.highlighted ? Theme.accentForeground : Theme.text
                }

                Text {
                    Layout.fillWidth: true
                    text: row.byPath ? qsTr("Device path")
                                     : row.description !== "" ? row.description : qsTr("Unknown device")
                    elide: Text.ElideRight
                    font.pixelSize: Theme.baseFontSize - 1
                    color: row.highlighted ? Theme.accentForeground : Theme.textMuted
                }
            }

            // A path the user opened before is tagged so it stands apart
            // from the ports the system lists.
            Text {
                objectName: "portTag" + row.index
                visible: row.chipLabel !== "" || row.byPath
                text: row.byPath ? qsTr("PATH") : row.chipLabel
                font.pixelSize: Theme.baseFontSize - 1
                font.bold: true
                color: row.highlighted ? Theme.accentForeground : Theme.accent
            }
        }
    }

    Connections {
        target: AppController.portListModel

        function onModelReset() {
            root.showSelection()
            showSelectionSoon.restart()
        }
    }

    // Once the combo box has finished its own handling of a reset.
    Timer {
        id: showSelectionSoon

        interval: 0
        onTriggered: root.showSelection()
    }

    Connections {
        target: AppController

        function onSelectedPortNameChanged() {
            root.showSelection()
        }
    }
}
