// Feeds arbitrary bytes to places-import as a reviews file, the way an import runs it: each line
// read, then added to a gazetteer that holds the reviewed point of interest. A review the writer
// takes has a rating from 0 to 5, a text, a date and an image URL of a kind it takes; every line
// it does not take says why.
#include "reviewsfile.h"

#include <hx/platform/places/gazetteerentry.h>
#include <hx/platform/places/gazetteerwriter.h>

#include <QtCore/QFile>
#include <QtCore/QLoggingCategory>
#include <QtCore/QTemporaryDir>
#include <QtCore/QUrl>

#include <cstddef>
#include <cstdint>

using hx::platform::places::GazetteerEntry;
using hx::platform::places::GazetteerReview;
using hx::platform::places::GazetteerWriter;

namespace {
QString g_reviews;
QString g_gazetteer;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    QLoggingCategory::setFilterRules(QStringLiteral("*=false"));
    static QTemporaryDir folder;
    g_reviews = folder.filePath(QStringLiteral("reviews.jsonl"));
    g_gazetteer = folder.filePath(QStringLiteral("gazetteer.db"));
    GazetteerEntry cafe;
    cafe.kind = GazetteerEntry::PointOfInterest;
    cafe.name = QStringLiteral("Lumen");
    cafe.category = QStringLiteral("cafe");
    cafe.latitude = 43.4651;
    cafe.longitude = -80.5227;
    GazetteerWriter writer(g_gazetteer);
    if (!writer.begin(GazetteerWriter::Replace) || !writer.add(cafe) || !writer.commit())
        __builtin_trap();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QFile file(g_reviews);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    QList<ReviewsFile::Line> lines;
    QString error;
    if (!ReviewsFile::read(g_reviews, &lines, &error)) {
        if (error.isEmpty())
            __builtin_trap();
        return 0;
    }
    // The write is never committed: the gazetteer stays as it was for the next input.
    GazetteerWriter writer(g_gazetteer);
    if (!writer.begin(GazetteerWriter::KeepExisting))
        __builtin_trap();
    int previous = 0;
    for (const ReviewsFile::Line &line : qAsConst(lines)) {
        if (line.number <= previous)
            __builtin_trap();
        previous = line.number;
        if (!line.error.isEmpty())
            continue;
        if (!writer.addReview(line.review)) {
            if (writer.errorString().isEmpty())
                __builtin_trap();
            if (!writer.isActive())
                return 0;
            continue;
        }
        const GazetteerReview &review = line.review;
        if (!(review.rating >= 0 && review.rating <= 5) || review.text.trimmed().isEmpty() || review.created < 0)
            __builtin_trap();
        const QString scheme = review.imageUrl.isEmpty() ? QString() : QUrl(review.imageUrl).scheme();
        if (!scheme.isEmpty() && scheme != QLatin1String("http") && scheme != QLatin1String("https")
            && scheme != QLatin1String("file"))
            __builtin_trap();
    }
    return 0;
}
