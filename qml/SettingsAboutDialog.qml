import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Korvel

// Interface language, fonts and theme, command library updates, restoring
// the defaults, and what this build is.
Dialog {
    id: root

    objectName: "settingsDialog"
    title: qsTr("Settings & About")
    modal: true
    parent: Overlay.overlay
    anchors.centerIn: parent
    width: 460
    padding: 16
    palette: Theme.palette
    font.family: Theme.baseFontFamily
    font.pixelSize: Theme.baseFontSize

    background: DialogCard {}

    Overlay.modal: ModalDim {}

    onAboutToShow: root.syncControls()

    // Moves the lists and the theme buttons to what the controller holds, for
    // example after "Restore defaults"; the spin boxes follow their bindings.
    function syncControls() {
        languageCombo.currentIndex = languageCombo.indexOfValue(AppController.currentLanguage)
        systemFontCombo.currentIndex = systemFontCombo.find(AppController.systemFontFamily)
        logFontCombo.currentIndex = logFontCombo.find(AppController.logFontFamily)
        lightButton.checked = AppController.themeMode !== "dark"
        darkButton.checked = AppController.themeMode === "dark"
    }

    header: Label {
        palette: Theme.palette
        text: root.title
        font.bold: true
        padding: 16
        color: Theme.text
    }

    footer: DialogButtonBox {
        palette: Theme.palette

        Button {
            objectName: "settingsCloseButton"
            text: qsTr("Close")
            palette: Theme.palette
            onClicked: root.reject()
        }
    }

    ThemedContent {
        anchors.fill: parent

        ColumnLayout {
            anchors.fill: parent
            spacing: 16

            GroupBox {
                Layout.fillWidth: true
                title: qsTr("Interface language")

                ComboBox {
                    id: languageCombo

                    objectName: "languageCombo"
                    anchors.left: parent.left
                    anchors.right: parent.right
                    model: AppController.availableLanguages()
                    textRole: "nativeName"
                    valueRole: "code"
                    onActivated: AppController.currentLanguage = languageCombo.currentValue
                }
            }

            GroupBox {
                Layout.fillWidth: true
                title: qsTr("System font")

                RowLayout {
                    anchors.fill: parent
                    spacing: 12

                    ComboBox {
                        id: systemFontCombo

                        objectName: "systemFontCombo"
                        Layout.fillWidth: true
                        editable: false
                        model: AppController.availableFontFamilies()
                        // A stored family that is not installed still shows by name.
                        displayText: systemFontCombo.currentIndex >= 0 ? systemFontCombo.currentText
                                                                       : AppController.systemFontFamily
                        onActivated: AppController.systemFontFamily = systemFontCombo.currentText
                    }

                    Label {
                        text: qsTr("Size")
                        color: Theme.text
                    }

                    SpinBox {
                        objectName: "systemFontSizeSpin"
                        from: 8
                        to: 32
                        editable: true
                        value: AppController.systemFontSize
                        onValueModified: AppController.systemFontSize = value
                    }
                }
            }

            GroupBox {
                Layout.fillWidth: true
                title: qsTr("Data monitor font")

                RowLayout {
                    anchors.fill: parent
                    spacing: 12

                    ComboBox {
                        id: logFontCombo

                        objectName: "logFontCombo"
                        Layout.fillWidth: true
                        editable: false
                        model: AppController.availableFontFamilies()
                        displayText: logFontCombo.currentIndex >= 0 ? logFontCombo.currentText
                                                                    : AppController.logFontFamily
                        onActivated: AppController.logFontFamily = logFontCombo.currentText
                    }

                    Label {
                        text: qsTr("Size")
                        color: Theme.text
                    }

                    SpinBox {
                        objectName: "logFontSizeSpin"
                        from: 8
                        to: 32
                        editable: true
                        value: AppController.logFontSize
                        onValueModified: AppController.logFontSize = value
                    }
                }
            }

            GroupBox {
                Layout.fillWidth: true
                title: qsTr("Theme")

                RowLayout {
                    anchors.fill: parent

                    RadioButton {
                        id: lightButton

                        objectName: "lightThemeButton"
                        text: qsTr("Light")
                        checked: AppController.themeMode !== "dark"
                        onClicked: AppController.themeMode = "light"
                    }

                    RadioButton {
                        id: darkButton

                        objectName: "darkThemeButton"
                        text: qsTr("Dark")
                        checked: AppController.themeMode === "dark"
                        onClicked: AppController.themeMode = "dark"
                    }

                    Item {
                        Layout.fillWidth: true
                    }
                }
            }

            GroupBox {
                Layout.fillWidth: true
                title: qsTr("Keyboard")

                CheckBox {
                    objectName: "enterSendsCheck"
                    anchors.left: parent.left
                    anchors.right: parent.right
                    text: qsTr("Enter sends (Shift+Enter for a new line)")
                    checked: AppController.enterSends
                    onToggled: AppController.enterSends = checked
                }
            }

            GroupBox {
                objectName: "highlightRulesGroup"
                Layout.fillWidth: true
                title: qsTr("Highlight rules")

                RowLayout {
                    anchors.fill: parent
                    spacing: 8

                    Label {
                        objectName: "ruleCountLabel"
                        Layout.fillWidth: true
                        text: AppController.highlightRules.count === 0
                              ? qsTr("Lines matching a pattern can be coloured.")
                              : qsTr("%n rules colour matching lines.", "", AppController.highlightRules.count)
                        elide: Text.ElideRight
                        color: Theme.text
                    }

                    Button {
                        objectName: "editRulesButton"
                        text: qsTr("Edit rules…")
                        onClicked: rulesEditor.open()
                    }
                }
            }

            GroupBox {
                Layout.fillWidth: true
                title: qsTr("Command library")

                RowLayout {
                    anchors.fill: parent
                    spacing: 8

                    Label {
                        objectName: "libraryVersionLabel"
                        text: AppController.libraryVersion
                        font.family: Theme.monoFont
                        color: Theme.text
                    }

                    Label {
                        objectName: "upToDateBadge"
                        visible: AppController.libraryUpdateState === "upToDate"
                        text: qsTr("Up to date")
                        padding: 2
                        color: Theme.accent800

                        background: Rectangle {
                            color: Theme.accentTint
                        }
                    }

                    Label {
                        objectName: "updateAvailableBadge"
                        visible: AppController.libraryUpdateState === "updateAvailable"
                        text: qsTr("Update available")
                        padding: 2
                        color: Theme.accentForeground

                        background: Rectangle {
                            color: Theme.accentFill
                        }
                    }

                    Item {
                        Layout.fillWidth: true
                    }

                    Button {
                        objectName: "checkLibraryButton"
                        text: qsTr("Check for updates")
                        enabled: AppController.libraryUpdateState !== "checking"
                                 && AppController.libraryUpdateState !== "downloading"
                        onClicked: {
                            AppController.checkForLibraryUpdate()
                            libraryDialog.open()
                        }
                    }
                }
            }

            // Captions over values, two to a row.
            GridLayout {
                Layout.fillWidth: true
                columns: 2
                columnSpacing: 16
                rowSpacing: 4

                Label {
                    text: qsTr("Version")
                    font.pixelSize: Theme.baseFontSize - 1
                    color: Theme.textMuted
                }

                Label {
                    text: qsTr("Platform")
                    font.pixelSize: Theme.baseFontSize - 1
                    color: Theme.textMuted
                }

                Label {
                    objectName: "versionValue"
                    text: qsTr("%1 (Qt %2)").arg(AppController.appVersion).arg(AppController.qtVersion)
                    color: Theme.text
                }

                Label {
                    text: "Windows · macOS · Linux"
                    color: Theme.text
                }

                Label {
                    text: qsTr("Support")
                    font.pixelSize: Theme.baseFontSize - 1
                    color: Theme.textMuted
                }

                Label {
                    text: qsTr("Devices")
                    font.pixelSize: Theme.baseFontSize - 1
                    color: Theme.textMuted
                }

                Label {
                    text: "support@korvel.example"
                    color: Theme.text
                }

                Label {
                    objectName: "devicesValue"
                    text: qsTr("%n models", "", AppController.modelCount) + " · "
                      + qsTr("%n commands", "", AppController.commandCount)
                    color: Theme.text
                }
            }

            RowLayout {
                Layout.fillWidth: true
                Layout.topMargin: 6

                Button {
                    objectName: "restoreDefaultsButton"
                    text: qsTr("Restore defaults")
                    onClicked: AppController.restoreDefaultSettings()
                }

                Item {
                    Layout.fillWidth: true
                }
            }
        }
    }

    Connections {
        function onCurrentLanguageChanged() {
            root.syncControls()
        }

        function onSystemFontChanged() {
            root.syncControls()
        }

        function onLogFontChanged() {
            root.syncControls()
        }

        function onThemeModeChanged() {
            root.syncControls()
        }

        target: AppController
    }

    HighlightRulesEditor {
        id: rulesEditor
    }

    // The result of "Check for updates", step by step, and the download.
    Dialog {
        id: libraryDialog

        objectName: "libraryUpdateDialog"
        title: qsTr("Command library")
        modal: true
        parent: Overlay.overlay
        anchors.centerIn: parent
        palette: Theme.palette
        font.family: Theme.baseFontFamily
        font.pixelSize: Theme.baseFontSize

        background: DialogCard {}

        Overlay.modal: ModalDim {}

        header: Label {
            palette: Theme.palette
            text: libraryDialog.title
            font.bold: true
            padding: 14
            color: Theme.text
        }

        footer: DialogButtonBox {
            palette: Theme.palette

            Button {
                objectName: "downloadLibraryButton"
                text: qsTr("Download and apply")
                visible: AppController.libraryUpdateAvailable
                enabled: AppController.libraryUpdateState !== "downloading"
                palette: Theme.palette
                onClicked: AppController.downloadLibraryUpdate()
            }

            Button {
                objectName: "libraryOkButton"
                text: qsTr("OK")
                palette: Theme.palette
                onClicked: libraryDialog.accept()
            }
        }

        ThemedContent {
            anchors.fill: parent

            ColumnLayout {
                anchors.fill: parent
                spacing: 8

                Label {
                    objectName: "libraryUpdateMessage"
                    Layout.preferredWidth: 320
                    text: AppController.libraryUpdateMessage
                    textFormat: Text.PlainText
                    wrapMode: Text.WordWrap
                    color: Theme.text
                }

                BusyIndicator {
                    objectName: "libraryBusyIndicator"
                    Layout.alignment: Qt.AlignHCenter
                    visible: AppController.libraryUpdateState === "checking"
                             || AppController.libraryUpdateState === "downloading"
                    running: visible
                }
            }
        }
    }
}
