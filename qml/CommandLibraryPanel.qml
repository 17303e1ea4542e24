pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Korvel

// The device command page of the left panel: the device model, its commands
// and the user's templates (searched, dragged into order, loaded into the
// send box), the template editor and the batch commands window.
Item {
    id: root

    readonly property int rowHeight: 56
    // Rows can be dragged only while the whole list is shown.
    readonly property bool dragAllowed: AppController.commandModel.searchText === ""
    readonly property var modelIds: AppController.modelIds

    signal openParams(int row)

    function activateRow(rowIndex, hasParams) {
        if (hasParams)
            root.openParams(rowIndex)
        else
            AppController.loadCommandIntoDraft(rowIndex)
    }

    // The dragged row lands where its top now is, to the nearest row; then it
    // snaps back into the list, which follows the model's new order.
    function dropRow(rowItem, startIndex) {
        const target = Math.max(0, Math.min(commandList.count - 1,
                                            Math.round(rowItem.y / root.rowHeight)))
        if (target !== startIndex)
            AppController.moveCommandRow(startIndex, target)
        rowItem.y = rowItem.index * root.rowHeight
    }

    // The frame every editor of this page shares: modal, centred on the
    // window, on a card with the dim behind it and a bold title.
    component EditorDialog: Dialog {
        id: editorDialog

        modal: true
        parent: Overlay.overlay
        anchors.centerIn: parent
        padding: 16
        palette: Theme.palette
        font.family: Theme.baseFontFamily
        font.pixelSize: Theme.baseFontSize

        background: DialogCard {}
        Overlay.modal: ModalDim {}

        header: Label {
            palette: Theme.palette
            text: editorDialog.title
            font.bold: true
            padding: 14
            color: Theme.text
        }
    }

    component FieldCaption: Label {
        Layout.fillWidth: true
        color: Theme.text
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 12

        Label {
            Layout.fillWidth: true
            text: qsTr("Device model · Model")
            font.pixelSize: Theme.baseFontSize - 1
            font.letterSpacing: 1
            color: Theme.textMuted
        }

        ComboBox {
            id: modelPicker

            objectName: "modelPicker"
            Layout.fillWidth: true
            model: root.modelIds
            currentIndex: root.modelIds.indexOf(AppController.currentModelId)
            onActivated: index => AppController.currentModelId = modelPicker.textAt(index)
        }

        Label {
            objectName: "modelDescription"
            Layout.fillWidth: true
            text: AppController.currentModelDescription
            textFormat: Text.PlainText
            wrapMode: Text.WordWrap
            font.pixelSize: Theme.baseFontSize
            color: Theme.textMuted
        }

        TextField {
            id: searchField

            objectName: "commandSearch"
            Layout.fillWidth: true
            placeholderText: qsTr("Search commands")
            placeholderTextColor: Theme.textMuted
            color: Theme.text
            text: AppController.commandModel.searchText
            onTextChanged: AppController.commandModel.searchText = searchField.text
        }

        Label {
            Layout.fillWidth: true
            text: qsTr("Drag a row to reorder")
            font.pixelSize: Theme.baseFontSize - 1
            color: Theme.textMuted
        }

        ListView {
            id: commandList

            objectName: "commandList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            model: AppController.commandModel

            ScrollBar.vertical: ScrollBar {}

            delegate: Item {
                id: commandRow

                required property int index
                required property string name
                required property string cmd
                required property bool hasParams
                required property bool isCustom

                width: ListView.view.width
                height: root.rowHeight
                z: rowMouse.drag.active ? 2 : 1

                Rectangle {
                    anchors.fill: parent
                    color: rowMouse.containsMouse ? Qt.rgba(0, 0, 0, 0.04) : "transparent"
                }

                ColumnLayout {
                    anchors.fill: parent
                    anchors.leftMargin: 16
                    anchors.rightMargin: 16
                    anchors.topMargin: 10
                    anchors.bottomMargin: 10
                    spacing: 1

                    Label {
                        Layout.fillWidth: true
                        text: commandRow.name
                        textFormat: Text.PlainText
                        elide: Text.ElideRight
                        color: Theme.text
                    }

                    Label {
                        Layout.fillWidth: true
                        text: commandRow.cmd
                        textFormat: Text.PlainText
                        maximumLineCount: 1
                        elide: Text.ElideRight
                        font.family: Theme.monoFont
                        font.pixelSize: Theme.baseFontSize - 1
                        color: Theme.accent700
                    }
                }

                MouseArea {
                    id: rowMouse

                    property int startIndex: -1
                    property bool moved: false

                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.LeftButton | Qt.RightButton
                    // While rows can be dragged, a vertical drag moves the row
                    // instead of scrolling the list.
                    preventStealing: root.dragAllowed
                    drag.target: root.dragAllowed ? commandRow : null
                    drag.axis: Drag.YAxis
                    drag.minimumY: 0
                    drag.maximumY: Math.max(0, commandList.contentHeight - root.rowHeight)

                    onPressed: mouse => {
                        if (mouse.button === Qt.RightButton) {
                            if (commandRow.isCustom)
                                templateMenu.openFor(commandRow.index, commandRow.name, commandRow.cmd)
                            return
                        }
                        rowMouse.startIndex = commandRow.index
                        rowMouse.moved = false
                    }
                    onPositionChanged: {
                        if (rowMouse.drag.active)
                            rowMouse.moved = true
                    }
                    onReleased: mouse => {
                        if (mouse.button !== Qt.LeftButton)
                            return
                        if (rowMouse.moved)
                            root.dropRow(commandRow, rowMouse.startIndex)
                        else
                            root.activateRow(commandRow.index, commandRow.hasParams)
                    }
                    onCanceled: commandRow.y = commandRow.index * root.rowHeight
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 8

            Button {
                objectName: "batchCommandsButton"
                text: qsTr("Batch commands")
                onClicked: batchWindow.open()
            }

            Item {
                Layout.fillWidth: true
            }

            Button {
                objectName: "newTemplateButton"
                text: qsTr("New template")
                onClicked: templateEditor.openNew()
            }
        }
    }

    Menu {
        id: templateMenu

        property int row: -1
        property string name: ""
        property string content: ""

        objectName: "templateMenu"

        function openFor(rowIndex, name, content) {
            templateMenu.row = rowIndex
            templateMenu.name = name
            templateMenu.content = content
            templateMenu.popup()
        }

        MenuItem {
            objectName: "templateEditItem"
            text: qsTr("Edit")
            onTriggered: templateEditor.openForEdit(templateMenu.row, templateMenu.name,
                                                    templateMenu.content)
        }

        MenuItem {
            objectName: "templateDeleteItem"
            text: qsTr("Delete")
            onTriggered: deleteTemplateDialog.ask(templateMenu.row, templateMenu.name)
        }
    }

    EditorDialog {
        id: templateEditor

        property int row: -1

        objectName: "templateEditor"
        title: templateEditor.row >= 0 ? qsTr("Edit template") : qsTr("New template")
        width: 380
        onAccepted: templateEditor.save()

        function openNew() {
            templateEditor.row = -1
            templateName.text = ""
            templateContent.text = ""
            templateEditor.open()
        }

        // The name is what one types first.
        onOpened: templateName.forceActiveFocus()

        function openForEdit(rowIndex, name, content) {
            templateEditor.row = rowIndex
            templateName.text = name
            templateContent.text = content
            templateEditor.open()
        }

        function save() {
            if (templateEditor.row >= 0)
                AppController.updateCustomTemplate(templateEditor.row, templateName.text,
                                                   templateContent.text)
            else
                AppController.addCustomTemplate(templateName.text, templateContent.text)
        }

        ThemedContent {
            anchors.fill: parent

            ColumnLayout {
                anchors.fill: parent
                spacing: 10

                FieldCaption {
                    text: qsTr("Name")
                }

                TextField {
                    id: templateName

                    objectName: "templateName"
                    Layout.fillWidth: true
                    color: Theme.text
                    placeholderText: qsTr("e.g. Reset device")
                    placeholderTextColor: Theme.textMuted
                }

                FieldCaption {
                    text: qsTr("Content")
                }

                TextArea {
                    id: templateContent

                    objectName: "templateContent"
                    Layout.fillWidth: true
                    Layout.preferredHeight: 90
                    wrapMode: TextEdit.Wrap
                    font.family: Theme.monoFont
                    color: Theme.text
                    placeholderText: qsTr("The literal text to send")
                    placeholderTextColor: Theme.textMuted

                    background: Rectangle {
                        color: Theme.surface
                        border.width: 1
                        border.color: Theme.divider
                    }
                }
            }
        }

        footer: DialogButtonBox {
            palette: Theme.palette

            Button {
                text: qsTr("Cancel")
                palette: Theme.palette
                onClicked: templateEditor.reject()
            }

            Button {
                objectName: "templateSaveButton"
                text: qsTr("Save")
                palette: Theme.palette
                enabled: AppController.commandModel.canSaveTemplate(templateName.text,
                                                                    templateContent.text)
                onClicked: templateEditor.accept()
            }
        }
    }

    // Deleting a template cannot be undone: it is asked first.
    EditorDialog {
        id: deleteTemplateDialog

        property int row: -1
        property string name: ""

        objectName: "deleteTemplateDialog"
        title: qsTr("Delete template")
        width: 380
        onAccepted: AppController.removeCustomTemplate(deleteTemplateDialog.row)

        function ask(rowIndex, name) {
            deleteTemplateDialog.row = rowIndex
            deleteTemplateDialog.name = name
            deleteTemplateDialog.open()
        }

        contentItem: Label {
            palette: Theme.palette
            text: qsTr("Delete the template \"%1\"? This cannot be undone.").arg(deleteTemplateDialog.name)
            textFormat: Text.PlainText
            wrapMode: Text.WordWrap
            color: Theme.text
        }

        footer: DialogButtonBox {
            palette: Theme.palette

            Button {
                id: deleteCancel

                objectName: "deleteTemplateCancel"
                text: qsTr("Cancel")
                palette: Theme.palette
                onClicked: deleteTemplateDialog.reject()
            }

            Button {
                objectName: "deleteTemplateConfirm"
                text: qsTr("Delete")
                palette: Theme.palette
                onClicked: deleteTemplateDialog.accept()
            }
        }

        // The safe answer has the keys.
        onOpened: deleteCancel.forceActiveFocus()
    }

    EditorDialog {
        id: batchWindow

        objectName: "batchWindow"
        title: qsTr("Batch commands")
        // Qt 6.4 drops every wheel turn in a modal dialog opened over another
        // modal one: while the batch editor is open over this window, this
        // one stops being modal (the editor still blocks everything else).
        modal: !batchEditor.visible
        closePolicy: batchEditor.visible ? Popup.NoAutoClose
                                         : Popup.CloseOnEscape | Popup.CloseOnPressOutside
        width: 420
        height: 460

        ThemedContent {
            anchors.fill: parent

            ColumnLayout {
                anchors.fill: parent
                spacing: 10

                Label {
                    objectName: "noBatchesLabel"
                    Layout.fillWidth: true
                    visible: batchList.count === 0
                    text: qsTr("No batch commands yet")
                    wrapMode: Text.WordWrap
                    color: Theme.textMuted
                }

                ListView {
                    id: batchList

                    objectName: "batchList"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    clip: true
                    boundsBehavior: Flickable.StopAtBounds
                    model: AppController.batchCommandModel

                    ScrollBar.vertical: ScrollBar {}

                    delegate: Rectangle {
                        id: batchRow

                        required property int index
                        required property string name
                        required property int stepCount
                        required property int intervalMs
                        readonly property bool running: batchRow.index === AppController.runningBatchRow

                        width: ListView.view.width
                        height: 56
                        border.width: 1
                        border.color: Theme.divider
                        color: batchRow.running ? Theme.accentTint
                             : batchMouse.containsMouse ? Qt.rgba(0, 0, 0, 0.04) : "transparent"

                        RowLayout {
                            anchors.fill: parent
                            anchors.leftMargin: 16
                            anchors.rightMargin: 16
                            spacing: 11

                            ColumnLayout {
                                Layout.fillWidth: true
                                spacing: 1

                                Label {
                                    Layout.fillWidth: true
                                    text: batchRow.name
                                    textFormat: Text.PlainText
                                    elide: Text.ElideRight
                                    color: Theme.text
                                }

                                Label {
                                    objectName: "batchDetail"
                                    Layout.fillWidth: true
                                    text: batchRow.running ? AppController.batchProgressText
                                                           : qsTr("%1 steps · %2 ms interval")
                                                             .arg(batchRow.stepCount).arg(batchRow.intervalMs)
                                    elide: Text.ElideRight
                                    font.pixelSize: Theme.baseFontSize - 1
                                    color: batchRow.running ? Theme.accent700 : Theme.textMuted
                                }
                            }

                            Label {
                                objectName: "batchAction"
                                text: batchRow.running ? qsTr("■ Stop") : qsTr("▶ Run")
                                font.bold: true
                                color: batchRow.running ? Theme.error : Theme.accent
                            }
                        }

                        MouseArea {
                            id: batchMouse

                            anchors.fill: parent
                            hoverEnabled: true
                            acceptedButtons: Qt.LeftButton | Qt.RightButton
                            onClicked: mouse => {
                                if (mouse.button === Qt.RightButton)
                                    batchMenu.openFor(batchRow.index, batchRow.name, batchRow.intervalMs)
                                else if (batchRow.running)
                                    AppController.stopBatchCommand()
                                else
                                    AppController.startBatchCommand(batchRow.index)
                            }
                        }
                    }
                }

                RowLayout {
                    Layout.fillWidth: true

                    Item {
                        Layout.fillWidth: true
                    }

                    Button {
                        objectName: "newBatchButton"
                        text: qsTr("New batch")
                        onClicked: batchEditor.openNew()
                    }
                }
            }
        }

        footer: DialogButtonBox {
            palette: Theme.palette

            Button {
                text: qsTr("Close")
                palette: Theme.palette
                onClicked: batchWindow.close()
            }
        }
    }

    Menu {
        id: batchMenu

        property int row: -1
        property string name: ""
        property int intervalMs: 500

        objectName: "batchMenu"

        function openFor(rowIndex, name, intervalMs) {
            batchMenu.row = rowIndex
            batchMenu.name = name
            batchMenu.intervalMs = intervalMs
            batchMenu.popup()
        }

        MenuItem {
            objectName: "batchEditItem"
            text: qsTr("Edit")
            onTriggered: batchEditor.openForEdit(batchMenu.row, batchMenu.name, batchMenu.intervalMs)
        }

        MenuItem {
            objectName: "batchDeleteItem"
            text: qsTr("Delete")
            onTriggered: AppController.removeBatchCommand(batchMenu.row)
        }
    }

    EditorDialog {
        id: batchEditor

        property int row: -1
        // The step whose text field takes the focus once it is made.
        property int focusRow: -1

        objectName: "batchEditor"
        title: batchEditor.row >= 0 ? qsTr("Edit batch command") : qsTr("New batch command")
        width: 520
        height: 600

        function openNew() {
            batchEditor.fill(-1, "", 500, [])
        }

        // A new step comes into sight at the end of the list and takes the keys.
        function addStep() {
            batchEditor.focusRow = stepModel.count
            stepModel.append(AppController.batchCommandModel.blankStep())
            stepList.positionViewAtEnd()
        }

        function openForEdit(rowIndex, name, intervalMs) {
            batchEditor.fill(rowIndex, name, intervalMs, AppController.stepsForBatchRow(rowIndex))
        }

        function fill(rowIndex, name, intervalMs, steps) {
            batchEditor.focusRow = -1
            batchEditor.row = rowIndex
            batchName.text = name
            batchInterval.value = intervalMs
            stepModel.clear()
            for (const step of steps)
                stepModel.append(step)
            if (stepModel.count === 0)
                stepModel.append(AppController.batchCommandModel.blankStep())
            batchEditor.open()
        }

        // Blank steps among others are dropped by the model; a batch of
        // blank steps only, or with a reply that cannot be checked (the step
        // says why), is not saved and the editor stays open.
        function save() {
            const steps = []
            for (let i = 0; i < stepModel.count; ++i) {
                const step = stepModel.get(i)
                steps.push({
                    text: step.text,
                    isHex: step.isHex,
                    crc: step.crc,
                    expect: step.expect,
                    expectPattern: step.expectPattern,
                    replyTimeoutMs: step.replyTimeoutMs,
                    goOnWithoutReply: step.goOnWithoutReply
                })
            }
            if (!AppController.batchCommandModel.canSaveBatch(batchName.text, steps))
                return
            if (batchEditor.row >= 0)
                AppController.updateBatchCommand(batchEditor.row, batchName.text, batchInterval.value, steps)
            else
                AppController.addBatchCommand(batchName.text, batchInterval.value, steps)
            batchEditor.close()
        }

        ListModel {
            id: stepModel
        }

        ThemedContent {
            anchors.fill: parent

            ColumnLayout {
                anchors.fill: parent
                spacing: 10

                FieldCaption {
                    text: qsTr("Name")
                }

                TextField {
                    id: batchName

                    objectName: "batchName"
                    Layout.fillWidth: true
                    color: Theme.text
                    placeholderText: qsTr("e.g. Startup sequence")
                    placeholderTextColor: Theme.textMuted
                }

                RowLayout {
                    Layout.fillWidth: true
                    spacing: 8

                    Label {
                        text: qsTr("Interval")
                        color: Theme.text
                    }

                    SpinBox {
                        id: batchInterval

                        objectName: "batchInterval"
                        from: 0
                        to: 3600000
                        stepSize: 50
                        editable: true
                    }

                    Label {
                        text: qsTr("ms")
                        color: Theme.text
                    }

                    Item {
                        Layout.fillWidth: true
                    }
                }

                FieldCaption {
                    text: qsTr("Steps")
                }

                ListView {
                    id: stepList

                    objectName: "stepList"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    clip: true
                    spacing: 6
                    boundsBehavior: Flickable.StopAtBounds
                    model: stepModel

                    ScrollBar.vertical: ScrollBar {}

                    delegate: Rectangle {
                        id: stepRow

                        required property int index
                        required property string text
                        required property bool isHex
                        required property bool crc
                        required property string expect
                        required property string expectPattern
                        required property int replyTimeoutMs
                        required property bool goOnWithoutReply

                        width: ListView.view.width
                        height: stepColumn.implicitHeight + 16
                        color: Theme.surface
                        border.width: 1
                        border.color: Theme.divider

                        // The text takes the whole width; its switches sit below it.
                        ColumnLayout {
                            id: stepColumn

                            anchors.fill: parent
                            anchors.margins: 8
                            spacing: 4

                            RowLayout {
                                Layout.fillWidth: true
                                spacing: 8

                                Label {
                                    Layout.preferredWidth: 22
                                    text: (stepRow.index + 1) + "."
                                    color: Theme.textMuted
                                }

                                TextField {
                                    id: stepText

                                    objectName: "stepText" + stepRow.index
                                    Layout.fillWidth: true
                                    font.family: Theme.monoFont
                                    color: Theme.text
                                    placeholderText: qsTr("Command text")
                                    placeholderTextColor: Theme.textMuted
                                    text: stepRow.text
                                    onTextEdited: stepModel.setProperty(stepRow.index, "text", stepText.text)
                                    // A loaded step shows its start, not its end; a
                                    // step just added takes the keys.
                                    Component.onCompleted: {
                                        stepText.cursorPosition = 0
                                        if (stepRow.index === batchEditor.focusRow)
                                            stepText.forceActiveFocus()
                                    }
                                }
                            }

                            RowLayout {
                                Layout.fillWidth: true
                                Layout.leftMargin: 30
                                spacing: 8

                                RadioButton {
                                    objectName: "stepAscii" + stepRow.index
                                    text: "ASCII"
                                    checked: !stepRow.isHex
                                    onToggled: stepModel.setProperty(stepRow.index, "isHex", false)
                                }

                                RadioButton {
                                    objectName: "stepHex" + stepRow.index
                                    text: "HEX"
                                    checked: stepRow.isHex
                                    onToggled: stepModel.setProperty(stepRow.index, "isHex", true)
                                }

                                CheckBox {
                                    id: stepCrc

                                    objectName: "stepCrc" + stepRow.index
                                    text: qsTr("CRC")
                                    checked: stepRow.crc
                                    onToggled: stepModel.setProperty(stepRow.index, "crc", stepCrc.checked)
                                }

                                Item {
                                    Layout.fillWidth: true
                                }

                                ToolButton {
                                    objectName: "stepRemove" + stepRow.index
                                    text: "✕"
                                    enabled: stepModel.count > 1
                                    onClicked: stepModel.remove(stepRow.index)
                                }
                            }

                            BatchStepReply {
                                Layout.fillWidth: true
                                Layout.leftMargin: 30
                                stepIndex: stepRow.index
                                expect: stepRow.expect
                                pattern: stepRow.expectPattern
                                timeoutMs: stepRow.replyTimeoutMs
                                goOn: stepRow.goOnWithoutReply
                                onEdited: (key, value) => stepModel.setProperty(stepRow.index, key, value)
                            }
                        }
                    }
                }

                RowLayout {
                    Layout.fillWidth: true

                    Item {
                        Layout.fillWidth: true
                    }

                    Button {
                        objectName: "addStepButton"
                        text: qsTr("Add step")
                        onClicked: batchEditor.addStep()
                    }
                }
            }
        }

        footer: DialogButtonBox {
            palette: Theme.palette

            Button {
                text: qsTr("Cancel")
                palette: Theme.palette
                onClicked: batchEditor.reject()
            }

            Button {
                objectName: "batchSaveButton"
                text: qsTr("Save")
                palette: Theme.palette
                enabled: batchName.text.trim() !== "" && stepModel.count > 0
                onClicked: batchEditor.save()
            }
        }
    }
}
