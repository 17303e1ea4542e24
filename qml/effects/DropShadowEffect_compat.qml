import QtQuick
import Qt5Compat.GraphicalEffects

// Drop shadow of the interface's cards and window frame, for Qt versions
// without the QtQuick.Effects module.
DropShadow {
    id: root

    color: "#000000"
    opacity: 0.35
    radius: 0.6 * 32
    samples: 2 * Math.ceil(root.radius) + 1
    horizontalOffset: 0
    verticalOffset: 3
    transparentBorder: true
}
