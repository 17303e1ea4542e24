pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Korvel
import "effects"

// The application's only window. It draws its own frame (title bar, caption
// buttons, shadow, resize edges) inside a transparent band and lays out the
// panels around the data monitor; all state lives in AppController.
ApplicationWindow {
    id: root

    // Transparent band around the visible frame that carries the shadow.
    readonly property int shadowMargin: 18
    readonly property bool shadowActive: root.visibility !== Window.Maximized
    // Read by ModalDim so the dim never covers the shadow band.
    readonly property int activeMargin: root.shadowActive ? root.shadowMargin : 0
    readonly property int resizeGrip: 4

    // A title-bar button: hover fill behind a glyph drawn by its children,
    // which centre themselves on the button.
    component CaptionButton: AbstractButton {
        id: captionButton

        property color hoverColor: Theme.divider

        implicitWidth: 46
        implicitHeight: 32
        hoverEnabled: true
        focusPolicy: Qt.NoFocus

        background: Rectangle {
            color: captionButton.hovered ? captionButton.hoverColor : "transparent"
        }
    }

    // The window's own title bar: drag to move, double-click to maximise.
    component TitleBar: Rectangle {
        id: titleBar

        required property string title
        readonly property var hostWindow: titleBar.Window.window
        readonly property bool maximized: titleBar.hostWindow
                                          && titleBar.hostWindow.visibility === Window.Maximized

        implicitHeight: 32
        color: Theme.surface

        function toggleMaximized() {
            if (titleBar.maximized)
                titleBar.hostWindow.showNormal()
            else
                titleBar.hostWindow.showMaximized()
        }

        // The window manager takes over a move only once the pointer has
        // travelled past the drag distance, so that a double click (which
        // it would swallow) still reaches this area.
        MouseArea {
            id: titleDragArea

            property point pressPoint

            objectName: "titleDragArea"
            anchors.fill: parent
            acceptedButtons: Qt.LeftButton
            onPressed: mouse => {
                titleDragArea.pressPoint = Qt.point(mouse.x, mouse.y)
            }
            onPositionChanged: mouse => {
                const travelled = Math.max(Math.abs(mouse.x - titleDragArea.pressPoint.x),
                                           Math.abs(mouse.y - titleDragArea.pressPoint.y))
                if (titleDragArea.pressed && travelled >= Qt.styleHints.startDragDistance)
                    titleBar.hostWindow.startSystemMove()
            }
            onDoubleClicked: titleBar.toggleMaximized()
        }

        RowLayout {
            anchors.left: parent.left
            anchors.leftMargin: 12
            anchors.verticalCenter: parent.verticalCenter
            spacing: 10

            Image {
                Layout.preferredWidth: 16
                Layout.preferredHeight: 16
                source: "qrc:/icons/app.png"
                sourceSize.width: 20
                sourceSize.height: 20
                fillMode: Image.PreserveAspectFit
                smooth: true
            }

            Label {
                text: titleBar.title
                color: Theme.text
                font.pixelSize: Theme.baseFontSize
            }

            Label {
                objectName: "versionLabel"
                text: "v" + AppController.appVersion
                color: Theme.textMuted
                font.pixelSize: Theme.baseFontSize - 1
            }
        }

        Row {
            anchors.right: parent.right
            anchors.top: parent.top
            spacing: 0

            CaptionButton {
                objectName: "minimizeButton"
                onClicked: titleBar.hostWindow.showMinimized()

                Rectangle {
                    anchors.centerIn: parent
                    width: 10
                    height: 1
                    color: Theme.text
                }
            }

            CaptionButton {
                objectName: "maximizeButton"
                onClicked: titleBar.toggleMaximized()

                Rectangle {
                    anchors.centerIn: parent
                    width: 10
                    height: 10
                    color: "transparent"
                    border.width: 1
                    border.color: Theme.text
                    visible: !titleBar.maximized
                }

                Item {
                    anchors.centerIn: parent
                    width: 10
                    height: 10
                    visible: titleBar.maximized

                    Rectangle {
                        x: 2
                        y: 0
                        width: 8
                        height: 8
                        color: "transparent"
                        border.width: 1
                        border.color: Theme.text
                    }

                    Rectangle {
                        x: 0
                        y: 2
                        width: 8
                        height: 8
                        color: Theme.surface
                        border.width: 1
                        border.color: Theme.text
                    }
                }
            }

            CaptionButton {
                objectName: "closeButton"
                hoverColor: "#e81123"
                onClicked: titleBar.hostWindow.close()

                Rectangle {
                    anchors.centerIn: parent
                    width: 14
                    height: 1.4
                    rotation: 45
                    antialiasing: true
                    color: Theme.text
                }

                Rectangle {
                    anchors.centerIn: parent
                    width: 14
                    height: 1.4
                    rotation: -45
                    antialiasing: true
                    color: Theme.text
                }
            }
        }
    }

    // Icon-only tool bar button with a delayed tool tip.
    component CompactToolButton: ToolButton {
        id: toolButton

        display: AbstractButton.IconOnly
        implicitWidth: 32
        implicitHeight: 32
        padding: 4
        icon.color: Theme.text
        focusPolicy: Qt.NoFocus
        ToolTip.visible: toolButton.hovered
        ToolTip.delay: 400
        ToolTip.text: toolButton.text
    }

    component ToolBarSeparator: Rectangle {
        Layout.leftMargin: 4
        Layout.rightMargin: 4
        implicitWidth: 1
        implicitHeight: 22
        color: Theme.divider
    }

    // A window edge or corner that hands a press to the window manager.
    component ResizeArea: MouseArea {
        id: resizeArea

        required property int edges

        acceptedButtons: Qt.LeftButton
        onPressed: resizeArea.Window.window.startSystemResize(resizeArea.edges)
    }

    width: 1320 + 2 * root.shadowMargin
    height: 860 + 2 * root.shadowMargin
    minimumWidth: 860 + 2 * root.shadowMargin
    minimumHeight: 600 + 2 * root.shadowMargin
    visible: true
    title: qsTr("Korvel Serial Assistant")
    flags: Qt.Window | Qt.FramelessWindowHint
    color: "transparent"
    palette: Theme.palette
    font.family: Theme.baseFontFamily
    font.pixelSize: Theme.baseFontSize

    Connections {
        target: AppController

        function onPortOpenFailed(error) {
            portErrorDialog.errorText = error
            portErrorDialog.open()
        }
    }

    // The window's keys; the menus show them beside their entries.
    Shortcut {
        id: openShortcut

        sequence: "Ctrl+O"
        onActivated: serialPanel.toggleSession()
    }

    Shortcut {
        id: saveShortcut

        sequence: "Ctrl+S"
        onActivated: saveLogDialog.open()
    }

    Shortcut {
        id: clearShortcut

        sequence: "Ctrl+L"
        onActivated: AppController.logModel.clear()
    }

    Shortcut {
        id: findShortcut

        sequence: "Ctrl+F"
        onActivated: monitor.openFind()
    }

    Shortcut {
        id: pauseShortcut

        sequence: "Ctrl+P"
        onActivated: monitor.paused = !monitor.paused
    }

    // Behind the frame: a frame-sized rectangle seen only through its shadow.
    Rectangle {
        id: shadowSource

        anchors.fill: frame
        color: Theme.background
        visible: false
    }

    DropShadowEffect {
        objectName: "windowShadow"
        anchors.fill: shadowSource
        source: shadowSource
        visible: root.shadowActive
    }

    Rectangle {
        id: frame

        objectName: "frame"
        anchors.fill: parent
        anchors.margins: root.activeMargin
        color: Theme.background

        ColumnLayout {
            anchors.fill: parent
            spacing: 0

            TitleBar {
                objectName: "titleBar"
                Layout.fillWidth: true
                title: root.title
            }

            MenuBar {
                objectName: "menuBar"
                Layout.fillWidth: true

                Menu {
                    title: qsTr("&File")

                    MenuItem {
                        objectName: "saveLogMenuItem"
                        text: qsTr("Save log")
                        shortcutText: saveShortcut.nativeText
                        onTriggered: saveLogDialog.open()
                    }

                    MenuItem {
                        objectName: "stopLoggingMenuItem"
                        text: qsTr("Stop continuous logging")
                        enabled: AppController.continuousLog.active
                        onTriggered: AppController.continuousLog.stop()
                    }

                    MenuSeparator {}

                    MenuItem {
                        text: qsTr("Exit")
                        onTriggered: Qt.quit()
                    }
                }

                Menu {
                    title: qsTr("&Edit")

                    MenuItem {
                        objectName: "clearMenuItem"
                        text: qsTr("Clear monitor")
                        shortcutText: clearShortcut.nativeText
                        onTriggered: AppController.logModel.clear()
                    }

                    MenuItem {
                        objectName: "findMenuItem"
                        text: qsTr("Find…")
                        shortcutText: findShortcut.nativeText
                        onTriggered: monitor.openFind()
                    }
                }

                Menu {
                    title: qsTr("&Port")

                    MenuItem {
                        objectName: "openPortMenuItem"
                        text: serialPanel.inSession ? qsTr("Close port") : qsTr("Open port")
                        shortcutText: openShortcut.nativeText
                        onTriggered: serialPanel.toggleSession()
                    }

                    MenuItem {
                        objectName: "portPathMenuItem"
                        text: qsTr("Open device path…")
                        enabled: !AppController.portOpen && !AppController.reconnectWaiting
                        onTriggered: serialPanel.openPortPathDialog()
                    }

                    MenuItem {
                        objectName: "reconnectMenuItem"
                        text: qsTr("Reconnect automatically")
                        checkable: true
                        checked: AppController.autoReconnect
                        onToggled: AppController.autoReconnect = checked
                    }

                    MenuSeparator {}

                    MenuItem {
                        objectName: "dtrMenuItem"
                        text: "DTR"
                        checkable: true
                        enabled: AppController.controlLines.available && !AppController.controlLines.busy
                        checked: AppController.controlLines.dtr
                        onToggled: AppController.controlLines.dtr = checked
                    }

                    MenuItem {
                        objectName: "rtsMenuItem"
                        text: "RTS"
                        checkable: true
                        enabled: AppController.controlLines.available && !AppController.controlLines.busy
                                 && !AppController.controlLines.rtsOwnedByDriver
                        checked: AppController.controlLines.rts
                        onToggled: AppController.controlLines.rts = checked
                    }

                    MenuItem {
                        objectName: "resetDeviceMenuItem"
                        text: qsTr("Reset device")
                        enabled: AppController.controlLines.available && !AppController.controlLines.busy
                        onTriggered: AppController.controlLines.resetDevice()
                    }

                    MenuItem {
                        objectName: "sendBreakMenuItem"
                        text: qsTr("Send break")
                        enabled: AppController.portOpen && !AppController.controlLines.busy
                        onTriggered: AppController.controlLines.sendBreak()
                    }

                    MenuSeparator {}

                    MenuItem {
                        objectName: "sendFileMenuItem"
                        text: qsTr("Send file…")
                        enabled: AppController.portOpen && !AppController.fileSender.running
                        onTriggered: fileSendDialog.open()
                    }
                }

                Menu {
                    title: qsTr("&View")

                    MenuItem {
                        objectName: "pauseMenuItem"
                        text: qsTr("Pause scrolling")
                        checkable: true
                        checked: monitor.paused
                        shortcutText: pauseShortcut.nativeText
                        onToggled: monitor.paused = checked
                    }

                    MenuItem {
                        objectName: "fieldsMenuItem"
                        text: qsTr("Fields and plot")
                        checkable: true
                        checked: AppController.fields.shown
                        onToggled: AppController.fields.shown = checked
                    }
                }

                Menu {
                    title: qsTr("&Tools")

                    MenuItem {
                        text: qsTr("Settings")
                        onTriggered: settingsDialog.open()
                    }
                }

                Menu {
                    title: qsTr("&Help")

                    MenuItem {
                        objectName: "checkUpdatesMenuItem"
                        text: qsTr("Check for updates…")
                        onTriggered: {
                            AppController.checkForAppUpdate()
                            softwareUpdateDialog.open()
                        }
                    }

                    MenuItem {
                        text: qsTr("Driver downloads")
                        onTriggered: driverListDialog.open()
                    }

                    MenuSeparator {}

                    MenuItem {
                        text: qsTr("About")
                        onTriggered: aboutDialog.open()
                    }
                }
            }

            Item {
                objectName: "toolBar"
                Layout.fillWidth: true
                implicitHeight: 52

                RowLayout {
                    anchors.fill: parent
                    anchors.leftMargin: 8
                    anchors.rightMargin: 12
                    spacing: 4

                    CompactToolButton {
                        objectName: "saveLogToolButton"
                        text: qsTr("Save log")
                        icon.source: "qrc:/icons/save.svg"
                        onClicked: saveLogDialog.open()
                    }

                    ToolBarSeparator {}

                    CompactToolButton {
                        objectName: "sendToolButton"
                        text: qsTr("Send")
                        icon.source: "qrc:/icons/send.svg"
                        onClicked: AppController.sendManualText()
                    }

                    CompactToolButton {
                        objectName: "pauseToolButton"
                        text: qsTr("Pause scrolling")
                        icon.source: "qrc:/icons/pause.svg"
                        checkable: true
                        checked: monitor.paused
                        onToggled: monitor.paused = checked
                    }

                    CompactToolButton {
                        objectName: "clearToolButton"
                        text: qsTr("Clear")
                        icon.source: "qrc:/icons/clear.svg"
                        onClicked: AppController.logModel.clear()
                    }

                    CompactToolButton {
                        objectName: "findToolButton"
                        text: qsTr("Find")
                        icon.source: "qrc:/icons/find.svg"
                        onClicked: monitor.openFind()
                    }

                    CompactToolButton {
                        objectName: "fieldsToolButton"
                        text: qsTr("Fields and plot")
                        icon.source: "qrc:/icons/fields.svg"
                        checkable: true
                        checked: AppController.fields.shown
                        onToggled: AppController.fields.shown = checked
                    }

                    ToolBarSeparator {}

                    CompactToolButton {
                        objectName: "settingsToolButton"
                        text: qsTr("Settings")
                        icon.source: "qrc:/icons/settings.svg"
                        onClicked: settingsDialog.open()
                    }

                    Item {
                        Layout.fillWidth: true
                    }
                }
            }

            Rectangle {
                id: driverHintBanner

                readonly property bool shown: !AppController.ch340DriverInstalled
                                              && !AppController.ch340DriverHintDismissed

                objectName: "driverHintBanner"
                Layout.fillWidth: true
                Layout.preferredHeight: driverHintBanner.shown ? bannerRow.implicitHeight + 12 : 0
                visible: driverHintBanner.shown
                color: Theme.surface

                Rectangle {
                    width: 3
                    height: parent.height
                    color: Theme.error
                }

                Rectangle {
                    anchors.bottom: parent.bottom
                    width: parent.width
                    height: 1
                    color: Theme.divider
                }

                MouseArea {
                    anchors.left: parent.left
                    anchors.top: parent.top
                    anchors.bottom: parent.bottom
                    width: Math.max(0, parent.width - 32)
                    cursorShape: Qt.PointingHandCursor
                    onClicked: driverHintDialog.open()
                }

                RowLayout {
                    id: bannerRow

                    anchors.fill: parent
                    anchors.leftMargin: 16
                    anchors.rightMargin: 8
                    spacing: 8

                    Label {
                        Layout.fillWidth: true
                        text: qsTr("Serial driver not installed — click for details")
                        color: Theme.text
                        elide: Text.ElideRight
                    }

                    ToolButton {
                        objectName: "dismissDriverHintButton"
                        text: "✕"
                        flat: true
                        ToolTip.visible: hovered
                        ToolTip.text: qsTr("Dismiss")
                        onClicked: AppController.ch340DriverHintDismissed = true
                    }
                }
            }

            RowLayout {
                Layout.fillWidth: true
                Layout.fillHeight: true
                spacing: 0

                // Left panel: mode bar over the page stack.
                Rectangle {
                    Layout.preferredWidth: 330
                    Layout.fillHeight: true
                    color: "transparent"
                    border.width: 1
                    border.color: Theme.divider

                    ColumnLayout {
                        anchors.fill: parent
                        anchors.margins: 1
                        spacing: 0

                        Item {
                            Layout.fillWidth: true
                            Layout.preferredHeight: 61

                            Row {
                                id: modeBar

                                property int currentIndex: 0
                                readonly property int segmentWidth: Math.floor(modeBar.width / 2)

                                objectName: "modeBar"
                                anchors.centerIn: parent
                                width: parent.width - 28
                                height: 36

                                Repeater {
                                    model: [qsTr("Serial"), qsTr("Device commands")]

                                    // A segment is a button: Tab reaches it, Space chooses it.
                                    delegate: AbstractButton {
                                        id: segment

                                        required property int index
                                        required property string modelData
                                        readonly property bool selected: modeBar.currentIndex
                                                                         === segment.index

                                        objectName: "modeSegment" + segment.index
                                        width: modeBar.segmentWidth
                                        height: 36
                                        text: segment.modelData
                                        onClicked: modeBar.currentIndex = segment.index

                                        background: Rectangle {
                                            border.width: 1
                                            border.color: Theme.divider
                                            color: segment.selected ? Theme.accentFill : "transparent"
                                        }

                                        contentItem: Item {
                                            clip: true

                                            ElidedLabel {
                                                anchors.centerIn: parent
                                                width: Math.min(implicitWidth, segment.width - 12)
                                                text: segment.text
                                                font.pixelSize: Theme.baseFontSize + 1
                                                color: segment.selected ? Theme.accentForeground
                                                                        : Theme.text
                                            }
                                        }

                                        FocusRing {
                                            anchors.margins: 2
                                            radius: 2
                                            border.color: segment.selected ? Theme.accentForeground
                                                                           : Theme.focusRing
                                            shown: segment.visualFocus
                                        }
                                    }
                                }
                            }
                        }

                        Rectangle {
                            Layout.fillWidth: true
                            Layout.preferredHeight: 1
                            color: Theme.divider
                        }

                        Item {
                            Layout.fillWidth: true
                            Layout.fillHeight: true

                            StackLayout {
                                objectName: "pageStack"
                                anchors.fill: parent
                                currentIndex: modeBar.currentIndex

                                SerialSettingsPanel {
                                    id: serialPanel

                                    objectName: "serialPanel"
                                }

                                CommandLibraryPanel {
                                    objectName: "commandPanel"
                                    onOpenParams: row => paramsPanel.openForRow(row)
                                }

                                RemoteAssistPanel {
                                    objectName: "remoteAssistPanel"
                                }
                            }

                            Rectangle {
                                anchors.right: parent.right
                                width: 1
                                height: parent.height
                                color: Theme.divider
                            }
                        }
                    }
                }

                // Right column: monitor, parameter strip, send area, status bar.
                ColumnLayout {
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    spacing: 0

                    DataMonitorView {
                        id: monitor

                        objectName: "monitor"
                        Layout.fillWidth: true
                        Layout.fillHeight: true
                        wrapLines: serialPanel.wrapLines
                        onSaveLogRequested: saveLogDialog.open()
                        onJsonRequested: lineNumber => jsonLineDialog.showLine(lineNumber)
                    }

                    FieldsPanel {
                        Layout.fillWidth: true
                        visible: AppController.fields.shown
                    }

                    CommandParamsPanel {
                        id: paramsPanel

                        objectName: "paramsPanel"
                        Layout.fillWidth: true
                        Layout.margins: paramsPanel.visible ? 16 : 0
                    }

                    FileSendProgress {
                        Layout.fillWidth: true
                        Layout.leftMargin: 14
                        Layout.rightMargin: 14
                        Layout.topMargin: 8
                    }

                    SendArea {
                        Layout.fillWidth: true
                        Layout.margins: 14
                    }

                    StatusBar {
                        Layout.fillWidth: true
                        Layout.preferredHeight: 30
                    }
                }
            }
        }
    }

    // Over the frame while windowed: the outline and the resize areas.
    Rectangle {
        objectName: "frameOutline"
        anchors.fill: frame
        visible: root.shadowActive
        color: "transparent"
        border.width: 1
        border.color: Theme.dialogBorder
    }

    // Above everything in the frame, so that a press on an edge always
    // resizes, also where the title bar lies beneath.
    Item {
        objectName: "resizeAreas"
        anchors.fill: frame
        z: 2
        visible: root.shadowActive

        ResizeArea {
            edges: Qt.LeftEdge
            anchors.left: parent.left
            width: root.resizeGrip
            height: parent.height
            cursorShape: Qt.SizeHorCursor
        }

        ResizeArea {
            edges: Qt.RightEdge
            anchors.right: parent.right
            width: root.resizeGrip
            height: parent.height
            cursorShape: Qt.SizeHorCursor
        }

        ResizeArea {
            edges: Qt.TopEdge
            anchors.top: parent.top
            width: parent.width
            height: root.resizeGrip
            cursorShape: Qt.SizeVerCursor
        }

        ResizeArea {
            edges: Qt.BottomEdge
            anchors.bottom: parent.bottom
            width: parent.width
            height: root.resizeGrip
            cursorShape: Qt.SizeVerCursor
        }

        ResizeArea {
            edges: Qt.TopEdge | Qt.LeftEdge
            anchors.top: parent.top
            anchors.left: parent.left
            width: 8
            height: 8
            cursorShape: Qt.SizeFDiagCursor
        }

        ResizeArea {
            edges: Qt.TopEdge | Qt.RightEdge
            anchors.top: parent.top
            anchors.right: parent.right
            width: 8
            height: 8
            cursorShape: Qt.SizeBDiagCursor
        }

        ResizeArea {
            edges: Qt.BottomEdge | Qt.LeftEdge
            anchors.bottom: parent.bottom
            anchors.left: parent.left
            width: 8
            height: 8
            cursorShape: Qt.SizeBDiagCursor
        }

        ResizeArea {
            edges: Qt.BottomEdge | Qt.RightEdge
            anchors.bottom: parent.bottom
            anchors.right: parent.right
            width: 8
            height: 8
            cursorShape: Qt.SizeFDiagCursor
        }
    }

    SaveLogDialog {
        id: saveLogDialog

        objectName: "saveLogDialog"
    }

    FileSendDialog {
        id: fileSendDialog
    }

    JsonLineDialog {
        id: jsonLineDialog
    }

    SettingsAboutDialog {
        id: settingsDialog

        objectName: "settingsDialog"
    }

    AboutDialog {
        id: aboutDialog

        objectName: "aboutDialog"
    }

    SoftwareUpdateDialog {
        id: softwareUpdateDialog

        objectName: "softwareUpdateDialog"
    }

    DriverListDialog {
        id: driverListDialog

        objectName: "driverListDialog"
    }

    DriverHintDialog {
        id: driverHintDialog

        objectName: "driverHintDialog"
        onDownloadRequested: driverListDialog.open()
    }

    Dialog {
        id: portErrorDialog

        property string errorText: ""

        objectName: "portErrorDialog"
        title: qsTr("Failed to open port")
        modal: true
        focus: true
        anchors.centerIn: Overlay.overlay
        padding: 16
        contentWidth: 320
        palette: Theme.palette
        font.family: Theme.baseFontFamily
        font.pixelSize: Theme.baseFontSize

        background: DialogCard {
            objectName: "portErrorCard"
        }

        Overlay.modal: ModalDim {}

        header: Label {
            palette: Theme.palette
            text: portErrorDialog.title
            font.bold: true
            padding: 14
            color: Theme.text
            background: Rectangle {
                color: Theme.surface
            }
        }

        footer: DialogButtonBox {
            palette: Theme.palette

            background: Rectangle {
                color: Theme.surface
            }

            Button {
                text: qsTr("OK")
                palette: Theme.palette
                onClicked: portErrorDialog.accept()
            }
        }

        // Enter takes the message as read, as OK does.
        contentItem: Label {
            objectName: "portErrorText"
            palette: Theme.palette
            text: portErrorDialog.errorText
            textFormat: Text.PlainText
            wrapMode: Text.WordWrap
            color: Theme.text
            focus: true
            Keys.onReturnPressed: portErrorDialog.accept()
            Keys.onEnterPressed: portErrorDialog.accept()
        }
    }
}
