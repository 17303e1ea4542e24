pragma Singleton
import QtQuick
import Korvel

// Every colour, font and palette of the interface, in a light and a dark
// variant that follows AppController.themeMode.
QtObject {
    id: root

    readonly property bool dark: AppController.themeMode === "dark"

    readonly property color backgroundLight: "#f2f2f3"
    readonly property color backgroundDark: "#1c1d20"
    readonly property color surfaceLight: "#e9e9ea"
    readonly property color surfaceDark: "#26282c"
    readonly property color textLight: "#1d1f20"
    readonly property color textDark: "#e6e6e8"
    // Dark enough in the light theme to carry light text and to be read as
    // text on the window's greys (4.5:1 either way).
    readonly property color accentLight: "#456a8e"
    readonly property color accentDark: "#6f9fcc"
    // Fills under accentForeground: the dark theme's accent is a text colour
    // on dark greys and too light to carry light text.
    readonly property color accentFillLight: root.accentLight
    readonly property color accentFillDark: "#3f6d98"

    readonly property color background: root.dark ? root.backgroundDark : root.backgroundLight
    readonly property color surface: root.dark ? root.surfaceDark : root.surfaceLight
    readonly property color text: root.dark ? root.textDark : root.textLight
    // Disabled controls; they need not stand out (they are not to be used).
    readonly property color textMutedLight: "#8e8e91"
    readonly property color textMutedDark: "#7c7e84"
    readonly property color textMuted: root.dark ? "#97999e" : "#666669"
    readonly property color accent: root.dark ? root.accentDark : root.accentLight
    readonly property color accent700: root.dark ? "#a2c8e8" : "#3b5b7a"
    readonly property color accent800: root.dark ? "#cfe3f4" : "#2c455d"
    readonly property color accentTint: root.dark ? "#24313d" : "#d7e7f5"
    readonly property color accentFill: root.dark ? root.accentFillDark : root.accentFillLight
    readonly property color accentFillHover: root.dark ? "#345b80" : "#3b5b7a"
    readonly property color divider: root.dark ? "#3c3e44" : "#c9c9ca"
    readonly property color dialogBorder: root.dark ? "#55585f" : "#a6a6a9"
    readonly property color error: root.dark ? "#e58a87" : "#aa3333"
    // Under accentForeground: the "Close port" button.
    readonly property color errorFill: root.dark ? "#b3403c" : "#aa3333"
    readonly property color errorFillHover: root.dark ? "#963532" : "#8e2a2a"
    readonly property color accentForeground: "#f5f7fa"
    // The edge that tells an input or an indicator from the grey around it,
    // and the ring round the control that has the keyboard focus.
    readonly property color controlOutline: root.dark ? "#80838a" : "#828286"
    readonly property color focusRing: root.dark ? "#a2c8e8" : "#2c455d"
    readonly property color consoleBackground: root.dark ? "#1b1f27" : root.backgroundLight
    readonly property color consoleText: root.dark ? "#d8dce0" : root.textLight
    readonly property color consoleMuted: root.dark ? "#8b93a1" : "#666669"
    readonly property color consoleBorder: root.dark ? "#33383f" : "#c9c9ca"

    // One colour per plotted field, distinct from each other and readable on
    // consoleBackground in either theme.
    readonly property var plotColoursLight: ["#1c6bb0", "#c92a2a", "#2b8a3e", "#d9480f",
        "#7048e8", "#8c564b", "#c2255c", "#0b7285", "#5c5f66", "#7a7f00"]
    readonly property var plotColoursDark: ["#74c0fc", "#ff8787", "#8ce99a", "#ffa94d",
        "#b197fc", "#d9b38c", "#f783ac", "#66d9e8", "#ced4da", "#d8f5a2"]
    readonly property var plotColours: root.dark ? root.plotColoursDark : root.plotColoursLight

    // Found text in the monitor: every match, and the current one stronger.
    readonly property color matchFill: root.dark ? "#5c4d12" : "#ffe58f"
    readonly property color currentMatchFill: root.dark ? "#f0a83c" : "#c2410c"
    readonly property color currentMatchText: root.dark ? "#14161a" : "#ffffff"
    // Highlight rules, in the order of HighlightRuleModel.colourNames: a tint
    // behind a whole line (consoleText stays readable on it) and the full
    // colour for its edge mark and the swatches in the settings.
    readonly property var ruleTints: root.dark
        ? ["#4d2528", "#4a3220", "#47401a", "#1f3f28", "#17403d", "#1f3352", "#392b52", "#363941"]
        : ["#f9d5d5", "#fde0c2", "#f8eeae", "#d1efd7", "#c9ede8", "#d4e3f7", "#e5d9f6", "#e1e2e5"]
    readonly property var ruleMarks: root.dark
        ? ["#ff8787", "#ffa94d", "#ffd43b", "#8ce99a", "#66d9e8", "#74c0fc", "#b197fc", "#adb5bd"]
        : ["#c92a2a", "#d9480f", "#9a7800", "#2b8a3e", "#0c8599", "#1c6bb0", "#7048e8", "#6c6f75"]

    readonly property string monoFont: "Consolas"
    readonly property string baseFontFamily: AppController.systemFontFamily
    readonly property int baseFontSize: AppController.systemFontSize

    // The colours that fade on disabled controls (the serial settings while
    // a port is open) are given per colour group: a colour given for the
    // whole palette would be written over every group, the disabled one too,
    // whenever its binding is evaluated last.
    readonly property Palette lightPalette: Palette {
        window: root.backgroundLight
        highlight: root.accentFillLight
        highlightedText: root.accentForeground

        active.windowText: root.textLight
        active.text: root.textLight
        active.buttonText: root.textLight
        active.base: root.surfaceLight
        active.button: root.surfaceLight
        inactive.windowText: root.textLight
        inactive.text: root.textLight
        inactive.buttonText: root.textLight
        inactive.base: root.surfaceLight
        inactive.button: root.surfaceLight
        disabled.windowText: root.textMutedLight
        disabled.text: root.textMutedLight
        disabled.buttonText: root.textMutedLight
        disabled.base: root.backgroundLight
        disabled.button: root.backgroundLight
    }

    readonly property Palette darkPalette: Palette {
        window: root.backgroundDark
        highlight: root.accentFillDark
        highlightedText: root.accentForeground

        active.windowText: root.textDark
        active.text: root.textDark
        active.buttonText: root.textDark
        active.base: root.surfaceDark
        active.button: root.surfaceDark
        inactive.windowText: root.textDark
        inactive.text: root.textDark
        inactive.buttonText: root.textDark
        inactive.base: root.surfaceDark
        inactive.button: root.surfaceDark
        disabled.windowText: root.textMutedDark
        disabled.text: root.textMutedDark
        disabled.buttonText: root.textMutedDark
        disabled.base: root.backgroundDark
        disabled.button: root.backgroundDark
    }

    readonly property Palette palette: root.dark ? root.darkPalette : root.lightPalette
}
