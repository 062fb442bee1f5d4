#include "calculationfilemd5.h"

#include <QCryptographicHash>
#include <QFile>

namespace Ky {

CalculationFileMd5::CalculationFileMd5(QObject* parent)
    : QThread(parent)
{
}

void CalculationFileMd5::SetCalculationFileName(const QString& name)
{
    m_name = name;
    m_single = true;
}

void CalculationFileMd5::SetCalculationFileNames(const QStringList& names)
{
    m_names = names;
    m_single = false;
}

QString CalculationFileMd5::FileDigest(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QCryptographicHash hash(QCryptographicHash::Md5);
    if (!hash.addData(&file))
        return QString();
    return QString::fromLatin1(hash.result().toHex());
}

void CalculationFileMd5::run()
{
    if (m_single) {
        if (!QFile::exists(m_name))
            return;
        Q_EMIT CalculationFileFinished(m_name, FileDigest(m_name));
        return;
    }
    if (m_names.isEmpty())
        return;
    QStringList digests;
    for (const QString& name : std::as_const(m_names))
        digests.append(FileDigest(name));
    Q_EMIT CalculationFileListFinished(digests);
}

} // namespace Ky
