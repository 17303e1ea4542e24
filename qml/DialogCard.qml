import QtQuick
import Korvel
import "effects"

// The background of every dialog and popup: a surface-coloured card with a
// border and a soft drop shadow.
Item {
    id: root

    Rectangle {
        id: card

        anchors.fill: parent
        color: Theme.surface
        border.width: 1
        border.color: Theme.dialogBorder
        visible: false
    }

    DropShadowEffect {
        anchors.fill: card
        source: card
    }
}
