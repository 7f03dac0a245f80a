import hx.trellan 1.0

// Device-dependent sizes of the 720x1280 display.
Container {
    property string file_id: "720x1280 common.qml"
    property real map_image_height: 42
    property real picture_width: 29
    property real picture_height: 29
}
