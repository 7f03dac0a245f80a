#ifndef HXPLACES_TERMINALPICKER_H
#define HXPLACES_TERMINALPICKER_H

#include "mergedsearch.h"

#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/location.h>

#include <QtCore/QEventLoop>
#include <QtCore/QObject>
#include <QtCore/QScopedPointer>
#include <QtCore/QString>
#include <QtCore/QTimer>

#include <cstdio>

class QSocketNotifier;
typedef struct screen SCREEN;

// The place picker drawn with ncurses on the controlling terminal: a search field, the merged
// list that follows every keystroke, section headers, distances and "more" footers. Arrows
// move, Enter picks or opens a footer's whole category, Esc goes back or cancels. System
// dialogs shown meanwhile are drawn on top and answered with the arrows and Enter. Only the
// picked place's JSON leaves through standard output, so the picker works inside a pipe.
class TerminalPicker : public QObject
{
    Q_OBJECT
public:
    explicit TerminalPicker(const hx::platform::places::Coordinates &near, QObject *parent = nullptr);
    ~TerminalPicker() override;

    // 0 with the JSON of the picked place, 1 when the user cancelled or the terminal cannot be
    // used (then message says why).
    int run(QString *json, QString *message);

private slots:
    void readKeys();
    void redraw();
    void onLocationFound(const hx::platform::places::Location &location);
    void onLocationAborted();

private:
    struct Entry
    {
        enum Kind { MyLocation, Header, Place, Footer };
        Kind kind;
        MergedSearch::Row row;
    };

    bool openTerminal(QString *message);
    void closeTerminal();
    void handleKey(int key, bool isCharacter);
    void handleDialogKey(int key);
    void typed(const QString &text);
    void activate();
    void pickRow(const MergedSearch::Row &row);
    void fetchMyLocation();
    void finish(int code);
    QList<Entry> entries() const;
    int selectableCount() const;
    void moveSelection(int delta);
    void drawList(int top, int height, int width);
    void drawDialog(int width, int height);
    void drawStatus(int row, int width);

    hx::platform::places::Coordinates m_near;
    MergedSearch m_search;
    QString m_text;
    int m_expandedGroup = -1; // the footer's group shown whole, or -1 for the merged list
    int m_selected = 0; // among the selectable entries
    int m_dialogButton = 0;
    QString m_status;
    bool m_busy = false;
    QString m_json;
    int m_code = 1;

    std::FILE *m_ttyIn = nullptr;
    std::FILE *m_ttyOut = nullptr;
    SCREEN *m_screen = nullptr;
    QScopedPointer<QSocketNotifier> m_notifier;
    QTimer m_poll;
    QEventLoop m_loop;
    QObject *m_locationDialog = nullptr;
};

#endif
