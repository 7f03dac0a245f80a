import hx.trellan 1.0

// Device-dependent sizes for displays that have no folder of their own.
Container {
    property string file_id: "common.qml"
    property real map_image_height: 42
    property real picture_width: 29
    property real picture_height: 29
}
