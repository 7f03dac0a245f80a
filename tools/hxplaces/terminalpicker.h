#ifndef HXPLACES_TERMINALPICKER_H
#define HXPLACES_TERMINALPICKER_H

#include "distancetext.h"
#include "searchlist.h"

#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/location.h>
#include <hx/trellan/console/terminalsession.h>

#include <QtCore/QEventLoop>
#include <QtCore/QObject>
#include <QtCore/QString>
#include <QtCore/QTimer>

namespace hx {
namespace system {
class SystemUiRecord;
}
} // namespace hx

namespace hx {
namespace trellan {
namespace places {
class MyLocationDialog;
}
} // namespace trellan
} // namespace hx

// The place picker drawn with ncurses on the controlling terminal: a search field, the merged
// list that follows every keystroke, section headers, distances and "more" footers. Arrows
// move, Enter picks or opens a footer's whole category, Esc goes back or cancels. "My Location"
// runs the staged current-location fetch; the system dialogs it (or anything else) shows are
// drawn on top and answered with the arrows and Enter. Only the picked place's JSON leaves
// through standard output, so the picker works inside a pipe.
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
    void onRowsChanged();
    void onLocationFound(hx::platform::places::Location location);
    void onLocationAborted();

private:
    struct Entry
    {
        enum Kind { MyLocation, Header, Place, Footer };
        Kind kind;
        int row; // in the search list; -1 for "My Location"
    };

    void handleKey(int key, bool isCharacter);
    void handleDialogKey(int key);
    void followDialog(const hx::system::SystemUiRecord &dialog);
    void typed(const QString &text);
    void activate();
    void pick(QSharedPointer<hx::platform::places::Place> place);
    void load();
    void fetchMyLocation();
    void finish(int code);
    QList<Entry> entries() const;
    int selectableCount() const;
    void moveSelection(int delta);
    QString title() const;
    void drawList(int top, int height, int width);
    void drawDialog(int width, int height);
    void drawStatus(int row, int width);

    hx::platform::places::Coordinates m_near;
    SearchList m_search;
    DistanceText m_distance;
    QString m_text;
    // The category a footer opened, or None for the merged list.
    hx::trellan::places::FilterCategory::Type m_category = hx::trellan::places::FilterCategory::None;
    int m_selected = 0; // among the selectable entries
    int m_dialogButton = 0;
    int m_dialogSerial = 0; // the dialog the button choice belongs to
    bool m_drawing = false;
    bool m_redrawQueued = false;
    QString m_status;
    bool m_busy = false;
    QString m_json;
    int m_code = 1;
    bool m_finished = false;

    hx::trellan::console::TerminalSession m_terminal;
    QTimer m_poll;
    QEventLoop m_loop;
    hx::trellan::places::MyLocationDialog *m_locationDialog = nullptr;
};

#endif
