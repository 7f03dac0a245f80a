#ifndef HX_TRELLAN_PLACES_SUGGESTIONSRUNNABLE_H
#define HX_TRELLAN_PLACES_SUGGESTIONSRUNNABLE_H

#include <hx/platform/places/error.h>
#include <hx/platform/places/place.h>
#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QObject>
#include <QtCore/QRunnable>
#include <QtCore/QSharedPointer>

namespace hx {
namespace trellan {
namespace places {

// Resolves a search suggestion into a full place on the global thread pool and reports it by
// done(). The pool deletes the job when it has run: whoever started it keeps the pointer only
// to recognise its answer.
class HXPLACES_EXPORT SuggestionsRunnable : public QObject, public QRunnable
{
    Q_OBJECT
public:
    enum Context { View = 0, Select = 1 };
    Q_ENUM(Context)

    SuggestionsRunnable(Context context, const QSharedPointer<hx::platform::places::Place> &place);
    ~SuggestionsRunnable() override;

    void run() override;

Q_SIGNALS:
    // place is null when the store has none or fails.
    void done(hx::trellan::places::SuggestionsRunnable *job, hx::platform::places::Error::Type error,
              hx::trellan::places::SuggestionsRunnable::Context context,
              QSharedPointer<hx::platform::places::Place> place);

private:
    Context m_context;
    QSharedPointer<hx::platform::places::Place> m_place;
};

} // namespace places
} // namespace trellan
} // namespace hx

Q_DECLARE_METATYPE(hx::trellan::places::SuggestionsRunnable *)

#endif
