import QtQuick
import QtQuick.Controls.Fusion as F
import Korvel

// Fusion tool button with a focus ring that shows in both themes.
F.ToolButton {
    id: root

    FocusRing {
        shown: root.visualFocus
    }
}
