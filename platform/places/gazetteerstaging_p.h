#ifndef HX_PLATFORM_PLACES_GAZETTEERSTAGING_P_H
#define HX_PLATFORM_PLACES_GAZETTEERSTAGING_P_H

namespace hx {
namespace platform {
namespace places {
namespace GazetteerStaging {

// A write gathers its entries in a temporary table, in the order they come, and builds the
// file's tables from it at commit: ids by importance, the indexes in one pass each.
constexpr const char *StagingSql = R"sql(
CREATE TEMP TABLE staging(
    seq INTEGER PRIMARY KEY, kind INTEGER, name TEXT, name_key TEXT, street TEXT, postal_code TEXT,
    city TEXT, region TEXT, region_code TEXT, country TEXT, country_code TEXT, category TEXT, phone TEXT,
    url TEXT, email TEXT, latitude REAL, longitude REAL, importance REAL, rating REAL, rating_count INTEGER,
    indexed_name TEXT, indexed_place TEXT, category_key TEXT, other_names TEXT);
CREATE TEMP TABLE staged_categories(code TEXT PRIMARY KEY, name TEXT NOT NULL);
CREATE TEMP TABLE staged_country_names(code TEXT NOT NULL, language TEXT NOT NULL, name TEXT NOT NULL,
    PRIMARY KEY(code, language));
)sql";

constexpr const char *EntryColumns = "kind, name, name_key, street, postal_code, city, region, region_code, country, "
                                     "country_code, category, phone, url, email, latitude, longitude, importance, "
                                     "rating, rating_count";

// Ties keep the order entries were added in, so a rewrite of the same input gives the same ids.
constexpr const char *BuildSql = R"sql(
INSERT INTO areas(region, region_code, country, country_code)
SELECT DISTINCT region, region_code, country, country_code FROM temp.staging ORDER BY country_code, region_code;
INSERT INTO entry_rows(id, kind, name, name_key, street, postal_code, city, area, category, phone, url, email,
    latitude, longitude, importance, rating, rating_count)
SELECT row_number() OVER (ORDER BY s.importance DESC, s.seq), s.kind, s.name,
    CASE WHEN s.name_key = lower(s.name) AND s.name NOT GLOB '*[^ -~]*' THEN NULL ELSE s.name_key END,
    nullif(s.street, s.name),
    s.postal_code, nullif(s.city, s.name), a.id, s.category, s.phone, s.url, s.email,
    CAST(round(s.latitude * 1e7) AS INTEGER), CAST(round(s.longitude * 1e7) AS INTEGER),
    s.importance, s.rating, s.rating_count
FROM temp.staging s JOIN areas a ON a.region = s.region AND a.region_code = s.region_code AND a.country = s.country
    AND a.country_code = s.country_code
ORDER BY s.importance DESC, s.seq;
INSERT INTO poi_categories(code_key, id, latitude, longitude)
SELECT category_key, id, CAST(round(latitude * 1e7) AS INTEGER), CAST(round(longitude * 1e7) AS INTEGER) FROM (
    SELECT kind, category_key, latitude, longitude, row_number() OVER (ORDER BY importance DESC, seq) AS id
    FROM temp.staging) WHERE kind = 16; -- points of interest
INSERT INTO names(rowid, name, place)
SELECT row_number() OVER (ORDER BY importance DESC, seq), indexed_name, indexed_place
FROM temp.staging ORDER BY importance DESC, seq;
INSERT INTO points(id, min_lat, max_lat, min_lon, max_lon, kind)
SELECT id, latitude, latitude, longitude, longitude, kind FROM entries WHERE latitude IS NOT NULL ORDER BY id;
INSERT INTO categories(code, name) SELECT code, name FROM temp.staged_categories;
INSERT OR IGNORE INTO categories(code, name) SELECT DISTINCT category, category FROM entries WHERE category != '';
INSERT INTO names(names) VALUES('optimize');
INSERT INTO other_names(id, names)
SELECT id, other_names FROM (
    SELECT other_names, row_number() OVER (ORDER BY importance DESC, seq) AS id FROM temp.staging)
WHERE other_names != '';
INSERT INTO country_names(code, language, name) SELECT code, language, name FROM temp.staged_country_names;
CREATE VIRTUAL TABLE temp.vocabulary USING fts5vocab(main, names, row);
INSERT INTO terms(term) SELECT term FROM temp.vocabulary;
DROP TABLE temp.vocabulary;
)sql";

// After other_names_index is filled: its terms join the others, so that a word found only among
// other names still counts as a word of its kind.
constexpr const char *OtherTermsSql = R"sql(
INSERT INTO other_names_index(other_names_index) VALUES('optimize');
CREATE VIRTUAL TABLE temp.other_vocabulary USING fts5vocab(main, other_names_index, row);
INSERT OR IGNORE INTO terms(term) SELECT term FROM temp.other_vocabulary;
DROP TABLE temp.other_vocabulary;
)sql";

} // namespace GazetteerStaging
} // namespace places
} // namespace platform
} // namespace hx

#endif
