import QtQuick
import QtQuick.Controls.Fusion as F
import QtQuick.Templates as T
import QtQuick.Layouts
import Korvel

// The serial page of the left column: port and frame settings, the open and
// close button, and how received and typed data are shown and sent.
Flickable {
    id: root

    readonly property string selectedPort: AppController.portListModel.portNameAt(portCombo.currentIndex)
    readonly property int selectedBaud: baudCombo.currentText !== "" ? parseInt(baudCombo.currentText) : 115200
    readonly property int selectedDataBits: dataBitsCombo.currentIndex >= 0 ? dataBitsCombo.currentValue : -1
    readonly property int selectedParity: parityCombo.currentIndex >= 0 ? parityCombo.currentValue : -1
    readonly property int selectedStopBits: stopBitsCombo.currentIndex >= 0 ? stopBitsCombo.currentValue : -1
    readonly property int selectedFlowControl: flowControlCombo.currentIndex >= 0 ? flowControlCombo.currentValue : -1
    property bool wrapLines: true
    // Open, or waiting for its device to come back: either way a session to end.
    readonly property bool inSession: AppController.portOpen || AppController.reconnectWaiting

    contentWidth: root.width
    contentHeight: column.y + column.implicitHeight + 14
    flickableDirection: Flickable.VerticalFlick
    boundsBehavior: Flickable.StopAtBounds
    clip: true

    F.ScrollBar.vertical: F.ScrollBar {}

    Component.onCompleted: {
        baudCombo.currentIndex = baudCombo.find("115200");
        root.rebuildOptions();
        root.applyModelSerialDefaults();
    }

    // Reloads the translatable option lists and keeps the user's choices.
    function rebuildOptions() {
        const choosers = [
            { combo: dataBitsCombo, options: SerialOptions.dataBitsOptions(), fallback: 3 },
            { combo: parityCombo, options: SerialOptions.parityOptions(), fallback: 0 },
            { combo: stopBitsCombo, options: SerialOptions.stopBitsOptions(), fallback: 0 },
            { combo: flowControlCombo, options: SerialOptions.flowControlOptions(), fallback: 0 }
        ];
        for (const chooser of choosers) {
            const hadValue = chooser.combo.currentIndex >= 0;
            const value = chooser.combo.currentValue;
            chooser.combo.model = chooser.options;
            chooser.combo.currentIndex = hadValue ? chooser.combo.indexOfValue(value) : chooser.fallback;
        }
    }

    // What the open/close button does (also the Port menu and Ctrl+O).
    function toggleSession() {
        if (root.inSession)
            AppController.closePort();
        else
            AppController.openPort(root.selectedPort, root.selectedBaud, root.selectedDataBits,
                                   root.selectedParity, root.selectedStopBits, root.selectedFlowControl);
    }

    // Asks for a device path that the port list does not show.
    function openPortPathDialog() {
        portPathDialog.open();
    }

    function openTypedPath() {
        if (AppController.openPortPath(portPathField.text, root.selectedBaud, root.selectedDataBits,
                                       root.selectedParity, root.selectedStopBits,
                                       root.selectedFlowControl))
            portPathDialog.close();
    }

    // Selects the current device model's frame settings, when it has any.
    function applyModelSerialDefaults() {
        root.applyDefaults(AppController.serialDefaultsForModel(AppController.currentModelId));
    }

    function applyDefaults(defaults) {
        if (!defaults || !defaults.present)
            return;
        baudCombo.currentIndex = baudCombo.find(String(defaults.baudRate));
        dataBitsCombo.currentIndex = dataBitsCombo.indexOfValue(defaults.dataBits);
        parityCombo.currentIndex = parityCombo.indexOfValue(defaults.parity);
        stopBitsCombo.currentIndex = stopBitsCombo.indexOfValue(defaults.stopBits);
        flowControlCombo.currentIndex = flowControlCombo.indexOfValue(defaults.flowControl);
    }

    component Heading: F.Label {
        Layout.fillWidth: true
        Layout.topMargin: 8
        font.pixelSize: Theme.baseFontSize - 1
        font.letterSpacing: 1
        color: Theme.textMuted
    }

    component RowLabel: ElidedLabel {
        id: rowLabel

        Layout.minimumWidth: 80
        Layout.maximumWidth: 120
        color: rowLabel.enabled ? Theme.text : Theme.textMuted
    }

    component OptionCheckBox: CheckBox {
        Layout.fillWidth: true
    }

    Connections {
        target: AppController

        function onCurrentLanguageChanged() {
            root.rebuildOptions();
        }

        // A model's settings chosen while a port is open come once it closes.
        function onSerialDefaultsRequested(defaults) {
            root.applyDefaults(defaults);
        }

        function onBaudRateRequested(baudRate) {
            baudCombo.currentIndex = baudCombo.find(String(baudRate));
        }
    }

    ColumnLayout {
        id: column

        x: 16
        y: 6
        width: root.width - 32
        spacing: 8

        Heading {
            text: qsTr("Port · PORT")
        }

        GridLayout {
            Layout.fillWidth: true
            columns: 2
            columnSpacing: 10
            rowSpacing: 8
            // Reopening after an unplug uses the settings of the session.
            enabled: !AppController.portOpen && !AppController.reconnectWaiting

            RowLabel {
                text: qsTr("Port")
            }

            RowLayout {
                Layout.fillWidth: true
                spacing: 4

                PortComboBox {
                    id: portCombo

                    objectName: "portCombo"
                    Layout.fillWidth: true
                    onPathRequested: root.openPortPathDialog()
                }

                ToolButton {
                    objectName: "refreshPortsButton"
                    icon.source: "qrc:/icons/refresh.svg"
                    icon.color: Theme.text
                    onClicked: AppController.refreshPorts()
                }
            }

            RowLabel {
                text: qsTr("Baud rate")
            }

            ComboBox {
                id: baudCombo

                objectName: "baudCombo"
                Layout.fillWidth: true
                model: SerialOptions.baudRateOptions()
            }

            RowLabel {
                text: qsTr("Data bits")
            }

            ComboBox {
                id: dataBitsCombo

                objectName: "dataBitsCombo"
                Layout.fillWidth: true
                textRole: "label"
                valueRole: "value"
            }

            RowLabel {
                text: qsTr("Parity")
            }

            ComboBox {
                id: parityCombo

                objectName: "parityCombo"
                Layout.fillWidth: true
                textRole: "label"
                valueRole: "value"
            }

            RowLabel {
                text: qsTr("Stop bits")
            }

            ComboBox {
                id: stopBitsCombo

                objectName: "stopBitsCombo"
                Layout.fillWidth: true
                textRole: "label"
                valueRole: "value"
            }

            RowLabel {
                text: qsTr("Flow control")
            }

            ComboBox {
                id: flowControlCombo

                objectName: "flowControlCombo"
                Layout.fillWidth: true
                textRole: "label"
                valueRole: "value"
            }
        }

        F.Button {
            id: openButton

            readonly property color fill: root.inSession ? Theme.errorFill : Theme.accentFill
            readonly property color activeFill: root.inSession ? Theme.errorFillHover
                                                               : Theme.accentFillHover

            objectName: "openButton"
            Layout.fillWidth: true
            Layout.topMargin: 4
            Layout.preferredHeight: 44
            text: AppController.portOpen ? qsTr("Close port")
                  : AppController.reconnectWaiting ? qsTr("Stop waiting") : qsTr("Open port")

            background: Rectangle {
                radius: 3
                color: openButton.down || openButton.hovered ? openButton.activeFill : openButton.fill
            }

            contentItem: Text {
                text: openButton.text
                font: openButton.font
                color: Theme.accentForeground
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
            }

            onClicked: root.toggleSession()

            FocusRing {
                shown: openButton.visualFocus
            }
        }

        OptionCheckBox {
            objectName: "reconnectCheck"
            text: qsTr("Reconnect automatically")
            checked: AppController.autoReconnect
            onToggled: AppController.autoReconnect = checked
        }

        Heading {
            text: qsTr("Receive · RECEIVE")
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 12

            RadioButton {
                objectName: "rxAsciiRadio"
                text: "ASCII"
                palette.windowText: Theme.text
                checked: !AppController.logModel.hexMode
                onCheckedChanged: {
                    if (checked)
                        AppController.logModel.hexMode = false;
                }
            }

            RadioButton {
                objectName: "rxHexRadio"
                text: "HEX"
                palette.windowText: Theme.text
                checked: AppController.logModel.hexMode
                onCheckedChanged: {
                    if (checked)
                        AppController.logModel.hexMode = true;
                }
            }
        }

        FramingOptions {
            Layout.fillWidth: true
        }

        OptionCheckBox {
            objectName: "showTimestampCheck"
            text: qsTr("Show timestamp")
            checked: AppController.logModel.showTimestamp
            onToggled: AppController.logModel.showTimestamp = checked
        }

        OptionCheckBox {
            objectName: "wrapLinesCheck"
            text: qsTr("Wrap lines")
            checked: root.wrapLines
            onToggled: root.wrapLines = checked
        }

        OptionCheckBox {
            objectName: "echoCheck"
            text: qsTr("Echo sent data")
            checked: AppController.echoTx
            onToggled: AppController.echoTx = checked
        }

        Heading {
            text: qsTr("Transmit · TRANSMIT")
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 12

            RadioButton {
                objectName: "txAsciiRadio"
                text: "ASCII"
                palette.windowText: Theme.text
                checked: !AppController.sendAsHex
                onCheckedChanged: {
                    if (checked)
                        AppController.sendAsHex = false;
                }
            }

            RadioButton {
                objectName: "txHexRadio"
                text: "HEX"
                palette.windowText: Theme.text
                checked: AppController.sendAsHex
                onCheckedChanged: {
                    if (checked)
                        AppController.sendAsHex = true;
                }
            }
        }

        OptionCheckBox {
            objectName: "crcCheck"
            text: qsTr("Append CRC (CRC16/MODBUS)")
            checked: AppController.crcEnabled
            onToggled: AppController.crcEnabled = checked
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 6

            OptionCheckBox {
                objectName: "repeatCheck"
                text: qsTr("Repeat send")
                checked: AppController.repeatSendEnabled
                onToggled: AppController.repeatSendEnabled = checked
            }

            SpinBox {
                objectName: "repeatIntervalSpin"
                from: 0
                to: 3600000
                stepSize: 50
                editable: true
                value: AppController.repeatIntervalMs
                onValueModified: AppController.repeatIntervalMs = value
            }

            F.Label {
                text: qsTr("ms")
                color: Theme.text
            }
        }

        ControlLinesPanel {
            Layout.fillWidth: true
        }
    }

    F.Dialog {
        id: portPathDialog

        objectName: "portPathDialog"
        parent: T.Overlay.overlay
        anchors.centerIn: parent
        title: qsTr("Open a device path")
        modal: true
        width: 460
        padding: 16
        palette: Theme.palette
        font.family: Theme.baseFontFamily
        font.pixelSize: Theme.baseFontSize

        background: DialogCard {}

        T.Overlay.modal: ModalDim {}

        header: F.Label {
            palette: Theme.palette
            text: portPathDialog.title
            font.bold: true
            padding: 16
            color: Theme.text
        }

        footer: F.DialogButtonBox {
            palette: Theme.palette

            Button {
                objectName: "portPathOpenButton"
                text: qsTr("Open")
                palette: Theme.palette
                enabled: portPathField.text.trim() !== ""
                onClicked: root.openTypedPath()
            }

            Button {
                objectName: "portPathCancelButton"
                text: qsTr("Cancel")
                palette: Theme.palette
                onClicked: portPathDialog.close()
            }
        }

        ThemedContent {
            anchors.fill: parent

            ColumnLayout {
                anchors.fill: parent
                spacing: 10

                F.Label {
                    Layout.fillWidth: true
                    text: qsTr("Any serial device or pseudo-terminal, opened with the settings of the serial panel. Paths opened here stay in the port list while they exist.")
                    wrapMode: Text.WordWrap
                    color: Theme.textMuted
                }

                TextField {
                    id: portPathField

                    objectName: "portPathField"
                    Layout.fillWidth: true
                    placeholderText: "/dev/ttyUSB0, /dev/serial/by-id/…, /tmp/hx4"
                    font.family: Theme.monoFont
                    inputMethodHints: Qt.ImhNoAutoUppercase | Qt.ImhNoPredictiveText
                    onAccepted: root.openTypedPath()
                }
            }
        }

        onOpened: {
            portPathField.selectAll();
            portPathField.forceActiveFocus();
        }
    }
}
