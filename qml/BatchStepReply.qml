pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Korvel

// The reply a batch step waits for once it is sent: what the reply must
// contain, how long the step waits, and what the batch does when no reply
// matches in time. A step waits for nothing unless the user picks a kind.
ColumnLayout {
    id: root

    // Names the fields for the step's row ("stepExpect2" …).
    property int stepIndex: -1
    // "none", "text", "regex" or "hex", as the batch list names them.
    property string expect: "none"
    property string pattern: ""
    property int timeoutMs: 1000
    property bool goOn: false
    readonly property bool waits: root.expect !== "none"
    // Why the reply cannot be checked; empty when it can.
    readonly property string problem: root.waits
        ? AppController.batchCommandModel.replyProblem(root.expect, root.pattern) : ""

    // A field changed: @p key is the step's key, @p value its new value.
    signal edited(string key, var value)

    spacing: 4

    RowLayout {
        Layout.fillWidth: true
        spacing: 8

        Label {
            text: qsTr("Wait for")
            color: Theme.text
        }

        ComboBox {
            id: expectCombo

            objectName: "stepExpect" + root.stepIndex
            implicitWidth: 150
            textRole: "text"
            valueRole: "value"
            currentIndex: root.expect === "text" ? 1 : root.expect === "regex" ? 2
                        : root.expect === "hex" ? 3 : 0
            model: [{
                    "text": qsTr("nothing"),
                    "value": "none"
                }, {
                    "text": qsTr("text"),
                    "value": "text"
                }, {
                    "text": qsTr("regular expression"),
                    "value": "regex"
                }, {
                    "text": qsTr("hex bytes"),
                    "value": "hex"
                }]
            onActivated: root.edited("expect", expectCombo.currentValue)
        }

        TextField {
            id: patternField

            objectName: "stepExpectPattern" + root.stepIndex
            Layout.fillWidth: true
            visible: root.waits
            maximumLength: 1000
            font.family: Theme.monoFont
            color: Theme.text
            placeholderText: root.expect === "hex" ? qsTr("e.g. 01 03 ?? ??")
                           : root.expect === "regex" ? qsTr("e.g. T=[0-9]+") : qsTr("e.g. OK")
            placeholderTextColor: Theme.textMuted
            text: root.pattern
            onTextEdited: root.edited("expectPattern", patternField.text)
        }
    }

    RowLayout {
        Layout.fillWidth: true
        visible: root.waits
        spacing: 8

        Label {
            text: qsTr("If no reply within")
            color: Theme.text
        }

        SpinBox {
            id: timeoutBox

            objectName: "stepReplyTimeout" + root.stepIndex
            from: AppController.batchCommandModel.minReplyTimeoutMs
            to: AppController.batchCommandModel.maxReplyTimeoutMs
            stepSize: 100
            editable: true
            value: root.timeoutMs
            onValueModified: root.edited("replyTimeoutMs", timeoutBox.value)
        }

        Label {
            text: qsTr("ms:")
            color: Theme.text
        }

        ComboBox {
            id: noReplyCombo

            objectName: "stepNoReply" + root.stepIndex
            Layout.fillWidth: true
            textRole: "text"
            valueRole: "value"
            currentIndex: root.goOn ? 1 : 0
            model: [{
                    "text": qsTr("stop the batch"),
                    "value": false
                }, {
                    "text": qsTr("go on"),
                    "value": true
                }]
            onActivated: root.edited("goOnWithoutReply", noReplyCombo.currentValue)
        }
    }

    Label {
        objectName: "stepReplyProblem" + root.stepIndex
        Layout.fillWidth: true
        visible: root.problem !== ""
        text: root.problem
        color: Theme.error
        wrapMode: Text.Wrap
    }
}
