pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Fusion as F
import QtQuick.Controls.impl as Impl
import QtQuick.Layouts
import Korvel

// The right-hand pane: every line of the log under a header with the line and
// byte counters. Only the lines in sight are laid out, and they come from the
// log model's batched rows, so however fast a serial line delivers, the view
// refreshes at most 30 times a second (10 while it follows steady traffic).
Item {
    id: root

    property bool paused: false
    property bool wrapLines: true

    // The selection: line numbers as the rows give them (a line keeps its
    // number while older lines are evicted) and character columns.
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

    // Where the view stood before the rows changed, while it does not
    // follow: the row at the top of the viewport (its line and where its
    // part of the line starts) and how far the viewport top lies below it.
    property double anchorLine: -1
    property int anchorColumn: 0
    property real anchorOffset: 0
    property bool anchorPending: false

    // True while the user moves the lines (wheel, drag, scroll bar, keys):
    // only such moves decide whether the view follows the newest line. The
    // list's own corrections of its content position never do.
    readonly property bool userScrolling: logView.moving || verticalBar.pressed || root.keyScrolling
    property bool keyScrolling: false

    // The line a context menu was opened for (see "Show as JSON"), or -1.
    property double contextLine: -1

    // Bumped when the colours the highlight rules gave the lines were worked
    // out again.
    property int rulesRevision: 0
    // A line to bring into sight once the rows hold it (see revealLine()).
    property double revealPendingLine: -1
    property int revealPendingColumn: 0
    readonly property bool searchShown: findBar.opened && AppController.logSearch.active
    readonly property bool rulesShown: AppController.highlightRules.count > 0

    signal saveLogRequested
    signal jsonRequested(double lineNumber)

    onPausedChanged: {
        if (root.paused)
            pauseWatch.begin(root.topLineInView())
        else
            pauseWatch.end()
    }

    Component.onCompleted: {
        root.refreshHeader()
        root.follow()
    }

    function openFind() {
        findBar.open()
    }

    function closeFind() {
        findBar.close()
    }

    // Brings a column of a line into sight; the view stops following, as
    // when the user scrolls (End resumes). A line the rows do not show yet
    // (a large batch reaches them a moment later) is shown when they do.
    function revealLine(lineNumber, column) {
        root.revealPendingLine = lineNumber
        root.revealPendingColumn = column
        root.rows.update()
        root.showPendingReveal()
    }

    function showPendingReveal() {
        if (root.revealPendingLine < 0)
            return
        logView.forceLayout()
        const row = root.rows.rowOfLine(root.revealPendingLine, root.revealPendingColumn)
        if (row < 0) {
            // Gone from the log for good: nothing to wait for.
            const oldest = root.rows.lineNumberAt(root.rows.rowCount() - 1)
            if (oldest >= 0 && root.revealPendingLine < oldest)
                root.revealPendingLine = -1
            return
        }
        root.revealPendingLine = -1
        logView.stickToBottom = false
        logView.positionViewAtIndex(row, ListView.Center)
    }

    function formatCount(n) {
        return Number(n).toFixed(0)
    }

    function copyLog() {
        const selected = root.hasSelection
                ? root.rows.copyTextBetween(root.selectionAnchorLine, root.selectionAnchorColumn,
                                            root.selectionCursorLine, root.selectionCursorColumn)
                : ""
        clipboardHelper.text = selected !== "" ? selected : AppController.logModel.fullPlainDump()
        clipboardHelper.selectAll()
        clipboardHelper.copy()
        clipboardHelper.text = ""
    }

    // The selected line when the selection lies in one line, else the line
    // under the pointer.
    function lineForContextMenu(point) {
        if (root.hasSelection && root.selectionStartLine === root.selectionEndLine)
            return root.selectionStartLine
        const hit = root.hitTest(point.x, point.y)
        return hit ? hit.line : -1
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

    // Pixels between the bottom of the viewport and the bottom of the newest
    // line. The list is laid out from the bottom up, so the newest row is
    // row 0; when it is not laid out the view is far from it.
    function distanceFromNewest() {
        const newest = logView.itemAtIndex(0)
        if (!newest)
            return logView.count === 0 ? 0 : Infinity
        return newest.y + newest.height - logView.contentY - logView.height
    }

    // Called after every move the user makes.
    function updateStickToBottom() {
        logView.stickToBottom = root.distanceFromNewest() <= 4
    }

    // Shows the newest line at the bottom, unless the view is paused, the user
    // has scrolled away from it or is moving the lines right now.
    function follow() {
        if (root.paused || !logView.stickToBottom || root.userScrolling || selectionArea.pressed)
            return
        logView.positionViewAtBeginning()
    }

    // The number of the line at the top of the viewport, -1 without lines.
    function topLineInView() {
        const row = logView.indexAt(0, logView.contentY + 1)
        return row >= 0 ? root.rows.lineNumberAt(row) : -1
    }

    function rememberAnchor() {
        const row = logView.indexAt(0, logView.contentY + 1)
        const item = row >= 0 ? logView.itemAtIndex(row) : null
        root.anchorLine = item ? root.rows.lineNumberAt(row) : -1
        root.anchorColumn = item ? root.rows.columnAt(row) : 0
        root.anchorOffset = item ? logView.contentY - item.y : 0
        root.anchorPending = true
    }

    // Puts the remembered top line back where it was. When that line has
    // left the log, the oldest lines take the top of the view, so no blank
    // space is left where lines were.
    function restoreAnchor() {
        if (!root.anchorPending)
            return
        root.anchorPending = false
        logView.forceLayout()
        const row = root.rows.rowOfLine(root.anchorLine, root.anchorColumn)
        if (row < 0) {
            root.fillTop()
            return
        }
        let item = logView.itemAtIndex(row)
        if (!item) {
            logView.positionViewAtIndex(row, ListView.Beginning)
            item = logView.itemAtIndex(row)
        }
        if (item)
            logView.contentY = item.y + root.anchorOffset
    }

    // Moves the oldest lines to the top of the viewport when blank space
    // shows above them.
    function fillTop() {
        logView.forceLayout()
        if (logView.count > 0 && !root.oldestRowFillsTop())
            logView.positionViewAtEnd()
    }

    // False when blank space shows above the oldest row.
    function oldestRowFillsTop() {
        const oldest = logView.itemAtIndex(logView.count - 1)
        return !oldest || oldest.y <= logView.contentY + 0.5
    }

    function fitBottomMargin() {
        const margin = Math.max(0, logView.height - logView.contentHeight)
        if (Math.abs(margin - logView.bottomMargin) > 0.5)
            logView.bottomMargin = margin
    }

    // Moves the lines by dy pixels (positive: towards the newest), as keys do.
    function scrollBy(dy) {
        const top = logView.originY
        const bottom = Math.max(top, logView.originY + logView.contentHeight - logView.height)
        root.keyScrolling = true
        logView.contentY = Math.max(top, Math.min(bottom, logView.contentY + dy))
        root.keyScrolling = false
        root.updateStickToBottom()
    }

    function scrollToNewest() {
        logView.positionViewAtBeginning()
        root.updateStickToBottom()
    }

    function scrollToOldest() {
        logView.positionViewAtEnd()
        root.updateStickToBottom()
    }

    // Line and column under a point of the selection area, or null without lines.
    function hitTest(x, y) {
        if (logView.count === 0)
            return null
        const contentY = logView.contentY + Math.max(0, Math.min(y, logView.height - 1))
        let row = logView.indexAt(0, contentY)
        if (row < 0) {
            // Blank space: above the oldest line, or below the newest one.
            const oldest = logView.itemAtIndex(logView.count - 1)
            const above = oldest && contentY < oldest.y
            row = above ? logView.count - 1 : 0
            const edge = logView.itemAtIndex(row)
            if (!edge)
                return null
            return {
                "line": edge.lineNumber,
                "column": edge.column + (above ? 0 : edge.lineText.length)
            }
        }
        const item = logView.itemAtIndex(row)
        if (!item)
            return null
        const p = item.mapFromItem(selectionArea, x, y)
        hitProbe.text = item.lineText
        return {
            "line": item.lineNumber,
            "column": item.column + hitProbe.positionAt(Math.max(0, p.x),
                                                        Math.max(0, Math.min(p.y, item.height - 1)))
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
            root.rememberAnchor()
        }

        function onAboutToUpdate() {
            root.rememberAnchor()
        }

        function onModelReset() {
            rescanSoon.restart()
            // Nothing left to look at after a clear: follow what comes next.
            if (root.rows.rowCount() === 0)
                logView.stickToBottom = true
        }

        function onUpdated() {
            root.refreshHeader()
            logView.forceLayout()
            root.fitBottomMargin()
            if (root.userScrolling) {
                root.anchorPending = false
                root.revealPendingLine = -1
                return // the user's move decides where the view goes
            }
            if (root.paused || !logView.stickToBottom || selectionArea.pressed) {
                root.restoreAnchor()
            } else {
                root.anchorPending = false
                root.follow()
            }
            root.showPendingReveal()
        }

        function onRowsRemoved() {
            // Evicted lines leave from the top of the view.
            if (!logView.stickToBottom || root.paused)
                fillTopSoon.restart()
        }
    }

    Connections {
        target: AppController.highlightRules

        function onLineColoursChanged() {
            root.rulesRevision++
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
            rescanSoon.restart()
            followSoon.restart()
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

    // Work put off to the next pass of the event loop, done once however
    // often it was asked for meanwhile.
    Timer {
        id: followSoon

        interval: 0
        onTriggered: root.follow()
    }

    Timer {
        id: fitMarginSoon

        interval: 0
        onTriggered: root.fitBottomMargin()
    }

    Timer {
        id: fillTopSoon

        interval: 0
        onTriggered: root.fillTop()
    }

    Timer {
        id: rescanSoon

        interval: 0
        onTriggered: root.rescanWidestLine()
    }

    // The oldest rows, whose lines the log evicts first, are in sight only
    // when the view does not follow the newest line.
    Binding {
        target: root.rows
        property: "keepEvictedText"
        value: root.paused || !logView.stickToBottom
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
                text: qsTr("Rx %1").arg(AppController.logModel.formattedDataSize(root.shownRxBytes))
                font.family: Theme.monoFont
                font.pixelSize: 11
                color: Theme.consoleMuted
            }

            Text {
                objectName: "txBytesLabel"
                text: qsTr("Tx %1").arg(AppController.logModel.formattedDataSize(root.shownTxBytes))
                font.family: Theme.monoFont
                font.pixelSize: 11
                color: Theme.consoleMuted
            }
        }
    }

    PauseWatch {
        id: pauseWatch

        log: AppController.logModel
    }

    // While paused: how much came in meanwhile, whether the log has begun to
    // drop the lines in sight, and the way back to following.
    Rectangle {
        id: pauseBar

        objectName: "pauseBar"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: header.bottom
        height: root.paused ? pauseRow.implicitHeight + 8 : 0
        visible: root.paused
        color: Theme.accentTint

        Rectangle {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: 1
            color: Theme.consoleBorder
        }

        RowLayout {
            id: pauseRow

            anchors.fill: parent
            anchors.leftMargin: 16
            anchors.rightMargin: 12
            spacing: 12

            Label {
                objectName: "pauseText"
                text: qsTr("Paused · %n new lines", "", pauseWatch.newLines)
                color: Theme.accent800
            }

            Label {
                objectName: "pauseDroppingText"
                Layout.fillWidth: true
                visible: pauseWatch.droppingSeenLines
                text: qsTr("The log is full: the lines in view are being dropped.")
                elide: Text.ElideRight
                color: Theme.accent800
                font.bold: true
            }

            Item {
                Layout.fillWidth: !pauseWatch.droppingSeenLines
            }

            Button {
                objectName: "resumeButton"
                text: qsTr("Resume")
                onClicked: root.paused = false
            }
        }
    }

    FindBar {
        id: findBar

        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: pauseBar.bottom
        height: findBar.implicitHeight

        onRevealRequested: (lineNumber, column) => root.revealLine(lineNumber, column)
        onFocusReleased: logView.forceActiveFocus()
    }

    Rectangle {
        id: body

        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: findBar.bottom
        anchors.bottom: parent.bottom
        color: Theme.consoleBackground

        ListView {
            id: logView

            // True while the bottom of the view is within 4 px of the newest
            // line. Only the user's own moves change it.
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
            // Row 0 is the newest line, laid out at the bottom: new lines
            // push older ones up without the list having to know their heights.
            verticalLayoutDirection: ListView.BottomToTop
            // While the lines do not fill the view they start at its top
            // (the margin is set after the sizes change; as a binding it would
            // be re-read during the layout it starts).
            cacheBuffer: 0
            reuseItems: true
            activeFocusOnTab: true
            model: root.rows

            onContentYChanged: {
                if (root.userScrolling)
                    root.updateStickToBottom()
            }
            onMovementEnded: {
                root.updateStickToBottom()
                root.follow()
            }
            onHeightChanged: {
                fitMarginSoon.restart()
                followSoon.restart()
            }
            onWidthChanged: followSoon.restart()
            onContentHeightChanged: fitMarginSoon.restart()

            Keys.onPressed: event => {
                const step = AppController.logFontSize * 3
                if (event.matches(StandardKey.Copy)) {
                    root.copyLog()
                } else if (event.key === Qt.Key_Up) {
                    root.scrollBy(-step)
                } else if (event.key === Qt.Key_Down) {
                    root.scrollBy(step)
                } else if (event.key === Qt.Key_PageUp) {
                    root.scrollBy(-Math.max(step, logView.height - step))
                } else if (event.key === Qt.Key_PageDown) {
                    root.scrollBy(Math.max(step, logView.height - step))
                } else if (event.key === Qt.Key_Home) {
                    root.scrollToOldest()
                } else if (event.key === Qt.Key_End) {
                    root.scrollToNewest()
                } else {
                    return
                }
                event.accepted = true
            }

            ScrollBar.vertical: MonitorScrollBar {
                id: verticalBar

                objectName: "verticalScrollBar"
                orientation: Qt.Vertical
                policy: ScrollBar.AlwaysOn

                onPressedChanged: {
                    root.updateStickToBottom()
                    root.follow()
                }
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
                required property double lineNumber
                required property int column

                // The "line" role: the row's part of a line of the log (time
                // column, tag, payload stripped of control sequences); a long
                // line takes several rows, "column" telling where each starts.
                readonly property string lineText: row.line
                readonly property real naturalWidth: plain.implicitWidth
                readonly property bool inSelection: root.hasSelection
                                                    && row.lineNumber >= root.selectionStartLine
                                                    && row.lineNumber <= root.selectionEndLine
                // The selected characters of this row, in its own columns.
                readonly property int selectionFrom: !row.inSelection
                                                     ? -1
                                                     : row.lineNumber === root.selectionStartLine
                                                       ? Math.max(0, Math.min(row.lineText.length,
                                                                              root.selectionStartColumn - row.column))
                                                       : 0
                readonly property int selectionTo: !row.inSelection
                                                   ? -1
                                                   : row.lineNumber === root.selectionEndLine
                                                     ? Math.max(0, Math.min(row.lineText.length,
                                                                            root.selectionEndColumn - row.column))
                                                     : row.lineText.length
                readonly property bool selected: row.selectionTo > row.selectionFrom
                // The row with the current match is drawn by the editor, whose text can
                // take the current match's colour; other rows' matches are boxes.
                readonly property bool holdsCurrent: marks.hasCurrent
                // The palette index the highlight rules gave the line, or -1.
                readonly property int ruleColour: root.rulesShown && root.rulesRevision >= 0
                                                  ? AppController.highlightRules.colourIndexOfLine(row.lineNumber) : -1

                width: root.wrapLines ? logView.width : plain.implicitWidth
                height: plain.height

                Rectangle {
                    objectName: "ruleTint"
                    width: Math.max(row.width, logView.width)
                    height: row.height
                    visible: row.ruleColour >= 0
                    color: row.ruleColour >= 0 ? Theme.ruleTints[row.ruleColour] : "transparent"
                }

                MatchMarks {
                    id: marks

                    objectName: "matchMarks"
                    width: plain.width
                    height: plain.height
                    visible: !selectedLine.visible
                    search: AppController.logSearch
                    active: root.searchShown
                    lineNumber: row.lineNumber
                    offset: row.column
                    text: row.lineText
                    font: plain.font
                    wrap: root.wrapLines
                    matchColor: Theme.matchFill
                    currentColor: Theme.currentMatchFill
                }

                Text {
                    id: plain

                    width: root.wrapLines ? row.width : implicitWidth
                    text: row.lineText
                    textFormat: Text.PlainText
                    wrapMode: root.wrapLines ? Text.Wrap : Text.NoWrap
                    font.family: AppController.logFontFamily
                    font.pixelSize: AppController.logFontSize
                    color: Theme.consoleText
                    visible: !selectedLine.visible

                    onImplicitWidthChanged: {
                        if (implicitWidth > root.widestLine)
                            root.widestLine = implicitWidth
                    }
                }

                // A selected line, or the one with the current match, is drawn
                // by an editor, which can show part of a line (also across
                // wrapped rows) as selected and paint the matches behind their
                // text. It holds text only while its row needs it, so the other
                // rows cost no second layout.
                TextEdit {
                    id: selectedLine

                    // select() itself reports a text change.
                    property bool selecting: false

                    function showSelection() {
                        if (selectedLine.selecting)
                            return
                        selectedLine.selecting = true
                        if (row.selected)
                            selectedLine.select(row.selectionFrom, row.selectionTo)
                        else
                            selectedLine.deselect()
                        selectedLine.selecting = false
                    }

                    objectName: "selectedLine"
                    width: plain.width
                    visible: row.selected || row.holdsCurrent
                    text: row.selected || row.holdsCurrent ? row.lineText : ""
                    textFormat: TextEdit.PlainText
                    readOnly: true
                    selectByMouse: false
                    activeFocusOnPress: false
                    wrapMode: root.wrapLines ? TextEdit.Wrap : TextEdit.NoWrap
                    font.family: AppController.logFontFamily
                    font.pixelSize: AppController.logFontSize
                    color: Theme.consoleText
                    selectionColor: Theme.accentFill
                    selectedTextColor: Theme.accentForeground

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

                    MatchHighlighter {
                        id: highlighter

                        document: selectedLine.textDocument
                        search: AppController.logSearch
                        active: root.searchShown && selectedLine.visible
                        lineNumber: row.lineNumber
                        offset: row.column
                        matchColor: Theme.matchFill
                        currentColor: Theme.currentMatchFill
                        currentTextColor: Theme.currentMatchText
                    }
                }

                // Keeps a flood with matches marked cheap under the software
                // renderer (see RepaintBand).
                RepaintBand {
                    objectName: "markBand"
                    width: Math.max(row.width, logView.width)
                    height: row.height
                    visible: marks.hasMatches && marks.visible
                }
            }
        }

        // The lines have the keys (arrows, Page Up/Down, Home/End, Ctrl+C).
        FocusRing {
            anchors.margins: 2
            radius: 2
            shown: logView.activeFocus
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
                logView.forceActiveFocus()
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
                root.updateStickToBottom()
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

            onClicked: mouse => {
                root.contextLine = root.lineForContextMenu(mapToItem(selectionArea, mouse.x, mouse.y))
                contextMenu.popup(mouse.x, mouse.y)
            }
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
                objectName: "jsonMenuItem"
                text: qsTr("Show as JSON")
                icon.source: "qrc:/icons/json.svg"
                enabled: root.contextLine >= 0
                onTriggered: root.jsonRequested(root.contextLine)
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

        // Icon 16 px from the left, 12 px to the label, 16 px margin on the right.
        contentItem: Row {
            leftPadding: 16
            rightPadding: 16
            spacing: 12

            Impl.IconImage {
                anchors.verticalCenter: parent.verticalCenter
                width: 15
                height: 15
                sourceSize.width: 15
                sourceSize.height: 15
                source: item.icon.source
                color: item.enabled ? Theme.consoleText : Theme.consoleMuted
            }

            Text {
                anchors.verticalCenter: parent.verticalCenter
                width: item.width - 16 - 15 - 12 - 16
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
                color: Theme.accentFill
                visible: item.highlighted
            }
        }
    }
}
