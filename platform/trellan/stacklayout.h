#ifndef HX_TRELLAN_STACKLAYOUT_H
#define HX_TRELLAN_STACKLAYOUT_H

#include <hx/trellan/layout.h>

namespace hx {
namespace trellan {

// Children one after another, top to bottom unless told otherwise (LayoutOrientation).
class StackLayout : public Layout
{
    Q_OBJECT
    Q_PROPERTY(int orientation READ orientation WRITE setOrientation)
public:
    explicit StackLayout(QObject *parent = nullptr);

    int orientation() const { return m_orientation; }
    void setOrientation(int orientation) { m_orientation = orientation; }
    QString kind() const override { return QStringLiteral("stack"); }

private:
    int m_orientation = 0;
};

} // namespace trellan
} // namespace hx

#endif
