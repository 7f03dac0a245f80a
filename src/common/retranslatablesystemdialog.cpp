#include <hx/system/systemdialog.h>
#include <hx/system/systemuibutton.h>
#include <hx/trellan/places/retranslatablesystemdialog.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Error;

RetranslatableSystemDialog::RetranslatableSystemDialog(Error::Type error, qint64 placeId)
    : m_error(error), m_placeId(placeId)
{ }

RetranslatableSystemDialog::~RetranslatableSystemDialog() = default;

Error::Type RetranslatableSystemDialog::error() const
{
    return m_error;
}

qint64 RetranslatableSystemDialog::placeId() const
{
    return m_placeId;
}

QString RetranslatableSystemDialog::title(Error::Type error)
{
    switch (error) {
    case Error::NotFound:
    case Error::Unknown:
        return QString();
    case Error::FavoritesLimitReached:
        return QCoreApplication::translate("Places", "Maximum Limit Reached");
    case Error::AlreadyStored:
        return QCoreApplication::translate("Places", "Already a Favorite");
    case Error::NoNetwork:
        return QCoreApplication::translate("Places", "No Network Connection");
    default:
        return QCoreApplication::translate("Places", "Content Unavailable");
    }
}

QString RetranslatableSystemDialog::body(Error::Type error)
{
    switch (error) {
    case Error::NotFound:
        return QCoreApplication::translate("PlaceViewPage", "This item has either been moved or deleted.");
    case Error::Unknown:
        return QString();
    case Error::FavoritesLimitReached:
        return QCoreApplication::translate("Places", "You have reached the maximum limit for favorites.");
    case Error::AlreadyStored:
        return QCoreApplication::translate("Places", "This place is already saved as a favorite.");
    case Error::NoNetwork:
        return QCoreApplication::translate(
            "Places", "Can't complete your request. Please check your network connection, and try again.");
    default:
        return QCoreApplication::translate("Places", "My Places content is currently unavailable.");
    }
}

void RetranslatableSystemDialog::show()
{
    hx::system::SystemDialog *dialog = new hx::system::SystemDialog();
    dialog->cancelButton()->setLabel(QString());
    dialog->setTitle(title(m_error));
    dialog->setBody(body(m_error));
    QObject::connect(dialog, &hx::system::SystemDialog::finished, dialog, &QObject::deleteLater);
    dialog->show();
}

} // namespace places
} // namespace trellan
} // namespace hx
