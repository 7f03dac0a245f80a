#ifndef HXPLACES_ASSETGEN_IMAGETABLE_H
#define HXPLACES_ASSETGEN_IMAGETABLE_H

#include <QtCore/QList>
#include <QtCore/QSize>
#include <QtCore/QString>
#include <QtGui/QRgb>

// One image the library names: what it looks like, how big it is, where a screen shows it and
// whether the library carries it or asks the application for it.
struct ImageEntry
{
    enum Origin { Library, Application };
    // How the glyph is laid out in the picture.
    enum Look {
        Glyph, // the glyph alone, centred
        Disc, // the glyph on a round disc of the background colour
        Pin, // the glyph filling the picture, its point on the bottom edge
        Corner, // a triangle of the background colour in the top right corner, the glyph on it
        Stars, // five stars, as many filled as the rating's half steps say
        Badge, // a rounded box of the background colour with the glyph three times
        Backdrop, // a dim grid the width of the screen with the glyph in its middle
        Veil, // no glyph: an even fill of a see-through colour, which tiles without seams
    };

    const char *name;
    Origin origin;
    Look look;
    const char *glyph; // the icon font's name of the glyph
    QRgb colour;
    QRgb background;
    float widthDu; // design units; a design unit is 8 pixels
    float heightDu;
    const char *symbol; // one terminal cell standing for the image
    const char *shownIn;
    int halfSteps; // Stars: filled half stars
};

// A device folder of the library's embedded images, as its resources have them.
struct ImageVariant
{
    const char *name;
    const char *folder;
    float pixelsPerDu;
};

// The table of every image the library names, for the asset generator and for the list of
// expected images.
class ImageTable
{
public:
    static const QList<ImageEntry> &entries();
    static const QList<ImageVariant> &variants();
    // Null for a name the library never asks for.
    static const ImageEntry *find(const QString &name);

    static constexpr float PixelsPerDu = 8;
    // The displays the device-size properties name.
    static QStringList displays();
    // The size of the file the display gets: a device variant when the resources have one.
    static QSize pixelSize(const ImageEntry &entry, const QString &display);
    static QSize pixelSize(const ImageEntry &entry, float pixelsPerDu);
    // The list of expected images as a Markdown page.
    static QString markdown();
};

#endif
