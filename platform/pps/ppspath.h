#ifndef HX_PPS_PPSPATH_H
#define HX_PPS_PPSPATH_H

#include <QtCore/QString>

namespace hx {
namespace pps {

// The folder that stands for "/pps": HX_PPS_ROOT, or "/pps" itself when unset.
QString root();

// The local file for an object path: the "/pps" prefix is mapped onto root(), and a "?…"
// query suffix (such as "?f=ip_ok") is dropped. Other paths are returned without the suffix.
QString localPath(const QString &path);

// Creates a folder and its missing parents, each new one readable only by its owner (0700).
bool makePrivateFolders(const QString &folder);

// Opens an object and returns a descriptor for plain read, write and close, or -1 with errno
// set. A server object (a Unix-domain socket at the path, such as the geolocation control) is
// connected as a message socket: each write is one request, each read returns one whole reply.
// Any other object is the file itself, opened with the POSIX flags given; with O_CREAT a
// missing file is created 0600 and its missing folders 0700.
int openObject(const QString &path, int flags);

// True when the object's local path is a server object's socket.
bool isServerObject(const QString &path);

} // namespace pps
} // namespace hx

#endif
