#include <hx/system/nfcsharemanager.h>

#include <QtCore/QMutexLocker>

namespace hx {
namespace system {

namespace {
const int successTypeId = qRegisterMetaType<NfcShareSuccess::Type>("hx::system::NfcShareSuccess::Type");
const int errorTypeId = qRegisterMetaType<NfcShareError::Type>("hx::system::NfcShareError::Type");
} // namespace

NfcShareManager::NfcShareManager(QObject *parent) : QObject(parent)
{
    Q_UNUSED(successTypeId)
    Q_UNUSED(errorTypeId)
}

NfcShareManager::~NfcShareManager() = default;

NfcShareMode::Type NfcShareManager::shareMode() const
{
    QMutexLocker locker(&m_mutex);
    return m_mode;
}

void NfcShareManager::setShareMode(NfcShareMode::Type mode)
{
    QMutexLocker locker(&m_mutex);
    m_mode = mode;
}

NfcShareSetContentError::Type NfcShareManager::setShareContent(const NfcShareDataContent &content)
{
    QMutexLocker locker(&m_mutex);
    if (m_mode != NfcShareMode::Url && m_mode != NfcShareMode::Data)
        return NfcShareSetContentError::InvalidShareMode;
    if (m_mode == NfcShareMode::Url && !content.uri().isValid())
        return NfcShareSetContentError::InvalidShareRequest;
    if (m_mode == NfcShareMode::Data && (content.data().isEmpty() || content.mimeType().isEmpty()))
        return NfcShareSetContentError::InvalidShareRequest;
    m_content = content;
    m_hasContent = true;
    m_history.append({ m_mode, content });
    return NfcShareSetContentError::None;
}

NfcShareDataContent NfcShareManager::shareContent() const
{
    QMutexLocker locker(&m_mutex);
    return m_content;
}

void NfcShareManager::resetShareContent()
{
    QMutexLocker locker(&m_mutex);
    m_content = NfcShareDataContent();
    m_hasContent = false;
}

QList<NfcShareManager::Record> NfcShareManager::history() const
{
    QMutexLocker locker(&m_mutex);
    return m_history;
}

void NfcShareManager::tap()
{
    NfcShareMode::Type mode;
    bool hasContent;
    {
        QMutexLocker locker(&m_mutex);
        mode = m_mode;
        hasContent = m_hasContent;
    }
    if (!hasContent || mode == NfcShareMode::Disabled) {
        emit error(NfcShareError::NoContentToShare);
        return;
    }
    emit finished(mode == NfcShareMode::Url ? NfcShareSuccess::Url : NfcShareSuccess::Data);
}

void NfcShareManager::fail(NfcShareError::Type shareError)
{
    emit error(shareError);
}

} // namespace system
} // namespace hx
