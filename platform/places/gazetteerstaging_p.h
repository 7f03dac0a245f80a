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
INSERT INTO entry_rows(id, kind, name, name_key, street, postal_code, city, area, latitude, longitude, importance)
SELECT row_number() OVER (ORDER BY s.importance DESC, s.seq), s.kind, s.name,
    CASE WHEN s.name_key = lower(s.name) AND s.name NOT GLOB '*[^ -~]*' THEN NULL ELSE s.name_key END,
    nullif(s.street, s.name),
    s.postal_code, nullif(s.city, s.name), a.id,
    CAST(round(s.latitude * 1e7) AS INTEGER), CAST(round(s.longitude * 1e7) AS INTEGER), s.importance
FROM temp.staging s JOIN areas a ON a.region = s.region AND a.region_code = s.region_code AND a.country = s.country
    AND a.country_code = s.country_code
ORDER BY s.importance DESC, s.seq;
INSERT INTO entry_details(id, category, phone, url, email, rating, rating_count)
SELECT id, category, phone, url, email, rating, rating_count FROM (
    SELECT row_number() OVER (ORDER BY importance DESC, seq) AS id, category, phone, url, email, rating, rating_count
    FROM temp.staging)
WHERE category != '' OR phone != '' OR url != '' OR email != '' OR rating IS NOT NULL OR rating_count != 0;
INSERT INTO poi_categories(code_key, id, latitude, longitude)
SELECT category_key, id, CAST(round(latitude * 1e7) AS INTEGER), CAST(round(longitude * 1e7) AS INTEGER) FROM (
    SELECT kind, category_key, latitude, longitude, row_number() OVER (ORDER BY importance DESC, seq) AS id
    FROM temp.staging) WHERE kind = 16; -- points of interest
INSERT INTO names(rowid, name, place)
SELECT row_number() OVER (ORDER BY importance DESC, seq), indexed_name, indexed_place
FROM temp.staging ORDER BY importance DESC, seq;
-- Keys on the position grid (PositionGrid): steps of 1/2^21 of 180 degrees, blocks of 128 steps.
INSERT INTO cells(cell, id)
SELECT (bit << 43) | ((la >> 7) << 29) | ((lo >> 7) << 14) | ((la & 127) << 7) | (lo & 127), id FROM (
    SELECT id, kind, min((latitude + 900000000) * 2097152 / 1800000000, 2097151) AS la,
        min((longitude + 1800000000) * 4194304 / 3600000000, 4194303) AS lo
    FROM entry_rows WHERE latitude IS NOT NULL)
JOIN (SELECT 0 AS bit UNION ALL SELECT 1 UNION ALL SELECT 2 UNION ALL SELECT 3 UNION ALL SELECT 4 UNION ALL SELECT 5)
    ON (kind >> bit) & 1
ORDER BY 1, 2;
INSERT INTO categories(code, name) SELECT code, name FROM temp.staged_categories;
INSERT OR IGNORE INTO categories(code, name) SELECT DISTINCT category, category FROM entries WHERE category != '';
INSERT INTO names(names) VALUES('optimize');
INSERT INTO other_names(id, names)
SELECT id, other_names FROM (
    SELECT other_names, row_number() OVER (ORDER BY importance DESC, seq) AS id FROM temp.staging)
WHERE other_names != '';
INSERT INTO country_names(code, language, name) SELECT code, language, name FROM temp.staged_country_names;
-- Only the terms past the longest prefix index (GazetteerSchema::LongestIndexedPrefix, 8 characters).
CREATE VIRTUAL TABLE temp.vocabulary USING fts5vocab(main, names, row);
INSERT INTO terms(term) SELECT term FROM temp.vocabulary WHERE length(term) > 8;
DROP TABLE temp.vocabulary;
)sql";

// After other_names_index is filled.
constexpr const char *OptimizeOtherNamesSql = R"sql(
INSERT INTO other_names_index(other_names_index) VALUES('optimize');
)sql";

} // namespace GazetteerStaging
} // namespace places
} // namespace platform
} // namespace hx

#endif
