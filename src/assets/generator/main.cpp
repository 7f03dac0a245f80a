// Build-time generator of the library's embedded data: the country code table (from the
// iso-codes data of the build machine) and the images of the resource tree (painted here,
// so no binary image is kept in the sources), the images an embedding application supplies for
// ratings, and the pictures of the demo data set.

#include <QtCore/QByteArray>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QMap>
#include <QtCore/QSaveFile>
#include <QtCore/QStringList>
#include <QtCore/QTextStream>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "hxplaces-assetgen: %s\n", qPrintable(message));
    return 1;
}

bool readLines(const QString &path, QList<QByteArray> *lines)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> all = file.readAll().split('\n');
    for (const QByteArray &line : all) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        lines->append(line);
    }
    return true;
}

// alpha-3 -> alpha-2 from one iso-codes JSON file ("3166-1" or "3166-3" list).
bool readIsoCodes(const QString &path, const QString &listName, QMap<QByteArray, QByteArray> *codes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll());
    const QJsonArray list = doc.object().value(listName).toArray();
    for (const QJsonValue &value : list) {
        const QJsonObject entry = value.toObject();
        const QByteArray alpha3 = entry.value(QStringLiteral("alpha_3")).toString().toLatin1();
        const QByteArray alpha2 = entry.value(QStringLiteral("alpha_2")).toString().toLatin1();
        if (!alpha3.isEmpty() && !alpha2.isEmpty() && !codes->contains(alpha3))
            codes->insert(alpha3, alpha2);
    }
    return !list.isEmpty();
}

QByteArray cString(const QByteArray &bytes)
{
    QByteArray out = "\"";
    for (const char c : bytes) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20 || u >= 0x7f) {
            // Octal escapes never swallow a following digit the way hex escapes do.
            out += QByteArray("\\") + QByteArray::number(u, 8).rightJustified(3, '0');
        } else {
            out += c;
        }
    }
    return out + '"';
}

int generateCountries(const QStringList &args)
{
    if (args.size() != 5)
        return fail(QStringLiteral("countries CODES NAMES ISO_3166_1_JSON ISO_3166_3_JSON OUTPUT"));
    QList<QByteArray> codeLines;
    QList<QByteArray> nameLines;
    if (!readLines(args.at(0), &codeLines) || !readLines(args.at(1), &nameLines))
        return fail(QStringLiteral("cannot read the country lists"));
    // Current codes win over withdrawn ones; the withdrawn list gives ANT and TMP.
    QMap<QByteArray, QByteArray> isoCodes;
    if (!readIsoCodes(args.at(2), QStringLiteral("3166-1"), &isoCodes))
        return fail(QStringLiteral("cannot read ") + args.at(2));
    if (!readIsoCodes(args.at(3), QStringLiteral("3166-3"), &isoCodes))
        return fail(QStringLiteral("cannot read ") + args.at(3));

    struct Code
    {
        QByteArray alpha3;
        QByteArray alpha2;
    };
    std::vector<Code> codes;
    QMap<QByteArray, int> codeIndex;
    for (const QByteArray &line : codeLines) {
        const QByteArray alpha3 = line.trimmed();
        if (codeIndex.contains(alpha3))
            return fail(QStringLiteral("duplicate code ") + QString::fromLatin1(alpha3));
        const QByteArray alpha2 = isoCodes.value(alpha3);
        if (alpha2.isEmpty())
            return fail(QStringLiteral("no alpha-2 code for ") + QString::fromLatin1(alpha3));
        codeIndex.insert(alpha3, int(codes.size()));
        codes.push_back({ alpha3, alpha2 });
    }
    // The empty key has a code entry of its own whose codes are empty.
    const int emptyIndex = int(codes.size());
    codes.push_back({ QByteArray(), QByteArray() });

    std::vector<std::pair<QByteArray, int>> keys;
    QMap<QByteArray, bool> seen;
    auto addKey = [&](const QByteArray &key, int index) {
        if (seen.contains(key))
            return false;
        seen.insert(key, true);
        keys.emplace_back(key, index);
        return true;
    };
    for (const Code &code : codes) {
        if (!code.alpha3.isEmpty())
            addKey(code.alpha3, codeIndex.value(code.alpha3));
    }
    addKey(QByteArray(), emptyIndex);
    for (const QByteArray &line : nameLines) {
        const int tab = line.indexOf('\t');
        if (tab < 0)
            return fail(QStringLiteral("malformed name line: ") + QString::fromUtf8(line));
        const QByteArray key = line.left(tab);
        const QByteArray alpha3 = line.mid(tab + 1).trimmed();
        if (!codeIndex.contains(alpha3))
            return fail(QStringLiteral("unknown code ") + QString::fromLatin1(alpha3));
        if (!addKey(key, codeIndex.value(alpha3)))
            return fail(QStringLiteral("duplicate key ") + QString::fromUtf8(key));
    }
    // Lookups compare bytes with strcmp, which orders as unsigned char, as QByteArray does.
    std::sort(keys.begin(), keys.end(), [](const auto &a, const auto &b) { return a.first < b.first; });

    QByteArray out;
    out += "// Generated by hxplaces-assetgen from the iso-codes data. Do not edit.\n";
    out += "#include \"countrycodelookup_p.h\"\n\n";
    out += "namespace hx {\nnamespace trellan {\nnamespace places {\nnamespace countrytable {\n\n";
    out += "const int codeCount = " + QByteArray::number(int(codes.size())) + ";\n";
    out += "const int keyCount = " + QByteArray::number(int(keys.size())) + ";\n\n";
    out += "const CountryCodes codes[] = {\n";
    for (const Code &code : codes)
        out += "    {" + cString(code.alpha3) + ", " + cString(code.alpha2) + "},\n";
    out += "};\n\nconst CountryKey keys[] = {\n";
    for (const auto &key : keys)
        out += "    {" + cString(key.first) + ", " + QByteArray::number(key.second) + "},\n";
    out += "};\n\n} // namespace countrytable\n} // namespace places\n} // namespace trellan\n} // namespace hx\n";

    QSaveFile file(args.at(4));
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit())
        return fail(QStringLiteral("cannot write ") + args.at(4));
    return 0;
}

// ---- Images ----

const QColor white(0xFA, 0xFA, 0xFA);
const QColor grey(0xB1, 0xB1, 0xB1);
const QColor darkGrey(0x55, 0x55, 0x55);
const QColor blue(0x00, 0xAB, 0xE3);
const QColor gold(0xF5, 0xB8, 0x00);
const QColor red(0xDA, 0x37, 0x37);

QPainterPath pinPath(const QRectF &r)
{
    // A drop-shaped pin: a circle on top whose sides meet in a point at the bottom.
    const qreal radius = r.width() / 2;
    const QPointF centre(r.center().x(), r.top() + radius);
    QPainterPath path;
    path.moveTo(r.center().x(), r.bottom());
    path.lineTo(centre.x() - radius * 0.87, centre.y() + radius * 0.5);
    path.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 210, -240);
    path.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(centre, radius * 0.38, radius * 0.38);
    return path.subtracted(hole);
}

QPainterPath starPath(const QPointF &centre, qreal outer)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = (i % 2 == 0) ? outer : outer * 0.42;
        const qreal angle = M_PI / 2 + i * M_PI / 5;
        const QPointF p(centre.x() + radius * std::cos(angle), centre.y() - radius * std::sin(angle));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

void drawPlus(QPainter &p, const QPointF &centre, qreal half, const QColor &color)
{
    QPen pen(color, half / 2.5, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.drawLine(QPointF(centre.x() - half, centre.y()), QPointF(centre.x() + half, centre.y()));
    p.drawLine(QPointF(centre.x(), centre.y() - half), QPointF(centre.x(), centre.y() + half));
}

void drawMyPlaces(QPainter &p, const QSizeF &s, const QColor &color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(pinPath(QRectF(s.width() * 0.28, s.height() * 0.12, s.width() * 0.44, s.height() * 0.76)));
    p.drawPath(starPath(QPointF(s.width() * 0.76, s.height() * 0.24), s.width() * 0.14));
}

void drawAddAsPlace(QPainter &p, const QSizeF &s)
{
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawPath(pinPath(QRectF(s.width() * 0.2, s.height() * 0.12, s.width() * 0.44, s.height() * 0.76)));
    drawPlus(p, QPointF(s.width() * 0.76, s.height() * 0.72), s.width() * 0.12, blue);
}

void drawAddContact(QPainter &p, const QSizeF &s)
{
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawEllipse(QPointF(s.width() * 0.42, s.height() * 0.32), s.width() * 0.16, s.height() * 0.16);
    QPainterPath body;
    body.moveTo(s.width() * 0.14, s.height() * 0.86);
    body.cubicTo(s.width() * 0.14, s.height() * 0.5, s.width() * 0.7, s.height() * 0.5, s.width() * 0.7,
                 s.height() * 0.86);
    body.closeSubpath();
    p.drawPath(body);
    drawPlus(p, QPointF(s.width() * 0.8, s.height() * 0.3), s.width() * 0.12, blue);
}

void drawMap(QPainter &p, const QSizeF &s)
{
    // A folded map of three panels.
    const qreal w = s.width(), h = s.height();
    QPolygonF outline;
    outline << QPointF(w * 0.12, h * 0.22) << QPointF(w * 0.37, h * 0.14) << QPointF(w * 0.63, h * 0.22)
            << QPointF(w * 0.88, h * 0.14) << QPointF(w * 0.88, h * 0.78) << QPointF(w * 0.63, h * 0.86)
            << QPointF(w * 0.37, h * 0.78) << QPointF(w * 0.12, h * 0.86);
    p.setPen(QPen(white, w * 0.05, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(outline);
    p.drawLine(QPointF(w * 0.37, h * 0.14), QPointF(w * 0.37, h * 0.78));
    p.drawLine(QPointF(w * 0.63, h * 0.22), QPointF(w * 0.63, h * 0.86));
}

void drawChevron(QPainter &p, const QSizeF &s, bool up)
{
    const qreal w = s.width(), h = s.height();
    const qreal tip = up ? h * 0.32 : h * 0.68;
    const qreal base = up ? h * 0.62 : h * 0.38;
    p.setPen(QPen(white, w * 0.08, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF() << QPointF(w * 0.25, base) << QPointF(w * 0.5, tip) << QPointF(w * 0.75, base));
}

void drawMore(QPainter &p, const QSizeF &s)
{
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(s.width() * (0.25 + 0.25 * i), s.height() * 0.5), s.width() * 0.07, s.width() * 0.07);
}

void drawNoMap(QPainter &p, const QSizeF &s)
{
    // A dim grid with a crossed-out map in the middle: shown where no map can be drawn.
    p.fillRect(QRectF(QPointF(0, 0), s), QColor(0x26, 0x26, 0x26));
    p.setPen(QPen(QColor(0x3A, 0x3A, 0x3A), 1));
    const qreal step = s.height() / 8;
    for (qreal x = step; x < s.width(); x += step)
        p.drawLine(QPointF(x, 0), QPointF(x, s.height()));
    for (qreal y = step; y < s.height(); y += step)
        p.drawLine(QPointF(0, y), QPointF(s.width(), y));
    const qreal side = s.height() * 0.5;
    const QRectF icon((s.width() - side) / 2, (s.height() - side) / 2, side, side);
    p.save();
    p.translate(icon.topLeft());
    p.setOpacity(0.6);
    drawMap(p, icon.size());
    p.setPen(QPen(grey, side * 0.06, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(side * 0.1, side * 0.9), QPointF(side * 0.9, side * 0.1));
    p.restore();
}

void drawOpenTable(QPainter &p, const QSizeF &s)
{
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawEllipse(QPointF(s.width() * 0.3, s.height() * 0.5), s.height() * 0.3, s.height() * 0.3);
    p.setBrush(white);
    p.drawEllipse(QPointF(s.width() * 0.3, s.height() * 0.5), s.height() * 0.12, s.height() * 0.12);
    p.setBrush(red);
    p.drawEllipse(QPointF(s.width() * 0.72, s.height() * 0.5), s.height() * 0.12, s.height() * 0.12);
}

void drawCornerFavorite(QPainter &p, const QSizeF &s)
{
    // A triangle in the top right corner carrying a small star.
    QPolygonF corner;
    corner << QPointF(0, 0) << QPointF(s.width(), 0) << QPointF(s.width(), s.height());
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPolygon(corner);
    p.setBrush(white);
    p.drawPath(starPath(QPointF(s.width() * 0.7, s.height() * 0.3), s.width() * 0.2));
}

// The rating service's stars, one image a half step: five boxes, each with a white star, filled
// in the service's colour as far as the rating goes and grey beyond.
void drawStars(QPainter &p, const QSizeF &s, int halfSteps)
{
    const qreal gap = s.width() * 0.025;
    const qreal box = (s.width() - 4 * gap) / 5;
    for (int i = 0; i < 5; ++i) {
        const QRectF r(i * (box + gap), (s.height() - box) / 2, box, box);
        const int filled = qBound(0, halfSteps - 2 * i, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(grey);
        p.drawRoundedRect(r, box * 0.12, box * 0.12);
        if (filled > 0) {
            p.save();
            p.setClipRect(QRectF(r.left(), r.top(), r.width() * filled / 2, r.height()));
            p.setBrush(red);
            p.drawRoundedRect(r, box * 0.12, box * 0.12);
            p.restore();
        }
        p.setBrush(white);
        p.drawPath(starPath(r.center(), box * 0.4));
    }
}

void drawRatingLogo(QPainter &p, const QSizeF &s)
{
    const QRectF r(s.width() * 0.04, s.height() * 0.1, s.width() * 0.92, s.height() * 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawRoundedRect(r, r.height() * 0.25, r.height() * 0.25);
    p.setBrush(white);
    for (int i = 0; i < 3; ++i)
        p.drawPath(starPath(QPointF(r.left() + r.width() * (0.22 + 0.28 * i), r.center().y()), r.height() * 0.3));
}

struct ImageSpec
{
    const char *path;
    int width;
    int height;
    std::function<void(QPainter &, const QSizeF &)> draw;
};

// Paints each image and writes it in the format its name ends with.
int paintAll(const std::vector<ImageSpec> &specs, const QDir &out)
{
    for (const ImageSpec &painted : specs) {
        QImage image(painted.width, painted.height, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painted.draw(painter, QSizeF(painted.width, painted.height));
        }
        const QString path = out.filePath(QString::fromLatin1(painted.path));
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            return fail(QStringLiteral("cannot create the folder of ") + path);
        const QByteArray format = QFileInfo(path).suffix().toUpper().toLatin1();
        if (format == "JPG")
            image = image.convertToFormat(QImage::Format_RGB32);
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !image.save(&file, format.constData()) || !file.commit())
            return fail(QStringLiteral("cannot write ") + path);
    }
    return 0;
}

int generateImages(const QStringList &args)
{
    if (args.size() != 1)
        return fail(QStringLiteral("images OUTPUT_FOLDER"));
    // Base images are drawn for 10 pixels per design unit; the 1440x1440 variants for 12 and the
    // 12ppd map icon for the denser display.
    const std::vector<ImageSpec> specs = {
        { "places_images/ic_my_places.png", 81, 81, [](QPainter &p, const QSizeF &s) { drawMyPlaces(p, s, white); } },
        { "places_images/ic_my_places_pressed.png", 81, 81,
          [](QPainter &p, const QSizeF &s) { drawMyPlaces(p, s, blue); } },
        { "places_images/ic_add_as_place.png", 81, 81, drawAddAsPlace },
        { "places_images/ic_add_contact.png", 81, 81, drawAddContact },
        { "places_images/ic_map.png", 81, 81, drawMap },
        { "places_images/cc_down.png", 48, 48, [](QPainter &p, const QSizeF &s) { drawChevron(p, s, false); } },
        { "places_images/cc_up.png", 48, 48, [](QPainter &p, const QSizeF &s) { drawChevron(p, s, true); } },
        { "places_images/cc_more.png", 48, 48, drawMore },
        { "places_images/cs_nc_no_map.png", 720, 420, drawNoMap },
        { "places_images/ic_opentable_sml.png", 96, 48, drawOpenTable },
        { "places_images/CornerFavorite.png", 50, 50, drawCornerFavorite },
        { "places_images/1440x1440/ic_add_as_place.png", 97, 97, drawAddAsPlace },
        { "places_images/1440x1440/ic_add_contact.png", 97, 97, drawAddContact },
        { "places_images/1440x1440/cs_nc_no_map.png", 1440, 504, drawNoMap },
        { "places_images/1440x1440/ic_opentable_sml.png", 115, 58, drawOpenTable },
        { "places_images/12ppd/ic_map.png", 97, 97, drawMap },
    };
    return paintAll(specs, QDir(args.at(0)));
}

// What the library asks of the embedding application's assets for ratings: the rating
// service's stars, one image a half step from 1 to 5, and its logo.
int generateApplicationImages(const QStringList &args)
{
    if (args.size() != 1)
        return fail(QStringLiteral("application-images OUTPUT_FOLDER"));
    std::vector<ImageSpec> all;
    static const char *const stars[]
        = { "places_images/stars_large@2x_1star.png", "places_images/stars_large@2x_1.5star.png",
            "places_images/stars_large@2x_2star.png", "places_images/stars_large@2x_2.5star.png",
            "places_images/stars_large@2x_3star.png", "places_images/stars_large@2x_3.5star.png",
            "places_images/stars_large@2x_4star.png", "places_images/stars_large@2x_4.5star.png",
            "places_images/stars_large@2x_5star.png" };
    for (int halfSteps = 2; halfSteps <= 10; ++halfSteps)
        all.push_back({ stars[halfSteps - 2], 298, 54,
                        [halfSteps](QPainter &p, const QSizeF &s) { drawStars(p, s, halfSteps); } });
    all.push_back({ "places_images/yelp_logo_100x50.png", 100, 50, drawRatingLogo });
    return paintAll(all, QDir(args.at(0)));
}

// Photographs of the demo's points of interest, as a rating service shows beside its reviews:
// a warm background and the thing the place is known for.
void drawBackdrop(QPainter &p, const QSizeF &s, const QColor &top, const QColor &bottom)
{
    QLinearGradient gradient(0, 0, 0, s.height());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.fillRect(QRectF(QPointF(0, 0), s), gradient);
}

void drawCup(QPainter &p, const QSizeF &s)
{
    drawBackdrop(p, s, QColor(0xF3, 0xE0, 0xC8), QColor(0x8B, 0x5A, 0x2B));
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawRoundedRect(QRectF(s.width() * 0.28, s.height() * 0.42, s.width() * 0.38, s.height() * 0.34), 12, 12);
    p.setPen(QPen(white, s.width() * 0.04));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(s.width() * 0.6, s.height() * 0.48, s.width() * 0.14, s.height() * 0.16));
    p.setPen(QPen(QColor(255, 255, 255, 160), s.width() * 0.02, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal x = s.width() * (0.36 + 0.1 * i);
        QPainterPath steam(QPointF(x, s.height() * 0.36));
        steam.cubicTo(QPointF(x - 10, s.height() * 0.3), QPointF(x + 10, s.height() * 0.24),
                      QPointF(x, s.height() * 0.16));
        p.drawPath(steam);
    }
}

void drawLoaf(QPainter &p, const QSizeF &s)
{
    drawBackdrop(p, s, QColor(0xFF, 0xF4, 0xE0), QColor(0xD9, 0xB3, 0x82));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xB8, 0x6B, 0x2E));
    p.drawEllipse(QRectF(s.width() * 0.15, s.height() * 0.35, s.width() * 0.7, s.height() * 0.35));
    p.setPen(QPen(QColor(0xF2, 0xC9, 0x8A), s.width() * 0.025, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const qreal x = s.width() * (0.3 + 0.13 * i);
        p.drawLine(QPointF(x, s.height() * 0.42), QPointF(x + s.width() * 0.06, s.height() * 0.6));
    }
}

void drawBowl(QPainter &p, const QSizeF &s)
{
    drawBackdrop(p, s, QColor(0x2E, 0x2E, 0x38), QColor(0x10, 0x10, 0x14));
    p.setPen(QPen(QColor(0xF5, 0xD7, 0x6E), s.width() * 0.015));
    for (int i = 0; i < 6; ++i) {
        QPainterPath noodle(QPointF(s.width() * 0.3, s.height() * (0.44 + 0.015 * i)));
        noodle.cubicTo(QPointF(s.width() * 0.45, s.height() * 0.36), QPointF(s.width() * 0.55, s.height() * 0.52),
                       QPointF(s.width() * 0.7, s.height() * (0.44 + 0.015 * i)));
        p.drawPath(noodle);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawChord(QRectF(s.width() * 0.2, s.height() * 0.25, s.width() * 0.6, s.height() * 0.55), 180 * 16, 180 * 16);
}

void drawBooks(QPainter &p, const QSizeF &s)
{
    drawBackdrop(p, s, QColor(0xE8, 0xEE, 0xE0), QColor(0x7A, 0x8C, 0x6A));
    const QColor spines[] = { blue, red, gold, darkGrey, QColor(0x3C, 0x8D, 0x5A) };
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        p.setBrush(spines[i]);
        const qreal height = s.height() * (0.42 + 0.06 * (i % 3));
        p.drawRect(QRectF(s.width() * (0.18 + 0.13 * i), s.height() * 0.8 - height, s.width() * 0.11, height));
    }
    p.setBrush(darkGrey);
    p.drawRect(QRectF(s.width() * 0.1, s.height() * 0.8, s.width() * 0.8, s.height() * 0.04));
}

int generateDemoImages(const QStringList &args)
{
    if (args.size() != 1)
        return fail(QStringLiteral("demo-images OUTPUT_FOLDER"));
    const std::vector<ImageSpec> specs = {
        { "lumen-coffee-house.png", 240, 240, drawCup },
        { "grand-river-bakery.jpg", 240, 240, drawLoaf },
        { "uptown-noodle-bar.png", 240, 240, drawBowl },
        { "laurel-trail-books.jpg", 240, 240, drawBooks },
    };
    return paintAll(specs, QDir(args.at(0)));
}

} // namespace

int main(int argc, char **argv)
{
    // Painting needs a GUI application but never a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return fail(QStringLiteral("usage: hxplaces-assetgen countries|images|application-images|demo-images ..."));
    const QString command = args.takeFirst();
    if (command == QLatin1String("countries"))
        return generateCountries(args);
    if (command == QLatin1String("images"))
        return generateImages(args);
    if (command == QLatin1String("application-images"))
        return generateApplicationImages(args);
    if (command == QLatin1String("demo-images"))
        return generateDemoImages(args);
    return fail(QStringLiteral("unknown command ") + command);
}
