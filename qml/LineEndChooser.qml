import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Korvel

// What a text send puts after the text; hex sends go out as typed, so the
// choice rests while HEX is chosen.
RowLayout {
    id: root

    spacing: 4

    // The labels come translated from the option list, which is built anew
    // for each language.
    function rebuild() {
        combo.model = SerialOptions.lineEndOptions();
        root.showChoice();
    }

    function showChoice() {
        combo.currentIndex = combo.indexOfValue(AppController.lineEnd);
    }

    Component.onCompleted: root.rebuild()

    Connections {
        target: AppController

        function onCurrentLanguageChanged() {
            root.rebuild();
        }

        function onLineEndChanged() {
            root.showChoice();
        }
    }

    Label {
        text: qsTr("Line end")
        color: Theme.textMuted
        font.pixelSize: Theme.baseFontSize - 1
    }

    ComboBox {
        id: combo

        objectName: "lineEndCombo"
        implicitWidth: 96
        enabled: !AppController.sendAsHex
        textRole: "label"
        valueRole: "value"
        onActivated: AppController.lineEnd = combo.currentValue
    }
}
