#ifndef HX_TRELLAN_PLACES_SUGGESTIONRESOLVER_H
#define HX_TRELLAN_PLACES_SUGGESTIONRESOLVER_H

#include <hx/platform/places/error.h>
#include <hx/platform/places/place.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/suggestionsrunnable.h>

#include <QtCore/QObject>
#include <QtCore/QSharedPointer>
#include <QtCore/QTimer>

namespace hx {
namespace trellan {
namespace places {

class SuggestionSpinner;

// Turns a suggestion row into a full place on the global thread pool, one at a time: a new
// request or cancel() supersedes the running one, whose answer is then dropped. Answers are
// matched by a job number, never by the job's address: the pool deletes a finished job, and
// the next one may be given the same address.
class HXPLACES_EXPORT SuggestionResolver : public QObject
{
    Q_OBJECT
public:
    static const int SPINNER_DELAY_MS = 700;

    // withSpinner: show the blocking "Retrieving details" dialog when an answer takes longer
    // than SPINNER_DELAY_MS; its Cancel cancels the resolution.
    explicit SuggestionResolver(bool withSpinner, QObject *parent = nullptr);
    ~SuggestionResolver() override;

    void resolve(const QSharedPointer<hx::platform::places::Place> &suggestion, SuggestionsRunnable::Context context);
    bool isResolving() const { return m_awaited != 0; }

Q_SIGNALS:
    void resolved(hx::trellan::places::SuggestionsRunnable::Context context,
                  QSharedPointer<hx::platform::places::Place> place);
    // The store has no full place for the suggestion, or failed.
    void failed(hx::trellan::places::SuggestionsRunnable::Context context, hx::platform::places::Error::Type error);

public Q_SLOTS:
    // Forgets the running resolution: its answer, when it comes, changes nothing.
    void cancel();

private:
    void onJobDone(quint64 job, hx::platform::places::Error::Type error, SuggestionsRunnable::Context context,
                   const QSharedPointer<hx::platform::places::Place> &place);
    void showSpinner();

    bool m_withSpinner;
    quint64 m_lastJob = 0;
    quint64 m_awaited = 0; // 0: none
    QTimer m_spinnerDelay;
    SuggestionSpinner *m_spinner = nullptr;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
