#ifndef HX_TEST_PPSSTATUSFILE_H
#define HX_TEST_PPSSTATUSFILE_H

#include <QtCore/QByteArray>
#include <QtCore/QString>

namespace hx {
namespace test {

// Writes a status object ("/pps/services/...") as a plain file under the current
// publish/subscribe root (HX_PPS_ROOT, set by TestRoots), or removes it.
class PpsStatusFile
{
public:
    // path begins with "/pps/"; text is the object's text form ("@uom\nuom::metric\n").
    static bool write(const QString &path, const QByteArray &text);
    static bool remove(const QString &path);
    static QString localPath(const QString &path);
};

} // namespace test
} // namespace hx

#endif
