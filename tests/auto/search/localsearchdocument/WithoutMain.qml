import hx.trellan 1.0

// A local search layout that misspelt the container named "LocalSearchFullViewMain".
Container {
    objectName: "LocalSearchFullViewRoot"
    Label {
        objectName: "Heading"
        text: "Near your destination"
    }
    Container {
        objectName: "LocalSearchFullViewMian"
    }
}
