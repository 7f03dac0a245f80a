#ifndef HX_TRELLAN_PLACES_UNITOFMEASURERETRANS_P_H
#define HX_TRELLAN_PLACES_UNITOFMEASURERETRANS_P_H

#include <QtCore/QObject>

namespace hx {
namespace system {
class LocaleHandler;
}
namespace trellan {
namespace places {

class UnitOfMeasureRetrans;

class UnitOfMeasureRetransPrivate : public QObject
{
    Q_OBJECT
public:
    UnitOfMeasureRetransPrivate(UnitOfMeasureRetrans *owner, bool enable);
    ~UnitOfMeasureRetransPrivate() override;

private slots:
    void onMeasurementSystemChanged();

private:
    UnitOfMeasureRetrans *m_owner;
    hx::system::LocaleHandler *m_localeHandler = nullptr;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
