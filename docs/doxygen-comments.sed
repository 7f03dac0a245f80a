# Turns a line comment at the start of a line into a documentation comment, so that the
# comment over a class or member becomes its documentation in the API reference. Its text is
# taken as written: "<root>", "@control" and backslashes are not markup.
/^[[:space:]]*\/\/\([^/!]\|$\)/{
    s/\\/\\\\/g
    s/[<>@]/\\&/g
    s,^\([[:space:]]*\)//,\1///,
}
