import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Korvel

// The bar under the send area: the port's state, a batch that runs, the
// daily file of continuous logging and the last status message.
Rectangle {
    id: root

    objectName: "statusBar"
    implicitHeight: 30
    color: "transparent"

    Connections {
        target: AppController

        function onStatusMessage(text) {
            statusToast.show(text)
        }
    }

    Rectangle {
        width: parent.width
        height: 1
        color: Theme.divider
    }

    // The transient message at the right end of the bar.
    Item {
        id: statusToast

        property string visibleText: ""

        objectName: "statusToast"

        function show(text) {
            statusToast.visibleText = text
            toastTimer.restart()
        }

        Timer {
            id: toastTimer

            interval: 5000
            repeat: false
            onTriggered: statusToast.visibleText = ""
        }
    }

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: 16
        anchors.rightMargin: 16
        spacing: 18

        Label {
            objectName: "portStatusLabel"
            text: AppController.portStatusText
            font.family: Theme.monoFont
            font.pixelSize: Theme.baseFontSize - 1
            color: AppController.portOpen ? Theme.accent700 : Theme.error
        }

        Label {
            objectName: "portSummaryLabel"
            text: AppController.portSummary
            font.family: Theme.monoFont
            font.pixelSize: Theme.baseFontSize - 1
            color: Theme.text
        }

        ModemStatusIndicators {}

        // A batch runs on while its window is closed: what it does, and a way to stop it.
        RowLayout {
            objectName: "batchIndicator"
            visible: AppController.batchRunning
            spacing: 6

            Label {
                objectName: "batchIndicatorText"
                Layout.maximumWidth: 260
                text: qsTr("Batch %1 · step %2").arg(AppController.runningBatchName)
                                                .arg(AppController.batchProgressText)
                textFormat: Text.PlainText
                elide: Text.ElideMiddle
                font.pixelSize: Theme.baseFontSize - 1
                color: Theme.accent700
            }

            ToolButton {
                objectName: "batchStopButton"
                text: qsTr("Stop")
                font.pixelSize: Theme.baseFontSize - 1
                padding: 2
                onClicked: AppController.stopBatchCommand()
            }
        }

        // Continuous logging: the daily file, whose folder a click opens.
        Label {
            id: loggingIndicator

            objectName: "loggingIndicator"
            Layout.maximumWidth: 320
            visible: AppController.continuousLog.active
            text: "● " + qsTr("Logging to %1").arg(AppController.continuousLog.fileName)
            textFormat: Text.PlainText
            elide: Text.ElideMiddle
            font.pixelSize: Theme.baseFontSize - 1
            font.underline: loggingMouse.containsMouse
            color: Theme.accent700

            ToolTip.visible: loggingMouse.containsMouse
            ToolTip.delay: 400
            ToolTip.text: qsTr("%1 — click to open its folder").arg(AppController.continuousLog.filePath)

            MouseArea {
                id: loggingMouse

                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: Qt.openUrlExternally(AppController.continuousLog.folderUrl)
            }
        }

        Item {
            Layout.fillWidth: true
        }

        Label {
            objectName: "statusToastLabel"
            text: statusToast.visibleText
            textFormat: Text.PlainText
            font.pixelSize: Theme.baseFontSize - 1
            color: Theme.textMuted
        }
    }
}
