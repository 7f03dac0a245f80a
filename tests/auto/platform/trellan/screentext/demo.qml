import hx.trellan 1.0

// A small picker screen: what the simulator shows in a terminal.
Page {
    objectName: "DemoPage"
    titleBar: TitleBar {
        title: "Choose a place"
        dismissAction: ActionItem { objectName: "CancelAction"; title: "Cancel" }
        acceptAction: ActionItem { objectName: "NewEntryAction"; title: "New"; enabled: false }
    }
    actions: [
        ActionItem { objectName: "MapAction"; title: "Map" }
    ]
    Container {
        TextField { objectName: "SearchField"; hintText: "Search" }
        DropDown {
            objectName: "FilterDropDown"
            title: "Places"
            Option { text: "All"; selected: true }
            Option { text: "Recents" }
        }
        Header { title: "Favorites" }
        Label { objectName: "Hidden"; text: "never shown"; visible: false }
        Label { objectName: "Empty"; text: "No places found for <b>x</b>" }
        Button { objectName: "CancelPickerButton"; text: "Cancel" }
        ActivityIndicator { objectName: "Spinner"; running: true }
    }
}
