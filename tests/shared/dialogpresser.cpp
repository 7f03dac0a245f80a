#include "dialogpresser.h"

#include <hx/system/systemui.h>

#include <QtCore/QTimer>

namespace hx {
namespace test {

DialogPresser::DialogPresser(const QString &title, const QString &buttonLabel, QObject *parent)
    : QObject(parent), m_title(title), m_label(buttonLabel), m_pressed(false)
{
    connect(hx::system::SystemUi::instance(), &hx::system::SystemUi::visibleChanged, this, &DialogPresser::check,
            Qt::QueuedConnection);
    QTimer::singleShot(0, this, &DialogPresser::check);
}

void DialogPresser::check()
{
    if (m_pressed)
        return;
    const QList<hx::system::SystemUiRecord> shown = hx::system::SystemUi::visible();
    for (const hx::system::SystemUiRecord &record : shown) {
        if (record.title == m_title && record.hasButton(m_label)) {
            m_body = record.body;
            m_pressed = hx::system::SystemUi::pressButton(record.serial, m_label);
            return;
        }
    }
}

} // namespace test
} // namespace hx
