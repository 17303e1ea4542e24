import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Fusion as F
import QtQuick.Controls.impl as Impl
import Korvel

// The right-hand pane: every line of the log under a header with the line and
// byte counters. Only the lines in sight are laid out, and they come from the
// log model's batched rows, so however fast a serial line delivers, the view
// refreshes at most 30 times a second (10 while it follows steady traffic).
Item {
    id: root

    property bool paused: false
    property bool wrapLines: true

    // The selection: line numbers as counted by the rows' firstLineNumber
    // (they do not move when older lines are evicted) and character columns.
    property double selectionAnchorLine: -1
    property int selectionAnchorColumn: 0
    property double selectionCursorLine: -1
    property int selectionCursorColumn: 0
    readonly property bool hasSelection: root.selectionAnchorLine >= 0
                                         && (root.selectionAnchorLine !== root.selectionCursorLine
                                             || root.selectionAnchorColumn !== root.selectionCursorColumn)
    readonly property bool selectionForward: root.selectionAnchorLine < root.selectionCursorLine
                                             || (root.selectionAnchorLine === root.selectionCursorLine
                                                 && root.selectionAnchorColumn <= root.selectionCursorColumn)
    readonly property double selectionStartLine: root.selectionForward ? root.selectionAnchorLine : root.selectionCursorLine
    readonly property int selectionStartColumn: root.selectionForward ? root.selectionAnchorColumn : root.selectionCursorColumn
    readonly property double selectionEndLine: root.selectionForward ? root.selectionCursorLine : root.selectionAnchorLine
    readonly property int selectionEndColumn: root.selectionForward ? root.selectionCursorColumn : root.selectionAnchorColumn

    // Header figures, refreshed together with the rows instead of per chunk.
    property double shownLineCount: 0
    property double shownRxBytes: 0
    property double shownTxBytes: 0

    // Natural width of the widest line laid out so far (for unwrapped lines).
    property real widestLine: 0

    readonly property var rows: AppController.logModel.viewRows

    // While the rows are reset the list moves on its own; that is no reason
    // to stop following the end.
    property bool rowsResetting: false
    property double topLineBeforeReset: -1

    signal saveLogRequested

    Component.onCompleted: {
        root.refreshHeader()
        followTimer.start()
    }

    function formatCount(n) {
        return Number(n).toFixed(0)
    }

    function formatBytes(n) {
        if (n < 1024)
            return Number(n).toFixed(0) + " B"
        if (n < 1024 * 1024)
            return (n / 1024).toFixed(1) + " KB"
        if (n < 1024 * 1024 * 1024)
            return (n / 1048576).toFixed(1) + " MB"
        return (n / 1073741824).toFixed(1) + " GB"
    }

    function stripLineColumns(text) {
        return text.replace(/^(?:\d{2}:\d{2}:\d{2}  )?(?:(?:TX|RX)   |(?:SYS|ERR)  )/gm, "")
    }

    function copyLog() {
        const selected = root.hasSelection ? root.selectedText() : ""
        clipboardHelper.text = selected !== "" ? root.stripLineColumns(selected)
                                               : AppController.logModel.fullPlainDump()
        clipboardHelper.selectAll()
        clipboardHelper.copy()
        clipboardHelper.text = ""
    }

    // The selected characters as they read in the log, lines joined by "\n".
    function selectedText() {
        const model = AppController.logModel
        const firstHeld = model.totalLineCount - model.lineCount
        let first = root.selectionStartLine - firstHeld
        let firstColumn = root.selectionStartColumn
        let last = root.selectionEndLine - firstHeld
        let lastColumn = root.selectionEndColumn
        if (first < 0) {
            first = 0
            firstColumn = 0
        }
        if (last >= model.lineCount) {
            last = model.lineCount - 1
            lastColumn = -1
        }
        if (last < first)
            return ""
        const lines = model.linesText(first, last).split("\n")
        if (lastColumn >= 0)
            lines[lines.length - 1] = lines[lines.length - 1].slice(0, lastColumn)
        lines[0] = lines[0].slice(firstColumn)
        return lines.join("\n")
    }

    function clearSelection() {
        root.selectionAnchorLine = -1
        root.selectionCursorLine = -1
        root.selectionAnchorColumn = 0
        root.selectionCursorColumn = 0
    }

    function refreshHeader() {
        root.shownLineCount = AppController.logModel.totalLineCount
        root.shownRxBytes = AppController.logModel.rxBytes
        root.shownTxBytes = AppController.logModel.txBytes
    }

    function updateStickToBottom() {
        if (root.rowsResetting)
            return
        logView.stickToBottom = logView.contentY + logView.height
                >= logView.originY + logView.contentHeight - 4
    }

    function follow() {
        if (root.paused || !logView.stickToBottom || logView.count === 0)
            return
        // Never pull the lines away from under a scroll in progress; once it
        // stops, stickToBottom tells whether it ended at the bottom.
        if (logView.moving || selectionArea.pressed) {
            followTimer.restart()
            return
        }
        logView.positionViewAtEnd()
    }

    function scheduleFollow() {
        if (!root.paused && logView.stickToBottom && !followTimer.running)
            followTimer.start()
    }

    // Line and column under a point of the selection area, or null without lines.
    function hitTest(x, y) {
        if (logView.count === 0)
            return null
        const contentY = logView.contentY + Math.max(0, Math.min(y, logView.height - 1))
        let row = logView.indexAt(0, contentY)
        const pastEnd = row < 0
        if (pastEnd)
            row = logView.count - 1
        const item = logView.itemAtIndex(row)
        if (!item)
            return null
        let column = item.lineText.length
        if (!pastEnd) {
            const p = item.mapFromItem(selectionArea, x, y)
            hitProbe.text = item.lineText
            column = hitProbe.positionAt(Math.max(0, p.x), Math.max(0, Math.min(p.y, item.height - 1)))
        }
        return {
            "line": root.rows.firstLineNumber + row,
            "column": column
        }
    }

    function rescanWidestLine() {
        let widest = 0
        const items = logView.contentItem.children
        for (let i = 0; i < items.length; ++i) {
            if (items[i].visible && items[i].naturalWidth !== undefined)
                widest = Math.max(widest, items[i].naturalWidth)
        }
        root.widestLine = widest
    }

    Connections {
        target: root.rows

        function onModelAboutToBeReset() {
            root.rowsResetting = true
            const topRow = logView.indexAt(0, logView.contentY)
            root.topLineBeforeReset = logView.stickToBottom || topRow < 0
                    ? -1 : root.rows.firstLineNumber + topRow
        }

        function onUpdated() {
            root.refreshHeader()
            if (root.rowsResetting) {
                root.rowsResetting = false
                const row = root.topLineBeforeReset - root.rows.firstLineNumber
                if (root.topLineBeforeReset >= 0 && row >= 0 && row < logView.count) {
                    logView.positionViewAtIndex(row, ListView.Beginning)
                    root.updateStickToBottom()
                } else {
                    logView.stickToBottom = true
                }
                Qt.callLater(root.rescanWidestLine)
            }
            root.follow()
        }
    }

    Connections {
        target: AppController.logModel

        // The lines read differently now; a selection would point at other text.
        function onRebuildNeeded() {
            root.clearSelection()
        }
    }

    Connections {
        target: AppController

        function onLogFontChanged() {
            Qt.callLater(root.rescanWidestLine)
        }
    }

    // While the view follows, every refresh moves and repaints all rows it
    // shows, and steady traffic scrolls too fast to read anyway: 10 refreshes
    // a second are enough then. A line after a quiet spell still shows at once.
    Binding {
        target: root.rows
        property: "interval"
        value: !root.paused && logView.stickToBottom ? 100 : 33
    }

    Timer {
        id: followTimer

        interval: 33
        onTriggered: {
            if (logView.contentY + logView.height < logView.originY + logView.contentHeight - 0.5)
                root.follow()
        }
    }

    Rectangle {
        id: header

        objectName: "monitorHeader"
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

        Row {
            anchors.right: parent.right
            anchors.rightMargin: 16
            anchors.verticalCenter: parent.verticalCenter
            spacing: 14

            Text {
                objectName: "lineCountLabel"
                text: qsTr("%1 lines").arg(root.formatCount(root.shownLineCount))
                font.family: Theme.monoFont
                font.pixelSize: 11
                color: Theme.consoleMuted
            }

            Text {
                objectName: "rxBytesLabel"
                text: qsTr("Rx %1").arg(root.formatBytes(root.shownRxBytes))
                font.family: Theme.monoFont
                font.pixelSize: 11
                color: Theme.consoleMuted
            }

            Text {
                objectName: "txBytesLabel"
                text: qsTr("Tx %1").arg(root.formatBytes(root.shownTxBytes))
                font.family: Theme.monoFont
                font.pixelSize: 11
                color: Theme.consoleMuted
            }
        }
    }

    Rectangle {
        id: body

        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: header.bottom
        anchors.bottom: parent.bottom
        color: Theme.consoleBackground

        ListView {
            id: logView

            // True while the bottom of the view is within 4 px of the end.
            property bool stickToBottom: true

            objectName: "logView"
            anchors.fill: parent
            anchors.leftMargin: 16
            anchors.rightMargin: 16
            anchors.topMargin: 12
            anchors.bottomMargin: 12
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            flickableDirection: Flickable.AutoFlickDirection
            contentWidth: root.wrapLines ? width : Math.max(width, root.widestLine)
            cacheBuffer: 0
            reuseItems: true
            model: root.rows

            onContentYChanged: root.updateStickToBottom()
            onContentHeightChanged: root.scheduleFollow()
            onHeightChanged: root.scheduleFollow()

            ScrollBar.vertical: MonitorScrollBar {
                id: verticalBar

                objectName: "verticalScrollBar"
                orientation: Qt.Vertical
                policy: ScrollBar.AlwaysOn
            }

            ScrollBar.horizontal: MonitorScrollBar {
                id: horizontalBar

                objectName: "horizontalScrollBar"
                orientation: Qt.Horizontal
                policy: root.wrapLines ? ScrollBar.AlwaysOff : ScrollBar.AsNeeded
            }

            delegate: Item {
                id: row

                required property int index
                required property string line

                // The "line" role: the row as a line of the log (time column,
                // tag, payload stripped of control sequences).
                readonly property string lineText: row.line
                readonly property real naturalWidth: plain.implicitWidth
                // Only worked out while something is selected.
                readonly property double lineNumber: root.hasSelection ? root.rows.firstLineNumber + row.index : -1
                readonly property int selectionFrom: row.lineNumber < 0
                                                     || row.lineNumber < root.selectionStartLine
                                                     || row.lineNumber > root.selectionEndLine
                                                     ? -1
                                                     : row.lineNumber === root.selectionStartLine
                                                       ? root.selectionStartColumn : 0
                readonly property int selectionTo: row.selectionFrom < 0
                                                   ? -1
                                                   : row.lineNumber === root.selectionEndLine
                                                     ? root.selectionEndColumn : row.lineText.length
                readonly property bool selected: row.selectionTo > row.selectionFrom

                width: root.wrapLines ? logView.width : plain.implicitWidth
                height: plain.height

                Text {
                    id: plain

                    width: root.wrapLines ? row.width : implicitWidth
                    text: row.lineText
                    textFormat: Text.PlainText
                    wrapMode: root.wrapLines ? Text.Wrap : Text.NoWrap
                    font.family: AppController.logFontFamily
                    font.pixelSize: AppController.logFontSize
                    color: Theme.consoleText
                    visible: !row.selected

                    onImplicitWidthChanged: {
                        if (implicitWidth > root.widestLine)
                            root.widestLine = implicitWidth
                    }
                }

                // A selected line is drawn by an editor, which can show part of
                // a line (also across wrapped rows) as selected.
                Loader {
                    active: row.selected
                    width: plain.width
                    sourceComponent: TextEdit {
                        id: selectedLine

                        // select() itself reports a text change.
                        property bool selecting: false

                        function showSelection() {
                            if (selectedLine.selecting)
                                return
                            selectedLine.selecting = true
                            selectedLine.select(row.selectionFrom, row.selectionTo)
                            selectedLine.selecting = false
                        }

                        text: row.lineText
                        textFormat: TextEdit.PlainText
                        readOnly: true
                        selectByMouse: false
                        activeFocusOnPress: false
                        wrapMode: root.wrapLines ? TextEdit.Wrap : TextEdit.NoWrap
                        font.family: AppController.logFontFamily
                        font.pixelSize: AppController.logFontSize
                        color: Theme.consoleText
                        selectionColor: Theme.accent
                        selectedTextColor: Theme.accentForeground

                        Component.onCompleted: selectedLine.showSelection()
                        onTextChanged: selectedLine.showSelection()

                        Connections {
                            target: row

                            function onSelectionFromChanged() {
                                selectedLine.showSelection()
                            }

                            function onSelectionToChanged() {
                                selectedLine.showSelection()
                            }
                        }
                    }
                }
            }
        }

        // Left button: select text across lines. It leaves the scroll bars free.
        MouseArea {
            id: selectionArea

            objectName: "selectionArea"
            anchors.fill: logView
            anchors.rightMargin: verticalBar.width
            anchors.bottomMargin: horizontalBar.visible ? horizontalBar.height : 0
            acceptedButtons: Qt.LeftButton
            preventStealing: true
            cursorShape: Qt.IBeamCursor

            onPressed: mouse => {
                const hit = root.hitTest(mouse.x, mouse.y)
                if (!hit) {
                    root.clearSelection()
                    return
                }
                root.selectionAnchorLine = hit.line
                root.selectionAnchorColumn = hit.column
                root.selectionCursorLine = hit.line
                root.selectionCursorColumn = hit.column
            }
            onPositionChanged: mouse => {
                const hit = root.hitTest(mouse.x, mouse.y)
                if (!hit || root.selectionAnchorLine < 0)
                    return
                root.selectionCursorLine = hit.line
                root.selectionCursorColumn = hit.column
            }
        }

        // Dragging a selection past the top or bottom edge scrolls the lines.
        Timer {
            interval: 33
            repeat: true
            running: selectionArea.pressed
                     && (selectionArea.mouseY < 0 || selectionArea.mouseY > selectionArea.height)
            onTriggered: {
                const step = selectionArea.mouseY < 0 ? selectionArea.mouseY
                                                      : selectionArea.mouseY - selectionArea.height
                const top = logView.originY
                const bottom = Math.max(top, logView.originY + logView.contentHeight - logView.height)
                logView.contentY = Math.max(top, Math.min(bottom, logView.contentY + step))
                const hit = root.hitTest(selectionArea.mouseX, selectionArea.mouseY)
                if (hit) {
                    root.selectionCursorLine = hit.line
                    root.selectionCursorColumn = hit.column
                }
            }
        }

        MouseArea {
            objectName: "contextMenuArea"
            anchors.fill: parent
            acceptedButtons: Qt.RightButton

            onClicked: mouse => contextMenu.popup(mouse.x, mouse.y)
        }

        F.Menu {
            id: contextMenu

            objectName: "monitorContextMenu"
            width: 200
            topPadding: 6
            bottomPadding: 6
            leftPadding: 0
            rightPadding: 0

            background: Rectangle {
                implicitWidth: 200
                color: Theme.consoleBackground
                border.width: 1
                border.color: Theme.consoleBorder
                radius: 8
            }

            MonitorMenuItem {
                objectName: "copyMenuItem"
                text: qsTr("Copy")
                icon.source: "qrc:/icons/copy.svg"
                onTriggered: root.copyLog()
            }

            F.MenuSeparator {
                padding: 0
                topPadding: 1
                bottomPadding: 1
                leftPadding: 12
                rightPadding: 12
                contentItem: Rectangle {
                    implicitWidth: 176
                    implicitHeight: 1
                    color: Theme.consoleBorder
                }
                background: null
            }

            MonitorMenuItem {
                objectName: "clearMenuItem"
                text: qsTr("Clear log")
                icon.source: "qrc:/icons/clear.svg"
                onTriggered: AppController.logModel.clear()
            }

            MonitorMenuItem {
                objectName: "saveMenuItem"
                text: qsTr("Save log…")
                icon.source: "qrc:/icons/save.svg"
                onTriggered: root.saveLogRequested()
            }
        }
    }

    // Draws the editor's text into the clipboard; see copyLog().
    TextEdit {
        id: clipboardHelper

        visible: false
        textFormat: TextEdit.PlainText
    }

    // Lays out one line the way a row shows it, to find the column under the pointer.
    TextEdit {
        id: hitProbe

        visible: false
        width: logView.width
        textFormat: TextEdit.PlainText
        wrapMode: root.wrapLines ? TextEdit.Wrap : TextEdit.NoWrap
        font.family: AppController.logFontFamily
        font.pixelSize: AppController.logFontSize
    }

    component MonitorScrollBar: F.ScrollBar {
        id: bar

        padding: 0
        visible: bar.policy === ScrollBar.AlwaysOn || (bar.policy === ScrollBar.AsNeeded && bar.size < 1.0)

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

    component MonitorMenuItem: F.MenuItem {
        id: item

        implicitWidth: 200
        implicitHeight: 32
        padding: 0

        contentItem: Item {
            Impl.IconImage {
                id: itemIcon

                x: 16
                anchors.verticalCenter: parent.verticalCenter
                width: 15
                height: 15
                sourceSize.width: 15
                sourceSize.height: 15
                source: item.icon.source
                color: item.enabled ? Theme.consoleText : Theme.consoleMuted
            }

            Text {
                anchors.left: itemIcon.right
                anchors.leftMargin: 12
                anchors.right: parent.right
                anchors.rightMargin: 16
                anchors.verticalCenter: parent.verticalCenter
                text: item.text
                font.pixelSize: 13
                elide: Text.ElideRight
                color: item.enabled ? Theme.consoleText : Theme.consoleMuted
            }
        }

        background: Item {
            implicitWidth: 200
            implicitHeight: 32

            Rectangle {
                anchors.fill: parent
                anchors.margins: 4
                radius: 5
                color: Theme.accent
                visible: item.highlighted
            }
        }
    }
}
