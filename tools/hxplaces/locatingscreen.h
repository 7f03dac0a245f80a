#ifndef HXPLACES_LOCATINGSCREEN_H
#define HXPLACES_LOCATINGSCREEN_H

#include <hx/platform/places/location.h>
#include <hx/trellan/page.h>

namespace hx {
namespace trellan {
class Label;
}
} // namespace hx

// The application's locating view with a line under it that follows the view's states, from
// locating to the address found (or nothing found).
class LocatingScreen : public hx::trellan::Page
{
    Q_OBJECT
public:
    explicit LocatingScreen(QObject *parent = nullptr);

private:
    void showDone(const hx::platform::places::Location &location);
    void stopSpinners();
    void showStatus(const char *text, const QString &argument = QString());
    void retranslate();

    hx::trellan::Label *m_status;
    const char *m_statusText = nullptr;
    QString m_statusArgument;
};

#endif
