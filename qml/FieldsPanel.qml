pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Fusion as F
import QtQuick.Dialogs
import QtQuick.Layouts
import Korvel

// The fields of the received lines: a table with one row per field and a
// live plot of the ticked ones. Everything comes from AppController.fields,
// which reads the lines in C++ while this panel is shown. Until the first
// field arrives the panel is a slim bar that says what it is for.
Item {
    id: root

    readonly property bool hasFields: AppController.fields.fieldCount > 0
    // Height with fields, changed by dragging the panel's top edge.
    property real openHeight: 300
    // The outcome of the last export, shown for a few seconds.
    property string exportText: ""

    function showExportResult(error, path) {
        root.exportText = error !== "" ? error : qsTr("Saved to %1").arg(path)
        exportTextTimer.restart()
    }

    objectName: "fieldsPanel"
    implicitHeight: root.hasFields ? root.openHeight : header.height + 1

    Rectangle {
        anchors.fill: parent
        color: Theme.consoleBackground
    }

    // The top edge: a line to drag for the panel's height.
    Rectangle {
        id: topEdge

        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        height: 1
        color: Theme.consoleBorder
    }

    MouseArea {
        objectName: "fieldsPanelResizer"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        height: 5
        enabled: root.hasFields
        cursorShape: Qt.SizeVerCursor
        preventStealing: true

        onPositionChanged: mouse => {
            if (!pressed)
                return
            const limit = root.parent ? root.parent.height - 160 : 600
            root.openHeight = Math.max(150, Math.min(limit, root.openHeight - mouse.y))
        }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.topMargin: 1
        spacing: 0

        // Title, the plot's controls and the close button.
        Item {
            id: header

            Layout.fillWidth: true
            implicitHeight: 38

            RowLayout {
                anchors.fill: parent
                anchors.leftMargin: 16
                anchors.rightMargin: 8
                spacing: 8

                Label {
                    text: qsTr("Fields")
                    font.pixelSize: 11
                    font.letterSpacing: 1
                    color: Theme.consoleMuted
                }

                Label {
                    objectName: "fieldsHint"
                    Layout.fillWidth: true
                    visible: !root.hasFields
                    text: qsTr("The fields of received JSON objects, label:value lines and lines of numbers appear here, with a live plot.")
                    elide: Text.ElideRight
                    font.pixelSize: 11
                    color: Theme.consoleMuted
                }

                Label {
                    objectName: "fieldsExportText"
                    Layout.fillWidth: true
                    visible: root.hasFields
                    text: root.exportText
                    elide: Text.ElideMiddle
                    horizontalAlignment: Text.AlignRight
                    font.pixelSize: 11
                    color: Theme.consoleMuted
                }

                ComboBox {
                    id: windowChoice

                    objectName: "plotWindowChoice"
                    visible: root.hasFields
                    implicitWidth: 96
                    textRole: "text"
                    valueRole: "seconds"
                    currentIndex: 1
                    model: [{
                            "text": qsTr("10 s"),
                            "seconds": 10
                        }, {
                            "text": qsTr("1 min"),
                            "seconds": 60
                        }, {
                            "text": qsTr("10 min"),
                            "seconds": 600
                        }, {
                            "text": qsTr("All kept"),
                            "seconds": 0
                        }]
                    ToolTip.visible: windowChoice.hovered
                    ToolTip.delay: 400
                    ToolTip.text: qsTr("Time shown in the plot")
                }

                CheckBox {
                    id: autoScaleCheck

                    objectName: "plotAutoScale"
                    visible: root.hasFields
                    text: qsTr("Fit values")
                    checked: true
                    padding: 2
                }

                TextField {
                    id: minField

                    objectName: "plotMinField"
                    visible: root.hasFields && !autoScaleCheck.checked
                    implicitWidth: 64
                    placeholderText: qsTr("min")
                    text: "0"
                    validator: DoubleValidator {}
                    font.family: Theme.monoFont
                }

                TextField {
                    id: maxField

                    objectName: "plotMaxField"
                    visible: root.hasFields && !autoScaleCheck.checked
                    implicitWidth: 64
                    placeholderText: qsTr("max")
                    text: "100"
                    validator: DoubleValidator {}
                    font.family: Theme.monoFont
                }

                PanelButton {
                    id: pauseButton

                    objectName: "plotPauseButton"
                    visible: root.hasFields
                    text: qsTr("Pause plot")
                    icon.source: "qrc:/icons/pause.svg"
                    checkable: true
                }

                PanelButton {
                    objectName: "fieldsClearButton"
                    visible: root.hasFields
                    text: qsTr("Clear fields")
                    icon.source: "qrc:/icons/clear.svg"
                    onClicked: AppController.fields.clear()
                }

                PanelButton {
                    objectName: "plotPngButton"
                    visible: root.hasFields
                    text: qsTr("Save plot as PNG…")
                    icon.source: "qrc:/icons/save.svg"
                    onClicked: pngDialog.open()
                }

                PanelButton {
                    objectName: "fieldsCsvButton"
                    visible: root.hasFields
                    text: qsTr("Save samples as CSV…")
                    icon.source: "qrc:/icons/copy.svg"
                    onClicked: csvDialog.open()
                }

                PanelButton {
                    objectName: "fieldsCloseButton"
                    text: qsTr("Hide fields")
                    display: AbstractButton.TextOnly
                    contentItem: Label {
                        text: "✕"
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                        color: Theme.consoleMuted
                    }
                    onClicked: AppController.fields.shown = false
                }
            }
        }

        Rectangle {
            Layout.fillWidth: true
            visible: root.hasFields
            implicitHeight: 1
            color: Theme.consoleBorder
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            visible: root.hasFields
            spacing: 0

            // The table.
            ColumnLayout {
                id: table

                readonly property int latestWidth: 84
                readonly property int numberWidth: 62
                readonly property int rateWidth: 52
                readonly property int samplesWidth: 62

                Layout.fillHeight: true
                Layout.fillWidth: false
                Layout.preferredWidth: Math.round(Math.max(420, Math.min(540, root.width * 0.5)))
                spacing: 0

                TableRow {
                    Layout.fillWidth: true
                    heading: true
                    index: -1
                    name: qsTr("Field")
                    latest: qsTr("Latest")
                    minimum: qsTr("Min")
                    maximum: qsTr("Max")
                    rate: qsTr("Rate/s")
                    samples: qsTr("Samples")
                    plotted: false
                    plottable: false
                    colour: -1
                }

                ListView {
                    id: tableView

                    objectName: "fieldsTable"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    clip: true
                    boundsBehavior: Flickable.StopAtBounds
                    model: AppController.fields.fields

                    ScrollBar.vertical: F.ScrollBar {}

                    delegate: TableRow {
                        width: tableView.width
                    }
                }

                Label {
                    objectName: "fieldsNotice"
                    Layout.fillWidth: true
                    Layout.margins: 6
                    visible: text !== ""
                    text: AppController.fields.notice
                    wrapMode: Text.Wrap
                    font.pixelSize: 11
                    color: Theme.error
                }
            }

            Rectangle {
                Layout.fillHeight: true
                implicitWidth: 1
                color: Theme.consoleBorder
            }

            // The plot with its legend and the readout under the pointer.
            Item {
                Layout.fillWidth: true
                Layout.fillHeight: true

                Flow {
                    id: legend

                    anchors.left: parent.left
                    anchors.right: parent.right
                    anchors.top: parent.top
                    anchors.margins: 6
                    anchors.leftMargin: plot.plotArea.x
                    spacing: 12

                    Repeater {
                        model: plot.legend

                        Row {
                            id: legendEntry

                            required property var modelData

                            spacing: 5

                            Rectangle {
                                anchors.verticalCenter: parent.verticalCenter
                                width: 14
                                height: 3
                                color: legendEntry.modelData.colour
                            }

                            Label {
                                text: legendEntry.modelData.name
                                font.pixelSize: 11
                                color: Theme.consoleText
                            }
                        }
                    }
                }

                FieldPlot {
                    id: plot

                    objectName: "fieldPlot"
                    anchors.left: parent.left
                    anchors.right: parent.right
                    anchors.top: legend.bottom
                    anchors.bottom: parent.bottom
                    anchors.topMargin: 2
                    monitor: AppController.fields
                    windowSeconds: windowChoice.currentValue === undefined ? 60 : windowChoice.currentValue
                    paused: pauseButton.checked
                    autoScale: autoScaleCheck.checked
                    fixedMin: Number(minField.text)
                    fixedMax: Number(maxField.text)
                    seriesColours: Theme.plotColours
                    backgroundColour: Theme.consoleBackground
                    gridColour: Theme.consoleBorder
                    textColour: Theme.consoleMuted
                    font.family: Theme.baseFontFamily
                    font.pixelSize: 11
                }

                Label {
                    anchors.centerIn: plot
                    visible: plot.legend.length === 0
                    text: qsTr("Tick numeric fields in the table to plot them.")
                    font.pixelSize: 12
                    color: Theme.consoleMuted
                }

                MouseArea {
                    id: hover

                    property var readout: ({})

                    objectName: "plotHoverArea"
                    anchors.fill: plot
                    hoverEnabled: true
                    acceptedButtons: Qt.NoButton

                    onPositionChanged: mouse => hover.readout = plot.readoutAt(mouse.x)
                    onExited: hover.readout = ({})
                }

                Rectangle {
                    visible: readoutBox.visible
                    x: plot.x + hover.mouseX
                    y: plot.y + plot.plotArea.y
                    width: 1
                    height: plot.plotArea.height
                    color: Theme.consoleMuted
                }

                Rectangle {
                    id: readoutBox

                    objectName: "plotReadout"
                    visible: hover.containsMouse && hover.readout.values !== undefined
                    x: Math.min(plot.x + hover.mouseX + 12, parent.width - width - 4)
                    y: plot.y + Math.max(4, Math.min(hover.mouseY + 12, plot.height - height - 4))
                    width: readoutColumn.implicitWidth + 16
                    height: readoutColumn.implicitHeight + 12
                    radius: 4
                    color: Theme.surface
                    border.width: 1
                    border.color: Theme.consoleBorder

                    Column {
                        id: readoutColumn

                        x: 8
                        y: 6
                        spacing: 2

                        Label {
                            text: hover.readout.time === undefined ? "" : hover.readout.time
                            font.family: Theme.monoFont
                            font.pixelSize: 11
                            color: Theme.textMuted
                        }

                        Repeater {
                            model: hover.readout.values === undefined ? [] : hover.readout.values

                            Row {
                                id: readoutRow

                                required property var modelData

                                spacing: 6

                                Rectangle {
                                    anchors.verticalCenter: parent.verticalCenter
                                    width: 10
                                    height: 10
                                    radius: 2
                                    color: readoutRow.modelData.colour
                                }

                                Label {
                                    text: readoutRow.modelData.name + ": " + readoutRow.modelData.value
                                    font.family: Theme.monoFont
                                    font.pixelSize: 11
                                    color: Theme.text
                                }
                            }
                        }
                    }
                }
            }
        }
    }

    Timer {
        id: exportTextTimer

        interval: 5000
        onTriggered: root.exportText = ""
    }

    FileDialog {
        id: pngDialog

        objectName: "plotPngDialog"
        title: qsTr("Save plot as PNG")
        fileMode: FileDialog.SaveFile
        defaultSuffix: "png"
        nameFilters: [qsTr("PNG images (*.png)")]
        currentFolder: AppController.urlForLocalPath(AppController.suggestedLogDirectory())
        onAccepted: {
            const path = AppController.localPathForUrl(pngDialog.selectedFile)
            root.showExportResult(plot.exportPng(path), path)
        }
    }

    FileDialog {
        id: csvDialog

        objectName: "fieldsCsvDialog"
        title: qsTr("Save samples as CSV")
        fileMode: FileDialog.SaveFile
        defaultSuffix: "csv"
        nameFilters: [qsTr("CSV files (*.csv)")]
        currentFolder: AppController.urlForLocalPath(AppController.suggestedLogDirectory())
        onAccepted: {
            const path = AppController.localPathForUrl(csvDialog.selectedFile)
            root.showExportResult(AppController.fields.exportCsv(path), path)
        }
    }

    // An icon button of the panel's header with a delayed tool tip.
    component PanelButton: ToolButton {
        id: button

        display: AbstractButton.IconOnly
        implicitWidth: 28
        implicitHeight: 28
        padding: 5
        icon.color: Theme.consoleText
        focusPolicy: Qt.NoFocus
        ToolTip.visible: button.hovered
        ToolTip.delay: 400
        ToolTip.text: button.text
    }

    // One row of the table, or its heading.
    component TableRow: Item {
        id: row

        required property int index
        required property string name
        required property string latest
        required property string minimum
        required property string maximum
        required property string rate
        required property string samples
        required property bool plotted
        required property bool plottable
        required property int colour
        property bool heading: false

        implicitHeight: 26

        Rectangle {
            anchors.fill: parent
            visible: row.heading
            color: Theme.surface
        }

        RowLayout {
            anchors.fill: parent
            anchors.leftMargin: 4
            anchors.rightMargin: 8
            spacing: 6

            Item {
                implicitWidth: 22
                implicitHeight: 22

                F.CheckBox {
                    objectName: "plotCheck" + row.index
                    anchors.centerIn: parent
                    visible: !row.heading && row.plottable
                    padding: 0
                    // The model holds the state; a click asks it to change.
                    checkable: false
                    checked: row.plotted
                    focusPolicy: Qt.NoFocus
                    onClicked: AppController.fields.fields.setPlotted(row.index, !row.plotted)
                }
            }

            Rectangle {
                implicitWidth: 10
                implicitHeight: 3
                color: row.plotted && row.colour >= 0
                       ? Theme.plotColours[row.colour % Theme.plotColours.length] : "transparent"
            }

            Label {
                Layout.fillWidth: true
                text: row.name
                elide: Text.ElideMiddle
                font.pixelSize: 12
                font.bold: row.heading
                color: row.heading ? Theme.consoleMuted : Theme.consoleText
            }

            Cell {
                Layout.preferredWidth: table.latestWidth
                text: row.latest
                heading: row.heading
            }

            Cell {
                Layout.preferredWidth: table.numberWidth
                text: row.minimum
                heading: row.heading
            }

            Cell {
                Layout.preferredWidth: table.numberWidth
                text: row.maximum
                heading: row.heading
            }

            Cell {
                Layout.preferredWidth: table.rateWidth
                text: row.rate
                heading: row.heading
            }

            Cell {
                Layout.preferredWidth: table.samplesWidth
                text: row.samples
                heading: row.heading
            }
        }
    }

    component Cell: Label {
        property bool heading: false

        horizontalAlignment: Text.AlignRight
        elide: Text.ElideRight
        font.family: heading ? Theme.baseFontFamily : Theme.monoFont
        font.pixelSize: 12
        font.bold: heading
        color: heading ? Theme.consoleMuted : Theme.consoleText
    }
}
