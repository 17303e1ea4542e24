import QtQuick
import Qt5Compat.GraphicalEffects

// Drop shadow of the interface's cards and window frame, for Qt versions
// without the QtQuick.Effects module.
DropShadow {
    id: root

    // The shadow's own opacity lives in its colour: the item's opacity would
    // also fade the source drawn on top of the shadow.
    color: Qt.rgba(0, 0, 0, 0.35)
    radius: 0.6 * 32
    samples: 2 * Math.ceil(root.radius) + 1
    horizontalOffset: 0
    verticalOffset: 3
    transparentBorder: true
}
