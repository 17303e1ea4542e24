import QtQuick
import QtQuick.Controls

// Deliberately broken: the root object names a type that does not exist.
ApplicationWindow {
    visible: true
    NoSuchType {
    }
}
