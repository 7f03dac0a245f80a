import hx.trellan 1.0
import hx.displayInfo 1.0

// The assistant card an application supplies as "qrc:/assets/PlaceViewFullView.qml": the library
// only needs a root Container that holds, at any depth, a Container named
// "PlaceViewFullViewMain", where it puts the place. This one frames the place under a heading.
Container {
    objectName: "PlaceViewFullViewRoot"
    attachedObjects: [
        DisplayInfo { id: display }
    ]
    Label {
        objectName: "PlaceViewFullViewHeading"
        text: qsTranslate("Places", "Here is what I found")
    }
    Container {
        objectName: "PlaceViewFullViewMain"
        Label {
            objectName: "PlaceViewFullViewLoading"
            text: "Loading the place"
        }
    }
}
