#ifndef HX_TOOLS_RELEVANCERUN_H
#define HX_TOOLS_RELEVANCERUN_H

#include <hx/trellan/places/singlesearchalldatamodel.h>

#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QString>

#include "relevancetable.h"

// Types one query into the merged list the picker shows (sections collapsed, each behind its
// "More") and says whether the place meant is among the rows on a phone's screen, and whether
// the list shows one place twice.
class RelevanceRun : public QObject
{
    Q_OBJECT
public:
    // The place rows a phone shows without scrolling, whatever sections they are in.
    static constexpr int ScreenRows = 8;

    struct Outcome
    {
        bool shown = false;
        QString twice; // the name of a place listed twice; empty when none
        QStringList rows; // the names of the rows on screen, for the report of a miss
    };

    Outcome run(const RelevanceTable::Query &query);

private:
    static QString keyOf(const QString &name);

    hx::trellan::places::SingleSearchAllDataModel m_model;
};

#endif
