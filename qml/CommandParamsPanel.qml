import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Korvel

// The parameter strip between the data monitor and the send box; hidden
// until a command with parameters is chosen.
Item {
    id: root

    property int row: -1
    property string commandName: ""

    visible: false
    implicitHeight: root.visible ? header.implicitHeight + 24 : 0

    function openForRow(rowIndex) {
        root.row = rowIndex
        root.commandName = AppController.commandNameForRow(rowIndex)
        root.visible = true
    }

    RowLayout {
        id: header

        anchors.fill: parent
        anchors.margins: 12

        Label {
            Layout.fillWidth: true
            text: root.commandName
            font.bold: true
            color: Theme.text
            elide: Text.ElideRight
        }

        Button {
            text: qsTr("Cancel")
            onClicked: root.visible = false
        }
    }
}
