#include "reviewsfile.h"

#include <QtCore/QDateTime>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QUrl>

using hx::platform::places::GazetteerReview;

namespace {
// A number, or a number written as text.
double numberOf(const QJsonValue &value)
{
    if (value.isDouble())
        return value.toDouble();
    bool ok = false;
    const double number = value.toString().trimmed().toDouble(&ok);
    return ok ? number : qQNaN();
}

// A file image is one beside the reviews or below their folder: the reviews file names
// pictures it came with, never other files of the user's.
QString imageOf(const QString &text, const QDir &folder, QString *error)
{
    const QUrl url(text.trimmed());
    if (url.scheme() != QLatin1String("file") || url.path().isEmpty())
        return text.trimmed();
    const QString path = QDir::cleanPath(folder.absoluteFilePath(url.path()));
    const QString canonical = QFileInfo(path).canonicalFilePath();
    const QString root = folder.canonicalPath();
    const QString resolved = canonical.isEmpty() ? path : canonical;
    if (!resolved.startsWith((root.isEmpty() ? folder.absolutePath() : root) + QLatin1Char('/')))
        *error = QStringLiteral("an image file outside the reviews file's folder: %1").arg(text.trimmed());
    return QUrl::fromLocalFile(path).toString();
}
} // namespace

bool ReviewsFile::read(const QString &path, QList<Line> *lines, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    const QDir folder = QFileInfo(path).absoluteDir();
    int number = 0;
    while (!file.atEnd()) {
        const QByteArray text = file.readLine().trimmed();
        ++number;
        if (text.isEmpty())
            continue;
        Line line;
        line.number = number;
        QJsonParseError parseError;
        const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
        if (!document.isObject())
            line.error = parseError.error != QJsonParseError::NoError
                ? QStringLiteral("not JSON: ") + parseError.errorString()
                : QStringLiteral("not a JSON object");
        else
            line.review = parse(document.object(), folder, &line.error);
        lines->append(line);
    }
    return true;
}

GazetteerReview ReviewsFile::parse(const QJsonObject &object, const QDir &folder, QString *error)
{
    GazetteerReview review;
    review.placeName = object.value(QLatin1String("place")).toString().trimmed();
    if (object.contains(QLatin1String("lat")) || object.contains(QLatin1String("lon"))) {
        review.latitude = numberOf(object.value(QLatin1String("lat")));
        review.longitude = numberOf(object.value(QLatin1String("lon")));
    }
    review.author = object.value(QLatin1String("author")).toString().trimmed();
    review.rating = numberOf(object.value(QLatin1String("rating")));
    review.text = object.value(QLatin1String("text")).toString().trimmed();
    QString imageError;
    review.imageUrl = imageOf(object.value(QLatin1String("image")).toString(), folder, &imageError);
    review.pageUrl = object.value(QLatin1String("url")).toString().trimmed();
    if (review.placeName.isEmpty())
        *error = QStringLiteral("no place");
    else if (!object.contains(QLatin1String("rating")))
        *error = QStringLiteral("no rating");
    else if (!parseDate(object.value(QLatin1String("date")), &review.created))
        *error = QStringLiteral("no date, or not an ISO 8601 date or seconds since 1970");
    else if (!imageError.isEmpty())
        *error = imageError;
    return review;
}

bool ReviewsFile::parseDate(const QJsonValue &value, qint64 *seconds)
{
    if (value.isDouble()) {
        // Up to the last second of year 9999, the last a written date can name.
        const double number = value.toDouble();
        if (!(number >= 0 && number <= 253402300799.0))
            return false;
        *seconds = qint64(number);
        return true;
    }
    const QString text = value.toString().trimmed();
    QDateTime time = QDateTime::fromString(text, Qt::ISODate);
    if (!time.isValid()) {
        const QDate date = QDate::fromString(text, Qt::ISODate);
        time = date.isValid() ? date.startOfDay(Qt::UTC) : QDateTime();
    } else if (time.timeSpec() == Qt::LocalTime) {
        time.setTimeSpec(Qt::UTC);
    }
    // A date written out is held to the same rule as seconds: none before 1970.
    if (!time.isValid() || time.toSecsSinceEpoch() < 0)
        return false;
    *seconds = time.toSecsSinceEpoch();
    return true;
}
