import QtQuick
import QtQuick.Controls.Fusion as F

// A label cut with "…" when it does not fit; its whole text shows in a tool
// tip while the pointer rests on it.
F.Label {
    id: root

    elide: Text.ElideRight
    F.ToolTip.visible: hover.hovered && root.truncated
    F.ToolTip.text: root.text
    F.ToolTip.delay: 400

    HoverHandler {
        id: hover
    }
}
