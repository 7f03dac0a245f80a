#include "glyphpainter.h"

#include <QtCore/QFile>
#include <QtCore/QRegularExpression>
#include <QtGui/QFontDatabase>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>

bool GlyphPainter::load(const QString &fontFile, const QString &codepointsFile, QString *error)
{
    const int id = QFontDatabase::addApplicationFont(fontFile);
    const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        *error = QStringLiteral("cannot load the icon font ") + fontFile;
        return false;
    }
    m_font = QFont(families.first());
    m_font.setPixelSize(240);
    QFile file(codepointsFile);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read ") + codepointsFile;
        return false;
    }
    // Lines such as `"place": e55f,` name each glyph.
    static const QRegularExpression line(QStringLiteral("\"([a-z0-9_]+)\":\\s*([0-9a-f]{4,5})"));
    auto matches = line.globalMatch(QString::fromUtf8(file.readAll()));
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        m_codepoints.insert(match.captured(1), match.captured(2).toUInt(nullptr, 16));
    }
    if (m_codepoints.isEmpty()) {
        *error = QStringLiteral("no code points in ") + codepointsFile;
        return false;
    }
    return true;
}

QPainterPath GlyphPainter::outline(const QString &glyph, const QRectF &box) const
{
    const uint code = m_codepoints.value(glyph);
    QPainterPath path;
    path.addText(0, 0, m_font, QString::fromUcs4(&code, 1));
    const QRectF ink = path.boundingRect();
    if (ink.isEmpty())
        return path;
    const qreal scale = qMin(box.width() / ink.width(), box.height() / ink.height());
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(scale, scale);
    transform.translate(-ink.center().x(), -ink.center().y());
    return transform.map(path);
}

void GlyphPainter::paint(QPainter &p, const QSizeF &s, const ImageEntry &entry) const
{
    const QString glyph = QLatin1String(entry.glyph);
    const QColor colour = QColor::fromRgba(entry.colour);
    const QColor background = QColor::fromRgba(entry.background);
    const QRectF whole(QPointF(0, 0), s);
    p.setPen(Qt::NoPen);
    switch (entry.look) {
    case ImageEntry::Glyph:
        p.fillPath(
            outline(glyph, whole.adjusted(s.width() * 0.1, s.height() * 0.1, -s.width() * 0.1, -s.height() * 0.1)),
            colour);
        break;
    case ImageEntry::Disc: {
        p.setBrush(background);
        p.drawEllipse(whole.adjusted(1, 1, -1, -1));
        const qreal inset = s.width() * 0.24;
        p.fillPath(outline(glyph, whole.adjusted(inset, inset, -inset, -inset)), colour);
        break;
    }
    case ImageEntry::Pin: {
        // The pin's point is the place: it must touch the middle of the bottom edge.
        QPainterPath pin = outline(glyph, whole);
        pin.translate(0, s.height() - pin.boundingRect().bottom());
        p.setPen(QPen(QColor(0, 0, 0, 140), qMax<qreal>(1, s.width() / 32)));
        p.setBrush(colour);
        p.drawPath(pin);
        break;
    }
    case ImageEntry::Corner: {
        p.setBrush(background);
        p.drawPolygon(QPolygonF() << QPointF(0, 0) << QPointF(s.width(), 0) << QPointF(s.width(), s.height()));
        const QRectF star(s.width() * 0.52, s.height() * 0.08, s.width() * 0.4, s.height() * 0.4);
        p.fillPath(outline(glyph, star), colour);
        break;
    }
    case ImageEntry::Stars:
        paintStars(p, s, entry);
        break;
    case ImageEntry::Badge: {
        const QRectF box = whole.adjusted(s.width() * 0.03, s.height() * 0.08, -s.width() * 0.03, -s.height() * 0.08);
        p.setBrush(background);
        p.drawRoundedRect(box, box.height() * 0.25, box.height() * 0.25);
        const qreal cell = box.width() / 3;
        for (int i = 0; i < 3; ++i) {
            const QRectF slot(box.left() + i * cell, box.top(), cell, box.height());
            p.fillPath(
                outline(glyph, slot.adjusted(cell * 0.15, box.height() * 0.2, -cell * 0.15, -box.height() * 0.2)),
                colour);
        }
        break;
    }
    case ImageEntry::Backdrop: {
        // A dim grid with a crossed-out pin in the middle: shown where no map can be drawn.
        p.fillRect(whole, background);
        p.setPen(QPen(background.lighter(150), 1));
        const qreal step = s.height() / 8;
        for (qreal x = step; x < s.width(); x += step)
            p.drawLine(QPointF(x, 0), QPointF(x, s.height()));
        for (qreal y = step; y < s.height(); y += step)
            p.drawLine(QPointF(0, y), QPointF(s.width(), y));
        const qreal side = s.height() * 0.4;
        p.fillPath(outline(glyph, QRectF(whole.center().x() - side / 2, whole.center().y() - side / 2, side, side)),
                   colour);
        break;
    }
    case ImageEntry::Veil:
        p.fillRect(whole, colour);
        break;
    }
}

// Five stars, filled in the colour as far as the rating goes (a half step fills a star's left
// half), in the background colour beyond.
void GlyphPainter::paintStars(QPainter &p, const QSizeF &s, const ImageEntry &entry) const
{
    const qreal cell = s.width() / 5;
    for (int i = 0; i < 5; ++i) {
        const QRectF slot(i * cell, 0, cell, s.height());
        const QPainterPath star = outline(QLatin1String(entry.glyph), slot.adjusted(cell * 0.05, 0, -cell * 0.05, 0));
        const int filled = qBound(0, entry.halfSteps - 2 * i, 2);
        p.fillPath(star, QColor::fromRgba(entry.background));
        if (filled == 0)
            continue;
        p.save();
        p.setClipRect(QRectF(slot.left(), slot.top(), slot.width() * filled / 2, slot.height()));
        p.fillPath(star, QColor::fromRgba(entry.colour));
        p.restore();
    }
}
