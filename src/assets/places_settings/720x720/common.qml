import hx.trellan 1.0

// Device-dependent sizes of the square 720x720 display.
Container {
    property string file_id: "720x720 common.qml"
    property real map_image_height: 33
    property real picture_width: 20
    property real picture_height: 20
}
