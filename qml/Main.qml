import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Korvel

ApplicationWindow {
    id: root

    width: 1200
    height: 780
    visible: true
    title: qsTr("Korvel Serial Assistant")
    color: Theme.background

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 24
        spacing: 12

        Label {
            objectName: "appTitle"
            text: qsTr("Korvel Serial Assistant") + " " + AppController.appVersion
            font.pixelSize: 22
            color: Theme.textPrimary
        }

        Label {
            objectName: "portStatus"
            text: AppController.portStatusText
            color: Theme.textSecondary
        }

        Label {
            text: qsTr("Lines: %1").arg(AppController.logModel.lineCount)
            color: Theme.textSecondary
        }

        Item {
            Layout.fillHeight: true
        }
    }
}
