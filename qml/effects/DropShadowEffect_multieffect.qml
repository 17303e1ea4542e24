import QtQuick
import QtQuick.Effects

// Drop shadow of the interface's cards and window frame.
MultiEffect {
    id: root

    shadowEnabled: true
    shadowColor: "#000000"
    shadowOpacity: 0.35
    shadowBlur: 0.6
    shadowHorizontalOffset: 0
    shadowVerticalOffset: 3
    autoPaddingEnabled: true
}
