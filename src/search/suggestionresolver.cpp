#include <hx/trellan/places/suggestionresolver.h>
#include <hx/trellan/places/suggestionspinner.h>

#include <QtCore/QThreadPool>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Error;
using hx::platform::places::Place;

SuggestionResolver::SuggestionResolver(bool withSpinner, QObject *parent) : QObject(parent), m_withSpinner(withSpinner)
{
    qRegisterMetaType<QSharedPointer<Place>>();
    qRegisterMetaType<SuggestionsRunnable::Context>();
    m_spinnerDelay.setSingleShot(true);
    m_spinnerDelay.setInterval(SPINNER_DELAY_MS);
    connect(&m_spinnerDelay, &QTimer::timeout, this, &SuggestionResolver::showSpinner);
}

SuggestionResolver::~SuggestionResolver() = default;

void SuggestionResolver::resolve(const QSharedPointer<Place> &suggestion, SuggestionsRunnable::Context context)
{
    const quint64 job = ++m_lastJob;
    m_awaited = job;
    if (m_withSpinner)
        m_spinnerDelay.start();
    auto *runnable = new SuggestionsRunnable(context, suggestion);
    // The job number travels with the connection; the runnable itself is never looked at again.
    connect(
        runnable, &SuggestionsRunnable::done, this,
        [this, job](SuggestionsRunnable *, Error::Type error, SuggestionsRunnable::Context answered,
                    QSharedPointer<Place> place) { onJobDone(job, error, answered, place); },
        Qt::QueuedConnection);
    QThreadPool::globalInstance()->start(runnable);
}

void SuggestionResolver::cancel()
{
    m_awaited = 0;
    m_spinnerDelay.stop();
    if (m_spinner)
        m_spinner->cancel();
}

void SuggestionResolver::onJobDone(quint64 job, Error::Type error, SuggestionsRunnable::Context context,
                                   const QSharedPointer<Place> &place)
{
    if (job != m_awaited)
        return;
    cancel();
    if (error != Error::None || !place) {
        emit failed(context, error == Error::None ? Error::NotFound : error);
        return;
    }
    emit resolved(context, place);
}

void SuggestionResolver::showSpinner()
{
    if (!m_spinner) {
        m_spinner = new SuggestionSpinner(this);
        connect(m_spinner, &SuggestionSpinner::cancelled, this, &SuggestionResolver::cancel);
    }
    m_spinner->show();
}

} // namespace places
} // namespace trellan
} // namespace hx
