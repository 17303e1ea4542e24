import QtQuick
import QtQuick.Controls.Fusion as F
import QtQuick.Shapes
import Korvel

// Fusion check box with a larger indicator whose edge shows on the window's
// greys in both themes, a vector tick and a focus ring.
F.CheckBox {
    id: root

    readonly property color checkMarkColor: {
        const c = Qt.darker(root.palette.text, 1.2)
        return Qt.rgba(c.r, c.g, c.b, 210 / 255)
    }

    padding: 6

    Binding {
        target: root.indicator
        property: "implicitWidth"
        value: 18
    }

    Binding {
        target: root.indicator
        property: "implicitHeight"
        value: 18
    }

    Binding {
        target: root.indicator
        property: "border.color"
        value: Theme.controlOutline
    }

    // A label longer than the panel is wide (some languages' texts are)
    // takes a second line rather than being cut off.
    Binding {
        target: root.contentItem
        property: "wrapMode"
        value: Text.Wrap
    }

    // The style's own glyph is the indicator's first image child; hide it.
    Component.onCompleted: {
        const children = root.indicator ? root.indicator.children : []
        for (let i = 0; i < children.length; ++i) {
            if (children[i] instanceof Image)
                children[i].visible = false
        }
    }

    Shape {
        id: tick

        readonly property real boxSize: root.indicator ? root.indicator.width * 0.78 : 0

        x: root.indicator ? root.indicator.x + (root.indicator.width - tick.boxSize) / 2 : 0
        y: root.indicator ? root.indicator.y + (root.indicator.height - tick.boxSize) / 2 : 0
        width: 50
        height: 50
        scale: tick.boxSize / 50
        transformOrigin: Item.TopLeft
        antialiasing: true
        z: 1
        visible: root.checkState === Qt.Checked

        ShapePath {
            fillColor: root.checkMarkColor
            strokeColor: root.checkMarkColor
            strokeWidth: 3.8
            PathSvg {
                path: "M 42.875 8.625 C 42.84375 8.632813 42.8125 8.644531 42.78125 8.65625 C 42.519531 8.722656 42.292969 8.890625 42.15625 9.125 L 21.71875 40.8125 L 7.65625 28.125 C 7.410156 27.8125 7 27.675781 6.613281 27.777344 C 6.226563 27.878906 5.941406 28.203125 5.882813 28.597656 C 5.824219 28.992188 6.003906 29.382813 6.34375 29.59375 L 21.25 43.09375 C 21.46875 43.285156 21.761719 43.371094 22.050781 43.328125 C 22.339844 43.285156 22.59375 43.121094 22.75 42.875 L 43.84375 10.1875 C 44.074219 9.859375 44.085938 9.425781 43.875 9.085938 C 43.664063 8.746094 43.269531 8.566406 42.875 8.625 Z"
            }
        }
    }

    FocusRing {
        shown: root.visualFocus
    }
}
