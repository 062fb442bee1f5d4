#include "ktranslation.h"

#include "kappconfig.h"

#include <QCoreApplication>
#include <QTranslator>

namespace Ky {

KTranslation* KTranslation::instance_ = nullptr;

namespace {
// Result codes of device operations; 27 has no text.
const char* const kErrorTexts[] = {
    QT_TRANSLATE_NOOP("KTcpClient", "Success!"),
    QT_TRANSLATE_NOOP("KTcpClient", "Process Exception!"),
    QT_TRANSLATE_NOOP("KTcpClient", "Receiving data failed!"),
    QT_TRANSLATE_NOOP("KTcpClient", "The device is occupied!"),
    QT_TRANSLATE_NOOP("KTcpClient", "Space Not Enough!"),
    QT_TRANSLATE_NOOP("KTcpClient", "File Not Found!"),
    QT_TRANSLATE_NOOP("KTcpClient", "Read File Fail!"),
    QT_TRANSLATE_NOOP("KTcpClient", "System Error!"),
    QT_TRANSLATE_NOOP("KTcpClient", "Remove File Fail!"),
    QT_TRANSLATE_NOOP("KTcpClient", "Send Finish!"),
    QT_TRANSLATE_NOOP("KTcpClient", "Create File Fail!"),
    QT_TRANSLATE_NOOP("KTcpClient", "Write File Fail!"),
    QT_TRANSLATE_NOOP("KTcpClient", "Close File Fail!"),
    QT_TRANSLATE_NOOP("KTcpClient", "New Object Fail!"),
    QT_TRANSLATE_NOOP("KTcpClient", "Send Data Fail!"),
    QT_TRANSLATE_NOOP("KTcpClient", "Connect the device failure!"),
    QT_TRANSLATE_NOOP("KTcpClient", "Device is disconnected!"),
    QT_TRANSLATE_NOOP("KTcpClient", "Cancel Send!"),
    QT_TRANSLATE_NOOP("KTcpClient", "Open File Fail!"),
    QT_TRANSLATE_NOOP("KTcpClient", "Init Fail!"),
    QT_TRANSLATE_NOOP("KTcpClient", "Failure to set the time!"),
    QT_TRANSLATE_NOOP("KTcpClient", "ID is not found in the list of devices!"),
    QT_TRANSLATE_NOOP("KTcpClient", "Upgrade Fail!"),
    QT_TRANSLATE_NOOP("KTcpClient", "Parse Data Fail!"),
    QT_TRANSLATE_NOOP("KTcpClient", "Version is too low!"),
    QT_TRANSLATE_NOOP("KTcpClient", "Unzip the package fails!"),
    QT_TRANSLATE_NOOP("KTcpClient", "Upgrade package error!"),
    nullptr,
    QT_TRANSLATE_NOOP("KTcpClient", "Unknow!"),
};
constexpr int kErrorCount = int(sizeof kErrorTexts / sizeof kErrorTexts[0]);
} // namespace

KTranslation::KTranslation()
    : m_translator(new QTranslator(this))
{
}

KTranslation::~KTranslation() = default;

KTranslation* KTranslation::instance()
{
    if (!instance_)
        instance_ = new KTranslation;
    return instance_;
}

void KTranslation::Destroy()
{
    delete instance_;
    instance_ = nullptr;
}

void KTranslation::set_language(const QString& name)
{
    // An unknown name leaves the last listed language in the working record, which is then
    // loaded, while the selected record keeps what it held.
    KLang working;
    for (const KLang& lang : std::as_const(m_languages)) {
        working = lang;
        if (lang.name == name) {
            m_selected = lang;
            break;
        }
    }
    if (working.name.isEmpty() || working.file.isEmpty())
        return;
    if (working.name == m_language)
        return;
    m_language = working.name;
    if (m_translator->load(KAppConfig::BinDir() + working.file)) {
        // Installing again moves the translator to the front.
        QCoreApplication::removeTranslator(m_translator);
        QCoreApplication::installTranslator(m_translator);
    }
    Q_EMIT LanguageChanged();
}

QString KTranslation::translate(const char* context, const char* source) const
{
    const QString text = m_translator->translate(context, source);
    return text.isEmpty() ? QString::fromLatin1(source) : text;
}

QString KTranslation::translate(const char* context, const QString& source) const
{
    const QByteArray utf8 = source.toUtf8();
    const QString text = m_translator->translate(context, utf8.constData());
    return text.isEmpty() ? source : text;
}

QString KTranslation::translateFromErrorCode(int code) const
{
    if (code < 0 || code >= kErrorCount || !kErrorTexts[code])
        return QString();
    return translate("KTcpClient", kErrorTexts[code]);
}

} // namespace Ky
