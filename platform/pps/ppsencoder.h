#ifndef HX_PPS_PPSENCODER_H
#define HX_PPS_PPSENCODER_H

#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// Writes publish/subscribe objects in their text form:
//
//   @control
//   msg::location
//   count:n:3
//   on:b:true
//   dat:json:{"period":3,"names":["a","b"]}
//
// or, when initialised for JSON, one JSON document with members in the order they were added.
// In the object form, start_object with a name beginning with "@" opens an object line; values
// added directly inside it (or before any object line) become attribute lines, and objects and
// arrays started there become one JSON attribute. Errors are sticky: after the first one every call does
// nothing and returns it, and the buffer is NULL.

typedef enum {
    PPS_ENCODER_OK = 0,
    PPS_ENCODER_NO_MEMORY = 1, // the text would grow beyond PPS_ENCODER_MAX_SIZE
    PPS_ENCODER_BAD_NESTING = 2, // end without start, array member with a name expected, too deep
    PPS_ENCODER_INVALID_VALUE = 3, // NaN or infinite double, NULL string
    PPS_ENCODER_INVALID_NAME = 4 // missing name, or one holding ':' or a line break in an attribute
} pps_encoder_error_t;

enum { PPS_ENCODER_MAX_SIZE = 4 * 1024 * 1024, PPS_ENCODER_MAX_DEPTH = 64 };

typedef struct pps_encoder_state pps_encoder_state_t;
typedef struct
{
    pps_encoder_state_t *state;
} pps_encoder_t;

// Prepares an encoder; json true writes a JSON document instead of the object form.
void pps_encoder_initialize(pps_encoder_t *encoder, bool json);
void pps_encoder_cleanup(pps_encoder_t *encoder);
// Empties the buffer and clears the error, keeping the form.
void pps_encoder_reset(pps_encoder_t *encoder);

pps_encoder_error_t pps_encoder_start_object(pps_encoder_t *encoder, const char *name);
pps_encoder_error_t pps_encoder_end_object(pps_encoder_t *encoder);
pps_encoder_error_t pps_encoder_start_array(pps_encoder_t *encoder, const char *name);
pps_encoder_error_t pps_encoder_end_array(pps_encoder_t *encoder);

// Inside arrays the name is ignored and may be NULL.
pps_encoder_error_t pps_encoder_add_string(pps_encoder_t *encoder, const char *name, const char *value);
pps_encoder_error_t pps_encoder_add_int(pps_encoder_t *encoder, const char *name, int value);
pps_encoder_error_t pps_encoder_add_int64(pps_encoder_t *encoder, const char *name, int64_t value);
pps_encoder_error_t pps_encoder_add_double(pps_encoder_t *encoder, const char *name, double value);
pps_encoder_error_t pps_encoder_add_bool(pps_encoder_t *encoder, const char *name, bool value);
pps_encoder_error_t pps_encoder_add_null(pps_encoder_t *encoder, const char *name);

// The text written so far, NUL-terminated, or NULL after an error.
const char *pps_encoder_buffer(const pps_encoder_t *encoder);
// Its length without the NUL; 0 after an error.
size_t pps_encoder_length(const pps_encoder_t *encoder);
pps_encoder_error_t pps_encoder_error(const pps_encoder_t *encoder);

#ifdef __cplusplus
}
#endif

#endif
