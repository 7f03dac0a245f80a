#ifndef HX_PPS_PPSOBJECT_P_H
#define HX_PPS_PPSOBJECT_P_H

#include <QtCore/QString>

namespace hx {

class PpsObjectPrivate
{
public:
    bool fail(int code);
    bool succeed();

    QString path;
    int fd = -1;
    int mode = 0;
    bool server = false;
    int error = 0;
};

} // namespace hx

#endif
