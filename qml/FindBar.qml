import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Korvel

// The find bar over the monitor's lines: what to look for and how, which
// match is current, and whether only the matching lines show. The search
// runs while the bar is open; closing it clears the marks and the filter and
// gives the keys back to where they were.
Rectangle {
    id: root

    property bool opened: false
    // The first Enter after a change of what is looked for shows the match
    // the search made current (the newest) instead of moving past it.
    property bool revealed: false
    // Where the keys were before the bar took them.
    property Item returnFocusTo: null
    // The counts as the bar shows them: arriving lines change them with
    // every batch, and the texts need not follow faster than they are read.
    property int shownCount: 0
    property int shownIndex: -1
    property int shownHidden: 0
    readonly property LogSearch search: AppController.logSearch
    readonly property LogFilterModel filter: AppController.logFilter

    // The view should bring a column of a line into sight.
    signal revealRequested(double lineNumber, int column)
    // The bar closed without anywhere to give the keys back to.
    signal focusReleased

    function open() {
        if (!root.opened) {
            let inside = root.Window.activeFocusItem
            while (inside && inside !== root)
                inside = inside.parent
            root.returnFocusTo = inside === root ? null : root.Window.activeFocusItem
        }
        root.opened = true
        field.forceActiveFocus()
        field.selectAll()
    }

    function close() {
        if (!root.opened)
            return
        root.opened = false
        if (root.returnFocusTo && root.returnFocusTo.visible)
            root.returnFocusTo.forceActiveFocus()
        else
            root.focusReleased()
        root.returnFocusTo = null
    }

    function findNext() {
        if (root.revealed)
            root.search.next()
        root.reveal()
    }

    function findPrevious() {
        root.search.previous()
        root.reveal()
    }

    function reveal() {
        if (root.search.currentLine < 0)
            return
        root.revealed = true
        root.revealRequested(root.search.currentLine, root.search.currentColumn)
    }

    function showCounts() {
        root.shownCount = root.search.matchCount
        root.shownIndex = root.search.currentIndex
        root.shownHidden = root.filter.hiddenCount
    }

    function statusText(count, index) {
        if (root.search.errorText !== "")
            return root.search.errorText
        if (!root.search.active)
            return ""
        if (count === 0)
            return root.search.searching ? qsTr("Searching…") : qsTr("No matches")
        if (index < 0)
            return qsTr("%n matches", "", count)
        return qsTr("%1 of %n", "", count).arg(index + 1)
    }

    objectName: "findBar"
    implicitHeight: root.opened ? barRow.implicitHeight + 12 : 0
    visible: root.opened
    color: Theme.surface

    Keys.onEscapePressed: root.close()

    Rectangle {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        height: 1
        color: Theme.consoleBorder
    }

    // The search follows the bar while it is open.
    Binding {
        target: root.search
        property: "pattern"
        value: root.opened ? field.text : ""
    }

    Binding {
        target: root.search
        property: "regex"
        value: regexButton.checked
    }

    Binding {
        target: root.search
        property: "matchCase"
        value: caseButton.checked
    }

    Binding {
        target: root.search
        property: "kinds"
        value: (rxButton.checked ? LogSearch.RxBit : 0) | (txButton.checked ? LogSearch.TxBit : 0)
               | (sysButton.checked ? LogSearch.SysBit : 0) | (errButton.checked ? LogSearch.ErrBit : 0)
    }

    Binding {
        target: root.filter
        property: "filtering"
        value: root.opened && filterButton.checked
    }

    // The counts follow arriving lines with the monitor's own refreshes, in
    // the same frame: a handler for every batch of lines would cost more
    // than the texts, and a timer of their own would draw frames of its own.
    Connections {
        target: AppController.logModel.viewRows
        enabled: root.opened

        function onUpdated() {
            root.showCounts()
        }
    }

    Connections {
        target: root.filter

        function onFilteringChanged() {
            root.showCounts()
        }
    }

    Connections {
        target: root.search

        // What the user changed shows at once.
        function onStateChanged() {
            root.showCounts()
        }

        function onCurrentChanged() {
            root.showCounts()
        }

        function onPatternChanged() {
            root.revealed = false
        }

        function onRegexChanged() {
            root.revealed = false
        }

        function onMatchCaseChanged() {
            root.revealed = false
        }

        function onKindsChanged() {
            root.revealed = false
        }
    }

    Shortcut {
        sequence: "F3"
        enabled: root.opened
        onActivated: root.findNext()
    }

    Shortcut {
        sequence: "Shift+F3"
        enabled: root.opened
        onActivated: root.findPrevious()
    }

    RowLayout {
        id: barRow

        anchors.fill: parent
        anchors.leftMargin: 12
        anchors.rightMargin: 8
        anchors.topMargin: 6
        anchors.bottomMargin: 6
        spacing: 4

        TextField {
            id: field

            objectName: "findField"
            Layout.preferredWidth: 220
            Layout.minimumWidth: 120
            Layout.fillWidth: true
            Layout.maximumWidth: 320
            placeholderText: root.search.hexPattern ? qsTr("Find bytes (hex, e.g. 0A 01 7F)") : qsTr("Find in the log")
            color: root.search.errorText !== "" ? Theme.error : Theme.text
            selectByMouse: true

            Keys.onReturnPressed: event => {
                if (event.modifiers & Qt.ShiftModifier)
                    root.findPrevious()
                else
                    root.findNext()
            }
            Keys.onEnterPressed: event => {
                if (event.modifiers & Qt.ShiftModifier)
                    root.findPrevious()
                else
                    root.findNext()
            }
            Keys.onEscapePressed: root.close()
        }

        BarToggle {
            id: regexButton

            objectName: "findRegexButton"
            text: ".*"
            toolTip: qsTr("Regular expression")
            enabled: !root.search.hexPattern
        }

        BarToggle {
            id: caseButton

            objectName: "findCaseButton"
            text: "Aa"
            toolTip: qsTr("Match case")
            enabled: !root.search.hexPattern
        }

        Rectangle {
            Layout.leftMargin: 4
            Layout.rightMargin: 4
            implicitWidth: 1
            implicitHeight: 20
            color: Theme.divider
        }

        BarToggle {
            id: rxButton

            objectName: "findRxButton"
            text: "RX"
            toolTip: qsTr("Search received lines")
            checked: true
        }

        BarToggle {
            id: txButton

            objectName: "findTxButton"
            text: "TX"
            toolTip: qsTr("Search sent lines")
            checked: true
            enabled: !root.search.hexPattern
        }

        BarToggle {
            id: sysButton

            objectName: "findSysButton"
            text: "SYS"
            toolTip: qsTr("Search notices")
            checked: true
            enabled: !root.search.hexPattern
        }

        BarToggle {
            id: errButton

            objectName: "findErrButton"
            text: "ERR"
            toolTip: qsTr("Search errors")
            checked: true
            enabled: !root.search.hexPattern
        }

        Label {
            objectName: "findStatus"
            Layout.fillWidth: true
            Layout.leftMargin: 8
            Layout.minimumWidth: 60
            text: root.statusText(root.shownCount, root.shownIndex)
            elide: Text.ElideRight
            color: root.search.errorText !== "" ? Theme.error : Theme.textMuted
        }

        ToolButton {
            objectName: "findPreviousButton"
            text: "↑"
            enabled: root.search.matchCount > 0
            focusPolicy: Qt.NoFocus
            ToolTip.visible: hovered
            ToolTip.delay: 400
            ToolTip.text: qsTr("Previous match (Shift+F3)")
            onClicked: root.findPrevious()
        }

        ToolButton {
            objectName: "findNextButton"
            text: "↓"
            enabled: root.search.matchCount > 0
            focusPolicy: Qt.NoFocus
            ToolTip.visible: hovered
            ToolTip.delay: 400
            ToolTip.text: qsTr("Next match (F3)")
            onClicked: root.findNext()
        }

        BarToggle {
            id: filterButton

            objectName: "findFilterButton"
            text: qsTr("Only matches")
            toolTip: qsTr("Show only the lines that match")
        }

        Label {
            objectName: "hiddenCountLabel"
            visible: root.filter.filtering
            text: qsTr("%n lines hidden", "", root.shownHidden)
            color: Theme.textMuted
        }

        ToolButton {
            objectName: "findCloseButton"
            text: "✕"
            focusPolicy: Qt.NoFocus
            ToolTip.visible: hovered
            ToolTip.delay: 400
            ToolTip.text: qsTr("Close (Esc)")
            onClicked: root.close()
        }
    }

    // A small checkable button with its meaning in a tool tip.
    component BarToggle: ToolButton {
        id: toggle

        property string toolTip

        checkable: true
        focusPolicy: Qt.TabFocus
        font.family: Theme.monoFont
        font.pixelSize: 12
        ToolTip.visible: toggle.hovered
        ToolTip.delay: 400
        ToolTip.text: toggle.toolTip
    }
}
