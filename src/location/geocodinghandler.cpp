#include <hx/trellan/places/geocodinghandler.h>
#include <hx/trellan/places/threadgeocode.h>

#include <hx/system/systemdialog.h>
#include <hx/system/systemuibutton.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QMutexLocker>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Location;
using hx::system::SystemDialog;
using hx::system::SystemUiResult;

GeocodingHandler::GeocodingHandler(QObject *parent)
    : QObject(parent),
      PickerRetrans(true),
      m_dialog(new SystemDialog(this)),
      m_requestId(-1),
      m_lastId(-1),
      m_state(Idle)
{
    m_dialog->setAutoUpdateEnabled(true);
    connect(m_dialog, &SystemDialog::finished, this, &GeocodingHandler::onCancelGeocoding, Qt::UniqueConnection);
}

GeocodingHandler::~GeocodingHandler() = default;

void GeocodingHandler::start(const QString &text, const hx::platform::places::Address &address)
{
    m_state = Retrieving;
    m_text = text;
    int id;
    {
        QMutexLocker locker(&m_mutex);
        // Ids keep counting after a cancel, so a cancelled request's late answer
        // never matches.
        id = ++m_lastId;
        m_requestId = id;
    }
    auto *thread = new ThreadGeocode(address, id);
    qRegisterMetaType<QList<Location>>("QList<hx::platform::places::Location>");
    connect(thread, &ThreadGeocode::geocodingFinished, this, &GeocodingHandler::onGeocodingFinished,
            Qt::QueuedConnection);
    retranslateUI();
    m_dialog->setActivityIndicatorVisible(true);
    m_dialog->show();
    thread->start();
}

void GeocodingHandler::retranslateUI()
{
    if (m_state == NotFound) {
        m_dialog->setTitle(QCoreApplication::translate("hx::trellan::places::Places", "Address Not Found"));
        m_dialog->setBody(QCoreApplication::translate("hx::trellan::places::Places",
                                                      "Can't find the address for %1 on a map. Do you want to "
                                                      "continue ?")
                              .arg(m_text));
        m_dialog->cancelButton()->setLabel(QCoreApplication::translate("hx::trellan::places::SelectorSheet", "Cancel"));
        m_dialog->confirmButton()->setLabel(QCoreApplication::translate("Places", "OK"));
    } else {
        m_dialog->setTitle(QCoreApplication::translate("hx::trellan::places::Places", "Places"));
        m_dialog->setBody(QCoreApplication::translate("hx::trellan::places::Places", "Retrieving details..."));
        m_dialog->cancelButton()->setLabel(QCoreApplication::translate("hx::trellan::places::SelectorSheet", "Cancel"));
        m_dialog->confirmButton()->setLabel(QString());
    }
}

void GeocodingHandler::onGeocodingFinished(QString, QList<Location> list, int id)
{
    {
        QMutexLocker locker(&m_mutex);
        if (id != m_requestId)
            return; // an older or cancelled request
    }
    if (m_state == Retrieving)
        m_dialog->cancel();
    if (!list.isEmpty()) {
        m_state = Idle;
        emit finished(list, false);
        return;
    }

    m_state = NotFound;
    retranslateUI();
    m_dialog->setActivityIndicatorVisible(false);
    m_dialog->confirmButton()->setEnabled(true);
    m_dialog->cancelButton()->setEnabled(true);
    const SystemUiResult::Type result = m_dialog->exec();
    m_state = Idle;
    // "OK" goes on without a position; "Cancel" tells the caller the user gave
    // up.
    emit finished(list, result == SystemUiResult::CancelButtonSelection);
}

void GeocodingHandler::onCancelGeocoding(SystemUiResult::Type value)
{
    if (value != SystemUiResult::CancelButtonSelection)
        return;
    {
        QMutexLocker locker(&m_mutex);
        m_requestId = -1;
    }
    m_state = Idle;
    m_dialog->cancel();
    emit finished(QList<Location>(), true);
}

} // namespace places
} // namespace trellan
} // namespace hx
