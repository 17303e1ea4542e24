import QtQuick
import QtQuick.Controls.Fusion as F
import Korvel

// Fusion button with a focus ring that shows in both themes.
F.Button {
    id: root

    FocusRing {
        shown: root.visualFocus
    }
}
