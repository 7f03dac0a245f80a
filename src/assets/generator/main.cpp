// Build-time generator of the library's embedded data: the country code table (from the
// iso-codes data of the build machine), the images of the resource tree and the default set of
// the images the library asks the application for (painted here from an icon font after the
// image table, so no binary image is kept in the sources), and the pictures of the demo data set.

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

#include "glyphpainter.h"
#include "imagetable.h"

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
const QColor darkGrey(0x55, 0x55, 0x55);
const QColor blue(0x00, 0xAB, 0xE3);
const QColor gold(0xF5, 0xB8, 0x00);
const QColor red(0xDA, 0x37, 0x37);

struct ImageSpec
{
    QString path;
    QSize size;
    std::function<void(QPainter &, const QSizeF &)> draw;
    QString symbol; // kept in the file for the terminal, which draws it in the image's place
};

// Paints each image and writes it in the format its name ends with.
int paintAll(const std::vector<ImageSpec> &specs, const QDir &out)
{
    for (const ImageSpec &painted : specs) {
        QImage image(painted.size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painted.draw(painter, QSizeF(painted.size));
        }
        if (!painted.symbol.isEmpty())
            image.setText(QStringLiteral("Symbol"), painted.symbol);
        const QString path = out.filePath(painted.path);
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

int paintTable(const QStringList &args, ImageEntry::Origin origin)
{
    if (args.size() != 3)
        return fail(QStringLiteral("images|application-images OUTPUT_FOLDER ICON_FONT CODEPOINTS"));
    GlyphPainter glyphs;
    QString error;
    if (!glyphs.load(args.at(1), args.at(2), &error))
        return fail(error);
    std::vector<ImageSpec> specs;
    auto add = [&](const ImageEntry &entry, const QString &folder, float pixelsPerDu) {
        specs.push_back({ QStringLiteral("places_images/") + folder + QString::fromLatin1(entry.name),
                          ImageTable::pixelSize(entry, pixelsPerDu),
                          [&glyphs, &entry](QPainter &p, const QSizeF &s) { glyphs.paint(p, s, entry); },
                          QString::fromUtf8(entry.symbol) });
    };
    for (const ImageEntry &entry : ImageTable::entries()) {
        if (entry.origin != origin)
            continue;
        if (entry.glyph[0] && !glyphs.has(QLatin1String(entry.glyph)))
            return fail(QStringLiteral("the icon font has no glyph named ") + QLatin1String(entry.glyph));
        add(entry, QString(), ImageTable::PixelsPerDu);
    }
    for (const ImageVariant &variant : ImageTable::variants()) {
        const ImageEntry *entry = ImageTable::find(QLatin1String(variant.name));
        if (entry && entry->origin == origin)
            add(*entry, QLatin1String(variant.folder) + QLatin1Char('/'), variant.pixelsPerDu);
    }
    return paintAll(specs, QDir(args.at(0)));
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
        { QStringLiteral("lumen-coffee-house.png"), QSize(160, 160), drawCup, QString() },
        { QStringLiteral("grand-river-bakery.jpg"), QSize(160, 160), drawLoaf, QString() },
        { QStringLiteral("uptown-noodle-bar.png"), QSize(160, 160), drawBowl, QString() },
        { QStringLiteral("laurel-trail-books.jpg"), QSize(160, 160), drawBooks, QString() },
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
        return paintTable(args, ImageEntry::Library);
    if (command == QLatin1String("application-images"))
        return paintTable(args, ImageEntry::Application);
    if (command == QLatin1String("demo-images"))
        return generateDemoImages(args);
    return fail(QStringLiteral("unknown command ") + command);
}
