import QtQuick
import QtQuick.Controls.Fusion as F

// Fusion spin box with the interface's padding.
F.SpinBox {
    id: root

    padding: 6
}
