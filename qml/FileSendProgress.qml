import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Korvel

// A file on its way to the port: how far it got, about how long the rest
// takes, and a way to stop it.
RowLayout {
    id: root

    readonly property FileSender sender: AppController.fileSender

    function size(bytes) {
        return AppController.logModel.formattedDataSize(bytes);
    }

    objectName: "fileSendProgress"
    visible: root.sender.running
    spacing: 10

    Label {
        objectName: "fileSendName"
        Layout.maximumWidth: 220
        text: qsTr("Sending %1").arg(root.sender.fileName)
        textFormat: Text.PlainText
        elide: Text.ElideMiddle
        color: Theme.text
    }

    ProgressBar {
        objectName: "fileSendBar"
        Layout.fillWidth: true
        from: 0
        to: 1
        value: root.sender.progress
    }

    Label {
        objectName: "fileSendFigures"
        text: root.sender.secondsLeft < 0
              ? qsTr("%1 of %2 sent").arg(root.size(root.sender.bytesSent))
                .arg(root.size(root.sender.fileSize))
              : qsTr("%1 of %2 sent · about %L3 s left").arg(root.size(root.sender.bytesSent))
                .arg(root.size(root.sender.fileSize)).arg(root.sender.secondsLeft)
        font.family: Theme.monoFont
        font.pixelSize: Theme.baseFontSize - 1
        color: Theme.textMuted
    }

    Button {
        objectName: "fileSendCancel"
        text: qsTr("Cancel")
        onClicked: root.sender.cancel()
    }
}
