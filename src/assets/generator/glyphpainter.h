#ifndef HXPLACES_ASSETGEN_GLYPHPAINTER_H
#define HXPLACES_ASSETGEN_GLYPHPAINTER_H

#include "imagetable.h"

#include <QtCore/QHash>
#include <QtCore/QString>
#include <QtGui/QFont>

class QPainter;
class QPainterPath;
class QRectF;
class QSizeF;

// Paints the images of the image table from the glyphs of an icon font, found by their names
// in the font's list of code points.
class GlyphPainter
{
public:
    bool load(const QString &fontFile, const QString &codepointsFile, QString *error);
    bool has(const QString &glyph) const { return m_codepoints.contains(glyph); }
    void paint(QPainter &painter, const QSizeF &size, const ImageEntry &entry) const;

private:
    // The glyph's outline scaled to fit the box, centred in it.
    QPainterPath outline(const QString &glyph, const QRectF &box) const;
    void paintStars(QPainter &painter, const QSizeF &size, const ImageEntry &entry) const;

    QFont m_font;
    QHash<QString, uint> m_codepoints;
};

#endif
