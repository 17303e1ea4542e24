import QtQuick
import QtQuick.Controls.Fusion as F
import Korvel
import KorvelProto

// The data monitor drawn by one MonitorSurface instead of a list of text
// items: the same header, keys, wheel, selection and following, to measure
// against the application's monitor and to look at side by side.
Item {
    id: root

    property bool paused: false
    property bool wrapLines: true
    property alias technique: surface.technique

    // The selection, as the application's monitor keeps it.
    property double selectionAnchorLine: -1
    property int selectionAnchorColumn: 0
    property double selectionCursorLine: -1
    property int selectionCursorColumn: 0
    readonly property bool selectionForward: root.selectionAnchorLine < root.selectionCursorLine
                                             || (root.selectionAnchorLine === root.selectionCursorLine
                                                 && root.selectionAnchorColumn <= root.selectionCursorColumn)

    readonly property var rows: AppController.logModel.viewRows

    signal saveLogRequested

    function startSelection(x, y) {
        const hit = surface.hitTest(x, y)
        root.selectionAnchorLine = hit.line === undefined ? -1 : hit.line
        root.selectionAnchorColumn = hit.column === undefined ? 0 : hit.column
        root.selectionCursorLine = root.selectionAnchorLine
        root.selectionCursorColumn = root.selectionAnchorColumn
    }

    function moveSelection(x, y) {
        const hit = surface.hitTest(x, y)
        if (hit.line === undefined || root.selectionAnchorLine < 0)
            return
        root.selectionCursorLine = hit.line
        root.selectionCursorColumn = hit.column
    }

    Binding {
        target: root.rows
        property: "interval"
        value: surface.preferredInterval
    }

    Binding {
        target: root.rows
        property: "keepEvictedText"
        value: root.paused || !surface.following
    }

    Rectangle {
        id: header

        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        height: 34
        color: Theme.consoleBackground

        Rectangle {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: 1
            color: Theme.consoleBorder
        }

        Text {
            anchors.left: parent.left
            anchors.leftMargin: 16
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("Data monitor")
            font.pixelSize: 11
            font.letterSpacing: 1
            color: Theme.consoleMuted
        }

        MonitorCounters {
            anchors.right: parent.right
            anchors.rightMargin: 16
            anchors.verticalCenter: parent.verticalCenter
            model: AppController.logModel
            linesFormat: qsTr("%1 lines")
            rxFormat: qsTr("Rx %1")
            txFormat: qsTr("Tx %1")
            font.family: Theme.monoFont
            font.pixelSize: 11
            color: Theme.consoleMuted
            backgroundColor: Theme.consoleBackground
            spacing: 14
        }
    }

    Rectangle {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: header.bottom
        anchors.bottom: parent.bottom
        color: Theme.consoleBackground

        MonitorSurface {
            id: surface

            objectName: "monitorSurface"
            anchors.fill: parent
            anchors.leftMargin: 16
            anchors.rightMargin: 16
            anchors.topMargin: 12
            anchors.bottomMargin: 12
            rows: root.rows
            wrap: root.wrapLines
            paused: root.paused || selectionArea.pressed
            contentX: root.wrapLines ? 0 : Math.round(horizontalBar.position * surface.widestRow)
            font.family: AppController.logFontFamily
            font.pixelSize: AppController.logFontSize
            textColor: Theme.consoleText
            backgroundColor: Theme.consoleBackground
            selectionColor: Theme.accent
            selectedTextColor: Theme.accentForeground
            selectionStartLine: root.selectionForward ? root.selectionAnchorLine : root.selectionCursorLine
            selectionStartColumn: root.selectionForward ? root.selectionAnchorColumn : root.selectionCursorColumn
            selectionEndLine: root.selectionForward ? root.selectionCursorLine : root.selectionAnchorLine
            selectionEndColumn: root.selectionForward ? root.selectionCursorColumn : root.selectionAnchorColumn
            barWidth: 8
            barTrackColor: Qt.rgba(Theme.consoleBorder.r, Theme.consoleBorder.g, Theme.consoleBorder.b, 0.3)
            barThumbColor: Qt.rgba(Theme.consoleMuted.r, Theme.consoleMuted.g, Theme.consoleMuted.b,
                                   verticalBar.pressed ? 0.9 : verticalBar.hovered ? 0.7 : 0.45)
            activeFocusOnTab: true

            Keys.onPressed: event => {
                const step = AppController.logFontSize * 3
                if (event.key === Qt.Key_Up)
                    surface.scrollBy(-step)
                else if (event.key === Qt.Key_Down)
                    surface.scrollBy(step)
                else if (event.key === Qt.Key_PageUp)
                    surface.scrollBy(-Math.max(step, surface.height - step))
                else if (event.key === Qt.Key_PageDown)
                    surface.scrollBy(Math.max(step, surface.height - step))
                else if (event.key === Qt.Key_Home)
                    surface.scrollToOldest()
                else if (event.key === Qt.Key_End)
                    surface.scrollToNewest()
                else
                    return
                event.accepted = true
            }
        }

        MouseArea {
            id: selectionArea

            // It leaves the scroll bars free.
            anchors.fill: surface
            anchors.rightMargin: verticalBar.width
            anchors.bottomMargin: horizontalBar.visible ? horizontalBar.height : 0
            acceptedButtons: Qt.LeftButton
            preventStealing: true
            cursorShape: Qt.IBeamCursor

            onPressed: mouse => {
                surface.forceActiveFocus()
                root.startSelection(mouse.x, mouse.y)
            }
            onPositionChanged: mouse => root.moveSelection(mouse.x, mouse.y)
        }

        // The surface draws this bar; the control only takes the pointer.
        F.ScrollBar {
            id: verticalBar

            // Over the rows' right edge, as on a list view.
            anchors.right: surface.right
            anchors.top: surface.top
            anchors.bottom: surface.bottom
            orientation: Qt.Vertical
            policy: F.ScrollBar.AlwaysOn
            padding: 0
            size: surface.scrollSize
            position: surface.scrollPosition
            contentItem: Item {
                implicitWidth: 8
            }
            background: Item {
                implicitWidth: 8
            }

            onPositionChanged: {
                if (verticalBar.pressed)
                    surface.scrollToPosition(verticalBar.position)
            }
        }

        MonitorScrollBar {
            id: horizontalBar

            anchors.left: surface.left
            anchors.right: surface.right
            anchors.bottom: surface.bottom
            orientation: Qt.Horizontal
            policy: root.wrapLines || surface.widestRow <= surface.width ? F.ScrollBar.AlwaysOff
                                                                          : F.ScrollBar.AlwaysOn
            size: surface.width / Math.max(surface.width, surface.widestRow)
        }
    }

    // As the application's monitor draws its scroll bars.
    component MonitorScrollBar: F.ScrollBar {
        id: bar

        padding: 0
        visible: bar.policy === F.ScrollBar.AlwaysOn

        contentItem: Rectangle {
            implicitWidth: 8
            implicitHeight: 8
            radius: Math.min(width, height) / 2
            color: Theme.consoleMuted
            opacity: bar.pressed ? 0.9 : bar.hovered ? 0.7 : 0.45
        }

        background: Rectangle {
            implicitWidth: 8
            implicitHeight: 8
            color: Theme.consoleBorder
            opacity: 0.3
        }
    }
}
