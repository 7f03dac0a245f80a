#ifndef HX_TEST_GAZETTEERFIXTURE_H
#define HX_TEST_GAZETTEERFIXTURE_H

#include <hx/platform/places/gazetteerentry.h>

#include <QtCore/QList>
#include <QtCore/QString>

namespace hx {
namespace test {

// Small gazetteer files for tests: build entries in one line each and write them in one go.
class GazetteerFixture
{
public:
    static platform::places::GazetteerEntry entry(platform::places::GazetteerEntry::Kind kind, const QString &name,
                                                  double latitude, double longitude, double importance = 0);
    static platform::places::GazetteerEntry poi(const QString &name, double latitude, double longitude,
                                                const QString &category = QStringLiteral("restaurant"),
                                                double importance = 0);

    // Replaces whatever is at path; false (with a warning) when the file cannot be written.
    static bool write(const QString &path, const QList<platform::places::GazetteerEntry> &entries);
};

} // namespace test
} // namespace hx

#endif
