#ifndef HX_SYSTEM_NFCSHAREMANAGER_H
#define HX_SYSTEM_NFCSHAREMANAGER_H

#include <hx/system/nfcsharedatacontent.h>
#include <hx/system/nfcsharetypes.h>

#include <QtCore/QList>
#include <QtCore/QMutex>
#include <QtCore/QObject>

namespace hx {
namespace system {

// Holds what the phone shares when another device is tapped against it. There is no radio
// here: tap() stands for the other device, so tests and the simulator can make a share
// finish or fail.
class NfcShareManager : public QObject
{
    Q_OBJECT
public:
    explicit NfcShareManager(QObject *parent = nullptr);
    ~NfcShareManager() override;

    NfcShareMode::Type shareMode() const;
    void setShareMode(NfcShareMode::Type mode);

    // Refused (and the previous content kept) when the mode is not Data or Url, when Url mode
    // gets no URI, or when Data mode gets neither data nor a MIME type.
    NfcShareSetContentError::Type setShareContent(const NfcShareDataContent &content);
    NfcShareDataContent shareContent() const;
    void resetShareContent();

    // Every content accepted so far with the mode it was set in, oldest first.
    struct Record
    {
        NfcShareMode::Type mode;
        NfcShareDataContent content;
    };
    QList<Record> history() const;

public slots:
    // Another device took the content: finished() with what went out, or error() when there
    // is nothing to share.
    void tap();
    // The transfer broke off.
    void fail(hx::system::NfcShareError::Type error);

signals:
    void finished(hx::system::NfcShareSuccess::Type result);
    void error(hx::system::NfcShareError::Type error);

private:
    mutable QMutex m_mutex;
    NfcShareMode::Type m_mode = NfcShareMode::Disabled;
    NfcShareDataContent m_content;
    bool m_hasContent = false;
    QList<Record> m_history;
};

} // namespace system
} // namespace hx

#endif
