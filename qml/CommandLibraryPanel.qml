import QtQuick
import QtQuick.Controls
import Korvel

// The device command page of the left panel.
Item {
    id: root

    signal openParams(int row)

    Label {
        anchors.fill: parent
        anchors.margins: 16
        text: AppController.currentModelDescription
        wrapMode: Text.WordWrap
        color: Theme.textMuted
    }
}
