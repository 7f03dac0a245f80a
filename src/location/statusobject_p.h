#ifndef HX_TRELLAN_PLACES_STATUSOBJECT_P_H
#define HX_TRELLAN_PLACES_STATUSOBJECT_P_H

#include <hx/pps/ppsdecoder.h>

namespace hx {
namespace trellan {
namespace places {

// One small status object read and parsed: open read-only, read up to 2048 bytes, close and
// parse. The decoder is cleaned up with this object, whatever happened.
class StatusObject
{
public:
    StatusObject(const char *path, const char *openErrorText);
    ~StatusObject();
    StatusObject(const StatusObject &) = delete;
    StatusObject &operator=(const StatusObject &) = delete;

    // Enters the object named name ("status" for "@status"), or the first one when null; false
    // when the text could not be read or parsed, or has no such object.
    bool enter(const char *name = nullptr);
    pps_decoder_t *decoder() { return &m_decoder; }

private:
    enum { BufferSize = 2048 };
    char m_buffer[BufferSize + 1];
    pps_decoder_t m_decoder;
    bool m_valid;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
