#include "statusobject_p.h"

#include <hx/pps/ppspath.h>

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace hx {
namespace trellan {
namespace places {

StatusObject::StatusObject(const char *path, const char *openErrorText) : m_valid(false)
{
    std::memset(m_buffer, 0, sizeof m_buffer);
    pps_decoder_initialize(&m_decoder, nullptr);

    const int fd = hx::pps::openObject(QLatin1String(path), O_RDONLY);
    if (fd < 0) {
        perror(openErrorText);
        return;
    }
    const ssize_t length = ::read(fd, m_buffer, BufferSize);
    ::close(fd);
    if (length <= 0)
        return;
    m_valid = pps_decoder_parse_pps_str(&m_decoder, m_buffer) == PPS_DECODER_OK;
}

bool StatusObject::enter(const char *name)
{
    return m_valid && pps_decoder_push(&m_decoder, name) == PPS_DECODER_OK;
}

StatusObject::~StatusObject()
{
    pps_decoder_cleanup(&m_decoder);
}

} // namespace places
} // namespace trellan
} // namespace hx
