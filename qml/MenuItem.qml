import QtQuick
import QtQuick.Controls.Fusion as F

// Fusion menu item that shows its keyboard shortcut at the right.
F.MenuItem {
    id: root

    // The shortcut as the platform writes it (Shortcut.nativeText); empty for none.
    property string shortcutText: ""

    rightPadding: root.padding + (root.shortcutText !== "" ? shortcutLabel.implicitWidth + 24 : 0)

    Text {
        id: shortcutLabel

        objectName: "shortcutLabel"
        anchors.right: parent.right
        anchors.rightMargin: root.padding
        anchors.verticalCenter: parent.verticalCenter
        visible: root.shortcutText !== ""
        text: root.shortcutText
        font: root.font
        color: root.down || root.highlighted ? root.palette.highlightedText : root.palette.text
    }
}
