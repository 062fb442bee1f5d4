#include "kdigestcopy.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace Ky {

bool CopyUnderDigest(const QString& source, const QString& dir, KSendFileInfo* out)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        qDebug() << "open [" + source + "]error" << in.errorString();
        return false;
    }
    const QString folder = dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
    // Written under a temporary name first, so a failed copy never leaves a file that a
    // digest name would vouch for.
    QTemporaryFile part(folder + QStringLiteral(".digest-XXXXXX.part"));
    if (!part.open()) {
        qDebug() << "copy error" << part.errorString();
        return false;
    }
    QCryptographicHash md5(QCryptographicHash::Md5);
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 got = in.read(chunk.data(), chunk.size());
        if (got < 0) {
            qDebug() << "copy error" << in.errorString();
            return false;
        }
        if (got == 0)
            break;
        md5.addData(QByteArrayView(chunk.constData(), got));
        if (part.write(chunk.constData(), got) != got) {
            qDebug() << "copy error" << part.errorString();
            return false;
        }
    }
    if (!part.flush()) {
        qDebug() << "copy error" << part.errorString();
        return false;
    }
    const QString digest = QString::fromLatin1(md5.result().toHex());
    const QString suffix = QFileInfo(source).suffix();
    const QString target = folder + (suffix.isEmpty() ? digest : digest + QLatin1Char('.') + suffix);
    if (QFileInfo::exists(target)) {
        // The same name means the same content: keep what is there.
        qDebug() << "copy error" << "the file" << target << "exists";
    } else {
        part.close();
        if (!part.rename(target)) {
            qDebug() << "copy error" << part.errorString();
            return false;
        }
        part.setAutoRemove(false);
        QFile::setPermissions(target, in.permissions());
    }
    if (out) {
        out->path = target;
        out->md5 = digest;
    }
    return true;
}

} // namespace Ky
