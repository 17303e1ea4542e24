import QtQuick
import QtQuick.Controls.Fusion as F

// Fusion text area with the interface's padding.
F.TextArea {
    id: root

    padding: 6
}
