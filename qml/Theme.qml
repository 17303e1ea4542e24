pragma Singleton
import QtQuick
import Korvel

QtObject {
    id: root

    readonly property bool dark: AppController.themeMode === "dark"
    readonly property color background: dark ? "#1e1f22" : "#f5f6f8"
    readonly property color textPrimary: dark ? "#e6e6e6" : "#1f2328"
    readonly property color textSecondary: dark ? "#a0a4ab" : "#5b6270"
}
