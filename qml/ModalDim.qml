import QtQuick

// The dimming layer behind a modal dialog. It covers the visible window
// frame only, never the transparent shadow band around it.
Rectangle {
    id: root

    readonly property real margin: {
        const window = root.Window.window
        return window && window.activeMargin !== undefined ? window.activeMargin : 0
    }

    color: "transparent"

    Rectangle {
        anchors.fill: parent
        anchors.margins: root.margin
        color: "#80000000"
    }
}
