import hx.trellan 1.0

// An assistant card layout that forgot the container named "PlaceViewFullViewMain".
Container {
    objectName: "PlaceViewFullViewRoot"
    Label {
        objectName: "Heading"
        text: "Here is what I found"
    }
    Container {
        objectName: "PlaceViewFullViewMian"
    }
}
