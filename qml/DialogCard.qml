import QtQuick
import Korvel
import "effects"

// The background of every dialog and popup: a surface-coloured card with a
// border and a soft drop shadow.
Item {
    id: root

    // Qt Quick's software renderer (the window's choice where OpenGL would be
    // drawn by a software rasteriser) draws no shader effects: there the card
    // shows itself, without the shadow.
    readonly property bool shadowDrawn: GraphicsInfo.api !== GraphicsInfo.Software

    Rectangle {
        id: card

        anchors.fill: parent
        color: Theme.surface
        border.width: 1
        border.color: Theme.dialogBorder
        visible: !root.shadowDrawn
    }

    DropShadowEffect {
        anchors.fill: card
        source: card
        visible: root.shadowDrawn
    }
}
