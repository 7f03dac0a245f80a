#ifndef HX_SYSTEM_MEASUREMENTSYSTEM_H
#define HX_SYSTEM_MEASUREMENTSYSTEM_H

#include <QtCore/QMetaType>
#include <QtCore/QObject>

namespace hx {
namespace system {

// The units the user chose for distances. Numbered like QLocale's measurement systems.
class MeasurementSystem
{
    Q_GADGET
public:
    enum Type { Metric = 0, Imperial = 1, ImperialUK = 2 };
    Q_ENUM(Type)

private:
    MeasurementSystem() = delete;
};

// Which of the user's locale settings a LocaleHandler follows.
class LocaleType
{
    Q_GADGET
public:
    enum Type { Region = 0, Language = 1 };
    Q_ENUM(Type)

private:
    LocaleType() = delete;
};

} // namespace system
} // namespace hx

Q_DECLARE_METATYPE(hx::system::MeasurementSystem::Type)

#endif
