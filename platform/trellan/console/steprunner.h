#ifndef HX_TRELLAN_CONSOLE_STEPRUNNER_H
#define HX_TRELLAN_CONSOLE_STEPRUNNER_H

#include <QtCore/QPointer>
#include <QtCore/QStringList>
#include <QtCore/QVariantList>

namespace hx {
namespace trellan {

class ListView;

namespace console {

// Runs the steps a script, a card application or the simulator gives a screen, each through
// the test driver, as a user would:
//   type NAME TEXT, erase NAME N, submit NAME, tap NAME, tap-row LIST N, tap-part LIST N PART,
//   menu LIST N ACTION, action TITLE-OR-NAME, choose NAME INDEX, dialog LABEL, back,
//   language CODE, wait MS, keys TEXT (typed on the physical keyboard), tap-nth LIST N PART
// Rows count from 1 in screen order, headers and footers included; tap-nth taps PART in the
// Nth row that has one, counting only such rows. A step that cannot be done
// fails with a message that names what is on screen instead.
class StepRunner
{
public:
    explicit StepRunner(QObject *root);

    // Whether the words make a step of the vocabulary; otherwise error says why.
    static bool check(const QStringList &words, QString *error);
    bool run(const QStringList &words, QString *error);

    // Delivers queued replies until no worker runs and the screen stops changing, at most
    // timeoutMs. False when the screen was still busy then.
    bool waitUntilIdle(int timeoutMs = 15000) const;

private:
    bool type(const QStringList &words, QString *error);
    bool keys(const QStringList &words, QString *error);
    bool erase(const QStringList &words, QString *error);
    bool submit(const QStringList &words, QString *error);
    bool tap(const QStringList &words, QString *error);
    bool tapRow(const QStringList &words, QString *error);
    bool tapPart(const QStringList &words, QString *error);
    bool menu(const QStringList &words, QString *error);
    bool tapNth(const QStringList &words, QString *error);
    bool action(const QStringList &words, QString *error);
    bool choose(const QStringList &words, QString *error);
    bool dialog(const QStringList &words, QString *error);
    bool back(const QStringList &words, QString *error);
    bool language(const QStringList &words, QString *error);
    bool wait(const QStringList &words);

    // The list named by the step's second word, on screen and with the row its third names.
    ListView *reachableList(const QStringList &words, QString *error) const;
    static QVariantList rowPath(const ListView *list, const QStringList &words);
    // Passes succeeded on; on failure error names the step, the driver's reason and what is
    // on screen.
    bool done(bool succeeded, const QStringList &words, QString *error) const;
    QString onScreen() const;

    QPointer<QObject> m_root;
};

} // namespace console
} // namespace trellan
} // namespace hx

#endif
