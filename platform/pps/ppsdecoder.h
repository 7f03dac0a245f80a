#ifndef HX_PPS_PPSDECODER_H
#define HX_PPS_PPSDECODER_H

#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// Reads publish/subscribe object text ("@name" lines followed by "name:type:value" lines, where
// the type is empty for text, "n" for numbers, "b" for booleans and "json" for any JSON value)
// and JSON documents into a tree that is walked with push and pop.
//
// The walk starts at the document level. In object text every "@name" object is one element
// there; push("name") or push("@name") enters it by name, push(NULL) enters the one under the
// cursor (the first). A JSON document is one unnamed element, entered with push(NULL).
//
// Inside an object, members are found by name (the last of equal names wins). A NULL name
// means the element under the cursor: get_* read it and move the cursor on when they succeed,
// push(NULL) enters it and the matching pop moves the cursor past it, and next() skips it. This
// is how arrays (and object members in order) are iterated.
//
// Input is bounded (PPS_DECODER_MAX_INPUT bytes, PPS_DECODER_MAX_DEPTH levels, PPS_DECODER_MAX_NODES
// values) and never read
// past the given length. Every call returns an error value; the first one is also kept.

typedef enum {
    PPS_DECODER_OK = 0,
    PPS_DECODER_PARSE_ERROR = 1, // malformed, truncated, too deep or too large text
    PPS_DECODER_NOT_FOUND = 2, // no member of that name, or the cursor is past the end
    PPS_DECODER_WRONG_TYPE = 3, // the member exists with another type
    PPS_DECODER_OUT_OF_RANGE = 4, // a number that does not fit the asked integer type
    PPS_DECODER_BAD_NESTING = 5, // pop at the document level, or no text parsed
    PPS_DECODER_NO_MEMORY = 6
} pps_decoder_error_t;

typedef enum {
    PPS_TYPE_NONE = 0, // absent
    PPS_TYPE_NULL = 1,
    PPS_TYPE_BOOL = 2,
    PPS_TYPE_NUMBER = 3,
    PPS_TYPE_STRING = 4,
    PPS_TYPE_ARRAY = 5,
    PPS_TYPE_OBJECT = 6
} pps_node_type_t;

enum { PPS_DECODER_MAX_INPUT = 4 * 1024 * 1024, PPS_DECODER_MAX_DEPTH = 64, PPS_DECODER_MAX_NODES = 256 * 1024 };

typedef struct pps_decoder_state pps_decoder_state_t;
typedef struct
{
    pps_decoder_state_t *state;
} pps_decoder_t;

// Prepares a decoder; with text (NUL-terminated object text) also parses it.
pps_decoder_error_t pps_decoder_initialize(pps_decoder_t *decoder, const char *text);
void pps_decoder_cleanup(pps_decoder_t *decoder);

// Replace the tree with the parsed text; the _str forms read up to the first NUL.
pps_decoder_error_t pps_decoder_parse_pps(pps_decoder_t *decoder, const char *data, size_t length);
pps_decoder_error_t pps_decoder_parse_pps_str(pps_decoder_t *decoder, const char *text);
pps_decoder_error_t pps_decoder_parse_json(pps_decoder_t *decoder, const char *data, size_t length);
pps_decoder_error_t pps_decoder_parse_json_str(pps_decoder_t *decoder, const char *text);

pps_decoder_error_t pps_decoder_push(pps_decoder_t *decoder, const char *name);
pps_decoder_error_t pps_decoder_pop(pps_decoder_t *decoder);
pps_decoder_error_t pps_decoder_next(pps_decoder_t *decoder);
// Depth of the walk: 0 at the document level.
int pps_decoder_nesting(const pps_decoder_t *decoder);

pps_node_type_t pps_decoder_type(const pps_decoder_t *decoder, const char *name);
bool pps_decoder_is_array(const pps_decoder_t *decoder, const char *name);
// Elements of the current object or array (or objects at the document level).
int pps_decoder_length(const pps_decoder_t *decoder);
// Name of the element under the cursor ("" inside arrays), or NULL past the end.
const char *pps_decoder_name(const pps_decoder_t *decoder);

// The string stays valid until the next parse or cleanup.
pps_decoder_error_t pps_decoder_get_string(pps_decoder_t *decoder, const char *name, const char **value);
pps_decoder_error_t pps_decoder_get_bool(pps_decoder_t *decoder, const char *name, bool *value);
pps_decoder_error_t pps_decoder_get_int(pps_decoder_t *decoder, const char *name, int *value);
pps_decoder_error_t pps_decoder_get_int64(pps_decoder_t *decoder, const char *name, int64_t *value);
pps_decoder_error_t pps_decoder_get_double(pps_decoder_t *decoder, const char *name, double *value);

// The first error since parsing (or since it was cleared).
pps_decoder_error_t pps_decoder_status(pps_decoder_t *decoder, bool clear);

#ifdef __cplusplus
}
#endif

#endif
