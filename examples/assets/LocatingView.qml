import hx.trellan 1.0
import hx.displayInfo 1.0

// The locating view an application supplies as "qrc:/assets/LocatingView.qml": the library only
// needs its root to be a Container. This one shows a spinner and a line of text while the user
// is being located.
Container {
    objectName: "LocatingViewRoot"
    attachedObjects: [
        DisplayInfo { id: display }
    ]
    ActivityIndicator {
        objectName: "LocatingSpinner"
        running: true
    }
    Label {
        objectName: "LocatingLabel"
        text: qsTranslate("Places", "Finding your location")
    }
}
