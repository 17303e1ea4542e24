import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Korvel

// The application update as the controller reports it: checking, an offer
// (perhaps one that cannot be refused), the download, the outcome.
Dialog {
    id: root

    readonly property string updateState: AppController.appUpdateState
    readonly property bool required: AppController.appUpdateForced && root.updateState === "updateAvailable"
    // Only an update the program installs itself can be insisted on: where
    // the user fetches it from the download page, the dialog lets them go.
    readonly property bool forced: root.required && AppController.selfUpdateSupported

    objectName: "softwareUpdateDialog"
    title: qsTr("Software Update")
    modal: true
    parent: Overlay.overlay
    anchors.centerIn: parent
    width: 380
    padding: 16
    closePolicy: root.forced ? Popup.NoAutoClose : Popup.CloseOnEscape | Popup.CloseOnPressOutside
    palette: Theme.palette
    font.family: Theme.baseFontFamily
    font.pixelSize: Theme.baseFontSize

    background: DialogCard {}

    Overlay.modal: ModalDim {}

    header: Label {
        palette: Theme.palette
        text: root.title
        font.bold: true
        padding: 16
        color: Theme.text
    }

    // Which buttons show depends on the state. A button box lays out its hidden buttons too
    // (they pushed the shown ones out of the dialog), so the buttons sit in a row of their own,
    // drawn as the style draws a button box.
    footer: Control {
        id: buttonBar

        implicitWidth: buttonBar.implicitContentWidth + buttonBar.leftPadding + buttonBar.rightPadding
        implicitHeight: Math.max(buttonBar.implicitBackgroundHeight,
                                 buttonBar.implicitContentHeight + buttonBar.topPadding + buttonBar.bottomPadding)
        padding: 6
        palette: Theme.palette

        background: Rectangle {
            implicitHeight: 32
            x: 1
            y: 1
            width: buttonBar.width - 2
            height: buttonBar.height - 2
            color: Theme.palette.window
            radius: 2
        }

        contentItem: RowLayout {
            spacing: 6

            Item {
                Layout.fillWidth: true
            }

            Button {
                objectName: "laterButton"
                text: qsTr("Later")
                visible: root.updateState === "updateAvailable" && !root.forced
                palette: Theme.palette
                onClicked: root.reject()
            }

            Button {
                objectName: "cancelDownloadButton"
                text: qsTr("Cancel")
                visible: root.updateState === "downloading"
                palette: Theme.palette
                onClicked: {
                    AppController.cancelAppUpdateDownload()
                    root.reject()
                }
            }

            Button {
                objectName: "updateNowButton"
                text: qsTr("Update now")
                visible: root.updateState === "updateAvailable" && AppController.selfUpdateSupported
                palette: Theme.palette
                onClicked: AppController.installAppUpdate()
            }

            // Where the program cannot install an update itself, the user
            // gets it from the download page.
            Button {
                objectName: "downloadPageButton"
                text: qsTr("Open download page")
                visible: root.updateState === "updateAvailable" && !AppController.selfUpdateSupported
                palette: Theme.palette
                onClicked: Qt.openUrlExternally(AppController.downloadPageUrl)
            }

            Button {
                objectName: "retryButton"
                text: qsTr("Retry")
                visible: root.updateState === "error"
                palette: Theme.palette
                onClicked: AppController.checkForAppUpdate()
            }

            Button {
                objectName: "okButton"
                text: qsTr("OK")
                visible: root.updateState === "upToDate" || root.updateState === "error"
                palette: Theme.palette
                onClicked: root.accept()
            }
        }
    }

    ThemedContent {
        anchors.fill: parent

        ColumnLayout {
            anchors.fill: parent
            spacing: 10

            RowLayout {
                objectName: "busySection"
                visible: root.updateState === "checking" || root.updateState === "installing"
                spacing: 10

                BusyIndicator {
                    Layout.preferredWidth: 20
                    Layout.preferredHeight: 20
                    running: parent.visible
                }

                Label {
                    Layout.fillWidth: true
                    text: AppController.appUpdateMessage
                    textFormat: Text.PlainText
                    wrapMode: Text.WordWrap
                    color: Theme.text
                }
            }

            ColumnLayout {
                objectName: "offerSection"
                visible: root.updateState === "updateAvailable"
                spacing: 10

                Label {
                    objectName: "offerTitle"
                    Layout.fillWidth: true
                    text: qsTr("Version %1 is available (you have %2)").arg(AppController.remoteAppVersion).arg(AppController.appVersion)
                    textFormat: Text.PlainText
                    font.bold: true
                    wrapMode: Text.WordWrap
                    color: Theme.text
                }

                Label {
                    objectName: "forcedNotice"
                    Layout.fillWidth: true
                    visible: root.required
                    text: qsTr("This update is required to keep using the app.")
                    wrapMode: Text.WordWrap
                    color: Theme.error
                }

                ScrollView {
                    id: notesView

                    Layout.fillWidth: true
                    Layout.preferredHeight: 100
                    clip: true

                    Label {
                        objectName: "releaseNotes"
                        width: notesView.availableWidth
                        text: AppController.appUpdateMessage
                        textFormat: Text.PlainText
                        wrapMode: Text.WordWrap
                        color: Theme.textMuted
                    }
                }
            }

            ColumnLayout {
                objectName: "downloadSection"
                visible: root.updateState === "downloading"
                spacing: 10

                Label {
                    Layout.fillWidth: true
                    text: AppController.appUpdateMessage
                    textFormat: Text.PlainText
                    wrapMode: Text.WordWrap
                    color: Theme.text
                }

                ProgressBar {
                    objectName: "downloadProgress"
                    Layout.fillWidth: true
                    from: 0
                    to: 1
                    value: AppController.appUpdateProgress
                }

                Label {
                    objectName: "progressPercent"
                    text: Math.round(AppController.appUpdateProgress * 100) + "%"
                    font.pixelSize: Theme.baseFontSize - 1
                    color: Theme.textMuted
                }
            }

            Label {
                objectName: "resultText"
                Layout.fillWidth: true
                visible: root.updateState === "upToDate" || root.updateState === "error"
                text: AppController.appUpdateMessage
                textFormat: Text.PlainText
                wrapMode: Text.WordWrap
                color: root.updateState === "error" ? Theme.error : Theme.text
            }
        }
    }
}
