pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Fusion as F
import Korvel

// Fusion combo box with themed popup rows; an empty combo does not open
// unless it says so.
F.ComboBox {
    id: root

    // A combo whose popup offers more than its rows opens even when empty.
    property bool opensWhenEmpty: false
    // Where a text too long for the box is cut ("…"); paths keep their end.
    property int elide: Text.ElideRight
    // Whether the box shows the chosen entry cut.
    property bool textTruncated: false

    leftPadding: 8
    implicitHeight: Math.max(32,
                             implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding,
                             implicitIndicatorHeight + topPadding + bottomPadding)

    F.ToolTip.visible: root.hovered && !root.down && root.textTruncated
    F.ToolTip.text: root.displayText
    F.ToolTip.delay: 400

    // The chosen entry, cut with "…" rather than clipped when it is too long.
    contentItem: Text {
        text: root.displayText
        font: root.font
        color: root.palette.buttonText
        verticalAlignment: Text.AlignVCenter
        elide: root.elide
        onTruncatedChanged: root.textTruncated = truncated
    }

    delegate: F.MenuItem {
        id: row

        required property int index
        required property var model

        width: ListView.view ? ListView.view.width : implicitWidth
        text: {
            if (!root.textRole)
                return row.model.modelData;
            const entry = Array.isArray(root.model) ? row.model.modelData : row.model;
            // A row of a list that is being replaced (the option lists are
            // rebuilt when the language changes) can lose its entry first.
            return entry ? entry[root.textRole] : "";
        }
        font.weight: root.currentIndex === row.index ? Font.DemiBold : Font.Normal
        highlighted: root.highlightedIndex === row.index
        hoverEnabled: root.hoverEnabled

        background: Rectangle {
            implicitWidth: 200
            implicitHeight: 20
            color: row.down || row.highlighted ? root.palette.highlight
                 : root.currentIndex === row.index ? Theme.accentTint : "transparent"

            Rectangle {
                width: 3
                height: parent.height
                color: Theme.accent800
                visible: root.currentIndex === row.index
            }
        }
    }

    // The style's panel: an edge that shows on the window's greys.
    Binding {
        target: root.background
        property: "border.color"
        value: Theme.controlOutline
        when: root.background instanceof Rectangle
    }

    // Only the style's own popup background has a border to colour; a combo
    // that brings its own background frames it itself.
    Binding {
        target: root.popup.background
        property: "border.color"
        value: Theme.dialogBorder
        when: root.popup.background instanceof Rectangle
    }

    Connections {
        target: root.popup

        function onOpened() {
            const list = root.popup.contentItem as ListView
            if (list)
                list.positionViewAtIndex(root.currentIndex, ListView.Center)
        }
    }

    // Swallows presses while there is nothing to choose from.
    MouseArea {
        anchors.fill: parent
        z: 100
        visible: root.count === 0 && !root.opensWhenEmpty
        cursorShape: Qt.ArrowCursor
        acceptedButtons: Qt.AllButtons
    }

    FocusRing {
        shown: root.visualFocus
    }
}
