#include "relevancetable.h"

#include <QtCore/QFile>
#include <QtCore/QStringList>
#include <QtCore/QTextStream>

bool RelevanceTable::load(const QString &path, QString *error)
{
    m_queries.clear();
    m_level = 0;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    QTextStream in(&file);
    in.setCodec("UTF-8");
    int number = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++number;
        const auto fail = [&](const QString &reason) {
            *error = QStringLiteral("%1:%2: %3").arg(path).arg(number).arg(reason);
            return false;
        };
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1String("level "))) {
            bool ok = false;
            m_level = line.mid(6).trimmed().toInt(&ok);
            if (!ok)
                return fail(QStringLiteral("the level is not a number"));
            continue;
        }
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != 4)
            return fail(QStringLiteral("%1 fields, not 4 separated by tabs").arg(fields.size()));
        const QStringList position = fields.at(1).split(QLatin1Char(','));
        bool latitudeOk = false;
        bool longitudeOk = false;
        Query query;
        query.line = number;
        query.text = fields.at(0);
        query.latitude = position.value(0).toDouble(&latitudeOk);
        query.longitude = position.value(1).toDouble(&longitudeOk);
        query.name = fields.at(2).trimmed();
        query.countryCode = fields.at(3).trimmed();
        if (position.size() != 2 || !latitudeOk || !longitudeOk)
            return fail(QStringLiteral("\"%1\" is not a position lat,lon").arg(fields.at(1)));
        if (query.text.trimmed().isEmpty() || query.name.isEmpty())
            return fail(QStringLiteral("a query needs a text and the name of the place meant"));
        m_queries.append(query);
    }
    return true;
}
