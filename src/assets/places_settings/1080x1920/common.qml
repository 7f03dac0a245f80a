import hx.trellan 1.0

// Device-dependent sizes of the 1080x1920 display.
Container {
    property string file_id: "1080x1920 common.qml"
    property real map_image_height: 42
    property real picture_width: 29
    property real picture_height: 29
}
