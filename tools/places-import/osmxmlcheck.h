#ifndef HX_TOOLS_OSMXMLCHECK_H
#define HX_TOOLS_OSMXMLCHECK_H

#include <QtCore/QByteArray>
#include <QtCore/QList>
#include <QtCore/QString>

// Looks over the elements of an uncompressed OpenStreetMap XML extract before it is read: the
// reader gives up on the whole file at the first attribute it cannot take (an id that is no
// whole number, a position that is no number), so such an element is cut out beforehand and
// reported by its label, and the rest of the file is read.
class OsmXmlCheck
{
public:
    struct Rejected
    {
        QString label; // "node/12", "way/x"
        QString reason;
    };

    // The file's text without its bad elements, and those elements; `data` itself when none
    // is bad.
    static QByteArray withoutBadElements(const QByteArray &data, QList<Rejected> *rejected);
};

#endif
