#ifndef HX_TRELLAN_HEADER_H
#define HX_TRELLAN_HEADER_H

#include <hx/trellan/control.h>

namespace hx {
namespace trellan {

// A section heading with a title and a subtitle.
class Header : public Control
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle)
    Q_PROPERTY(QString subtitle READ subtitle WRITE setSubtitle)
public:
    explicit Header(QObject *parent = nullptr);

    QString title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }
    QString subtitle() const { return m_subtitle; }
    void setSubtitle(const QString &subtitle) { m_subtitle = subtitle; }

private:
    QString m_title;
    QString m_subtitle;
};

} // namespace trellan
} // namespace hx

#endif
