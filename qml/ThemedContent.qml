import QtQuick
import QtQuick.Controls.Fusion as F
import Korvel

// The content of a dialog or popup. A popup hands a change of its palette
// on only to what it creates afterwards, so a theme switch left an open
// dialog half in the old theme; a pane with the theme's palette of its own
// hands every change on to the controls inside.
F.Pane {
    padding: 0
    palette: Theme.palette
    background: null
}
