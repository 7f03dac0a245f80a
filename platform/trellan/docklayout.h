#ifndef HX_TRELLAN_DOCKLAYOUT_H
#define HX_TRELLAN_DOCKLAYOUT_H

#include <hx/trellan/layout.h>

namespace hx {
namespace trellan {

// Children placed by their own alignments, on top of each other.
class DockLayout : public Layout
{
    Q_OBJECT
public:
    explicit DockLayout(QObject *parent = nullptr);
    QString kind() const override { return QStringLiteral("dock"); }
};

} // namespace trellan
} // namespace hx

#endif
