#include <hx/system/localehandler.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QDebug>
#include <QtCore/QMutex>
#include <QtCore/QMutexLocker>
#include <QtCore/QPair>
#include <QtCore/QPointer>
#include <QtCore/QSet>
#include <QtCore/QThread>
#include <QtCore/QTranslator>

#include <functional>

namespace hx {
namespace system {

namespace {

struct Registry
{
    QMutex mutex;
    QSet<LocaleHandler *> handlers;
    QList<QTranslator *> installed;
    QList<QPair<QString, QString>> sources; // directory, base name
    QString language;
    MeasurementSystem::Type measurement = MeasurementSystem::Type(QLocale::system().measurementSystem());
    // The translators of the language in use live as long as the process.
    ~Registry() { qDeleteAll(installed); }
};

Q_GLOBAL_STATIC(Registry, registry)

const int measurementTypeId = qRegisterMetaType<MeasurementSystem::Type>("hx::system::MeasurementSystem::Type");

// Handlers on this thread hear the change before this returns; the others from their own
// event loops. Events are posted under the lock, which a handler's destructor also takes.
void forEachHandler(const std::function<void(LocaleHandler *)> &emitOne)
{
    QList<QPointer<LocaleHandler>> local;
    {
        QMutexLocker locker(&registry->mutex);
        for (LocaleHandler *handler : qAsConst(registry->handlers)) {
            if (handler->thread() == QThread::currentThread())
                local.append(handler);
            else
                QMetaObject::invokeMethod(
                    handler, [handler, emitOne] { emitOne(handler); }, Qt::QueuedConnection);
        }
    }
    for (const QPointer<LocaleHandler> &handler : qAsConst(local)) {
        if (handler)
            emitOne(handler);
    }
}

QTranslator *loadTranslator(const QString &directory, const QString &baseName, const QLocale &locale)
{
    auto *translator = new QTranslator;
    // load() tries the full name first, then drops the country: "_de_DE", then "_de".
    if (translator->load(baseName + QLatin1Char('_') + locale.name(), directory))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace

LocaleHandler::LocaleHandler(QObject *parent) : LocaleHandler(LocaleType::Region, parent) { }

LocaleHandler::LocaleHandler(LocaleType::Type type, QObject *parent) : QObject(parent), m_type(type)
{
    Q_UNUSED(measurementTypeId)
    QMutexLocker locker(&registry->mutex);
    registry->handlers.insert(this);
}

LocaleHandler::~LocaleHandler()
{
    QMutexLocker locker(&registry->mutex);
    registry->handlers.remove(this);
}

LocaleType::Type LocaleHandler::type() const
{
    return m_type;
}

QLocale LocaleHandler::locale() const
{
    return QLocale();
}

MeasurementSystem::Type LocaleHandler::measurementSystem() const
{
    return currentMeasurementSystem();
}

bool LocaleHandler::setLanguage(const QString &localeName)
{
    QList<QTranslator *> previous;
    QList<QPair<QString, QString>> sources;
    {
        QMutexLocker locker(&registry->mutex);
        previous = registry->installed;
        registry->installed.clear();
        registry->language = localeName;
        sources = registry->sources;
    }
    for (QTranslator *translator : qAsConst(previous)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }

    const QLocale locale = localeName.isEmpty() ? QLocale::c() : QLocale(localeName);
    QLocale::setDefault(locale);

    QList<QTranslator *> installed;
    if (locale.language() != QLocale::C) {
        sources.prepend(qMakePair(QStringLiteral(":/hxtrellanplaces/translations"), QStringLiteral("hxtrellanplaces")));
        for (const auto &source : qAsConst(sources)) {
            if (QTranslator *translator = loadTranslator(source.first, source.second, locale)) {
                QCoreApplication::installTranslator(translator);
                installed.append(translator);
            }
        }
    }
    {
        QMutexLocker locker(&registry->mutex);
        registry->installed = installed;
    }

    forEachHandler([](LocaleHandler *handler) {
        emit handler->languageChanged();
        emit handler->changed();
    });
    return !installed.isEmpty();
}

QString LocaleHandler::language()
{
    QMutexLocker locker(&registry->mutex);
    return registry->language;
}

void LocaleHandler::addTranslationSource(const QString &directory, const QString &baseName)
{
    QMutexLocker locker(&registry->mutex);
    const auto source = qMakePair(directory, baseName);
    if (!registry->sources.contains(source))
        registry->sources.append(source);
}

void LocaleHandler::clearTranslationSources()
{
    QMutexLocker locker(&registry->mutex);
    registry->sources.clear();
}

void LocaleHandler::setMeasurementSystem(MeasurementSystem::Type system)
{
    {
        QMutexLocker locker(&registry->mutex);
        if (registry->measurement == system)
            return;
        registry->measurement = system;
    }
    forEachHandler([system](LocaleHandler *handler) {
        emit handler->measurementSystemChanged(system);
        emit handler->changed();
    });
}

MeasurementSystem::Type LocaleHandler::currentMeasurementSystem()
{
    QMutexLocker locker(&registry->mutex);
    return registry->measurement;
}

} // namespace system
} // namespace hx
