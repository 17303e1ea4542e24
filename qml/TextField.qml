import QtQuick
import QtQuick.Controls.Fusion as F

// Fusion text field with the interface's padding.
F.TextField {
    id: root

    padding: 6
}
