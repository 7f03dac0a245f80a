# Turns a line comment at the start of a line into a documentation comment, so that the
# comment over a class or member becomes its documentation in the API reference.
s,^\([[:space:]]*\)//\([^/!]\|$\),\1///\2,
