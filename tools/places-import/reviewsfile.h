#ifndef HX_TOOLS_REVIEWSFILE_H
#define HX_TOOLS_REVIEWSFILE_H

#include <hx/platform/places/gazetteerreview.h>

#include <QtCore/QList>
#include <QtCore/QString>

class QDir;
class QJsonObject;
class QJsonValue;

// A file of reviews, one JSON object a line (blank lines are passed over):
//     {"place": "Lumen Coffee House", "lat": 43.4651, "lon": -80.5227, "author": "Ana",
//      "rating": 4.5, "text": "…", "date": "2025-03-14", "image": "file:images/lumen.png",
//      "url": "https://reviews.example/lumen"}
// "lat" and "lon" pick the nearest point of interest of that name; "date" is an ISO 8601 date or
// date and time (UTC unless it says otherwise) or seconds since the epoch; a relative "file:"
// image is taken from the folder of the file.
class ReviewsFile
{
public:
    struct Line
    {
        int number = 0;
        hx::platform::places::GazetteerReview review;
        QString error; // why the line cannot be used; empty when it can
    };

    // Every line that is not blank; false, with the reason, when the file cannot be read.
    static bool read(const QString &path, QList<Line> *lines, QString *error);

private:
    static hx::platform::places::GazetteerReview parse(const QJsonObject &object, const QDir &folder, QString *error);
    static bool parseDate(const QJsonValue &value, qint64 *seconds);
};

#endif
