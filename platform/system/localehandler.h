#ifndef HX_SYSTEM_LOCALEHANDLER_H
#define HX_SYSTEM_LOCALEHANDLER_H

#include <hx/system/measurementsystem.h>

#include <QtCore/QLocale>
#include <QtCore/QObject>
#include <QtCore/QString>
#include <QtCore/QStringList>

namespace hx {
namespace system {

// Tells its owner when the user changes the phone's language or measurement system. The
// changes themselves are process-wide: setLanguage() installs the translations of the new
// language and every living handler emits its signals (on its own thread).
class LocaleHandler : public QObject
{
    Q_OBJECT
public:
    explicit LocaleHandler(QObject *parent = nullptr);
    explicit LocaleHandler(LocaleType::Type type, QObject *parent = nullptr);
    ~LocaleHandler() override;

    LocaleType::Type type() const;
    QLocale locale() const;
    MeasurementSystem::Type measurementSystem() const;

    // Switches the process to locale ("fr", "de_DE"; empty or "C" for untranslated texts):
    // removes the translators installed before, makes locale the default QLocale, installs
    // the library's translations from
    // ":/hxtrellanplaces/translations/hxtrellanplaces_<name>.qm" (the full name, then the
    // language alone) and those of every added source, then every handler emits
    // languageChanged() and changed(). Returns whether any translation file was installed;
    // a language without translations still switches (texts stay as written).
    static bool setLanguage(const QString &locale);
    static QString language();

    // Another place setLanguage() looks for translations: <directory>/<baseName>_<name>.qm.
    static void addTranslationSource(const QString &directory, const QString &baseName);
    static void clearTranslationSources();

    // Switches the measurement system; when it differs, every handler emits
    // measurementSystemChanged() and changed().
    static void setMeasurementSystem(MeasurementSystem::Type system);
    static MeasurementSystem::Type currentMeasurementSystem();

signals:
    void languageChanged();
    void measurementSystemChanged(hx::system::MeasurementSystem::Type measurementSystem);
    // Any locale setting changed.
    void changed();

private:
    LocaleType::Type m_type;
};

} // namespace system
} // namespace hx

#endif
