#ifndef HX_TEST_STOREINTEGRITY_H
#define HX_TEST_STOREINTEGRITY_H

#include <QtCore/QString>

namespace hx {
namespace test {

// What SQLite's own integrity check says of a store file after a test has written it: "ok" for
// a sound file, otherwise its first complaint, or "cannot open".
class StoreIntegrity
{
public:
    static QString check(const QString &path);
};

} // namespace test
} // namespace hx

#endif
