#ifndef HX_PLATFORM_PLACES_GAZETTEERSCHEMA_P_H
#define HX_PLATFORM_PLACES_GAZETTEERSCHEMA_P_H

namespace hx {
namespace platform {
namespace places {
namespace GazetteerSchema {

// "HxGz": tells a gazetteer from any other SQLite file before a single table is read.
constexpr int ApplicationId = 0x48784775;
// 2 added ratings and the category index; files of version 1 still open, without either.
// 3 keys and index terms folded as the user's store folds them (TextFolding); older files still
// open, but their few names that fold otherwise (a sharp s, letters outside the basic plane)
// match only as before until the file is written again.
// 4 added the places' other names and the countries' names in other languages; older files open
// without them.
// 5 keeps no word positions in the names' index; words typed without a space between are checked
// against the entry's texts instead.
// 6 keys positions on a grid (cells) instead of a spatial index of boxes, lists in terms only the
// names' terms longer than the prefix indexes reach, keeps the details of points of interest
// (category, contacts, rating) in entry_details, and indexes other names' prefixes of one letter.
constexpr int Version = 6;
constexpr int FirstVersionWithRatings = 2;
constexpr int FirstVersionWithCategoryIndex = 2;
constexpr int FirstVersionWithSharedFolding = 3;
constexpr int FirstVersionWithOtherNames = 4;
constexpr int FirstVersionWithoutPositions = 5;
constexpr int FirstVersionWithWholeCoordinates = 5;
constexpr int FirstVersionWithCells = 6;
constexpr int FirstVersionWithLongTermsOnly = 6;
// Positions are stored as whole numbers of this many steps to a degree (the view and the
// writer's SQL spell it 1e7).
constexpr double CoordinateStepsPerDegree = 1e7;
// Other names are indexed one a row under (id << OtherNameShift) + their position in the entry's
// list, so their rows too run in importance order and name the entry they belong to.
constexpr int OtherNameShift = 8;
// Between the other names of one entry in other_names.names; no name holds it.
constexpr char16_t OtherNameSeparator = 0x1f;
// Regions and countries are stored above every town by whole steps of this importance; the
// remainder is the people living in them.
constexpr double AreaImportanceStep = 1e10;
// The longest indexed prefix, kind letter included.
constexpr int LongestIndexedPrefix = 8;

// entries is what every reader asks; its rows are stored compact in entry_rows: the region and
// country of a place once in areas; as NULL a folded name that is the name in small ASCII letters
// and a street or town that is the place's own name; a position in whole tenths of a microdegree
// (a centimetre; four bytes where a number takes eight). What only points of interest have (a
// category, contacts, a rating) is in entry_details, one row for each entry that has any: a town
// then carries no empty columns.
// Rows are numbered in descending importance, so "ORDER BY rowid LIMIT n" over any match set
// yields the most important matches first without ranking the whole set. name_key is the
// folded name for the exact-name lookup that comes before the prefix matches. Every term of
// the full-text index starts with its entry's kind letter (see GazetteerText::indexText). The
// prefix indexes reach seven typed letters (plus the kind letter): up to there a common syllable
// can start thousands of words, past it hardly ever. terms lists the names' terms longer than
// that (in characters, as the index counts prefixes), so a longer prefix is looked up as the few
// whole terms it stands for: whole terms are read lazily in rowid order, while a prefix without
// its own prefix index would first gather every match.
// The index keeps no word positions: words typed joined ("saint-denis") are asked for one by one
// and the entries found checked for them standing together.
// poi_categories holds every point of interest under its lower-case category code, with its
// position, so that a code prefix (sub-categories included) is one range of the key and a
// rare category is read whole without touching the entries; within a code, ids run in
// importance order. reviews holds the rating service's reviews of points of interest; files
// written before it existed open without reviews.
// other_names holds an entry's other names, joined by OtherNameSeparator, only for entries that
// have some; other_names_index holds each of them alone under (id << OtherNameShift) + its
// position, without a place column: the other name alone is matched, an address never is. It keeps
// no word positions, so it is asked for words, each on its own, never for phrases; its one prefix
// index is of one typed letter: a longer prefix starts few other names, read from their terms.
// cells holds each place with a position once for each bit of its kind, under its key on the
// position grid (PositionGrid): the places of one kind around a point are a few ranges of keys.
// country_names holds each country's name in the languages it was translated into, by language
// ("de", "pt_BR") and ISO code, so that the names of the phone's language are read together.
constexpr const char *CreateTables = R"sql(
CREATE TABLE areas(
    id INTEGER PRIMARY KEY,
    region TEXT NOT NULL,
    region_code TEXT NOT NULL,
    country TEXT NOT NULL,
    country_code TEXT NOT NULL
);
CREATE TABLE entry_rows(
    id INTEGER PRIMARY KEY,
    kind INTEGER NOT NULL,
    name TEXT NOT NULL,
    name_key TEXT,
    street TEXT,
    postal_code TEXT NOT NULL DEFAULT '',
    city TEXT,
    area INTEGER NOT NULL,
    latitude INTEGER,
    longitude INTEGER,
    importance REAL NOT NULL DEFAULT 0
);
CREATE TABLE entry_details(
    id INTEGER PRIMARY KEY,
    category TEXT NOT NULL DEFAULT '',
    phone TEXT NOT NULL DEFAULT '',
    url TEXT NOT NULL DEFAULT '',
    email TEXT NOT NULL DEFAULT '',
    rating REAL,
    rating_count INTEGER NOT NULL DEFAULT 0
);
CREATE VIEW entries AS SELECT e.id AS id, e.kind AS kind, e.name AS name,
    coalesce(e.name_key, lower(e.name)) AS name_key,
    coalesce(e.street, e.name) AS street, e.postal_code AS postal_code, coalesce(e.city, e.name) AS city,
    a.region AS region, a.region_code AS region_code, a.country AS country, a.country_code AS country_code,
    coalesce(d.category, '') AS category, coalesce(d.phone, '') AS phone, coalesce(d.url, '') AS url,
    coalesce(d.email, '') AS email, e.latitude / 1e7 AS latitude, e.longitude / 1e7 AS longitude,
    e.importance AS importance, d.rating AS rating, coalesce(d.rating_count, 0) AS rating_count
FROM entry_rows e JOIN areas a ON a.id = e.area LEFT JOIN entry_details d ON d.id = e.id;
CREATE TABLE categories(code TEXT PRIMARY KEY, name TEXT NOT NULL) WITHOUT ROWID;
CREATE VIRTUAL TABLE names USING fts5(name, place, content='', columnsize=0, detail='none',
    tokenize='unicode61 remove_diacritics 2', prefix='2 3 4 5 6 7 8');
CREATE TABLE terms(term TEXT PRIMARY KEY) WITHOUT ROWID;
CREATE TABLE other_names(id INTEGER PRIMARY KEY, names TEXT NOT NULL);
CREATE VIRTUAL TABLE other_names_index USING fts5(name, content='', columnsize=0, detail='none',
    tokenize='unicode61 remove_diacritics 2', prefix='2');
CREATE TABLE country_names(code TEXT NOT NULL, language TEXT NOT NULL, name TEXT NOT NULL,
    PRIMARY KEY(language, code)) WITHOUT ROWID;
CREATE TABLE cells(cell INTEGER NOT NULL, id INTEGER NOT NULL, PRIMARY KEY(cell, id)) WITHOUT ROWID;
CREATE TABLE poi_categories(code_key TEXT NOT NULL, id INTEGER NOT NULL, latitude INTEGER, longitude INTEGER,
    PRIMARY KEY(code_key, id)) WITHOUT ROWID;
CREATE TABLE reviews(entry_id INTEGER NOT NULL, author TEXT NOT NULL, rating REAL NOT NULL, text TEXT NOT NULL,
    created INTEGER NOT NULL, image_url TEXT NOT NULL DEFAULT '', page_url TEXT NOT NULL DEFAULT '');
)sql";

// An index entry ends in its row's id, so the folded-name index lists equal names in id order
// without storing the id a second time.
constexpr const char *CreateIndexes = "CREATE INDEX entries_name_key ON entry_rows(coalesce(name_key, lower(name)));"
                                      "CREATE INDEX reviews_entry ON reviews(entry_id, created DESC);";

} // namespace GazetteerSchema
} // namespace places
} // namespace platform
} // namespace hx

#endif
