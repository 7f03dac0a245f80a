#ifndef HX_SYSTEM_NFCSHARETYPES_H
#define HX_SYSTEM_NFCSHARETYPES_H

#include <QtCore/QMetaType>
#include <QtCore/QObject>

namespace hx {
namespace system {

// What a tap shares. Url (4) shares the content's URI.
class NfcShareMode
{
    Q_GADGET
public:
    enum Type { Disabled = 0, Data = 1, File = 2, Text = 3, Url = 4 };
    Q_ENUM(Type)

private:
    NfcShareMode() = delete;
};

// What went out when a share finished.
class NfcShareSuccess
{
    Q_GADGET
public:
    enum Type { Unknown = 0, Data = 1, File = 2, Url = 3 };
    Q_ENUM(Type)

private:
    NfcShareSuccess() = delete;
};

// Why a share failed.
class NfcShareError
{
    Q_GADGET
public:
    enum Type { None = 0, Unknown = 1, NoContentToShare = 2, MessageSize = 3, TransferFailed = 4 };
    Q_ENUM(Type)

private:
    NfcShareError() = delete;
};

// Why setShareContent() refused the content.
class NfcShareSetContentError
{
    Q_GADGET
public:
    enum Type { None = 0, Unknown = 1, InvalidShareMode = 2, InvalidShareRequest = 3 };
    Q_ENUM(Type)

private:
    NfcShareSetContentError() = delete;
};

} // namespace system
} // namespace hx

Q_DECLARE_METATYPE(hx::system::NfcShareSuccess::Type)
Q_DECLARE_METATYPE(hx::system::NfcShareError::Type)

#endif
