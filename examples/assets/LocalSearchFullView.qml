import hx.trellan 1.0
import hx.displayInfo 1.0

// The local search view an application supplies as "qrc:/assets/LocalSearchFullView.qml": the
// library only needs a root Container that holds, at any depth, an empty Container named
// "LocalSearchFullViewMain", where it puts the contacts first and the places under them. This
// one frames the lists under a heading.
Container {
    objectName: "LocalSearchFullViewRoot"
    attachedObjects: [
        DisplayInfo { id: display }
    ]
    Label {
        objectName: "LocalSearchFullViewHeading"
        text: qsTranslate("Places", "Near your destination")
    }
    Container {
        objectName: "LocalSearchFullViewMain"
    }
}
