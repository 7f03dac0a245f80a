#include "osmxmlcheck.h"

#include <QtCore/QHash>
#include <QtCore/QRegularExpression>

#include <cmath>

namespace {
struct Element
{
    QByteArray name;
    QHash<QByteArray, QByteArray> attributes;
    int end = -1; // just past the element, -1 when the text ends inside it
};

bool isNameCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ':' || c == '_'
        || c == '-';
}

// The start tag at `at` (just past its '<'): its attributes, and where it ends; -1 when the
// text ends first.
int readStartTag(const QByteArray &data, int at, QHash<QByteArray, QByteArray> *attributes, bool *empty)
{
    int i = at;
    while (i < data.size() && isNameCharacter(data.at(i)))
        ++i;
    while (i < data.size()) {
        const char c = data.at(i);
        if (c == '>') {
            *empty = data.at(i - 1) == '/';
            return i + 1;
        }
        if (!isNameCharacter(c)) {
            ++i;
            continue;
        }
        const int nameStart = i;
        while (i < data.size() && isNameCharacter(data.at(i)))
            ++i;
        const QByteArray name = data.mid(nameStart, i - nameStart);
        while (i < data.size() && (data.at(i) == ' ' || data.at(i) == '=' || data.at(i) == '\t' || data.at(i) == '\n'))
            ++i;
        if (i >= data.size() || (data.at(i) != '"' && data.at(i) != '\''))
            continue;
        const char quote = data.at(i);
        const int close = data.indexOf(quote, i + 1);
        if (close < 0)
            return -1;
        attributes->insert(name, data.mid(i + 1, close - i - 1));
        i = close + 1;
    }
    return -1;
}

// Why an attribute is no whole number of 64 bits; empty when it is one.
QString wholeNumberProblem(const char *what, const QByteArray &text)
{
    static const QRegularExpression digits(QStringLiteral("^-?[0-9]+$"));
    const QString shown = QStringLiteral("%1 \"%2\"").arg(QLatin1String(what), QString::fromUtf8(text));
    if (!digits.match(QString::fromLatin1(text)).hasMatch())
        return shown + QStringLiteral(" is not a whole number");
    bool ok = false;
    text.toLongLong(&ok);
    return ok ? QString() : shown + QStringLiteral(" is out of range");
}

// Why a coordinate cannot be taken; empty when it can.
QString coordinateProblem(const QByteArray &text, const char *what, double limit)
{
    static const QRegularExpression decimal(QStringLiteral("^-?[0-9]{1,3}(\\.[0-9]+)?$"));
    if (!decimal.match(QString::fromLatin1(text)).hasMatch())
        return QStringLiteral("%1 \"%2\" is not a number").arg(QLatin1String(what), QString::fromUtf8(text));
    if (std::fabs(text.toDouble()) > limit)
        return QStringLiteral("%1 out of range").arg(QLatin1String(what));
    return QString();
}

QString problemOf(const Element &element, const QByteArray &body)
{
    QString problem = wholeNumberProblem("id", element.attributes.value("id"));
    if (!problem.isEmpty())
        return problem;
    for (const char *attribute : { "version", "changeset", "uid" }) {
        const auto it = element.attributes.constFind(attribute);
        problem = it == element.attributes.constEnd() ? QString() : wholeNumberProblem(attribute, it.value());
        if (!problem.isEmpty())
            return problem;
    }
    const bool hasLatitude = element.attributes.contains("lat");
    const bool hasLongitude = element.attributes.contains("lon");
    if (hasLatitude != hasLongitude)
        return QStringLiteral("a latitude without a longitude or the other way round");
    if (hasLatitude) {
        problem = coordinateProblem(element.attributes.value("lat"), "latitude", 90);
        if (problem.isEmpty())
            problem = coordinateProblem(element.attributes.value("lon"), "longitude", 180);
        if (!problem.isEmpty())
            return problem;
    }
    static const QRegularExpression reference(QStringLiteral("\\bref=[\"']([^\"']*)[\"']"));
    auto references = reference.globalMatch(QString::fromUtf8(body));
    while (references.hasNext()) {
        problem = wholeNumberProblem("reference", references.next().captured(1).toUtf8());
        if (!problem.isEmpty())
            return problem;
    }
    return QString();
}
} // namespace

QByteArray OsmXmlCheck::withoutBadElements(const QByteArray &data, QList<Rejected> *rejected)
{
    QByteArray kept;
    int copiedTo = 0;
    int at = 0;
    while ((at = data.indexOf('<', at)) >= 0) {
        const int nameStart = at + 1;
        int nameEnd = nameStart;
        while (nameEnd < data.size() && isNameCharacter(data.at(nameEnd)))
            ++nameEnd;
        const QByteArray name = data.mid(nameStart, nameEnd - nameStart);
        if (name != "node" && name != "way" && name != "relation") {
            at = nameStart;
            continue;
        }
        Element element;
        element.name = name;
        bool empty = false;
        const int tagEnd = readStartTag(data, nameStart, &element.attributes, &empty);
        if (tagEnd < 0)
            break; // the reader reports a file cut short
        int end = tagEnd;
        if (!empty) {
            const int close = data.indexOf("</" + name, tagEnd);
            const int closeEnd = close < 0 ? -1 : data.indexOf('>', close);
            if (closeEnd < 0)
                break;
            end = closeEnd + 1;
        }
        const QString problem = problemOf(element, data.mid(tagEnd, end - tagEnd));
        if (!problem.isEmpty()) {
            rejected->append({ QStringLiteral("%1/%2").arg(QString::fromLatin1(name),
                                                           QString::fromUtf8(element.attributes.value("id"))),
                               problem });
            kept += data.mid(copiedTo, at - copiedTo);
            copiedTo = end;
        }
        at = end;
    }
    if (rejected->isEmpty())
        return data;
    kept += data.mid(copiedTo);
    return kept;
}
