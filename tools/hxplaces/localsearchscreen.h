#ifndef HXPLACES_LOCALSEARCHSCREEN_H
#define HXPLACES_LOCALSEARCHSCREEN_H

#include <hx/platform/places/place.h>
#include <hx/trellan/navigationpane.h>

#include <QtCore/QList>
#include <QtCore/QSharedPointer>

namespace hx {
namespace trellan {
class Label;
namespace places {
class LocalSearchFullView;
}
} // namespace trellan
} // namespace hx

// The voice assistant's local search: the application's layout document with the contacts and
// places found near a destination, an "Answer" line that says what the assistant would read out
// or show, and the picked place's card pushed on top (back returns to the lists).
class LocalSearchScreen : public hx::trellan::NavigationPane
{
    Q_OBJECT
public:
    explicit LocalSearchScreen(QObject *parent = nullptr);

    // near: empty for the phone's position, "LAT,LON", or an address to look up. Words after a
    // search keyword (SearchNearbyPlaces, CategorySearch) are what is sought.
    bool open(const QStringList &words, const QString &near, QString *message);

private:
    void showRead(const QString &term, const QList<QSharedPointer<hx::platform::places::Place>> &contacts,
                  const QList<QSharedPointer<hx::platform::places::Place>> &places);
    void showCard(const QSharedPointer<hx::platform::places::Place> &place, bool fromVoice);

    hx::trellan::places::LocalSearchFullView *m_view = nullptr;
    hx::trellan::Label *m_answer = nullptr;
};

#endif
